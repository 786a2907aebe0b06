#include "platform/text/display_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "platform/text/utf8_decode.h"

namespace wayband::platform {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
// The byte a character outside Windows-1252 becomes, as the system's conversion writes it.
constexpr uint8_t kUnmappableByte = '?';
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLineBreakTag = "<br>";

// Windows-1252 characters of the bytes 0x80-0x9F. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same
// number, so every byte has a character and every text of such characters a byte string.
constexpr uint8_t kFirstSpecialByte = 0x80;
constexpr std::array<char32_t, 32> kSpecialCharacters = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t CharacterOfByte(uint8_t byte) {
  const bool special =
      byte >= kFirstSpecialByte && byte < kFirstSpecialByte + kSpecialCharacters.size();
  return special ? kSpecialCharacters[byte - kFirstSpecialByte] : char32_t{byte};
}

uint8_t ByteOfCharacter(char32_t c) {
  const auto special = std::find(kSpecialCharacters.begin(), kSpecialCharacters.end(), c);
  if (special != kSpecialCharacters.end()) {
    return static_cast<uint8_t>(kFirstSpecialByte + (special - kSpecialCharacters.begin()));
  }
  const bool latin1 = c <= 0xFF && (c < kFirstSpecialByte || c >= 0xA0);
  return latin1 ? static_cast<uint8_t>(c) : kUnmappableByte;
}

void AppendUtf8(std::string& out, char32_t c) {
  auto put = [&out](uint32_t byte) { out.push_back(static_cast<char>(byte)); };
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | (c >> 18));
    put(0x80 | ((c >> 12) & 0x3F));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

// Bytes of the UTF-8 sequence a lead byte starts (1 for bytes that cannot lead one).
size_t SequenceLength(uint8_t lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The characters of UTF-8 bytes, each ill-formed byte read as U+FFFD, as the system's
// conversion does.
std::u32string DecodeWithReplacement(std::string_view bytes) {
  std::u32string characters;
  characters.reserve(bytes.size());
  size_t at = 0;
  while (at < bytes.size()) {
    const size_t length = SequenceLength(static_cast<uint8_t>(bytes[at]));
    const std::optional<std::u32string> one = text::DecodeUtf8(bytes.substr(at, length));
    if (one && one->size() == 1) {
      characters.push_back(one->front());
      at += length;
    } else {
      characters.push_back(kReplacementCharacter);
      ++at;
    }
  }
  return characters;
}

std::string EncodeUtf8(std::u32string_view characters) {
  std::string bytes;
  bytes.reserve(characters.size());
  for (char32_t c : characters)
    AppendUtf8(bytes, c);
  return bytes;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  size_t at = 0;
  for (size_t found = text.find(from); found != std::string_view::npos;
       found = text.find(from, at)) {
    out.append(text.substr(at, found - at)).append(to);
    at = found + from.size();
  }
  return out.append(text.substr(at));
}

}  // namespace

std::string Utf8Encode(std::string_view text, bool crLfAsBreak) {
  const std::string bytes = EncodeUtf8(DecodeWithReplacement(text));
  std::string shown;
  shown.reserve(bytes.size() * 2);
  for (char byte : bytes)
    AppendUtf8(shown, CharacterOfByte(static_cast<uint8_t>(byte)));
  return crLfAsBreak ? ReplaceAll(shown, kCrLf, kLineBreakTag) : shown;
}

std::string Utf8Decode(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char32_t c : DecodeWithReplacement(text))
    bytes.push_back(static_cast<char>(ByteOfCharacter(c)));
  return EncodeUtf8(DecodeWithReplacement(bytes));
}

std::string DisplayText(std::string_view text) {
  std::string decoded = Utf8Decode(text);
  if (Utf8Encode(decoded, true) == text) return decoded;
  return std::string(text);
}

}  // namespace wayband::platform
