// Base64 (the standard alphabet with '=' padding) for binary data kept in text files.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wayband::platform {

std::string Base64Encode(std::span<const uint8_t> bytes);

// The bytes of canonical base64 text: a multiple of four characters of the alphabet, at
// most two '=' at the end, and zero bits where padding leaves a character's low bits
// unused. Anything else (white space included) gives nothing.
std::optional<std::vector<uint8_t>> Base64Decode(std::string_view text);

}  // namespace wayband::platform
