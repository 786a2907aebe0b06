// SurfaceView reads rows top-down whatever the store's order, and refuses to read past a
// store that is too small for the size it is given.
#include <gtest/gtest.h>

#include <vector>

#include "wayband/inspection.h"

namespace wayband {
namespace {

// A 3 x 2 store with 16-byte rows (4 bytes of padding); pixel (x, stored row r) holds
// blue x, green r, red 0x80, alpha 0xFF.
std::vector<uint8_t> Store() {
  std::vector<uint8_t> bytes(32, 0xEE);
  for (int r = 0; r < 2; ++r) {
    for (int x = 0; x < 3; ++x) {
      uint8_t* p = &bytes[static_cast<size_t>(r * 16 + x * 4)];
      p[0] = static_cast<uint8_t>(x);
      p[1] = static_cast<uint8_t>(r);
      p[2] = 0x80;
      p[3] = 0xFF;
    }
  }
  return bytes;
}

TEST(SurfaceView, ReadsPixelsTopDownInEitherRowOrder) {
  const auto bytes = Store();
  const SurfaceView topDown(bytes, 3, 2, 16, false);
  const SurfaceView bottomUp(bytes, 3, 2, 16, true);
  EXPECT_EQ(topDown.Pixel(2, 0), 0xFF800002u);
  EXPECT_EQ(topDown.Pixel(1, 1), 0xFF800101u);
  EXPECT_EQ(bottomUp.Pixel(1, 1), 0xFF800001u);  // the first stored row is the bottom
  EXPECT_EQ(bottomUp.Rgb(0, 0), 0x800100u);
  ASSERT_EQ(bottomUp.Row(0).size(), 12u);  // no padding
  EXPECT_EQ(bottomUp.Row(0)[1], 1);
}

TEST(SurfaceView, AnswersZeroAndEmptyOutsideAndForShortStores) {
  const auto bytes = Store();
  const SurfaceView view(bytes, 3, 2, 16, true);
  for (const auto& [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}}) {
    EXPECT_EQ(view.Pixel(x, y), 0u) << x << "," << y;
  }
  EXPECT_TRUE(view.Row(2).empty());
  const SurfaceView tooFewRows(bytes, 3, 3, 16, true);
  const SurfaceView strideTooSmall(bytes, 5, 2, 16, false);
  const SurfaceView noSize(bytes, 0, 2, 16, false);
  for (const SurfaceView* v : {&tooFewRows, &strideTooSmall, &noSize}) {
    EXPECT_TRUE(v->Empty());
    EXPECT_EQ(v->Pixel(0, 0), 0u);
  }
}

}  // namespace
}  // namespace wayband
