// Twips to pixels: both the twips value and the twips per pixel round half to even before
// an integer division that truncates toward zero.
#include "platform/twips.h"

#include <gtest/gtest.h>

#include <limits>

namespace wayband::platform {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
}

TEST(RoundHalfEven, NonFiniteAndHugeValuesStayInRange) {
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(RoundHalfEven(-1e300), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(RoundToLong(1e12), std::numeric_limits<int32_t>::max());
}

TEST(TwipsToPixels, RoundsBothSidesThenDividesTruncating) {
  EXPECT_EQ(TwipsToPixels(496, 15), 33);  // 33.07
  EXPECT_EQ(TwipsToPixels(6000, 15), 400);
  EXPECT_EQ(TwipsToPixels(29.5, 15), 2);   // 30 / 15 (29.5 rounds to 30)
  EXPECT_EQ(TwipsToPixels(28.5, 15), 1);   // 28 / 15
  EXPECT_EQ(TwipsToPixels(-29, 15), -1);   // truncates toward zero
  EXPECT_EQ(TwipsToPixels(100, 14.5), 7);  // 100 / 14
  EXPECT_EQ(TwipsToPixels(100, 15.5), 6);  // 100 / 16
}

TEST(TwipsToPixels, DegenerateScreensGiveZeroNotACrash) {
  EXPECT_EQ(TwipsToPixels(100, 0.0), 0);
  EXPECT_EQ(TwipsToPixels(100, 0.4), 0);
  EXPECT_EQ(TwipsToPixels(1e300, 15), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(TwipsToPixels(-1e300, -1.0), std::numeric_limits<int32_t>::max());
}

}  // namespace
}  // namespace wayband::platform
