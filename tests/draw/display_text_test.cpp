// Display text: UTF-8 stored one byte per Windows-1252 character is shown decoded;
// everything else is shown as stored.
#include <gtest/gtest.h>

#include <string>

#include "platform/text/display_text.h"

namespace wayband::platform {
namespace {

struct DisplayCase {
  const char* name;
  std::string stored;
  std::string shown;
};

class Display : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(Display, ShowsTheDecodedTextOnlyWhenItReEncodesExactly) {
  EXPECT_EQ(DisplayText(GetParam().stored), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Display,
    ::testing::Values(
        DisplayCase{"Ascii", "abc", "abc"}, DisplayCase{"Empty", "", ""},
        // U+00C3 U+00A9: the bytes of é stored one per character.
        DisplayCase{"StoredBytes", "\u00C3\u00A9", "\u00E9"},
        DisplayCase{"PlainLatin1", "\u00E9", "\u00E9"},
        // The bytes E2 82 AC of the euro sign: E2 is â, 82 is ‚ (U+201A), AC is ¬.
        DisplayCase{"Cp1252Punctuation", "\u00E2\u201A\u00AC", "\u20AC"},
        // Hebrew alef, D7 90: 90 is one of the undefined positions and stands for U+0090.
        DisplayCase{"UndefinedPosition", "\u00D7\u0090", "\u05D0"},
        DisplayCase{"CrLfKeepsStored", "\u00C3\u00A9\r\nx", "\u00C3\u00A9\r\nx"},
        DisplayCase{"LoneLfDecodes", "\u00C3\u00A9\nx", "\u00E9\nx"},
        DisplayCase{"BreakTagAsTyped", "a<br>b", "a<br>b"},
        DisplayCase{"CjkAsStored", "\u6536\u4EF6\u7BB1", "\u6536\u4EF6\u7BB1"},
        DisplayCase{"TruncatedSequence", "\u00C3", "\u00C3"},
        DisplayCase{"InvalidUtf8AsStored", "\xC3(", "\xC3("}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayTextCodec, EncodeMapsEveryByteThroughWindows1252) {
  EXPECT_EQ(Utf8Encode("\u00E9", false), "\u00C3\u00A9");
  EXPECT_EQ(Utf8Encode("\u20AC", false), "\u00E2\u201A\u00AC");
  EXPECT_EQ(Utf8Encode("\u05D0", false), "\u00D7\u0090");
  EXPECT_EQ(Utf8Encode("a\r\nb\r\n", true), "a<br>b<br>");
  EXPECT_EQ(Utf8Encode("a\r\nb", false), "a\r\nb");
  EXPECT_EQ(Utf8Encode("", true), "");
}

TEST(DisplayTextCodec, DecodeReplacesWhatIsNotUtf8) {
  EXPECT_EQ(Utf8Decode(""), "");
  EXPECT_EQ(Utf8Decode("\u00C3\u00A9"), "\u00E9");
  EXPECT_EQ(Utf8Decode("\u00E9"), "\uFFFD");  // a lone byte E9
  EXPECT_EQ(Utf8Decode("\u6536"), "?");       // outside the code page
  // Text that is not UTF-8 itself reads as U+FFFD, which is outside the code page.
  EXPECT_EQ(Utf8Decode(std::string("\xFF") + "a"), "?a");
}

// Texts of every UTF-8 sequence length round-trip through the byte-per-character form.
TEST(DisplayTextCodec, RoundTripsTextsOfEverySequenceLength) {
  const std::string samples[] = {"Mail",
                                 "Caf\u00E9",
                                 "\u0627\u0644\u0628\u0631\u064A\u062F",
                                 "\u05D3\u05D5\u05D0\u05E8",
                                 "\u6536\u4EF6",
                                 "e\u0301",
                                 "\U0001F600 \u20AC\u2122",
                                 std::string("nul\0in", 6)};
  for (const std::string& text : samples) {
    const std::string stored = Utf8Encode(text, false);
    EXPECT_EQ(Utf8Decode(stored), text);
    EXPECT_EQ(DisplayText(stored), text);
  }
}

}  // namespace
}  // namespace wayband::platform
