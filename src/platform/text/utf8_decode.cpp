#include "platform/text/utf8_decode.h"

#include <cstdint>

namespace wayband::platform::text {
namespace {

constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;

struct SequenceShape {
  int length;         // bytes in the sequence, 0 when the lead byte is invalid
  char32_t leadBits;  // value bits of the lead byte
  char32_t minimum;   // smallest code point that needs this length
};

SequenceShape ShapeOf(uint8_t lead) {
  if (lead < 0x80) return {1, lead, 0};
  if ((lead & 0xE0) == 0xC0) return {2, char32_t{lead} & 0x1Fu, 0x80};
  if ((lead & 0xF0) == 0xE0) return {3, char32_t{lead} & 0x0Fu, 0x800};
  if ((lead & 0xF8) == 0xF0) return {4, char32_t{lead} & 0x07u, 0x10000};
  return {0, 0, 0};
}

bool IsContinuation(uint8_t byte) {
  return (byte & 0xC0) == 0x80;
}

// Calls take(code point) for each code point of `bytes`; false at the first malformed
// sequence.
template <typename Take>
bool ForEachCodePoint(std::string_view bytes, Take take) {
  size_t i = 0;
  while (i < bytes.size()) {
    const SequenceShape shape = ShapeOf(static_cast<uint8_t>(bytes[i]));
    if (shape.length == 0 || bytes.size() - i < static_cast<size_t>(shape.length)) return false;
    char32_t value = shape.leadBits;
    for (int k = 1; k < shape.length; ++k) {
      const auto byte = static_cast<uint8_t>(bytes[i + static_cast<size_t>(k)]);
      if (!IsContinuation(byte)) return false;
      value = (value << 6) | (char32_t{byte} & 0x3Fu);
    }
    if (value < shape.minimum || value > kMaxCodePoint ||
        (value >= kSurrogateFirst && value <= kSurrogateLast)) {
      return false;
    }
    take(value);
    i += static_cast<size_t>(shape.length);
  }
  return true;
}

}  // namespace

std::optional<std::u32string> DecodeUtf8(std::string_view bytes) {
  std::u32string out;
  out.reserve(bytes.size());
  if (!ForEachCodePoint(bytes, [&out](char32_t c) { out.push_back(c); })) return std::nullopt;
  return out;
}

bool IsUtf8(std::string_view bytes) {
  return ForEachCodePoint(bytes, [](char32_t) {});
}

std::string_view UpToNul(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

}  // namespace wayband::platform::text
