// Caption drawing: its format flags, the grey look, display text, the path for systems
// outside the NT family, and that the text lands where the caption asks.
#include <gtest/gtest.h>

#include <string>

#include "draw_fixture.h"
#include "platform/system_colors.h"
#include "platform/text/text_output.h"
#include "render/draw/caption.h"

namespace wayband::test {
namespace {

using platform::Rect;
using namespace platform;  // DT_ flags

const ColorRef kPaper = RGB(255, 255, 255);
const ColorRef kInk = RGB(0, 0, 0);
const std::string kLong = "A caption far too long to fit into the bar it is drawn on";

struct FormatCase {
  bool centre, right, wrap;
  uint32_t extra, expected;
};

class CaptionFlags : public ::testing::TestWithParam<FormatCase> {};

TEST_P(CaptionFlags, Combine) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(render::CaptionFormat(c.centre, c.right, c.wrap, c.extra), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, CaptionFlags,
    ::testing::Values(FormatCase{true, false, true, 0, DT_CENTER | DT_END_ELLIPSIS | DT_WORDBREAK},
                      FormatCase{false, true, false, 0, DT_SINGLELINE | DT_RIGHT | DT_END_ELLIPSIS},
                      FormatCase{false, false, true, 0,
                                 DT_SINGLELINE | DT_END_ELLIPSIS | DT_WORDBREAK},
                      FormatCase{true, true, false, DT_VCENTER,  // centre wins over right
                                 DT_CENTER | DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER},
                      FormatCase{false, false, false, DT_VCENTER | DT_NOPREFIX,
                                 DT_SINGLELINE | DT_END_ELLIPSIS | DT_VCENTER | DT_NOPREFIX}));

class Caption : public DrawTest {
 protected:
  Canvas canvas_{200, 40, kPaper};
  void SetUp() override {
    DrawTest::SetUp();
    canvas_.dc()->SetBkMode(BackgroundMode::kTransparent);
    canvas_.dc()->SetTextColor(kInk);
  }
  Rect Draw(std::string_view text, Rect rect, bool centre = false, bool right = false,
            uint32_t extra = DT_VCENTER, bool normal = true) {
    canvas_.Fill(kPaper);
    render::DrawCaption(canvas_.dc(), text, rect.left, rect.top, rect.right, rect.bottom, normal,
                        COLOR_BTNTEXT, centre, right, false, extra);
    return canvas_.InkBounds(kPaper);
  }
  static bool Inside(const Rect& inner, const Rect& outer) {
    return !inner.IsEmpty() && inner.left >= outer.left && inner.top >= outer.top &&
           inner.right <= outer.right && inner.bottom <= outer.bottom;
  }
};

TEST_F(Caption, InkStaysInsideItsRectangleAndAnEllipsisShortensALongCaption) {
  const Rect rect{20, 8, 140, 30};
  EXPECT_TRUE(Inside(Draw(kLong, rect), rect));
  Size full;
  GetTextExtentPoint32W(canvas_.dc(), kLong, &full);
  ASSERT_GT(full.cx, rect.Width());
  const Rect ink = Draw(kLong, rect);
  EXPECT_GT(ink.right, rect.right - 12);  // filled to the edge with the dots
  EXPECT_TRUE(Inside(Draw(kLong, rect, false, true), rect));
  EXPECT_TRUE(Inside(Draw(kLong, rect, true, false), rect));
}

TEST_F(Caption, CentredTextIsCentredWithinAPixel) {
  const Rect rect{10, 0, 190, 40};
  const Rect ink = Draw("Calendar", rect, true);
  const int leftGap = ink.left - rect.left;
  const int rightGap = rect.right - ink.right;
  EXPECT_LE(std::abs(leftGap - rightGap), 2);  // ink edges: glyph side bearings differ by a pixel
  const int topGap = ink.top - rect.top;
  const int bottomGap = rect.bottom - ink.bottom;
  EXPECT_NEAR(topGap, bottomGap, 4);  // the cell, not the ink, is centred: descender room

  const Rect right = Draw("Calendar", rect, false, true);
  EXPECT_GE(right.right, rect.right - 2);
}

TEST_F(Caption, StoredUtf8BytesDrawAsTheirCharacters) {
  const Rect rect{0, 0, 200, 40};
  Draw("Caf\u00E9", rect);
  const int decodedInk = canvas_.CountOther(kPaper);
  Draw("Caf\u00C3\u00A9", rect);
  EXPECT_EQ(canvas_.CountOther(kPaper), decodedInk);
  EXPECT_EQ(Draw("", rect), Rect{});
}

TEST_F(Caption, GreyLookDrawsInGreyTextAndRestoresTheGivenColour) {
  Draw("Disabled", Rect{0, 0, 200, 40}, false, false, DT_VCENTER, false);
  const ColorRef grey = GetSysColor(render::kGrayTextColorIndex);
  bool sawGrey = false;
  for (int32_t y = 0; y < canvas_.Height(); ++y) {
    for (int32_t x = 0; x < canvas_.Width(); ++x)
      sawGrey = sawGrey || canvas_.At(x, y) == grey;
  }
  EXPECT_TRUE(sawGrey);
  EXPECT_EQ(canvas_.dc()->TextColor(), GetSysColor(COLOR_BTNTEXT));
}

// Outside the NT family text beyond the code page is drawn as one clipped line from the
// rectangle's top-left, four pixels lower for vertically centred captions.
TEST_F(Caption, WithoutTheNtFamilyNonAnsiTextIsOneLineFromTheTopLeft) {
  SetVersion(OsVersion{PlatformId::kWindows, 4, 10, 2222});
  const Rect rect{30, 2, 120, 38};
  const std::string hebrew = "\u05D3\u05D5\u05D0\u05E8 \u05E0\u05DB\u05E0\u05E1";
  const Rect plain = Draw(hebrew, rect, false, false, 0);
  const Rect shifted = Draw(hebrew, rect, false, false, DT_VCENTER);
  EXPECT_TRUE(Inside(plain, rect));
  EXPECT_EQ(shifted.top, plain.top + 4);
  EXPECT_LT(plain.top, rect.top + 6);  // not centred in the 36-pixel rectangle

  // ANSI text is formatted as on NT: centred vertically.
  const Rect latin = Draw("Caf\u00E9", rect, false, false, DT_VCENTER);
  EXPECT_GT(latin.top, rect.top + 10);
}

TEST(CaptionText, NonAnsiMeansAboveU00FF) {
  EXPECT_FALSE(render::HasNonAnsiChar(""));
  EXPECT_FALSE(render::HasNonAnsiChar("Caf\u00E9 \u00FF"));
  EXPECT_TRUE(render::HasNonAnsiChar("\u0100"));
  EXPECT_TRUE(render::HasNonAnsiChar("a\U0001F600"));
  EXPECT_TRUE(render::HasNonAnsiChar("\xE9"));  // not UTF-8
}

}  // namespace
}  // namespace wayband::test
