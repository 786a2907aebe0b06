// Painting one large bar and one toolbar button onto a surface: the gradient's rows, the
// bar image cache, the state pictures, the separator, icon positions and the caption's
// place, font and colour.
#include "render/paint/bar_painter.h"

#include <gtest/gtest.h>

#include <memory>

#include "paint_support.h"
#include "render/draw/color_blend.h"
#include "render/draw/gradient.h"
#include "render/paint/bar_geometry.h"
#include "render/scheme/color_math.h"

namespace wayband::render {
namespace {

using platform::ColorRef;
using platform::Rect;
using testing::ChangedBounds;
using testing::ClearedSurface;
using testing::ColorAt;

constexpr int32_t kWidth = 120;  // the control's width
constexpr int32_t kHeight = 80;
constexpr ColorRef kMarker = platform::RGB(10, 11, 12);
constexpr ColorRef kRed = platform::RGB(230, 20, 20);
// A bar as the pass places it: from x 0 to the control width - 1, 32 pixels high.
constexpr Rect kBar{0, 20, kWidth - 1, 52};

ToolbarButtonLook ButtonLook(BarFill fill, const Picture* picture,
                             const imaging::CIconBytes* icon) {
  ToolbarButtonLook look;
  look.fill = fill;
  look.picture = picture;
  look.icon = icon;
  return look;
}

class BarPainter : public ::testing::Test {
 protected:
  BarLook Look(BarState state) const {
    BarLook look;
    look.styled = true;
    look.state = state;
    look.palette = &palette;
    return look;
  }
  // The surface as a gradient top -> bottom from one pixel below the bar's top would leave
  // it.
  imaging::CDib32 GradientReference(OleColor top, OleColor bottom) const {
    imaging::CDib32 reference = ClearedSurface(kWidth, kHeight, kMarker);
    FillGradient(reference.hDC(), top, bottom, kBar.left, kBar.top + 1, kBar.right, kBar.Height(),
                 false);
    return reference;
  }
  void Paint(imaging::CDib32& target, const BarLook& look) {
    PaintBar(target.hDC(), kBar, look, {image, stale});
  }

  SchemePalette palette = testing::NumberedPalette();
  std::shared_ptr<imaging::CDib32> image;
  int16_t stale = -1;
};

TEST_F(BarPainter, AGradientFromOnePixelBelowTheTopEdgeAcrossToTheBarsRight) {
  imaging::CDib32 target = ClearedSurface(kWidth, kHeight, kMarker);
  Paint(target, Look({.hot = true}));
  const imaging::CDib32 reference =
      GradientReference(palette[Slot::StyledHotTop], palette[Slot::StyledHotBottom]);
  EXPECT_EQ(ChangedBounds(target, reference), Rect{});
  EXPECT_EQ(ColorAt(target, 0, kBar.top), kMarker);
  EXPECT_EQ(ColorAt(target, 0, kBar.top + 1), palette[Slot::StyledHotTop]);
  EXPECT_EQ(ColorAt(target, kBar.right, kBar.top + 5), kMarker);
  // Not a normal bar: the cache is left alone.
  EXPECT_EQ(image, nullptr);
  EXPECT_EQ(stale, -1);
}

TEST_F(BarPainter, ANormalBarWithDefaultColoursIsCopiedFromItsCache) {
  imaging::CDib32 first = ClearedSurface(kWidth, kHeight, kMarker);
  Paint(first, Look({}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(stale, 0);
  EXPECT_EQ(image->Width(), kBar.Width());
  EXPECT_EQ(image->Height(), kBar.Height());
  const imaging::CDib32 reference =
      GradientReference(palette[Slot::StyledBarTop], palette[Slot::StyledBarBottom]);
  for (int32_t y = kBar.top + 1; y < kBar.bottom; ++y) {
    for (int32_t x = 0; x < kWidth; ++x)
      ASSERT_EQ(ColorAt(first, x, y), ColorAt(reference, x, y)) << x << "," << y;
  }

  // The second paint copies what the cache holds.
  constexpr ColorRef kMark = platform::RGB(1, 2, 3);
  image->SetPixelAt(10, 5, platform::PixelFromColor(kMark));
  const std::shared_ptr<imaging::CDib32> kept = image;
  imaging::CDib32 second = ClearedSurface(kWidth, kHeight, kMarker);
  Paint(second, Look({}));
  EXPECT_EQ(ColorAt(second, 10, kBar.top + 5), kMark);

  // Marked stale, it is painted afresh into a new image; holders of the old one keep it.
  stale = -1;
  imaging::CDib32 third = ClearedSurface(kWidth, kHeight, kMarker);
  Paint(third, Look({}));
  EXPECT_EQ(stale, 0);
  EXPECT_NE(image, kept);
  EXPECT_EQ(ColorAt(third, 10, kBar.top + 5), ColorAt(reference, 10, kBar.top + 5));
  EXPECT_EQ(ColorAt(*kept, 10, 5), kMark);
}

TEST_F(BarPainter, TheCacheServesOnlyNormalBarsWithDefaultBackColours) {
  BarLook back = Look({});
  back.backColor = {true, 0x336699};
  BarLook panel = Look({});
  panel.panel.backColor1 = 0x336699;
  BarLook hoverSet = Look({});
  hoverSet.hoverColor = {true, 0x336699};
  BarLook secondOnly = Look({});
  secondOnly.panel.backColor2 = 0x336699;
  EXPECT_FALSE(UsesBarImageCache(back));
  EXPECT_FALSE(UsesBarImageCache(panel));
  EXPECT_FALSE(UsesBarImageCache(Look({.selected = true})));
  EXPECT_TRUE(UsesBarImageCache(hoverSet));
  EXPECT_TRUE(UsesBarImageCache(secondOnly));

  imaging::CDib32 target = ClearedSurface(kWidth, kHeight, kMarker);
  Paint(target, back);
  EXPECT_EQ(image, nullptr);
  EXPECT_EQ(ColorAt(target, 0, kBar.top + 1), BlendColors(0x336699, kWhite, 128));
}

TEST_F(BarPainter, TheStatePictureIsTiledFromOnePixelBelowTheTopEdge) {
  constexpr ColorRef kTile = platform::RGB(90, 160, 90);
  constexpr ColorRef kCorner = platform::RGB(200, 0, 200);
  const auto picture = testing::SolidPicture(5, 4, kTile, kCorner);
  BarLook look = Look({.selected = true});
  look.picture = picture.get();
  imaging::CDib32 target = ClearedSurface(kWidth, kHeight, kMarker);
  Paint(target, look);
  EXPECT_EQ(ColorAt(target, 0, kBar.top + 1), kCorner);
  EXPECT_EQ(ColorAt(target, 5, kBar.top + 5), kCorner);
  EXPECT_EQ(ColorAt(target, 1, kBar.top + 1), kTile);
  EXPECT_EQ(ColorAt(target, 0, kBar.top), kMarker);
  EXPECT_EQ(ColorAt(target, kBar.right, kBar.top + 5), kMarker);
}

TEST(BarPictures, EachStateShowsItsPicture) {
  const auto bar = testing::SolidPicture(1, 1, 1, 1);
  const auto hover = testing::SolidPicture(1, 1, 2, 2);
  const auto selected = testing::SolidPicture(1, 1, 3, 3);
  const auto pressed = testing::SolidPicture(1, 1, 4, 4);
  const BarPictures all{bar.get(), hover.get(), selected.get(), pressed.get()};
  EXPECT_EQ(LargeBarPicture({}, all), bar.get());
  EXPECT_EQ(LargeBarPicture({.hot = true}, all), hover.get());
  EXPECT_EQ(LargeBarPicture({.selected = true}, all), selected.get());
  EXPECT_EQ(LargeBarPicture({.hot = true, .selected = true}, all), selected.get());
  EXPECT_EQ(LargeBarPicture({.pressed = true, .selected = true}, all), pressed.get());
  EXPECT_EQ(LargeBarPicture({.pressed = true}, {bar.get(), hover.get()}), nullptr);
  EXPECT_EQ(ToolbarButtonPicture({}, all), hover.get());
  EXPECT_EQ(ToolbarButtonPicture({.pressed = true}, all), hover.get());
  EXPECT_EQ(ToolbarButtonPicture({.hot = true, .selected = true}, all), selected.get());
}

class LargeBar : public BarPainter {
 protected:
  LargeBarContent Content() const {
    LargeBarContent content;
    content.controlWidth = kWidth;
    content.textHeightPixels = 13;
    content.border = kBorder;
    return content;
  }
  imaging::CDib32 PaintWith(const LargeBarContent& content, BarState state = {.hot = true}) {
    imaging::CDib32 target = ClearedSurface(kWidth, kHeight, kMarker);
    PaintLargeBar(target.hDC(), kBar, Look(state), {image, stale}, content);
    return target;
  }
  // Where the caption's text went: what differs from the same bar without it.
  Rect Ink(const LargeBarContent& content, BarState state = {.hot = true}) {
    LargeBarContent blank = content;
    blank.caption = {};
    return ChangedBounds(PaintWith(content, state), PaintWith(blank, state));
  }

  static constexpr ColorRef kBorder = platform::RGB(0, 0, 128);
  StdFont font;
};

TEST_F(LargeBar, SeparatorLinesOnTopLeftAndBottomEdges) {
  const imaging::CDib32 target = PaintWith(Content());
  EXPECT_EQ(ColorAt(target, 60, kBar.top), kBorder);
  EXPECT_EQ(ColorAt(target, kBar.right, kBar.top), kBorder);
  EXPECT_EQ(ColorAt(target, 0, kBar.top + 15), kBorder);
  EXPECT_EQ(ColorAt(target, 60, kBar.bottom), kBorder);
  EXPECT_NE(ColorAt(target, kBar.right - 1, kBar.top + 15), kBorder);  // no right edge
  EXPECT_EQ(ColorAt(target, kBar.right, kBar.top + 15), kMarker);
  EXPECT_EQ(ColorAt(target, 60, kBar.bottom + 1), kMarker);
}

TEST_F(LargeBar, TheIconSitsAtEightOrThirtyFourFromTheRightCentredInTheBar) {
  const imaging::CIconBytes icon = testing::SolidIcon("i", kRed);
  LargeBarContent content = Content();
  content.icon = &icon;
  for (const bool rtl : {false, true}) {
    content.rightToLeft = rtl;
    const int32_t left = rtl ? kWidth - 34 : 8;
    const imaging::CDib32 target = PaintWith(content);
    EXPECT_EQ(ColorAt(target, left, kBar.top + 4), kRed) << rtl;
    EXPECT_EQ(ColorAt(target, left + 23, kBar.top + 27), kRed);
    EXPECT_NE(ColorAt(target, left - 1, kBar.top + 10), kRed);
    EXPECT_NE(ColorAt(target, left + 24, kBar.top + 10), kRed);
    EXPECT_NE(ColorAt(target, left + 5, kBar.top + 3), kRed);
    EXPECT_NE(ColorAt(target, left + 5, kBar.top + 28), kRed);
  }
  content.rightToLeft = false;
  content.iconEnabled = false;
  const ColorRef greyed = ColorAt(PaintWith(content), 20, kBar.top + 16);
  EXPECT_NE(greyed, kRed);
  EXPECT_NE(greyed, ColorAt(PaintWith(Content()), 20, kBar.top + 16));
}

TEST_F(LargeBar, CaptionPlacedByAlignmentBelowTheCentredTextTop) {
  LargeBarContent content = Content();
  content.caption = "Mail";
  content.font = &font;
  const int32_t captionTop = kBar.top + (32 - 13) / 2;

  const Rect left = Ink(content);
  ASSERT_FALSE(left.IsEmpty());
  EXPECT_GE(left.top, captionTop);
  EXPECT_LT(left.bottom, kBar.bottom);
  EXPECT_GE(left.left, kCaptionTextOffset);
  EXPECT_LE(left.left, kCaptionTextOffset + 2);

  content.rightToLeft = true;
  const Rect right = Ink(content);
  EXPECT_LE(right.right, kWidth - kCaptionTextOffset);
  EXPECT_GE(right.right, kWidth - kCaptionTextOffset - 2);
  EXPECT_EQ(right.top, left.top);

  content.center = true;  // Center wins over RightToLeft
  const Rect centred = Ink(content);
  EXPECT_NEAR((centred.left + centred.right) / 2.0, kWidth / 2.0, 1.5);
  EXPECT_EQ(centred.Width(), left.Width());

  // A taller measured text moves the caption up by half the difference.
  content.textHeightPixels = 21;
  EXPECT_EQ(Ink(content).top, centred.top - 4);
}

TEST_F(LargeBar, CaptionInItsColourAndFontWhichAreThenPutBack) {
  LargeBarContent content = Content();
  content.caption = "HHHH";
  content.font = &font;
  content.captionColor = platform::RGB(0, 0, 200);
  imaging::CDib32 target = ClearedSurface(kWidth, kHeight, kMarker);
  target.hDC()->SetTextColor(platform::RGB(1, 1, 1));
  const platform::Font before = target.hDC()->font();
  PaintLargeBar(target.hDC(), kBar, Look({}), {image, stale}, content);
  EXPECT_EQ(target.hDC()->TextColor(), platform::RGB(1, 1, 1));
  EXPECT_EQ(target.hDC()->font().logFont, before.logFont);
  // The H's stems are drawn in the caption colour.
  bool stemInColour = false;
  for (int32_t y = kBar.top; y < kBar.bottom; ++y) {
    for (int32_t x = kCaptionTextOffset; x < kBar.right; ++x)
      stemInColour =
          stemInColour || testing::NearColor(ColorAt(target, x, y), content.captionColor, 24);
  }
  EXPECT_TRUE(stemInColour);

  // A larger font writes a taller caption that the rectangle does not clip below the bar.
  StdFont large;
  large.SetSize(26);
  content.font = &large;
  content.textHeightPixels = 42;
  const Rect tall = Ink(content);
  EXPECT_GT(tall.bottom, kBar.bottom);
}

TEST_F(BarPainter, ToolbarButtonFillPictureAndIcon) {
  constexpr Rect kButton{4, 3, 26, 31};
  const imaging::CIconBytes icon = testing::SolidIcon("i", kRed);
  const BarFill fill{true, platform::RGB(200, 220, 240), platform::RGB(20, 40, 60)};

  imaging::CDib32 filled = ClearedSurface(60, 33, kMarker);
  PaintToolbarButton(filled.hDC(), kButton, ButtonLook(fill, nullptr, nullptr));
  imaging::CDib32 reference = ClearedSurface(60, 33, kMarker);
  FillGradient(reference.hDC(), fill.top, fill.bottom, 4, 3, 22, 28, false);
  EXPECT_EQ(ChangedBounds(filled, reference), Rect{});
  EXPECT_EQ(ColorAt(filled, 4, 3), fill.top);

  // Not filled: only the icon, at 2 pixels in and centred on the button's middle row.
  imaging::CDib32 iconOnly = ClearedSurface(60, 33, kMarker);
  PaintToolbarButton(iconOnly.hDC(), kButton, ButtonLook({}, nullptr, &icon));
  EXPECT_EQ(ChangedBounds(iconOnly, ClearedSurface(60, 33, kMarker)), (Rect{6, 9, 22, 25}));

  const auto picture = testing::SolidPicture(3, 3, platform::RGB(90, 160, 90), kRed);
  imaging::CDib32 tiled = ClearedSurface(60, 33, kMarker);
  PaintToolbarButton(tiled.hDC(), kButton, ButtonLook(fill, picture.get(), nullptr));
  EXPECT_EQ(ColorAt(tiled, 4, 3), kRed);
  EXPECT_EQ(ColorAt(tiled, 7, 6), kRed);
  EXPECT_EQ(ColorAt(tiled, 26, 6), kMarker);
  imaging::CDib32 unfilled = ClearedSurface(60, 33, kMarker);
  PaintToolbarButton(unfilled.hDC(), kButton, ButtonLook({}, picture.get(), nullptr));
  EXPECT_EQ(ChangedBounds(unfilled, ClearedSurface(60, 33, kMarker)), Rect{});
}

TEST(BarGeometry, CaptionRectanglesAndIconPositions) {
  constexpr Rect bar{0, 100, 199, 132};
  EXPECT_EQ(LargeBarCaptionRect(bar, false, false, 200, 13).left, 41);
  EXPECT_EQ(LargeBarCaptionRect(bar, false, false, 200, 13).right, 199);
  EXPECT_EQ(LargeBarCaptionRect(bar, false, true, 200, 13).left, 0);
  EXPECT_EQ(LargeBarCaptionRect(bar, false, true, 200, 13).right, 159);
  EXPECT_EQ(LargeBarCaptionRect(bar, true, true, 200, 13).left, 0);
  EXPECT_EQ(LargeBarCaptionRect(bar, true, false, 200, 13).right, 200);
  // (32 - h) div 2 below the top, the division truncating toward zero.
  EXPECT_EQ(LargeBarCaptionRect(bar, false, false, 200, 13).top, 109);
  EXPECT_EQ(LargeBarCaptionRect(bar, false, false, 200, 14).top, 109);
  EXPECT_EQ(LargeBarCaptionRect(bar, false, false, 200, 0).top, 116);
  EXPECT_EQ(LargeBarCaptionRect(bar, false, false, 200, 35).top, 99);
  EXPECT_GT(LargeBarCaptionRect(bar, false, false, 200, 13).bottom, bar.bottom + 1000);

  EXPECT_EQ(LargeBarIconPosition(bar, false, 200), (platform::Point{8, 104}));
  EXPECT_EQ(LargeBarIconPosition(bar, true, 200), (platform::Point{166, 104}));
  // The small icon's row: round(top + height / 2 - 8), halves to even.
  EXPECT_EQ(ToolbarButtonIconPosition({4, 3, 26, 31}), (platform::Point{6, 9}));
  EXPECT_EQ(ToolbarButtonIconPosition({4, 3, 26, 30}), (platform::Point{6, 8}));   // 8.5
  EXPECT_EQ(ToolbarButtonIconPosition({4, 3, 26, 32}), (platform::Point{6, 10}));  // 9.5
}

}  // namespace
}  // namespace wayband::render
