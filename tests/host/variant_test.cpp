// The automation Variant's numeric test and conversions, which decide how panel keys and
// indices resolve.
#include "wayband/variant.h"

#include <gtest/gtest.h>

#include <memory>

#include "wayband/std_font.h"

namespace wayband {
namespace {

TEST(VariantNumeric, NumbersBooleansEmptyAndNumericStrings) {
  EXPECT_TRUE(Variant().IsNumeric());
  EXPECT_TRUE(Variant(true).IsNumeric());
  EXPECT_TRUE(Variant(5).IsNumeric());
  EXPECT_TRUE(Variant(2.5).IsNumeric());
  for (const char* text : {"2", " 2 ", "-3.5", "+4", "1e3", "4D2", ".5", "5.", "&H1F", "&o17"}) {
    EXPECT_TRUE(Variant(text).IsNumeric()) << text;
  }
  for (const char* text : {"", " ", "a", "2a", "e3", "1e", "--1", "&H", "&HG", "&H1FFFFFFFF", "1 2",
                           "nan", "inf", "1e999"}) {
    EXPECT_FALSE(Variant(text).IsNumeric()) << text;
  }
  EXPECT_FALSE(Variant(std::make_shared<StdFont>()).IsNumeric());
}

TEST(VariantConversion, LongRoundsHalfToEvenAndRefusesOverflow) {
  EXPECT_EQ(Variant(2.5).ToLong(), 2);
  EXPECT_EQ(Variant(3.5).ToLong(), 4);
  EXPECT_EQ(Variant("2.5").ToLong(), 2);
  EXPECT_EQ(Variant(true).ToLong(), -1);
  EXPECT_EQ(Variant().ToLong(), 0);
  EXPECT_EQ(Variant("&HFFFFFFFF").ToLong(), -1);
  EXPECT_EQ(Variant(2147483647.4).ToLong(), 2147483647);
  EXPECT_FALSE(Variant(2147483647.5).ToLong());
  EXPECT_FALSE(Variant(int32_t{40000}).ToInteger());
  EXPECT_FALSE(Variant("x").ToLong());
}

TEST(VariantConversion, ColoursTextAndBooleans) {
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
