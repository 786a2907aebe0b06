// Mnemonic prefixes in drawn text: "&" before a character marks it (the character is shown
// underlined), "&&" shows one "&", and a "&" at the very end shows nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wayband::platform::text {

struct MnemonicText {
  std::u32string text;               // the text as shown
  std::vector<uint32_t> underlined;  // indices into `text` of the marked characters
};

// Removes the prefixes; the marked characters are listed only when `underline` is true.
MnemonicText StripMnemonicPrefixes(std::u32string_view text, bool underline);

}  // namespace wayband::platform::text
