// Drawing-context state, the screen context, compatible bitmaps and nearest colours.
#include <gtest/gtest.h>

#include "platform/drawing_context.h"
#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

TEST(DrawingContextState, FreshMemoryContextDefaults) {
  const auto dc = DrawingContext::CreateCompatible(nullptr);
  ASSERT_NE(dc, nullptr);
  ASSERT_NE(dc->bitmap(), nullptr);
  EXPECT_EQ(GetBitmapSize(dc->bitmap().get()), (Size{1, 1}));
  EXPECT_EQ(dc->BitsPerPixel(), 1);
  EXPECT_EQ(dc->TextColor(), RGB(0, 0, 0));
  EXPECT_EQ(dc->BkColor(), RGB(255, 255, 255));
  EXPECT_EQ(dc->BkMode(), BackgroundMode::kOpaque);
  EXPECT_EQ(dc->BrushOrg(), (Point{0, 0}));
  EXPECT_EQ(dc->CurrentPosition(), (Point{0, 0}));
  EXPECT_EQ(dc->brush().style, Brush::Style::kSolid);
  EXPECT_EQ(dc->brush().color, RGB(255, 255, 255));
  EXPECT_EQ(dc->pen().style, Pen::Style::kSolid);
  EXPECT_EQ(dc->pen().color, RGB(0, 0, 0));
  EXPECT_FALSE(dc->IsScreen());
}

TEST(DrawingContextState, SettersReturnThePreviousValue) {
  const auto dc = DrawingContext::CreateCompatible(&DrawingContext::Screen());
  EXPECT_EQ(dc->SetTextColor(RGB(1, 2, 3)), RGB(0, 0, 0));
  EXPECT_EQ(dc->SetTextColor(0), RGB(1, 2, 3));
  EXPECT_EQ(dc->SetBkColor(RGB(9, 9, 9)), RGB(255, 255, 255));
  EXPECT_EQ(dc->SetBkMode(BackgroundMode::kTransparent), BackgroundMode::kOpaque);
  EXPECT_EQ(dc->SetBrushOrg(Point{3, -4}), (Point{0, 0}));
  EXPECT_EQ(dc->BrushOrg(), (Point{3, -4}));
  EXPECT_EQ(dc->SelectBrush(CreateSolidBrush(RGB(5, 5, 5))).color, RGB(255, 255, 255));
  EXPECT_EQ(dc->SelectPen(Pen{}).style, Pen::Style::kSolid);

  Point previous{-1, -1};
  EXPECT_TRUE(MoveToEx(*dc, 7, 8, &previous));
  EXPECT_EQ(previous, (Point{0, 0}));
  EXPECT_EQ(dc->CurrentPosition(), (Point{7, 8}));
}

TEST(DrawingContextState, SelectBitmapSwapsAndRefusesNull) {
  const auto dc = DrawingContext::CreateCompatible(nullptr);
  const BitmapHandle initial = dc->bitmap();
  const auto bitmap = Bitmap::Create(4, 4, 32);
  EXPECT_EQ(dc->SelectBitmap(bitmap), initial);
  EXPECT_EQ(dc->BitsPerPixel(), 32);
  EXPECT_EQ(dc->SelectBitmap(nullptr), nullptr);
  EXPECT_EQ(dc->bitmap(), bitmap);
}

TEST(ScreenContext, HasNoPixelsAndServesAsReference) {
  DrawingContext& screen = DrawingContext::Screen();
  EXPECT_TRUE(screen.IsScreen());
  EXPECT_EQ(screen.BitsPerPixel(), 32);
  EXPECT_EQ(screen.SelectBitmap(Bitmap::Create(2, 2, 32)), nullptr);
  EXPECT_EQ(screen.bitmap(), nullptr);
  EXPECT_FALSE(PatBlt(screen, 0, 0, 10, 10, WHITENESS));
  EXPECT_FALSE(FillRect(screen, Rect{0, 0, 5, 5}, CreateSolidBrush(0)));
  EXPECT_EQ(GetPixel(screen, 0, 0), CLR_INVALID);
  EXPECT_EQ(GetNearestColor(screen, RGB(1, 2, 3)), RGB(1, 2, 3));

  const auto bitmap = CreateCompatibleBitmap(screen, 3, 2);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->bitCount(), 32);
  EXPECT_EQ(bitmap->rowOrder(), RowOrder::kTopDown);
}

TEST(CompatibleBitmaps, FollowTheContextFormat) {
  const auto fresh = DrawingContext::CreateCompatible(nullptr);  // holds a mono bitmap
  EXPECT_EQ(CreateCompatibleBitmap(*fresh, 8, 8)->bitCount(), 1);
  Surface rgb(2, 2, 24);
  EXPECT_EQ(CreateCompatibleBitmap(*rgb.dc, 8, 8)->bitCount(), 32);
  EXPECT_EQ(CreateCompatibleBitmap(*rgb.dc, 0, 8), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(*rgb.dc, 8, -1), nullptr);
}

TEST(NearestColor, MonochromeUsesLuminance) {
  Surface mono(2, 2, 1);
  EXPECT_EQ(GetNearestColor(*mono.dc, RGB(128, 128, 128)), RGB(255, 255, 255));
  EXPECT_EQ(GetNearestColor(*mono.dc, RGB(127, 127, 127)), RGB(0, 0, 0));
  EXPECT_EQ(GetNearestColor(*mono.dc, RGB(0, 255, 0)), RGB(255, 255, 255));  // 149.7
  EXPECT_EQ(GetNearestColor(*mono.dc, RGB(255, 0, 0)), RGB(0, 0, 0));        // 76.2
  EXPECT_EQ(GetNearestColor(*mono.dc, RGB(255, 0, 255)), RGB(0, 0, 0));      // 105.3
  Surface rgb(2, 2, 32);
  EXPECT_EQ(GetNearestColor(*rgb.dc, RGB(12, 34, 56)), RGB(12, 34, 56));
}

TEST(Pixels, SetAndGetPerFormat) {
  Surface rgb(3, 3, 32);
  EXPECT_EQ(SetPixel(*rgb.dc, 1, 2, RGB(10, 20, 30)), RGB(10, 20, 30));
  EXPECT_EQ(rgb.At(1, 2), 0x000A141Eu);  // alpha 0
  EXPECT_EQ(GetPixel(*rgb.dc, 1, 2), RGB(10, 20, 30));
  EXPECT_EQ(SetPixel(*rgb.dc, 3, 0, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(*rgb.dc, -1, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(*rgb.dc, 0, INT32_MAX), CLR_INVALID);

  Surface mono(9, 1, 1);
  EXPECT_EQ(SetPixel(*mono.dc, 8, 0, RGB(200, 200, 200)), RGB(255, 255, 255));
  EXPECT_EQ(mono.At(8, 0), 1u);
  EXPECT_EQ(GetPixel(*mono.dc, 7, 0), RGB(0, 0, 0));
}

}  // namespace
}  // namespace wayband::platform
