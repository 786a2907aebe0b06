// Turning the name of an appearance scheme into a key of the scheme tables.
#pragma once

#include <string>
#include <string_view>

namespace wayband::render {

// Upper-cases the name (ASCII letters), then removes every "(LARGE)" and then every
// "(EXTRA LARGE)", each in one left-to-right pass: "High Contrast Black (extra large)"
// becomes "HIGH CONTRAST BLACK " (trimmed later).
std::string SchemeKeyFromName(std::string_view name);

// Removes leading and trailing spaces (spaces only, not other white space).
std::string TrimSpaces(std::string_view text);

// Replaces every occurrence of `what` in one left-to-right pass.
std::string RemoveAll(std::string_view text, std::string_view what);

}  // namespace wayband::render
