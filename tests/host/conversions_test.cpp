// The arithmetic the host side defines: twips to pixels (both the twips value and the twips
// per pixel round half to even before an integer division that truncates toward zero) and
// the automation Variant's numeric test and conversions, which decide how panel keys and
// indices resolve.
#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "platform/twips.h"
#include "wayband/std_font.h"
#include "wayband/variant.h"

namespace wayband {
namespace {

constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();
constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Twips, RoundHalfEvenAndTwipsToPixels) {
  const std::pair<double, int64_t> rounded[] = {{0.5, 0},    {1.5, 2},        {2.5, 2},
                                                {-0.5, 0},   {-1.5, -2},      {2.4999, 2},
                                                {2.5001, 3}, {1e300, kMax64}, {-1e300, -kMax64 - 1},
                                                {kNaN, 0}};
  for (const auto& [value, expected] : rounded)
    EXPECT_EQ(platform::RoundHalfEven(value), expected) << value;
  EXPECT_EQ(platform::RoundToLong(1e12), kMax32);
  const std::tuple<double, double, int32_t> pixels[] = {
      {496, 15, 33},  {6000, 15, 400}, {29.5, 15, 2},  // 30 / 15: 29.5 rounds to 30
      {28.5, 15, 1},                                   // 28 / 15
      {-29, 15, -1},                                   // truncates toward zero
      {100, 14.5, 7}, {100, 15.5, 6},                  // 100 / 14 and 100 / 16
      {100, 0.0, 0},  {100, 0.4, 0},   {1e300, 15, kMax32}, {-1e300, -1.0, kMax32}};
  for (const auto& [twips, perPixel, expected] : pixels)
    EXPECT_EQ(platform::TwipsToPixels(twips, perPixel), expected) << twips << " / " << perPixel;
}

TEST(Variant, NumbersBooleansEmptyAndNumericStringsAreNumeric) {
  for (const Variant& v : {Variant(), Variant(true), Variant(5), Variant(2.5)})
    EXPECT_TRUE(v.IsNumeric());
  for (const char* text : {"2", " 2 ", "-3.5", "+4", "1e3", "4D2", ".5", "5.", "&H1F", "&o17"})
    EXPECT_TRUE(Variant(text).IsNumeric()) << text;
  for (const char* text : {"", " ", "a", "2a", "e3", "1e", "--1", "&H", "&HG", "&H1FFFFFFFF", "1 2",
                           "nan", "inf", "1e999"}) {
    EXPECT_FALSE(Variant(text).IsNumeric()) << text;
  }
  EXPECT_FALSE(Variant(std::make_shared<StdFont>()).IsNumeric());
}

TEST(Variant, ConversionsRoundHalfToEvenAndRefuseWhatDoesNotFit) {
  const std::pair<Variant, std::optional<int32_t>> longs[] = {{Variant(2.5), 2},
                                                              {Variant(3.5), 4},
                                                              {Variant("2.5"), 2},
                                                              {Variant(true), -1},
                                                              {Variant(), 0},
                                                              {Variant("&HFFFFFFFF"), -1},
                                                              {Variant(2147483647.4), kMax32},
                                                              {Variant(2147483647.5), std::nullopt},
                                                              {Variant("x"), std::nullopt}};
  for (const auto& [v, expected] : longs)
    EXPECT_EQ(v.ToLong(), expected) << v.ToText().value_or("?");
  EXPECT_FALSE(Variant(int32_t{40000}).ToInteger());
  EXPECT_EQ(Variant(int32_t{-2147483633}).ToColor(), 0x8000000Fu);
  EXPECT_EQ(Variant(4294967295.0).ToColor(), 0xFFFFFFFFu);
  EXPECT_FALSE(Variant(4294967296.0).ToColor());
  EXPECT_EQ(Variant(2.5).ToText(), "2.5");
  EXPECT_EQ(Variant(true).ToText(), "True");
  EXPECT_FALSE(Variant(std::make_shared<StdFont>()).ToText());
  EXPECT_EQ(Variant("false").ToBoolean(), false);
  EXPECT_EQ(Variant("7").ToBoolean(), true);
  EXPECT_FALSE(Variant("maybe").ToBoolean());
}

}  // namespace
}  // namespace wayband
