// Panel keys and indices: what Add accepts as Key and KeyBefore, how Item and Remove
// resolve numbers, numeric strings and case-sensitive keys, and error 9 on an empty store.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "wayband/error.h"

namespace wayband::testing {
namespace {

class PanelKeys : public ControlFixture {
 protected:
  std::vector<std::string> Keys() {
    std::vector<std::string> keys;
    for (int32_t i = 1; i <= Panels().Count(); ++i)
      keys.push_back(Panels().Item(i)->Key());
    return keys;
  }
};

TEST_F(PanelKeys, NumericAndDuplicateKeysAddNothing) {
  EXPECT_FALSE(Panels().Add(5));
  EXPECT_FALSE(Panels().Add("5"));
  EXPECT_FALSE(Panels().Add(" 2.5 "));
  EXPECT_FALSE(Panels().Add(true));
  EXPECT_FALSE(Panels().Add(std::make_shared<StdFont>()));
  ASSERT_TRUE(Panels().Add("Mail"));
  EXPECT_FALSE(Panels().Add("Mail"));
  EXPECT_EQ(Panels().Count(), 1);
}

TEST_F(PanelKeys, KeysAreCaseSensitive) {
  ASSERT_TRUE(Panels().Add("a", {}, "lower"));
  ASSERT_TRUE(Panels().Add("A", {}, "upper"));
  EXPECT_EQ(Panels().Item("a")->Caption(), "lower");
  EXPECT_EQ(Panels().Item("A")->Caption(), "upper");
  EXPECT_FALSE(Panels().Item("MAIL"));
}

TEST_F(PanelKeys, GeneratedKeysFollowIdsThatAreNeverReused) {
  for (int i = 0; i < 5; ++i)
    Panels().Add();
  EXPECT_EQ(Panels().Item(5)->Key(), "C5");
  Panels().Remove(5);
  EXPECT_EQ(Panels().Add()->Key(), "C6");
  // A generated key is not checked against the keys in use.
  Panels().Add("C8");
  const auto generated = Panels().Add();
  EXPECT_EQ(generated->Key(), "C8");
  EXPECT_EQ(generated->Index(), 7);
  EXPECT_EQ(Panels().Item("C8")->Index(), 6);  // the first match
}

TEST_F(PanelKeys, KeyBeforeBelowOneInsertsFirstAndBeyondCountAppends) {
  Panels().Add("a");
  Panels().Add("b");
  Panels().Add("x", 0);
  Panels().Add("y", -3);
  Panels().Add("z", 99);
  Panels().Add("w", "no such key");
  Panels().Add("v", "b");
  Panels().Add("u", "2");  // numeric string: position 2
  EXPECT_EQ(Keys(), (std::vector<std::string>{"y", "u", "x", "a", "v", "b", "z", "w"}));
}

TEST_F(PanelKeys, NumericKeyBeforeWithoutPanelsAddsNothing) {
  EXPECT_FALSE(Panels().Add("a", 1));
  EXPECT_FALSE(Panels().Add("a", 0));
  EXPECT_TRUE(Panels().Add("a", "b"));  // a string that matches nothing appends
  EXPECT_FALSE(Panels().Add("b", std::make_shared<StdFont>()));
  EXPECT_EQ(Panels().Count(), 1);
}

TEST_F(PanelKeys, ItemTakesNumbersAndNumericStringsAsIndices) {
  AddPanels(3);
  EXPECT_EQ(Panels().Item("2")->Key(), "P2");
  EXPECT_EQ(Panels().Item(2.5)->Key(), "P2");  // half to even
  EXPECT_EQ(Panels().Item(int16_t{3})->Key(), "P3");
  EXPECT_FALSE(Panels().Item(0));
  EXPECT_FALSE(Panels().Item(4));
  EXPECT_FALSE(Panels().Item(-1));
  EXPECT_FALSE(Panels().Item(1e12));  // does not convert
  EXPECT_FALSE(Panels().Item(std::make_shared<StdFont>()));
  EXPECT_FALSE(Panels().Item(Variant()));  // empty is the number 0
}

TEST_F(PanelKeys, ItemOnAnEmptyCollectionRaisesError9) {
  try {
    Panels().Item("a");
    FAIL() << "no error raised";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 9);
  }
  EXPECT_THROW(Panels().Item(1), AutomationError);
  Panels().Add("a");
  Panels().Remove("a");
  EXPECT_THROW(Panels().Item(1), AutomationError);
}

TEST_F(PanelKeys, RemoveResolvesLikeItemAndIgnoresWhatMatchesNothing) {
  AddPanels(3);
  Panels().Remove("P9");
  Panels().Remove(0);
  Panels().Remove(7);
  Panels().Remove(std::make_shared<StdFont>());
  EXPECT_EQ(Panels().Count(), 3);
  Panels().Remove("2");
  EXPECT_EQ(Keys(), (std::vector<std::string>{"P1", "P3"}));
  Panels().Remove("P3");
  EXPECT_EQ(Keys(), (std::vector<std::string>{"P1"}));
}

}  // namespace
}  // namespace wayband::testing
