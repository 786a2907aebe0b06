// Shaping, bidirectional order, fallback faces, line breaking and the small text helpers.
#include <gtest/gtest.h>

#include <utility>
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

using Clusters = std::vector<uint32_t>;

class Shaping : public ::testing::Test {
 protected:
  std::shared_ptr<RealizedFont> font = RealizedFont::For(testing::CaptionLogFont());
};

TEST_F(Shaping, RunsComeOutInVisualOrderLeftToRight) {
  const struct {
    std::u32string text;
    bool rtl;
    Clusters visual;
  } cases[] = {
      {U"\u05E9\u05DC\u05D5\u05DD", false, {3, 2, 1, 0}},
      {U"ab \u05D0\u05D1", false, {0, 1, 2, 4, 3}},
      {U"ab \u05D0\u05D1", true, {4, 3, 2, 0, 1}},
      {U"\u0628\u0628\u0628", false, {2, 1, 0}},
  };
  for (const auto& c : cases) {
    const LineLayout layout = LayoutLine(*font, c.text, c.rtl);
    Clusters visual;
    for (size_t i = 0; i < layout.glyphs.size(); ++i) {
      visual.push_back(layout.glyphs[i].cluster);
      if (i > 0) {
        EXPECT_GT(layout.glyphs[i].x, layout.glyphs[i - 1].x);
      }
    }
    EXPECT_EQ(visual, c.visual);
  }
  // Arabic letters join: none keeps its isolated form.
  const uint32_t isolated = LayoutLine(*font, U"\u0628", false).glyphs.at(0).glyph;
  for (const PlacedGlyph& g : LayoutLine(*font, U"\u0628\u0628\u0628", false).glyphs)
    EXPECT_NE(g.glyph, isolated);
  const std::vector<uint8_t> levels[] = {{0, 1, 1, 0}, {0, 1, 2, 1, 0}, {1, 2, 1}};
  const std::vector<size_t> orders[] = {{0, 2, 1, 3}, {0, 3, 2, 1, 4}, {2, 1, 0}};
  for (size_t i = 0; i < 3; ++i)
    EXPECT_EQ(VisualRunOrder(levels[i]), orders[i]) << i;
}

TEST_F(Shaping, MarksStayInTheirClusterMissingCharactersFallBackAndControlsDrawNothing) {
  const LineLayout marked = LayoutLine(*font, U"e\u0301x", false);
  EXPECT_EQ(marked.clusterStart, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(marked.clusterAdvance[1], 0);
  EXPECT_EQ(marked.ClusterExtent(0), (std::pair<int32_t, int32_t>{0, marked.clusterAdvance[0]}));

  FaceInstance& latin = font->FaceFor(U"A");
  EXPECT_NE(&latin, &font->FaceFor(U"\u6536"));
  EXPECT_NE(&latin, &font->FaceFor(U"\u05D0"));
  EXPECT_TRUE(font->FaceFor(U"\u6536").HasGlyph(U'\u6536'));
  const LineLayout mixed = LayoutLine(*font, U"A\u6536", false);
  ASSERT_EQ(mixed.glyphs.size(), 2u);
  EXPECT_FALSE(mixed.glyphs[1].face->Glyph(mixed.glyphs[1].glyph).IsEmpty());

  EXPECT_EQ(LayoutLine(*font, U"a\tb\x7F", false).width, LayoutLine(*font, U"ab", false).width);
}

TEST_F(Shaping, ParagraphsSplitAtEveryLineBreakAndWordsWrapAtSpaces) {
  EXPECT_EQ(SplitParagraphs(U"a\r\nb\rc\nd"),
            (std::vector<LineSpan>{{0, 1}, {3, 4}, {5, 6}, {7, 8}}));
  EXPECT_EQ(SplitParagraphs(U""), (std::vector<LineSpan>{{0, 0}}));
  const std::u32string text = U"one two three";
  const int32_t twoWords = LayoutLine(*font, U"one two", false).width;
  EXPECT_EQ(WrapParagraph(*font, text, {0, text.size()}, twoWords, false),
            (std::vector<LineSpan>{{0, 7}, {8, 13}}));
  // Long words stay whole; ideographs break anywhere.
  EXPECT_EQ(WrapParagraph(*font, text, {0, text.size()}, 1, false),
            (std::vector<LineSpan>{{0, 3}, {4, 7}, {8, 13}}));
  EXPECT_EQ(WrapParagraph(*font, U"\u6536\u4EF6\u7BB1", {0, 3}, 1, false).size(), 3u);
}

TEST_F(Shaping, AnEllipsisKeepsTheLongestStartThatFitsWithTheDots) {
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

TEST(TextHelpers, MnemonicPrefixesAndUtf8) {
  const struct {
    std::u32string text;
    bool underline;
    std::u32string shown;
    std::vector<uint32_t> underlined;
  } prefixes[] = {
      {U"&File", true, U"File", {0}},
      {U"&File", false, U"File", {}},
      {U"a&&b", true, U"a&b", {}},  // doubled: shown
      {U"abc&", true, U"abc", {}},
  };
  for (const auto& c : prefixes) {
    const auto stripped = StripMnemonicPrefixes(c.text, c.underline);
    EXPECT_EQ(stripped.text, c.shown);
    EXPECT_EQ(stripped.underlined, c.underlined);
  }
  EXPECT_EQ(DecodeUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), U"a\u00E9\u20AC\U0001F600");
  for (const char* bad : {"\x80", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xE2\x82",
                          "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "a\xC3"}) {
    EXPECT_FALSE(DecodeUtf8(bad).has_value()) << bad;
  }
  EXPECT_EQ(UpToNul(std::string_view("ab\0cd", 5)), "ab");
}

}  // namespace
}  // namespace wayband::platform::text
