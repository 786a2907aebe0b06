// The platform's numeric test for text: surrounding blanks, an optional sign, decimal
// digits with an optional fraction and exponent ("2", " -3.5 ", "1e3", "4D2"), or a
// hexadecimal or octal literal ("&H1F", "&O17"). Parsing never depends on the locale.
#pragma once

#include <optional>
#include <string_view>

namespace wayband::host {

// The number the text stands for, or nothing when it is not numeric.
std::optional<double> ParseNumericText(std::string_view text);

}  // namespace wayband::host
