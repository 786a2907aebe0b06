// DrawTextW as the caption painters use it: placement, alignment, ellipsis, wrapping,
// clipping, prefixes and bad input.
#include <gtest/gtest.h>

#include <string>

#include "platform/text/text_output.h"
#include "text_surface.h"

namespace wayband::platform {
namespace {

using testing::CaptionLogFont;
using testing::TextSurface;

constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr ColorRef kInk = RGB(0, 0, 0);
constexpr uint32_t kCaption = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
const std::string kLongCaption = "Navigation pane caption that is much too long for the bar";

struct Drawn {
  Rect ink;
  int result;
  int32_t textWidth;
};

Drawn Draw(const std::string& text, Rect rect, uint32_t format, int32_t width = 200,
           int32_t height = 40) {
  TextSurface surface(width, height, kWhite);
  surface.Select(CaptionLogFont());
  surface.dc()->SetTextColor(kInk);
  Size extent;
  GetTextExtentPoint32W(surface.dc(), text, &extent);
  const int result = DrawTextW(surface.dc(), text, &rect, format);
  return Drawn{surface.InkBounds(), result, extent.cx};
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(DrawText, ACaptionLeavesInkInsideItsRectangleOnly) {
  const Rect rect{20, 10, 120, 30};
  for (const uint32_t format :
       {kCaption, DT_SINGLELINE, DT_CENTER | DT_WORDBREAK | DT_END_ELLIPSIS}) {
    const Drawn drawn = Draw(kLongCaption, rect, format);
    EXPECT_FALSE(drawn.ink.IsEmpty()) << format;
    EXPECT_TRUE(Inside(drawn.ink, rect)) << format;
  }
  const Drawn unclipped = Draw(kLongCaption, rect, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(unclipped.ink.right, rect.right);
}

TEST(DrawText, AnEllipsisShortensALongCaptionToFit) {
  const Rect rect{0, 0, 120, 20};
  TextSurface surface(200, 20, kWhite);
  surface.Select(CaptionLogFont());
  Rect drawn = rect;
  DrawTextW(surface.dc(), kLongCaption, &drawn, DT_SINGLELINE | DT_END_ELLIPSIS);
  const Rect ink = surface.InkBounds();
  EXPECT_LE(ink.right, rect.right);
  EXPECT_GT(ink.right, rect.right - 8);
  // The text ends in dots: its last columns hold ink only on the baseline rows.
  for (int32_t x = ink.right - 3; x < ink.right; ++x) {
    for (int32_t y = 0; y < 8; ++y)
      EXPECT_FALSE(surface.IsInk(x, y)) << x << "," << y;
  }
  EXPECT_NE(ink, Draw(kLongCaption, rect, DT_SINGLELINE).ink);
  const Drawn fits = Draw("Mail", rect, DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_EQ(fits.ink, Draw("Mail", rect, DT_SINGLELINE).ink);
}

TEST(DrawText, CentredAndRightAlignedLinesSitExactlyInTheFreeSpace) {
  const std::string caption = "Calendar";
  const Rect rect{10, 0, 191, 20};
  const Drawn left = Draw(caption, rect, DT_SINGLELINE);
  const Drawn centred = Draw(caption, rect, DT_SINGLELINE | DT_CENTER);
  const Drawn right = Draw(caption, rect, DT_SINGLELINE | DT_RIGHT);
  const int32_t free = rect.right - rect.left - left.textWidth;
  EXPECT_EQ(centred.ink.left - left.ink.left, free / 2);
  EXPECT_EQ(centred.ink.right - left.ink.right, free / 2);
  EXPECT_EQ(right.ink.left - left.ink.left, free);
  EXPECT_LE(right.ink.right, rect.right);
  EXPECT_GE(right.ink.right, rect.right - 2);  // at most the last glyph's side bearing
  // Centred within a pixel: the space left and right of the text differ by at most one.
  const int32_t before = centred.ink.left - left.ink.left;
  EXPECT_LE(std::abs((free - before) - before), 1);
}

TEST(DrawText, VerticalCentringAndTheReturnedHeight) {
  const Drawn top = Draw("Mail", Rect{0, 0, 100, 33}, DT_SINGLELINE);
  EXPECT_EQ(top.result, 13);
  const Drawn centred = Draw("Mail", Rect{0, 0, 100, 33}, DT_SINGLELINE | DT_VCENTER);
  EXPECT_EQ(centred.ink.top - top.ink.top, 10);  // (33 - 13) / 2
  EXPECT_EQ(centred.result, 10 + 13);
  const Drawn bottom = Draw("Mail", Rect{0, 0, 100, 33}, DT_SINGLELINE | DT_BOTTOM);
  EXPECT_EQ(bottom.ink.top - top.ink.top, 20);
  EXPECT_EQ(bottom.result, 33);
  // Without DT_SINGLELINE, DT_VCENTER does nothing.
  EXPECT_EQ(Draw("Mail", Rect{0, 0, 100, 33}, DT_VCENTER).ink, top.ink);
}

TEST(DrawText, WordBreakWrapsAndCalcRectMeasures) {
  const std::string text = "Inbox Outbox Archive";
  const Drawn wrapped = Draw(text, Rect{0, 0, 60, 60}, DT_WORDBREAK, 100, 60);
  EXPECT_EQ(wrapped.result, 3 * 13);
  EXPECT_GT(wrapped.ink.bottom - wrapped.ink.top, 2 * 13);
  TextSurface surface(10, 10, kWhite);
  surface.Select(CaptionLogFont());
  Rect calc{5, 7, 65, 8};
  EXPECT_EQ(DrawTextW(surface.dc(), text, &calc, DT_WORDBREAK | DT_CALCRECT), 3 * 13);
  EXPECT_EQ(calc.top, 7);
  EXPECT_EQ(calc.bottom, 7 + 3 * 13);
  EXPECT_LE(calc.right, 65);
  EXPECT_EQ(surface.InkCount(), 0);
  Rect single{5, 7, 6, 8};
  Size extent;
  GetTextExtentPoint32W(surface.dc(), text, &extent);
  EXPECT_EQ(DrawTextW(surface.dc(), text, &single, DT_SINGLELINE | DT_CALCRECT), 13);
  EXPECT_EQ(single, (Rect{5, 7, 5 + extent.cx, 20}));
  // Explicit line breaks count as lines without DT_SINGLELINE only.
  EXPECT_EQ(Draw("a\r\nb\nc", Rect{0, 0, 100, 40}, 0).result, 3 * 13);
  EXPECT_EQ(Draw("a\r\nb\nc", Rect{0, 0, 100, 40}, DT_SINGLELINE).result, 13);
}

TEST(DrawText, PrefixesUnderlineUnlessTurnedOff) {
  const Rect rect{0, 0, 100, 20};
  const Drawn plain = Draw("File", rect, DT_SINGLELINE);
  const Drawn marked = Draw("&File", rect, DT_SINGLELINE);
  const Drawn hidden = Draw("&File", rect, DT_SINGLELINE | DT_HIDEPREFIX);
  const Drawn literal = Draw("&File", rect, DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(hidden.ink, plain.ink);
  EXPECT_GT(marked.ink.bottom, plain.ink.bottom);  // the underline below the baseline
  EXPECT_GT(literal.ink.right, plain.ink.right);   // the ampersand is drawn
}

TEST(DrawText, BadInputDrawsNothingAndReturnsZero) {
  TextSurface surface(60, 30, kWhite);
  surface.Select(CaptionLogFont());
  Rect rect{0, 0, 60, 30};
  EXPECT_EQ(DrawTextW(nullptr, "Mail", &rect, kCaption), 0);
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail", nullptr, kCaption), 0);
  EXPECT_EQ(DrawTextW(surface.dc(), "", &rect, kCaption), 0);
  EXPECT_EQ(DrawTextW(surface.dc(), std::string_view("\0Mail", 5), &rect, kCaption), 0);
  EXPECT_EQ(DrawTextW(surface.dc(), "Ma\xC3", &rect, kCaption), 0);
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail\xFF", &rect, kCaption), 0);
  for (Rect empty : {Rect{10, 0, 10, 30}, Rect{20, 0, 10, 30}, Rect{0, 20, 60, 5}}) {
    EXPECT_EQ(DrawTextW(surface.dc(), "Mail", &empty, kCaption), 0);
  }
  EXPECT_EQ(surface.InkCount(), 0);
  // Edges at the ends of the 32-bit range neither overflow nor wrap around.
  Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail", &huge, DT_CENTER | DT_WORDBREAK), 13);
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail", &huge, kCaption | DT_CENTER), INT32_MAX);
  // The display's context measures but has no pixels to draw into.
  Rect screenRect{0, 0, 50, 20};
  EXPECT_EQ(DrawTextW(&DrawingContext::Screen(), "Mail", &screenRect, DT_SINGLELINE), 13);
}

TEST(DrawText, TextEndsAtItsFirstNul) {
  const Rect rect{0, 0, 100, 20};
  EXPECT_EQ(Draw(std::string("Mail\0Calendar", 13), rect, DT_SINGLELINE).ink,
            Draw("Mail", rect, DT_SINGLELINE).ink);
}

}  // namespace
}  // namespace wayband::platform
