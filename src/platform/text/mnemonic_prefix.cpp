#include "platform/text/mnemonic_prefix.h"

namespace wayband::platform::text {
namespace {

constexpr char32_t kPrefix = U'&';

}  // namespace

MnemonicText StripMnemonicPrefixes(std::u32string_view text, bool underline) {
  MnemonicText out;
  out.text.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != kPrefix) {
      out.text.push_back(text[i]);
      continue;
    }
    if (++i == text.size()) break;
    if (text[i] != kPrefix && underline) {
      out.underlined.push_back(static_cast<uint32_t>(out.text.size()));
    }
    out.text.push_back(text[i]);
  }
  return out;
}

}  // namespace wayband::platform::text
