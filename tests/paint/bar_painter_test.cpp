// Painting one large bar onto a surface: the gradient's rows, the bar image cache, the
// state pictures, the separator, and where icons and captions go.
#include "render/paint/bar_painter.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "paint_support.h"
#include "render/draw/gradient.h"
#include "render/paint/bar_geometry.h"

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
constexpr ColorRef kTile = platform::RGB(90, 160, 90);
constexpr ColorRef kBorder = platform::RGB(0, 0, 128);
// A bar as the pass places it: from x 0 to the control width - 1, 32 pixels high.
constexpr Rect kBar{0, 20, kWidth - 1, 52};

class BarPainter : public ::testing::Test {
 protected:
  BarLook Look(BarState state) const {
    BarLook look;
    look.styled = true;
    look.state = state;
    look.palette = &palette;
    return look;
  }
  imaging::CDib32 Paint(const BarLook& look) {
    imaging::CDib32 target = ClearedSurface(kWidth, kHeight, kMarker);
    PaintBar(target.hDC(), kBar, look, {image, stale, key});
    return target;
  }
  LargeBarContent Content() {
    LargeBarContent content;
    content.font = &font;
    content.controlWidth = kWidth;
    content.textHeightPixels = 13;
    content.border = kBorder;
    return content;
  }
  imaging::CDib32 PaintWith(const LargeBarContent& content) {
    imaging::CDib32 target = ClearedSurface(kWidth, kHeight, kMarker);
    PaintLargeBar(target.hDC(), kBar, Look({.hot = true}), {image, stale, key}, content);
    return target;
  }

  SchemePalette palette = testing::NumberedPalette();
  std::shared_ptr<imaging::CDib32> image;
  int16_t stale = -1;
  BarImageKey key;
  StdFont font;
};

TEST_F(BarPainter, GradientAndPictureStartOnePixelBelowTheTopEdgeAndNormalBarsComeFromACache) {
  // A gradient top -> bottom from one pixel below the bar's top edge to the bar's right.
  const auto reference = [&](Slot top, Slot bottom) {
    imaging::CDib32 surface = ClearedSurface(kWidth, kHeight, kMarker);
    FillGradient(surface.hDC(), palette[top], palette[bottom], 0, kBar.top + 1, kBar.right,
                 kBar.Height(), false);
    return surface;
  };
  EXPECT_EQ(ChangedBounds(Paint(Look({.hot = true})),
                          reference(Slot::StyledHotTop, Slot::StyledHotBottom)),
            Rect{});
  EXPECT_EQ(image, nullptr);  // not a normal bar: the cache is left alone
  const auto picture = testing::SolidPicture(5, 4, kTile, kRed);
  BarLook look = Look({.selected = true});
  look.picture = picture.get();
  const imaging::CDib32 tiled = Paint(look);
  EXPECT_EQ(ColorAt(tiled, 5, kBar.top + 5), kRed);  // the picture's corner, repeated
  EXPECT_EQ(ColorAt(tiled, 0, kBar.top), kMarker);

  // BackColor, BackColor1 or a state other than normal bypass the cache.
  BarLook panel = Look({});
  panel.panel.backColor1 = 0x336699;
  EXPECT_FALSE(UsesBarImageCache(panel));
  panel.panel.backColor1 = kNoColorChosen;
  panel.hoverColor = {true, 0x336699};
  EXPECT_TRUE(UsesBarImageCache(panel));
  panel.backColor = {true, 0x336699};
  Paint(panel);
  EXPECT_EQ(image, nullptr);
  const imaging::CDib32 first = Paint(Look({}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(stale, 0);
  EXPECT_EQ(std::pair(image->Width(), image->Height()), std::pair(kBar.Width(), kBar.Height()));
  const imaging::CDib32 normal = reference(Slot::StyledBarTop, Slot::StyledBarBottom);
  for (int32_t y = kBar.top + 1; y < kBar.bottom; ++y) {
    for (int32_t x = 0; x < kWidth; ++x)
      ASSERT_EQ(ColorAt(first, x, y), ColorAt(normal, x, y)) << x << "," << y;
  }
  // The second paint copies what the cache holds; marked stale, the bar is painted afresh
  // into a new image, and holders of the old one keep it.
  constexpr ColorRef kMark = platform::RGB(1, 2, 3);
  image->SetPixelAt(10, 5, platform::PixelFromColor(kMark));
  const std::shared_ptr<imaging::CDib32> kept = image;
  EXPECT_EQ(ColorAt(Paint(Look({})), 10, kBar.top + 5), kMark);
  stale = -1;
  EXPECT_EQ(ColorAt(Paint(Look({})), 10, kBar.top + 5), ColorAt(normal, 10, kBar.top + 5));
  EXPECT_NE(image, kept);
  EXPECT_EQ(ColorAt(*kept, 10, 5), kMark);
}

TEST_F(BarPainter, SeparatorOnTopLeftAndBottomEdgesAndTheIconAtEightOrThirtyFourFromTheRight) {
  LargeBarContent content = Content();
  content.font = nullptr;  // the target's font stays
  const imaging::CDib32 plain = PaintWith(content);
  EXPECT_EQ(ColorAt(plain, 60, kBar.top), kBorder);
  EXPECT_EQ(ColorAt(plain, 0, kBar.top + 15), kBorder);
  EXPECT_EQ(ColorAt(plain, 60, kBar.bottom), kBorder);
  EXPECT_NE(ColorAt(plain, kBar.right - 1, kBar.top + 15), kBorder);  // no right edge
  EXPECT_EQ(ColorAt(plain, kBar.right, kBar.top + 15), kMarker);
  const imaging::CIconBytes icon = testing::SolidIcon("i", kRed);
  content.icon = &icon;
  for (const bool rtl : {false, true}) {
    content.rightToLeft = rtl;
    const int32_t left = rtl ? kWidth - 34 : 8;
    EXPECT_EQ(ChangedBounds(PaintWith(content), plain),
              (Rect{left, kBar.top + 4, left + 24, kBar.top + 28}))
        << rtl;
  }
  content.rightToLeft = false;
  content.iconEnabled = false;
  const ColorRef greyed = ColorAt(PaintWith(content), 20, kBar.top + 16);
  EXPECT_NE(greyed, kRed);
  EXPECT_NE(greyed, ColorAt(plain, 20, kBar.top + 16));
}

TEST(BarGeometry, PicturesByStateCaptionRectanglesAndIconPositions) {
  const auto bar = testing::SolidPicture(1, 1, 1, 1);
  const auto hover = testing::SolidPicture(1, 1, 2, 2);
  const auto selected = testing::SolidPicture(1, 1, 3, 3);
  const auto pressed = testing::SolidPicture(1, 1, 4, 4);
  const BarPictures all{bar, hover, selected, pressed};
  // clang-format off
  const std::pair<BarState, const Picture*> large[] = {
      {{}, bar.get()}, {{.hot = true}, hover.get()},
      {{.hot = true, .selected = true}, selected.get()},
      {{.pressed = true, .selected = true}, pressed.get()}};
  // clang-format on
  for (const auto& [state, picture] : large)
    EXPECT_EQ(LargeBarPicture(state, all).get(), picture);
  EXPECT_EQ(ToolbarButtonPicture({.pressed = true}, all), hover);
  EXPECT_EQ(ToolbarButtonPicture({.hot = true, .selected = true}, all), selected);

  constexpr Rect barRect{0, 100, 199, 132};
  const struct {
    bool center, rtl;
    int32_t textHeight, left, top, right;
  } captions[] = {
      // clang-format off
      {false, false, 13, 41, 109, 199}, {false, true, 13, 0, 109, 159},
      {true, true, 13, 0, 109, 200}, {true, false, 13, 0, 109, 200},
      // (32 - h) div 2 below the top, the division truncating toward zero.
      {false, false, 14, 41, 109, 199}, {false, false, 0, 41, 116, 199},
      {false, false, 35, 41, 99, 199},
      // clang-format on
  };
  for (const auto& c : captions) {
    const Rect r = LargeBarCaptionRect(barRect, c.center, c.rtl, 200, c.textHeight);
    EXPECT_EQ((Rect{r.left, r.top, r.right, 0}), (Rect{c.left, c.top, c.right, 0}))
        << c.center << c.rtl << c.textHeight;
    EXPECT_GT(r.bottom, barRect.bottom + 1000);
  }
  EXPECT_EQ(LargeBarIconPosition(barRect, false, 200), (platform::Point{8, 104}));
  EXPECT_EQ(LargeBarIconPosition(barRect, true, 200), (platform::Point{166, 104}));
  // The small icon's row: round(top + height / 2 - 8), halves to even.
  EXPECT_EQ(ToolbarButtonIconPosition({4, 3, 26, 31}), (platform::Point{6, 9}));
  EXPECT_EQ(ToolbarButtonIconPosition({4, 3, 26, 30}), (platform::Point{6, 8}));   // 8.5
  EXPECT_EQ(ToolbarButtonIconPosition({4, 3, 26, 32}), (platform::Point{6, 10}));  // 9.5
}

}  // namespace
}  // namespace wayband::render
