// Surfaces: sizes, row layout, copies of bitmaps and pictures, per-pixel operations, empties.
#include <gtest/gtest.h>

#include "imaging/bitmap_brush.h"
#include "surface_test_support.h"
#include "wayband/picture.h"

namespace wayband::imaging {
namespace {

using testing::Bgra;
using testing::MakeDib32;
using testing::PixelsAre;

TEST(SurfaceCreate, RefusesSizesOfZeroOrBelowAndAboveTheMemoryCapAndEndsEmpty) {
  const int32_t overCap = 1 << 14;  // 16384 x 16384 x 4 bytes = 1 GiB
  for (auto [w, h] :
       {std::pair{0, 5}, {5, 0}, {-1, 5}, {5, -7}, {overCap, overCap}, {INT32_MAX, 2}}) {
    CDib32 dib;
    ASSERT_TRUE(dib.Create(4, 4));
    EXPECT_FALSE(dib.Create(w, h)) << w << " x " << h;
    EXPECT_TRUE(dib.hDC() == nullptr && dib.Bits().empty());
    EXPECT_EQ(std::pair(dib.Width(), dib.Height()), std::pair(w, h));  // the size attempted
  }
  CDib24 dib24;
  EXPECT_FALSE(dib24.Create(overCap, overCap));
}

// Rows are stored bottom-up (a positive height), 24-bit rows rounded up to 4 bytes; pixels
// are addressed from the top; Clear fills with alpha 0.
TEST(SurfaceCreate, RowsAreStoredBottomUpAndPaddedToFourBytes) {
  CDib32 dib = MakeDib32(2, 3, Bgra(1, 2, 3, 4));
  EXPECT_EQ(std::tuple(dib.Header().biHeight, dib.Header().biBitCount, dib.Header().biSizeImage),
            std::tuple(3, 32, 24u));
  dib.Clear(platform::RGB(255, 0, 255));
  EXPECT_TRUE(PixelsAre(dib, [](int32_t, int32_t) { return Bgra(255, 0, 255, 0); }));
  dib.SetPixelAt(1, 0, Bgra(9, 8, 7, 6));  // top-right: the last stored row
  EXPECT_EQ(std::tuple(dib.Bits()[2 * 8 + 4], dib.Bits()[2 * 8 + 7]), std::tuple(9, 6));
  EXPECT_EQ(dib.PixelAt(1, 0), Bgra(9, 8, 7, 6));
  EXPECT_EQ(dib.PixelAt(2, 0) | dib.PixelAt(-1, 0), 0u);  // outside
  for (auto [width, stride] : {std::pair{1, 4}, {3, 12}, {4, 12}, {5, 16}}) {
    CDib24 dib24;
    ASSERT_TRUE(dib24.Create(width, 2));
    EXPECT_EQ(dib24.BytesPerScanLine(), stride) << width;
    dib24.Clear(kKeyColor);
    EXPECT_TRUE(PixelsAre(dib24, [](int32_t, int32_t) { return Bgra(253, 3, 254); }));
  }
}

// Every operation on a surface never created or destroyed, or given no context, leaves
// everything as it was and returns empty results.
TEST(SurfaceLifecycle, OperationsOnAnEmptySurfaceOrWithNoContextDoNothing) {
  const uint32_t fill = Bgra(10, 20, 30, 40);
  CDib32 target = MakeDib32(8, 8, fill);
  CDib32 destroyed = MakeDib32(4, 4, Bgra(1, 1, 1, 255));
  destroyed.Destroy();
  CDib32 never;
  for (CDib32* empty : {&never, &destroyed}) {
    empty->Clear(platform::RGB(1, 2, 3));
    empty->PremultiplyAlpha();
    empty->Greyscale(1);
    empty->KeyOutBackgroundNear();
    empty->LoadFromDC(target.hDC());
    empty->StretchFromDC(target.hDC());
    empty->PaintTo(target.hDC(), 0, 0, 4, 4);
    empty->PaintTransparent(target.hDC(), 0, 0, 4, 4);
    empty->AlphaPaint(target.hDC(), 0, 0, 4, 4);
    {
      testing::ScopedImagingLibrary missing(false);
      empty->AlphaPaint(target.hDC(), 0, 0, 4, 4);
    }
    EXPECT_EQ(empty->ResampleToWidth(2).hDC(), nullptr);
    EXPECT_TRUE(empty->hDC() == nullptr && empty->Bits().empty() && empty->PixelAt(0, 0) == 0);
  }
  CDib24 never24;
  never24.Greyscale();
  EXPECT_EQ(never24.Resample(4, 4).hDC(), nullptr);
  target.LoadFromDC(nullptr);
  target.StretchFromDC(nullptr);
  target.PaintTo(nullptr);
  target.PaintTransparent(nullptr);
  target.AlphaPaint(nullptr, 0, 0);
  CBitmapBrush brush;
  brush.CreateFromDC(nullptr, 2, 2);
  EXPECT_TRUE(brush.hBrush().IsNull());
  brush.PatternFill(target.hDC(), 0, 0, 2, 2);  // no brush: nothing
  brush.PatternFill(nullptr, 0, 0, 2, 2);
  EXPECT_TRUE(PixelsAre(target, [&](int32_t, int32_t) { return fill; }));
}

// Bitmaps bottom-up, top-down and of 24 bits, given directly or as bitmap pictures, copy
// their pixels (alpha too, from 32 bits); other pictures, or none, leave surfaces empty.
TEST(SurfaceFromBitmap, CopiesBitmapsAndBitmapPicturesOnly) {
  const auto pixel = [](int32_t x, int32_t y) { return Bgra(x * 50, y * 70, 9, 128 + y); };
  for (auto [bits, order] : {std::pair{32, platform::RowOrder::kBottomUp},
                             {32, platform::RowOrder::kTopDown},
                             {24, platform::RowOrder::kBottomUp}}) {
    std::shared_ptr<platform::Bitmap> bitmap = platform::Bitmap::Create(3, 2, bits, order);
    for (int32_t i = 0; i < 6; ++i)
      bitmap->SetPixelAt(i % 3, i / 3, pixel(i % 3, i / 3));
    const uint32_t mask = bits == 32 ? 0xFFFFFFFF : testing::kColourBytes;
    CDib32 dib, fromPicture;
    dib.CreateFromBitmap(bitmap.get());
    fromPicture.CreateFromPicture(Picture::FromImage(bitmap).get());
    CDib24 dib24;
    dib24.CreateFromPicture(Picture::FromImage(bitmap).get());
    for (const DibSurface* surface :
         std::initializer_list<const DibSurface*>{&dib, &fromPicture, &dib24}) {
      ASSERT_EQ(std::pair(surface->Width(), surface->Height()), std::pair(3, 2));
      EXPECT_TRUE(PixelsAre(*surface, pixel, surface == &dib24 ? testing::kColourBytes : mask));
    }
  }
  const auto icon = Picture::FromImage(platform::Bitmap::Create(3, 2, 32), PictureType::kIcon);
  CDib32 dib = MakeDib32(2, 2, 0);
  CDib24 dib24;
  ASSERT_TRUE(dib24.Create(4, 4));
  dib24.CreateFromPicture(icon.get());
  dib.CreateFromPicture(icon.get());
  EXPECT_TRUE(dib.hDC() == nullptr && dib24.hDC() == nullptr);
  dib.CreateFromPicture(nullptr);
  CDib32 none = MakeDib32(2, 2, 0);
  none.CreateFromBitmap(nullptr);
  EXPECT_TRUE(dib.hDC() == nullptr && none.hDC() == nullptr);
}

// Every colour value (columns) against every alpha (rows): colour x alpha \ 255.
TEST(PremultiplyAlpha, EveryChannelAndAlphaPairTruncates) {
  CDib32 dib =
      testing::Painted(256, 256, [](int32_t x, int32_t y) { return Bgra(x, 255 - x, x, y); });
  dib.PremultiplyAlpha();
  EXPECT_TRUE(PixelsAre(dib, [](int32_t x, int32_t y) {
    return Bgra(x * y / 255, (255 - x) * y / 255, x * y / 255, y);
  }));
}

// round((blue + green + red) / 3), alpha kept; the key colour (any alpha) stays when asked
// with 1 or more, a colour one off it never does.
TEST(Greyscale, RoundsTheChannelMeanAndKeepsTheKeyColourWhenAsked) {
  const uint32_t key = Bgra(253, 3, 254, 9), greyKey = Bgra(170, 170, 170, 9);  // 510 / 3
  const std::tuple<uint32_t, int32_t, uint32_t> cases[] = {
      {Bgra(10, 20, 31, 77), 0, Bgra(20, 20, 20, 77)},  // 61 / 3 = 20.33
      {Bgra(1, 1, 0, 5), 0, Bgra(1, 1, 1, 5)},          // 2 / 3 = 0.67
      {Bgra(255, 255, 255, 255), 0, Bgra(255, 255, 255, 255)},
      {key, 0, greyKey},
      {key, 1, key},
      {Bgra(253, 3, 253, 9), 1, greyKey},
  };
  for (const auto& [pixel, keep, grey] : cases) {
    CDib32 dib = MakeDib32(1, 1, pixel);
    dib.Greyscale(keep);
    EXPECT_EQ(dib.PixelAt(0, 0), grey) << std::hex << pixel << " keep " << keep;
  }
}

// Pixels of the top-left pixel's colour (alpha aside) become the key colour with alpha 0:
// exactly that colour, or, near, within 12 in each channel.
TEST(KeyOutBackground, MatchesTheTopLeftColourExactlyOrWithinTwelve) {
  const std::tuple<uint32_t, bool, bool> cases[] = {
      // pixel, keyed exactly, keyed near
      {Bgra(100, 100, 100, 255), true, true},  // the top-left pixel
      {Bgra(100, 100, 100, 3), true, true},     {Bgra(101, 100, 100, 255), false, true},
      {Bgra(112, 88, 100, 200), false, true},   {Bgra(88, 112, 112, 255), false, true},
      {Bgra(113, 100, 100, 255), false, false}, {Bgra(100, 113, 100, 255), false, false},
      {Bgra(100, 100, 87, 255), false, false},  {Bgra(0, 0, 0, 0), false, false},
  };
  const int32_t count = static_cast<int32_t>(std::size(cases));
  for (bool near : {false, true}) {
    CDib32 dib =
        testing::Painted(count, 1, [&](int32_t x, int32_t) { return std::get<0>(cases[x]); });
    near ? dib.KeyOutBackgroundNear() : dib.KeyOutBackground();
    EXPECT_TRUE(PixelsAre(dib, [&](int32_t x, int32_t) {
      const auto& [pixel, exact, within] = cases[x];
      return (near ? within : exact) ? Bgra(253, 3, 254, 0) : pixel;
    })) << (near ? "near" : "exact");
  }
}

}  // namespace
}  // namespace wayband::imaging
