// Surfaces made from pictures: a bitmap picture's pixels arrive; any other picture, or
// none, leaves the surface empty.
#include <gtest/gtest.h>

#include "imaging/dib24.h"
#include "imaging/dib32.h"
#include "platform/bitmap.h"
#include "wayband/picture.h"

namespace wayband::imaging {
namespace {

std::shared_ptr<platform::Bitmap> TwoColourBitmap() {
  auto bitmap = platform::Bitmap::Create(3, 2, 32);
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 3; ++x)
      bitmap->SetPixelAt(x, y, y == 0 ? 0x80102030u : 0xFF405060u);
  }
  return bitmap;
}

TEST(PictureSurface, BitmapPicturesCopyTheirPixels) {
  auto picture = Picture::FromImage(TwoColourBitmap());
  CDib32 dib32;
  dib32.CreateFromPicture(picture.get());
  ASSERT_NE(dib32.hDC(), nullptr);
  EXPECT_EQ(dib32.Width(), 3);
  EXPECT_EQ(dib32.PixelAt(0, 0), 0x80102030u);  // picture coordinates, alpha kept
  EXPECT_EQ(dib32.PixelAt(2, 1), 0xFF405060u);

  CDib24 dib24;
  dib24.CreateFromPicture(picture.get());
  ASSERT_NE(dib24.hDC(), nullptr);
  EXPECT_EQ(dib24.PixelAt(1, 0) & 0xFFFFFFu, 0x102030u);
}

TEST(PictureSurface, PicturesWithoutABitmapLeaveTheSurfaceEmpty) {
  auto icon = Picture::FromImage(TwoColourBitmap(), PictureType::kIcon);
  CDib32 dib32;
  ASSERT_TRUE(dib32.Create(4, 4));
  dib32.CreateFromPicture(icon.get());
  EXPECT_EQ(dib32.hDC(), nullptr);
  dib32.CreateFromPicture(nullptr);
  EXPECT_EQ(dib32.hDC(), nullptr);

  CDib24 dib24;
  ASSERT_TRUE(dib24.Create(4, 4));
  dib24.CreateFromPicture(icon.get());
  EXPECT_EQ(dib24.hDC(), nullptr);
}

}  // namespace
}  // namespace wayband::imaging
