// The icon store: its arrays, which image a size is drawn from, and DrawIcon's paths.
#include <gtest/gtest.h>

#include "imaging/icon_selection.h"
#include "imaging/key_color.h"
#include "import_test_support.h"

namespace wayband::imaging {
namespace {

using namespace testing;

constexpr uint32_t kFill = Bgra(10, 20, 30, 40);
const uint32_t kKeyWord = platform::PixelFromColor(kKeyColor);

ByteArray3 Solid32(int32_t size, uint32_t word) {
  return ArrayOf(size, 4, [word](int32_t, int32_t) { return word; });
}

// Whether only the block (x0, y0, size, size) of the target changed from kFill.
::testing::AssertionResult OnlyBlockChanged(const CDib32& target, int32_t x0, int32_t y0,
                                            int32_t size) {
  return PixelsAre(target, [&](int32_t x, int32_t y) {
    const bool inside = x >= x0 && x < x0 + size && y >= y0 && y < y0 + size;
    return inside ? target.PixelAt(x, y) : kFill;
  });
}

// Arrays hold channels fastest, then columns, then rows; sizes over the cap give none.
TEST(ByteArray3, KeepsItsExtentsAndChannelFastestOrder) {
  ByteArray3 array(3, 4, 2);
  EXPECT_EQ(std::tuple(array.Bytes().size(), array.UBound(1), array.UBound(2), array.UBound(3)),
            std::tuple(24u, 2, 3, 1));
  array.At(2, 1, 1) = 7;
  EXPECT_EQ(array.Bytes()[(1 * 4 + 1) * 3 + 2], 7);
  const auto copy = ByteArray3::FromBytes(3, 4, 2, {array.Bytes().begin(), array.Bytes().end()});
  ASSERT_TRUE(copy);
  EXPECT_EQ(*copy, array);
  EXPECT_FALSE(ByteArray3::FromBytes(3, 4, 2, std::vector<uint8_t>(23)));
  EXPECT_TRUE(ByteArray3(4, 0x7FFFFFFF, 0x7FFFFFFF).IsEmpty());
  EXPECT_TRUE(ByteArray3(0, 4, 4).IsEmpty());
  EXPECT_EQ(ByteArray3().UBound(1), -1);
}

TEST(IconBytes, HoldsArraysAtKnownSlotsOnly) {
  CIconBytes icon;
  const ByteArray3 image = ArrayOf(32, 4, [](int32_t x, int32_t y) { return Bgra(x, y, 3, 200); });
  icon.SetBytes(2, 4, image);
  EXPECT_EQ(icon.GetBytes(2, 4), image);
  EXPECT_TRUE(icon.GetBytes(2, 3).IsEmpty());
  icon.SetBytes(8, 4, image);  // unknown indices are ignored
  icon.SetBytes(0, 5, image);
  EXPECT_TRUE(icon.GetBytes(8, 4).IsEmpty());
  EXPECT_TRUE(icon.GetBytes(0, 5).IsEmpty());
  icon.SetBytes(0, 0, image);  // kind 0 is held but gives no size
  EXPECT_FALSE(icon.HasSize(0));
  EXPECT_TRUE(icon.HasSize(2));
  icon.Reset();
  EXPECT_TRUE(icon.GetBytes(2, 4).IsEmpty());
}

// A missing size falls back in its order (16: 24, 32 ...; 24: 32, 48, 16 ...; 32: 48, 24
// ...; 48: 72 ... 16), then the best kind held (4, 3, 2, 1); kind 0 never counts.
TEST(IconSelection, FollowsTheFallbackOrders) {
  struct Case {
    std::vector<std::pair<int32_t, int32_t>> held;  // (size index, kind)
    int32_t wanted, sizeIndex, kind;
    bool substituted;
  };
  const Case cases[] = {
      {{{0, 4}, {2, 4}}, 1, 2, 4, true},           // 24 falls back to 32 first
      {{{7, 4}}, 0, 7, 4, true},                   // 16 from only 256
      {{{0, 3}}, 3, 0, 3, true},                   // 48's order ends at 16
      {{{1, 2}, {3, 2}}, 2, 3, 2, true},           // 32: 48 before 24
      {{{2, 3}, {2, 4}, {2, 1}}, 2, 2, 4, false},  // kind 4 first
      {{{2, 1}, {2, 3}}, 2, 2, 3, false},
      {{}, 0, -1, -1, false},
      {{{0, 0}, {5, 0}}, 5, -1, -1, true},  // kind 0 only: nothing found
      {{{0, 4}}, 8, -1, -1, false},         // no such size
  };
  for (const Case& c : cases) {
    IconArrays arrays;
    for (auto [sizeIndex, kind] : c.held)
      arrays[static_cast<size_t>(kind)][static_cast<size_t>(sizeIndex)] = ByteArray3(4, 1, 1);
    const IconSelection found = SelectIconImage(arrays, c.wanted);
    SCOPED_TRACE(::testing::Message() << "size index " << c.wanted << " from " << c.held.size());
    EXPECT_EQ(found.Found(), c.sizeIndex >= 0);
    if (!found.Found()) continue;
    EXPECT_EQ(std::tuple(found.sizeIndex, found.kind, found.foundSize, found.substituted,
                         found.found32Bit),
              std::tuple(c.sizeIndex, c.kind, IconPixels(c.sizeIndex), c.substituted,
                         c.kind == kKind32Bit));
  }
}

// Kind 4 composites by alpha at the stored size; disabled, it is greyed and composited at
// half alpha.
TEST(DrawIcon, KindFourCompositesByAlpha) {
  CIconBytes icon;
  icon.SetBytes(0, 4, ArrayOf(16, 4, [](int32_t x, int32_t) {
                  return x < 4   ? Bgra(200, 100, 50, 255)
                         : x < 8 ? Bgra(200, 100, 50, 0)
                                 : Bgra(255, 255, 255, 128);
                }));
  CDib32 target = MakeDib32(20, 20, kFill);
  icon.DrawIcon(target.hDC(), 0, 4, 2, 3, true);
  EXPECT_EQ(target.PixelAt(2, 3) & kColourBytes, Bgra(200, 100, 50));
  EXPECT_EQ(target.PixelAt(7, 10), kFill);
  EXPECT_TRUE(Near(target.PixelAt(12, 18) & kColourBytes, Bgra(132, 137, 142), 1));
  EXPECT_TRUE(OnlyBlockChanged(target, 2, 3, 16));

  CIconBytes grey;
  grey.SetBytes(0, 4, Solid32(16, Bgra(200, 100, 30, 255)));  // grey 110
  CDib32 black = MakeDib32(16, 16, 0), white = MakeDib32(16, 16, Bgra(255, 255, 255, 255));
  grey.DrawIcon(black.hDC(), 0, 4, 0, 0, false);
  grey.DrawIcon(white.hDC(), 0, 4, 0, 0, false);
  // 110 x 128 / 255 = 55.2 over black; plus 255 x 127 / 255 over white; alpha likewise.
  EXPECT_TRUE(Near(black.PixelAt(5, 5), Bgra(55, 55, 55, 128), 1));
  EXPECT_TRUE(Near(white.PixelAt(5, 5), Bgra(182, 182, 182, 255), 1));
}

// A 24-bit array draws with the key colour transparent; disabled, the rest is greyed.
TEST(DrawIcon, TwentyFourBitArrayKeepsTheTargetWhereItHoldsTheKeyColour) {
  const auto pixel = [](int32_t x, int32_t y) {
    return (x + y) % 3 == 0 ? kKeyWord : Bgra(x * 10, y * 10, 77);
  };
  CIconBytes icon;
  icon.SetBytes(1, 3, ArrayOf(24, 3, pixel));
  for (bool enabled : {true, false}) {
    CDib32 target = MakeDib32(24, 24, kFill);
    icon.DrawIcon(target.hDC(), 1, 4, 0, 0, enabled);
    EXPECT_TRUE(PixelsAre(
        target,
        [&](int32_t x, int32_t y) {
          const uint8_t grey = static_cast<uint8_t>((x * 10 + y * 10 + 77 + 1) / 3);
          return pixel(x, y) == kKeyWord ? kFill : enabled ? pixel(x, y) : Bgra(grey, grey, grey);
        },
        kColourBytes))
        << enabled;
  }
}

TEST(DrawIcon, AnEmptyIconUnknownSizeOrNoTargetDrawsNothing) {
  CIconBytes empty;
  CDib32 target = MakeDib32(32, 32, kFill);
  for (int32_t sizeIndex = 0; sizeIndex < 8; ++sizeIndex)
    empty.DrawIcon(target.hDC(), sizeIndex, 4, 0, 0, true);
  CIconBytes icon;
  icon.SetBytes(0, 4, Solid32(16, Bgra(1, 2, 3, 255)));
  icon.DrawIcon(target.hDC(), 8, 4, 0, 0, true);
  icon.DrawIcon(target.hDC(), -1, 4, 0, 0, true);
  icon.DrawIcon(nullptr, 0, 4, 0, 0, true);
  EXPECT_TRUE(PixelsAre(target, [](int32_t, int32_t) { return kFill; }));
  // An array with no whole row of its size, as stored properties may hold, stays in its
  // block.
  CIconBytes tooSmall;
  tooSmall.SetBytes(2, 3, ArrayOf(4, 3, [](int32_t, int32_t) { return Bgra(1, 2, 3); }));
  CDib32 bounded = MakeDib32(40, 40, kFill);
  tooSmall.DrawIcon(bounded.hDC(), 2, 4, 4, 4, true);
  EXPECT_TRUE(OnlyBlockChanged(bounded, 4, 4, 32));
}

// A held picture is drawn instead of the arrays, magenta transparent, resampled at other
// sizes, never greyed.
TEST(DrawIcon, AHeldPictureIsDrawnInsteadOfTheArrays) {
  auto bitmap = platform::Bitmap::Create(32, 32, 32);
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x)
      bitmap->SetPixelAt(x, y, x >= 8 && x < 24 ? Bgra(0, 160, 0, 255) : Bgra(255, 0, 255, 255));
  }
  CIconBytes icon;
  icon.SetBytes(2, 4, Solid32(32, Bgra(0, 0, 255, 255)));
  icon.SetPicture(Picture::FromImage(bitmap));
  CDib32 target = MakeDib32(32, 32, kFill);
  icon.DrawIcon(target.hDC(), 2, 4, 0, 0, /*enabled=*/false);
  EXPECT_TRUE(PixelsAre(
      target,
      [](int32_t x, int32_t) { return x >= 8 && x < 24 ? Bgra(0, 160, 0) : kFill & kColourBytes; },
      kColourBytes));
  CDib32 small = MakeDib32(16, 16, kFill);
  icon.DrawIcon(small.hDC(), 0, 4, 0, 0, true);
  EXPECT_EQ(small.PixelAt(7, 5) & kColourBytes, Bgra(0, 160, 0));
  EXPECT_EQ(small.PixelAt(0, 5), kFill);  // the resampled background stays transparent
  EXPECT_EQ(small.PixelAt(15, 5), kFill);
  icon.ClearPicture();
  icon.DrawIcon(target.hDC(), 2, 4, 0, 0, true);
  EXPECT_EQ(target.PixelAt(0, 5), Bgra(0, 0, 255, 255));
}

}  // namespace
}  // namespace wayband::imaging
