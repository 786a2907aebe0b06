#include <gtest/gtest.h>

#include "icon_test_support.h"
#include "imaging/icon_bytes.h"
#include "imaging/icon_selection.h"
#include "imaging/key_color.h"
#include "platform/bitmap.h"
#include "wayband/picture.h"

namespace wayband::imaging {
namespace {

using testing::Array24;
using testing::Array32;
using testing::Bgra;
using testing::FilledDib;
using testing::kColourBytes;
using testing::Near;

constexpr uint32_t kTargetFill = Bgra(10, 20, 30, 40);
const uint32_t kKeyWord = platform::PixelFromColor(kKeyColor);

ByteArray3 Solid32(int32_t size, uint32_t word) {
  return Array32(size, [word](int32_t, int32_t) { return word; });
}

bool BlockUnchanged(const CDib32& dib, int32_t x0, int32_t y0, int32_t size, uint32_t fill) {
  for (int32_t y = y0; y < y0 + size; ++y) {
    for (int32_t x = x0; x < x0 + size; ++x) {
      if (dib.PixelAt(x, y) != fill) return false;
    }
  }
  return true;
}

// Everything outside (x0, y0, size, size) still holds the fill.
bool OutsideUnchanged(const CDib32& dib, int32_t x0, int32_t y0, int32_t size, uint32_t fill) {
  for (int32_t y = 0; y < dib.Height(); ++y) {
    for (int32_t x = 0; x < dib.Width(); ++x) {
      const bool inside = x >= x0 && x < x0 + size && y >= y0 && y < y0 + size;
      if (!inside && dib.PixelAt(x, y) != fill) return false;
    }
  }
  return true;
}

TEST(ByteArray3, KeepsItsExtentsAndChannelFastestOrder) {
  ByteArray3 array(3, 4, 2);
  EXPECT_EQ(array.Bytes().size(), 24u);
  EXPECT_EQ(array.UBound(1), 2);
  EXPECT_EQ(array.UBound(2), 3);
  EXPECT_EQ(array.UBound(3), 1);
  array.At(2, 1, 1) = 7;
  EXPECT_EQ(array.Bytes()[(1 * 4 + 1) * 3 + 2], 7);

  const auto copy = ByteArray3::FromBytes(3, 4, 2, {array.Bytes().begin(), array.Bytes().end()});
  ASSERT_TRUE(copy);
  EXPECT_EQ(*copy, array);
  EXPECT_NE(ByteArray3(3, 2, 4), ByteArray3(3, 4, 2));  // same bytes, other extents
  EXPECT_FALSE(ByteArray3::FromBytes(3, 4, 2, std::vector<uint8_t>(23)));
  EXPECT_TRUE(ByteArray3(4, 0x7FFFFFFF, 0x7FFFFFFF).IsEmpty());
  EXPECT_TRUE(ByteArray3(0, 4, 4).IsEmpty());
  EXPECT_EQ(ByteArray3().UBound(1), -1);
}

TEST(IconBytes, SetBytesThenGetBytesReturnsAnEqualCopy) {
  CIconBytes icon;
  EXPECT_TRUE(icon.GetBytes(2, 4).IsEmpty());
  ByteArray3 image = Array32(32, [](int32_t x, int32_t y) { return Bgra(x, y, 3, 200); });
  icon.SetBytes(2, 4, image);
  image.At(0, 0, 0) = 99;  // the icon holds its own copy
  EXPECT_EQ(icon.GetBytes(2, 4),
            Array32(32, [](int32_t x, int32_t y) { return Bgra(x, y, 3, 200); }));
  EXPECT_TRUE(icon.GetBytes(2, 3).IsEmpty());
  icon.SetBytes(8, 4, image);  // unknown indices are ignored
  icon.SetBytes(0, 5, image);
  EXPECT_TRUE(icon.GetBytes(8, 4).IsEmpty());
  icon.Reset();
  EXPECT_TRUE(icon.GetBytes(2, 4).IsEmpty());
}

TEST(IconBytes, HasSizeCountsKindsOneToFourOnly) {
  CIconBytes icon;
  icon.SetBytes(0, 0, Solid32(16, 0));
  EXPECT_FALSE(icon.HasSize(0));
  for (int32_t kind = 1; kind <= 4; ++kind) {
    CIconBytes one;
    one.SetBytes(3, kind, Solid32(48, 0));
    EXPECT_TRUE(one.HasSize(3)) << kind;
    EXPECT_FALSE(one.HasSize(2)) << kind;
  }
}

IconArrays ArraysAt(std::initializer_list<std::pair<int32_t, int32_t>> slots) {
  IconArrays arrays;
  for (auto [sizeIndex, kind] : slots)
    arrays[static_cast<size_t>(kind)][static_cast<size_t>(sizeIndex)] = ByteArray3(4, 1, 1);
  return arrays;
}

TEST(IconSelection, FollowsTheFallbackOrders) {
  const IconSelection at24 = SelectIconImage(ArraysAt({{0, 4}, {2, 4}}), 1);
  EXPECT_EQ(at24.sizeIndex, 2);  // 24 falls back to 32 first
  EXPECT_EQ(at24.foundSize, 32);
  EXPECT_TRUE(at24.substituted);
  EXPECT_TRUE(at24.found32Bit);

  EXPECT_EQ(SelectIconImage(ArraysAt({{7, 4}}), 0).sizeIndex, 7);          // 16 from only 256
  EXPECT_EQ(SelectIconImage(ArraysAt({{0, 3}}), 3).sizeIndex, 0);          // 48's order ends at 16
  EXPECT_EQ(SelectIconImage(ArraysAt({{1, 2}, {3, 2}}), 2).sizeIndex, 3);  // 32: 48 before 24

  const IconSelection exact = SelectIconImage(ArraysAt({{2, 3}, {2, 4}, {2, 1}}), 2);
  EXPECT_EQ(exact.kind, 4);
  EXPECT_FALSE(exact.substituted);
  const IconSelection keyed = SelectIconImage(ArraysAt({{2, 1}, {2, 3}}), 2);
  EXPECT_EQ(keyed.kind, 3);
  EXPECT_FALSE(keyed.found32Bit);
}

TEST(IconSelection, EndsWithNoImageWhenNothingUsableIsHeld) {
  EXPECT_FALSE(SelectIconImage(IconArrays{}, 0).Found());
  EXPECT_FALSE(SelectIconImage(ArraysAt({{0, 0}, {5, 0}}), 5).Found());  // kind 0 only
  EXPECT_FALSE(SelectIconImage(ArraysAt({{0, 4}}), 8).Found());
}

TEST(DrawIcon, KindFourCompositesByAlphaAtTheStoredSize) {
  CIconBytes icon;
  icon.SetBytes(0, 4, Array32(16, [](int32_t x, int32_t) {
                  return x < 4   ? Bgra(200, 100, 50, 255)
                         : x < 8 ? Bgra(200, 100, 50, 0)
                                 : Bgra(255, 255, 255, 128);
                }));
  CDib32 target = FilledDib(20, 20, Bgra(0, 0, 0, 255));
  icon.DrawIcon(target.hDC(), 0, 4, 2, 3, true);
  EXPECT_EQ(target.PixelAt(2, 3), Bgra(200, 100, 50, 255));
  EXPECT_EQ(target.PixelAt(7, 10), Bgra(0, 0, 0, 255));
  EXPECT_TRUE(Near(target.PixelAt(12, 18), Bgra(128, 128, 128, 255), 1));
  EXPECT_TRUE(OutsideUnchanged(target, 2, 3, 16, Bgra(0, 0, 0, 255)));
}

TEST(DrawIcon, DisabledKindFourIsGreyedAndCompositedAtHalfAlpha) {
  CIconBytes icon;
  icon.SetBytes(0, 4, Solid32(16, Bgra(200, 100, 30, 255)));  // grey 110
  CDib32 black = FilledDib(16, 16, 0);
  CDib32 white = FilledDib(16, 16, Bgra(255, 255, 255, 255));
  icon.DrawIcon(black.hDC(), 0, 4, 0, 0, false);
  icon.DrawIcon(white.hDC(), 0, 4, 0, 0, false);
  // 110 x 128 / 255 = 55.2 over black; plus 255 x 127 / 255 over white; alpha likewise.
  EXPECT_TRUE(Near(black.PixelAt(5, 5), Bgra(55, 55, 55, 128), 1));
  EXPECT_TRUE(Near(white.PixelAt(5, 5), Bgra(182, 182, 182, 255), 1));
}

TEST(DrawIcon, TwentyFourFromSixteenAndThirtyTwoUsesTheThirtyTwo) {
  CIconBytes icon;
  icon.SetBytes(0, 4, Solid32(16, Bgra(0, 0, 255, 255)));  // red
  icon.SetBytes(2, 4, Solid32(32, Bgra(255, 0, 0, 255)));  // blue
  CDib32 target = FilledDib(30, 30, kTargetFill);
  icon.DrawIcon(target.hDC(), 1, 4, 3, 3, true);
  EXPECT_TRUE(Near(target.PixelAt(10, 10), Bgra(255, 0, 0, 255), 2));
  EXPECT_TRUE(Near(target.PixelAt(3, 3), Bgra(255, 0, 0, 255), 2));
  EXPECT_TRUE(OutsideUnchanged(target, 3, 3, 24, kTargetFill));
}

TEST(DrawIcon, SixteenFromOnlyTwoFiftySixAveragesItDown) {
  CIconBytes icon;
  // Columns alternate green and blue: every 16 x 16 block averages to half of each.
  icon.SetBytes(7, 4, Array32(256, [](int32_t x, int32_t) {
                  return x % 2 ? Bgra(0, 200, 0, 255) : Bgra(200, 0, 0, 255);
                }));
  CDib32 target = FilledDib(20, 20, kTargetFill);
  icon.DrawIcon(target.hDC(), 0, 4, 0, 0, true);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x)
      ASSERT_TRUE(Near(target.PixelAt(x, y), Bgra(100, 100, 0, 255), 1)) << x << "," << y;
  }
  EXPECT_TRUE(OutsideUnchanged(target, 0, 0, 16, kTargetFill));
}

TEST(DrawIcon, TwentyFourBitArrayDrawsWithTheKeyColourTransparent) {
  CIconBytes icon;
  const auto pixel = [&](int32_t x, int32_t y) {
    return (x + y) % 3 == 0 ? kKeyWord : Bgra(x * 10, y * 10, 77);
  };
  icon.SetBytes(1, 3, Array24(24, pixel));
  for (bool enabled : {true, false}) {
    CDib32 target = FilledDib(24, 24, kTargetFill);
    icon.DrawIcon(target.hDC(), 1, 4, 0, 0, enabled);
    for (int32_t y = 0; y < 24; ++y) {
      for (int32_t x = 0; x < 24; ++x) {
        const uint32_t source = pixel(x, y);
        const uint32_t got = target.PixelAt(x, y);
        if (source == kKeyWord) {
          ASSERT_EQ(got, kTargetFill);
        } else if (enabled) {
          ASSERT_EQ(got & kColourBytes, source);
        } else {
          const uint8_t grey = static_cast<uint8_t>((x * 10 + y * 10 + 77 + 1) / 3);
          ASSERT_EQ(got & kColourBytes, Bgra(grey, grey, grey)) << x << "," << y;
        }
      }
    }
  }
}

TEST(DrawIcon, TwentyFourBitArrayAtAnotherSizeKeepsTheKeyCrisp) {
  CIconBytes icon;
  // Left half key colour, right half solid teal.
  icon.SetBytes(
      2, 3, Array24(32, [&](int32_t x, int32_t) { return x < 16 ? kKeyWord : Bgra(128, 128, 0); }));
  CDib32 target = FilledDib(16, 16, kTargetFill);
  icon.DrawIcon(target.hDC(), 0, 4, 0, 0, true);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      const uint32_t got = target.PixelAt(x, y);
      // Never a blend with the key: either untouched or the solid colour.
      ASSERT_TRUE(got == kTargetFill || (got & kColourBytes) == Bgra(128, 128, 0));
    }
  }
  EXPECT_EQ(target.PixelAt(2, 8), kTargetFill);
  EXPECT_EQ(target.PixelAt(12, 8) & kColourBytes, Bgra(128, 128, 0));
}

TEST(DrawIcon, AnEmptyIconOrUnknownSizeDrawsNothing) {
  CIconBytes empty;
  CDib32 target = FilledDib(32, 32, kTargetFill);
  for (int32_t sizeIndex = 0; sizeIndex < 8; ++sizeIndex)
    empty.DrawIcon(target.hDC(), sizeIndex, 4, 0, 0, true);
  CIconBytes icon;
  icon.SetBytes(0, 4, Solid32(16, Bgra(1, 2, 3, 255)));
  icon.DrawIcon(target.hDC(), 8, 4, 0, 0, true);
  icon.DrawIcon(target.hDC(), -1, 4, 0, 0, true);
  icon.DrawIcon(nullptr, 0, 4, 0, 0, true);
  EXPECT_TRUE(BlockUnchanged(target, 0, 0, 32, kTargetFill));
}

TEST(DrawIcon, AHeldPictureIsDrawnInsteadOfTheArrays) {
  auto bitmap = platform::Bitmap::Create(32, 32, 32);
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x)
      bitmap->SetPixelAt(x, y, x >= 8 && x < 24 ? Bgra(0, 160, 0, 255) : Bgra(255, 0, 255, 255));
  }
  CIconBytes icon;
  icon.SetBytes(2, 4, Solid32(32, Bgra(0, 0, 255, 255)));
  icon.SetPicture(Picture::FromImage(bitmap));
  CDib32 target = FilledDib(32, 32, kTargetFill);
  icon.DrawIcon(target.hDC(), 2, 4, 0, 0, /*enabled=*/false);  // no greying on this path
  EXPECT_EQ(target.PixelAt(0, 5), kTargetFill);                // magenta is transparent
  EXPECT_EQ(target.PixelAt(31, 5), kTargetFill);
  EXPECT_EQ(target.PixelAt(8, 5) & kColourBytes, Bgra(0, 160, 0));
  // At another size the picture is resampled first.
  CDib32 small = FilledDib(16, 16, kTargetFill);
  icon.DrawIcon(small.hDC(), 0, 4, 0, 0, true);
  EXPECT_EQ(small.PixelAt(7, 5) & kColourBytes, Bgra(0, 160, 0));
  EXPECT_EQ(small.PixelAt(0, 5), kTargetFill);  // the resampled background stays transparent
  EXPECT_EQ(small.PixelAt(15, 5), kTargetFill);

  icon.ClearPicture();
  icon.DrawIcon(target.hDC(), 2, 4, 0, 0, true);
  EXPECT_EQ(target.PixelAt(0, 5), Bgra(0, 0, 255, 255));
}

}  // namespace
}  // namespace wayband::imaging
