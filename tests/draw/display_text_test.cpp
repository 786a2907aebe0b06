// Display text: UTF-8 stored one byte per Windows-1252 character is shown decoded;
// everything else is shown as stored.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/text/display_text.h"

namespace wayband::platform {
namespace {

TEST(DisplayText, ShowsTheDecodedTextOnlyWhenItReEncodesExactly) {
  const std::pair<std::string, std::string> cases[] = {
      {"abc", "abc"},
      {"\u00C3\u00A9", "\u00E9"},  // the bytes of é stored one per character
      {"\u00E9", "\u00E9"},
      // The bytes E2 82 AC of the euro sign: E2 is â, 82 is ‚ (U+201A), AC is ¬.
      {"\u00E2\u201A\u00AC", "\u20AC"},
      // Hebrew alef, D7 90: 90 is one of the undefined positions and stands for U+0090.
      {"\u00D7\u0090", "\u05D0"},
      {"\u00C3\u00A9\r\nx", "\u00C3\u00A9\r\nx"},  // CR LF keeps the stored text
      {"\u00C3\u00A9\nx", "\u00E9\nx"},
      {"a<br>b", "a<br>b"},
      {"\u6536\u4EF6\u7BB1", "\u6536\u4EF6\u7BB1"},
      {"\u00C3", "\u00C3"},  // a truncated sequence
      {"\xC3(", "\xC3("},    // not UTF-8 itself
  };
  for (const auto& [stored, shown] : cases)
    EXPECT_EQ(DisplayText(stored), shown) << stored;
}

TEST(DisplayText, EncodeAndDecodeMapEveryByteThroughWindows1252) {
  const struct {
    std::string text;
    bool breaks;
    std::string stored;
  } encodings[] = {
      {"\u00E9", false, "\u00C3\u00A9"}, {"\u20AC", false, "\u00E2\u201A\u00AC"},
      {"\u05D0", false, "\u00D7\u0090"}, {"a\r\nb\r\n", true, "a<br>b<br>"},
      {"a\r\nb", false, "a\r\nb"},       {"", true, ""},
  };
  for (const auto& c : encodings)
    EXPECT_EQ(Utf8Encode(c.text, c.breaks), c.stored) << c.text;
  // What is not UTF-8 reads as U+FFFD, which, like CJK, is outside the code page.
  EXPECT_EQ(Utf8Decode("\u00E9"), "\uFFFD");  // a lone byte E9
  EXPECT_EQ(Utf8Decode("\u6536"), "?");
  EXPECT_EQ(Utf8Decode(std::string("\xFF") + "a"), "?a");
  // Texts of every UTF-8 sequence length round-trip through the byte-per-character form.
  for (const std::string& text :
       {std::string("Caf\u00E9"), std::string("\u0627\u0644\u0628\u0631\u064A\u062F"),
        std::string("\u6536\u4EF6"), std::string("e\u0301"), std::string("\U0001F600 \u20AC\u2122"),
        std::string("nul\0in", 6)}) {
    const std::string stored = Utf8Encode(text, false);
    EXPECT_EQ(Utf8Decode(stored), text);
    EXPECT_EQ(DisplayText(stored), text);
  }
}

}  // namespace
}  // namespace wayband::platform
