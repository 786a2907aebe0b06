#include "platform/host/numeric_text.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace wayband::host {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";
constexpr int kMaxLiteralBits = 32;

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

// "&H" or "&O" followed by digits of that base, up to 32 bits; values with the top bit
// set read as negative Longs, as the platform's literals do.
std::optional<double> ParseRadixLiteral(std::string_view text) {
  if (text.size() < 3 || text[0] != '&') return std::nullopt;
  const char kind = static_cast<char>(text[1] | 0x20);
  const int base = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
  if (base == 0) return std::nullopt;
  const std::string_view digits = text.substr(2);
  uint64_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (value >> kMaxLiteralBits) return std::nullopt;
  return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

// Digits, an optional fraction and an optional exponent (e or d), with at least one digit
// before the exponent.
bool IsDecimalNumber(std::string_view text) {
  size_t i = 0;
  size_t mantissaDigits = 0;
  auto isDigit = [&](size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
  while (isDigit(i))
    ++i, ++mantissaDigits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (isDigit(i))
      ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return false;
  if (i < text.size() && (text[i] | 0x20) != 'e' && (text[i] | 0x20) != 'd') return false;
  if (i == text.size()) return true;
  ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (!isDigit(i)) return false;
  while (isDigit(i))
    ++i;
  return i == text.size();
}

}  // namespace

std::optional<double> ParseNumericText(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return std::nullopt;
  if (text[0] == '&') return ParseRadixLiteral(text);
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (!IsDecimalNumber(text)) return std::nullopt;
  std::string normal(text);
  for (char& c : normal) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (error != std::errc() || end != normal.data() + normal.size()) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace wayband::host
