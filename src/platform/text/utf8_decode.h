// Strict UTF-8 decoding for the text calls: every string they take is UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wayband::platform::text {

// The code points of `bytes`, or nothing when the bytes are not well-formed UTF-8
// (truncated or overlong sequences, surrogates, values above U+10FFFF, stray
// continuation bytes).
std::optional<std::u32string> DecodeUtf8(std::string_view bytes);
// Whether DecodeUtf8 would decode `bytes`, without making the code points.
bool IsUtf8(std::string_view bytes);

// `bytes` up to its first NUL byte: the text calls treat their strings as NUL-terminated.
std::string_view UpToNul(std::string_view bytes);

}  // namespace wayband::platform::text
