// ASCII case handling for the names the platform compares (window classes, registry keys)
// and the scheme keys the controls build: only A-Z and a-z change case; every other byte,
// including those of non-ASCII characters, compares and converts as it is.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace wayband::platform {

constexpr char ToLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char ToUpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return ToLowerAscii(x) == ToLowerAscii(y);
         });
}

inline std::string ToUpperAscii(std::string_view text) {
  std::string upper(text);
  std::ranges::transform(upper, upper.begin(), [](char c) { return ToUpperAscii(c); });
  return upper;
}

inline std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), [](char c) { return ToLowerAscii(c); });
  return lower;
}

}  // namespace wayband::platform
