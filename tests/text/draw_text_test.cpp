// DrawTextW as the caption painters use it: placement, alignment, ellipsis, wrapping,
// clipping, prefixes and bad input.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "platform/text/text_output.h"
#include "text_surface.h"

namespace wayband::platform {
namespace {

using testing::CaptionLogFont;
using testing::TextSurface;

constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr uint32_t kCaption = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
const std::string kLongCaption = "Navigation pane caption that is much too long for the bar";

struct Drawn {
  Rect ink;
  int result;
};

Drawn Draw(std::string_view text, Rect rect, uint32_t format, int32_t height = 40) {
  TextSurface surface(200, height, kWhite);
  surface.Select(CaptionLogFont());
  const int result = DrawTextW(surface.dc(), text, &rect, format);
  return Drawn{surface.InkBounds(), result};
}

int32_t Width(std::string_view text) {
  TextSurface surface(1, 1, kWhite);
  surface.Select(CaptionLogFont());
  Size extent;
  GetTextExtentPoint32W(surface.dc(), text, &extent);
  return extent.cx;
}

TEST(DrawText, ACaptionLeavesInkInsideItsRectangleOnlyAndAnEllipsisFillsIt) {
  const Rect rect{20, 10, 120, 30};
  for (const uint32_t format :
       {kCaption, DT_SINGLELINE, DT_CENTER | DT_WORDBREAK | DT_END_ELLIPSIS}) {
    const Rect ink = Draw(kLongCaption, rect, format).ink;
    EXPECT_FALSE(ink.IsEmpty()) << format;
    EXPECT_TRUE(ink.left >= rect.left && ink.top >= rect.top && ink.right <= rect.right &&
                ink.bottom <= rect.bottom)
        << format;
  }
  EXPECT_GT(Draw(kLongCaption, rect, DT_SINGLELINE | DT_NOCLIP).ink.right, rect.right);
  // The dots reach the edge: their last columns hold ink only on the baseline rows.
  TextSurface surface(200, 20, kWhite);
  surface.Select(CaptionLogFont());
  Rect dotted{0, 0, 120, 20};
  DrawTextW(surface.dc(), kLongCaption, &dotted, DT_SINGLELINE | DT_END_ELLIPSIS);
  const Rect ink = surface.InkBounds();
  EXPECT_LE(ink.right, 120);
  EXPECT_GT(ink.right, 120 - 8);
  for (int32_t x = ink.right - 3; x < ink.right; ++x) {
    for (int32_t y = 0; y < 8; ++y)
      EXPECT_FALSE(surface.IsInk(x, y)) << x << "," << y;
  }
  // A caption that fits is drawn as it is.
  EXPECT_EQ(Draw("Mail", dotted, DT_SINGLELINE | DT_END_ELLIPSIS).ink,
            Draw("Mail", dotted, DT_SINGLELINE).ink);
}

TEST(DrawText, LinesSitExactlyInTheFreeSpaceAcrossAndDown) {
  const Rect rect{10, 0, 191, 33};
  const Drawn left = Draw("Calendar", rect, DT_SINGLELINE);
  EXPECT_EQ(left.result, 13);
  const int32_t free = rect.Width() - Width("Calendar");
  const struct {
    uint32_t format;
    int32_t dx, dy, result;
  } cases[] = {
      {DT_CENTER, free / 2, 0, 13},
      {DT_RIGHT, free, 0, 13},
      {DT_VCENTER, 0, 10, 10 + 13},  // (33 - 13) / 2
      {DT_BOTTOM, 0, 20, 33},
  };
  for (const auto& c : cases) {
    const Drawn drawn = Draw("Calendar", rect, DT_SINGLELINE | c.format);
    EXPECT_EQ(drawn.ink.left - left.ink.left, c.dx) << c.format;
    EXPECT_EQ(drawn.ink.top - left.ink.top, c.dy) << c.format;
    EXPECT_EQ(drawn.result, c.result) << c.format;
  }
  // Without DT_SINGLELINE, DT_VCENTER does nothing.
  EXPECT_EQ(Draw("Calendar", rect, DT_VCENTER).ink, left.ink);
}

TEST(DrawText, WordBreakWrapsAndCalcRectMeasures) {
  const std::string text = "Inbox Outbox Archive";
  const Drawn wrapped = Draw(text, Rect{0, 0, 60, 60}, DT_WORDBREAK, 60);
  EXPECT_EQ(wrapped.result, 3 * 13);
  EXPECT_GT(wrapped.ink.Height(), 2 * 13);
  TextSurface surface(10, 10, kWhite);
  surface.Select(CaptionLogFont());
  Rect calc{5, 7, 65, 8};
  EXPECT_EQ(DrawTextW(surface.dc(), text, &calc, DT_WORDBREAK | DT_CALCRECT), 3 * 13);
  EXPECT_EQ(std::pair(calc.top, calc.bottom), std::pair(7, 7 + 3 * 13));
  EXPECT_LE(calc.right, 65);
  Rect single{5, 7, 6, 8};
  EXPECT_EQ(DrawTextW(surface.dc(), text, &single, DT_SINGLELINE | DT_CALCRECT), 13);
  EXPECT_EQ(single, (Rect{5, 7, 5 + Width(text), 20}));
  EXPECT_EQ(surface.InkCount(), 0);
  // Explicit line breaks count as lines without DT_SINGLELINE only.
  EXPECT_EQ(Draw("a\r\nb\nc", Rect{0, 0, 100, 40}, 0).result, 3 * 13);
  EXPECT_EQ(Draw("a\r\nb\nc", Rect{0, 0, 100, 40}, DT_SINGLELINE).result, 13);
}

TEST(DrawText, PrefixesUnderlineUnlessTurnedOffAndTextEndsAtItsFirstNul) {
  const Rect rect{0, 0, 100, 20};
  const Drawn plain = Draw("File", rect, DT_SINGLELINE);
  EXPECT_EQ(Draw("&File", rect, DT_SINGLELINE | DT_HIDEPREFIX).ink, plain.ink);
  EXPECT_GT(Draw("&File", rect, DT_SINGLELINE).ink.bottom, plain.ink.bottom);  // underline
  EXPECT_GT(Draw("&File", rect, DT_SINGLELINE | DT_NOPREFIX).ink.right, plain.ink.right);
  EXPECT_EQ(Draw(std::string("File\0Calendar", 13), rect, DT_SINGLELINE).ink, plain.ink);
}

TEST(DrawText, BadInputDrawsNothingAndReturnsZero) {
  TextSurface surface(60, 30, kWhite);
  surface.Select(CaptionLogFont());
  Rect rect{0, 0, 60, 30};
  EXPECT_EQ(DrawTextW(nullptr, "Mail", &rect, kCaption), 0);
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail", nullptr, kCaption), 0);
  for (const std::string_view text : {std::string_view(""), std::string_view("\0Mail", 5),
                                      std::string_view("Ma\xC3"), std::string_view("Mail\xFF")})
    EXPECT_EQ(DrawTextW(surface.dc(), text, &rect, kCaption), 0);
  for (Rect empty : {Rect{10, 0, 10, 30}, Rect{20, 0, 10, 30}, Rect{0, 20, 60, 5}})
    EXPECT_EQ(DrawTextW(surface.dc(), "Mail", &empty, kCaption), 0);
  EXPECT_EQ(surface.InkCount(), 0);
  // Edges at the ends of the 32-bit range neither overflow nor wrap around.
  Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail", &huge, DT_CENTER | DT_WORDBREAK), 13);
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail", &huge, kCaption | DT_CENTER), INT32_MAX);
  // The display's context measures but has no pixels to draw into.
  Rect screenRect{0, 0, 50, 20};
  EXPECT_EQ(DrawTextW(&DrawingContext::Screen(), "Mail", &screenRect, DT_SINGLELINE), 13);
}

}  // namespace
}  // namespace wayband::platform
