// Display text: captions and tooltip texts may hold UTF-8 bytes stored one byte per
// character (each byte as the Windows-1252 character of that number); such text is
// decoded before it is shown. Strings here are UTF-8 std::strings of characters.
#pragma once

#include <string>
#include <string_view>

namespace wayband::platform {

// Encodes the characters of `text` as UTF-8 bytes and returns those bytes as characters,
// one per byte, through Windows-1252; with `crLfAsBreak` every CR LF pair of the result
// becomes "<br>".
std::string Utf8Encode(std::string_view text, bool crLfAsBreak);

// The inverse without the "<br>" step: each character maps to a byte through
// Windows-1252 and the bytes decode as UTF-8; empty when they decode to nothing.
std::string Utf8Decode(std::string_view text);

// Utf8Decode(text) when re-encoding it with the CR LF step gives `text` back exactly,
// otherwise `text` as stored.
std::string DisplayText(std::string_view text);

}  // namespace wayband::platform
