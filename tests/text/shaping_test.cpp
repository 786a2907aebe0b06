// Shaping, bidirectional order, fallback faces, line breaking and the small text helpers.
#include <gtest/gtest.h>

#include <vector>

#include "platform/text/bidi_order.h"
#include "platform/text/end_ellipsis.h"
#include "platform/text/line_breaking.h"
#include "platform/text/mnemonic_prefix.h"
#include "platform/text/text_layout.h"
#include "platform/text/utf8_decode.h"
#include "text_surface.h"

namespace wayband::platform::text {
namespace {

std::shared_ptr<RealizedFont> CaptionFont() {
  return RealizedFont::For(testing::CaptionLogFont());
}

std::vector<uint32_t> VisualClusters(const LineLayout& layout) {
  std::vector<uint32_t> clusters;
  for (const PlacedGlyph& g : layout.glyphs)
    clusters.push_back(g.cluster);
  return clusters;
}

TEST(Shaping, HebrewComesOutRightToLeft) {
  auto font = CaptionFont();
  const LineLayout layout = LayoutLine(*font, U"\u05E9\u05DC\u05D5\u05DD", false);
  EXPECT_EQ(VisualClusters(layout), (std::vector<uint32_t>{3, 2, 1, 0}));
  for (size_t i = 1; i < layout.glyphs.size(); ++i) {
    EXPECT_GT(layout.glyphs[i].x, layout.glyphs[i - 1].x);
  }
}

TEST(Shaping, MixedLineKeepsLatinLeftToRightAndReversesHebrew) {
  auto font = CaptionFont();
  const LineLayout ltr = LayoutLine(*font, U"ab \u05D0\u05D1", false);
  EXPECT_EQ(VisualClusters(ltr), (std::vector<uint32_t>{0, 1, 2, 4, 3}));
  const LineLayout rtl = LayoutLine(*font, U"ab \u05D0\u05D1", true);
  EXPECT_EQ(VisualClusters(rtl), (std::vector<uint32_t>{4, 3, 2, 0, 1}));
}

TEST(Shaping, ArabicLettersJoin) {
  auto font = CaptionFont();
  const uint32_t isolated = LayoutLine(*font, U"\u0628", false).glyphs.at(0).glyph;
  const LineLayout joined = LayoutLine(*font, U"\u0628\u0628\u0628", false);
  ASSERT_EQ(joined.glyphs.size(), 3u);
  EXPECT_EQ(VisualClusters(joined), (std::vector<uint32_t>{2, 1, 0}));
  for (const PlacedGlyph& g : joined.glyphs)
    EXPECT_NE(g.glyph, isolated);
}

TEST(Shaping, CombiningMarksStayInTheirBaseCluster) {
  auto font = CaptionFont();
  const LineLayout layout = LayoutLine(*font, U"e\u0301x", false);
  EXPECT_TRUE(layout.clusterStart[0]);
  EXPECT_FALSE(layout.clusterStart[1]);
  EXPECT_TRUE(layout.clusterStart[2]);
  EXPECT_EQ(layout.clusterAdvance[1], 0);
  const auto [left, right] = layout.ClusterExtent(0);
  EXPECT_EQ(left, 0);
  EXPECT_EQ(right, layout.clusterAdvance[0]);
}

TEST(Shaping, CharactersTheFaceLacksComeFromAFallbackFace) {
  auto font = CaptionFont();
  FaceInstance& latin = font->FaceFor(U"A");
  FaceInstance& han = font->FaceFor(U"\u6536");
  FaceInstance& hebrew = font->FaceFor(U"\u05D0");
  EXPECT_NE(&latin, &han);
  EXPECT_NE(&latin, &hebrew);
  EXPECT_TRUE(han.HasGlyph(U'\u6536'));
  const LineLayout layout = LayoutLine(*font, U"A\u6536", false);
  ASSERT_EQ(layout.glyphs.size(), 2u);
  EXPECT_FALSE(layout.glyphs[1].face->Glyph(layout.glyphs[1].glyph).IsEmpty());
}

TEST(Shaping, ControlCharactersDrawNothing) {
  auto font = CaptionFont();
  EXPECT_EQ(LayoutLine(*font, U"a\tb\x7F", false).width, LayoutLine(*font, U"ab", false).width);
}

TEST(BidiOrder, RunsAreReversedFromTheHighestLevelDown) {
  const std::vector<uint8_t> simple{0, 1, 1, 0};
  EXPECT_EQ(VisualRunOrder(simple), (std::vector<size_t>{0, 2, 1, 3}));
  const std::vector<uint8_t> nested{0, 1, 2, 1, 0};
  EXPECT_EQ(VisualRunOrder(nested), (std::vector<size_t>{0, 3, 2, 1, 4}));
  const std::vector<uint8_t> rtl{1, 2, 1};
  EXPECT_EQ(VisualRunOrder(rtl), (std::vector<size_t>{2, 1, 0}));
}

TEST(LineBreaking, ParagraphsSplitAtEveryKindOfLineBreak) {
  const std::u32string text = U"a\r\nb\rc\nd";
  EXPECT_EQ(SplitParagraphs(text), (std::vector<LineSpan>{{0, 1}, {3, 4}, {5, 6}, {7, 8}}));
  EXPECT_EQ(SplitParagraphs(U""), (std::vector<LineSpan>{{0, 0}}));
}

TEST(LineBreaking, WordsWrapAtSpacesAndLongWordsStayWhole) {
  auto font = CaptionFont();
  const std::u32string text = U"one two three";
  const int32_t twoWords = LayoutLine(*font, U"one two", false).width;
  EXPECT_EQ(WrapParagraph(*font, text, {0, text.size()}, twoWords, false),
            (std::vector<LineSpan>{{0, 7}, {8, 13}}));
  EXPECT_EQ(WrapParagraph(*font, text, {0, text.size()}, 1, false),
            (std::vector<LineSpan>{{0, 3}, {4, 7}, {8, 13}}));
  const std::u32string ideographs = U"\u6536\u4EF6\u7BB1";
  EXPECT_EQ(WrapParagraph(*font, ideographs, {0, 3}, 1, false).size(), 3u);
}

TEST(EndEllipsis, KeepsTheLongestStartThatFitsWithTheDots) {
  auto font = CaptionFont();
  const std::u32string line = U"Navigation caption";
  const LineLayout whole = LayoutLine(*font, line, false);
  const int32_t limit = whole.width / 2;
  const EllipsisLine shortened = EndWithEllipsis(*font, line, whole, limit, false);
  EXPECT_LE(shortened.layout.width, limit);
  EXPECT_EQ(shortened.text, line.substr(0, shortened.kept) + U"...");
  // One more cluster would not have fitted.
  const std::u32string longer = line.substr(0, shortened.kept + 1) + U"...";
  EXPECT_GT(LayoutLine(*font, longer, false).width, limit);
  EXPECT_EQ(EndWithEllipsis(*font, line, whole, 0, false).text, U"...");
}

TEST(MnemonicPrefix, AmpersandsMarkAndDoubleAmpersandsShow) {
  EXPECT_EQ(StripMnemonicPrefixes(U"&File", true).text, U"File");
  EXPECT_EQ(StripMnemonicPrefixes(U"&File", true).underlined, (std::vector<uint32_t>{0}));
  EXPECT_TRUE(StripMnemonicPrefixes(U"&File", false).underlined.empty());
  EXPECT_EQ(StripMnemonicPrefixes(U"a&&b", true).text, U"a&b");
  EXPECT_TRUE(StripMnemonicPrefixes(U"a&&b", true).underlined.empty());
  EXPECT_EQ(StripMnemonicPrefixes(U"abc&", true).text, U"abc");
}

TEST(Utf8Decode, AcceptsWellFormedAndRefusesEverythingElse) {
  EXPECT_EQ(DecodeUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), U"a\u00E9\u20AC\U0001F600");
  for (const char* bad : {"\x80", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xE2\x82",
                          "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "a\xC3"}) {
    EXPECT_FALSE(DecodeUtf8(bad).has_value()) << bad;
  }
  EXPECT_EQ(UpToNul(std::string_view("ab\0cd", 5)), "ab");
}

}  // namespace
}  // namespace wayband::platform::text
