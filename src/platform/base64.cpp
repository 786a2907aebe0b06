#include "platform/base64.h"

#include <algorithm>
#include <array>

namespace wayband::platform {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kPad = '=';
constexpr uint8_t kNotInAlphabet = 0xFF;
constexpr size_t kBytesPerGroup = 3;
constexpr size_t kCharsPerGroup = 4;

constexpr std::array<uint8_t, 256> DecodeTable() {
  std::array<uint8_t, 256> table{};
  table.fill(kNotInAlphabet);
  for (size_t i = 0; i < kAlphabet.size(); ++i)
    table[static_cast<uint8_t>(kAlphabet[i])] = static_cast<uint8_t>(i);
  return table;
}
constexpr std::array<uint8_t, 256> kDecode = DecodeTable();

}  // namespace

std::string Base64Encode(std::span<const uint8_t> bytes) {
  std::string text;
  text.reserve((bytes.size() + kBytesPerGroup - 1) / kBytesPerGroup * kCharsPerGroup);
  for (size_t i = 0; i < bytes.size(); i += kBytesPerGroup) {
    const size_t n = std::min(kBytesPerGroup, bytes.size() - i);
    uint32_t group = uint32_t{bytes[i]} << 16;
    if (n > 1) group |= uint32_t{bytes[i + 1]} << 8;
    if (n > 2) group |= bytes[i + 2];
    for (size_t c = 0; c < kCharsPerGroup; ++c) {
      text += c <= n ? kAlphabet[(group >> (18 - 6 * c)) & 0x3F] : kPad;
    }
  }
  return text;
}

std::optional<std::vector<uint8_t>> Base64Decode(std::string_view text) {
  if (text.size() % kCharsPerGroup != 0) return std::nullopt;
  size_t padding = 0;
  while (padding < 2 && padding < text.size() && text[text.size() - 1 - padding] == kPad)
    ++padding;
  std::vector<uint8_t> bytes;
  bytes.reserve(text.size() / kCharsPerGroup * kBytesPerGroup);
  const size_t dataChars = text.size() - padding;
  uint32_t group = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t sextet = 0;
    if (i < dataChars) {
      sextet = kDecode[static_cast<uint8_t>(text[i])];
      if (sextet == kNotInAlphabet) return std::nullopt;
    }
    group = (group << 6) | sextet;
    if (i % kCharsPerGroup != kCharsPerGroup - 1) continue;
    const bool last = i + 1 == text.size();
    const size_t n = last ? kBytesPerGroup - padding : kBytesPerGroup;
    // Bits that padding leaves unused must be zero, so every byte string has one text.
    if (last && (group & ((1u << (8 * (kBytesPerGroup - n))) - 1)) != 0) return std::nullopt;
    for (size_t b = 0; b < n; ++b)
      bytes.push_back(static_cast<uint8_t>(group >> (16 - 8 * b)));
    group = 0;
  }
  return bytes;
}

}  // namespace wayband::platform
