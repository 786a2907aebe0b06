// LoadIconImageFromFile: its refusals, duplicate keys in any case, what it tells the host,
// and the icon store operations of the design-time icon page.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "core/icon_import.h"
#include "imaging/icon_sizes.h"
#include "proppage/internal_alpha_img.h"

namespace wayband::testing {
namespace {

class LoadIconTest : public ControlFixture {
 protected:
  size_t AllChanged() {
    size_t n = 0;
    for (const auto& change : host.Record().propertyChanges)
      n += change.all;
    return n;
  }
};

TEST_F(LoadIconTest, RefusesShortPathsAndKeysThatAreEmptyOrStartWithADigit) {
  const struct {
    const char* file;
    const char* key;
  } refused[] = {
      {"a.ic", "Mail"}, {"", "Mail"}, {"mail.png", ""}, {"mail.png", "1Mail"}, {"mail.png", "9"}};
  for (const auto& c : refused) {
    EXPECT_FALSE(bar->LoadIconImageFromFile(c.file, c.key)) << c.file << " / " << c.key;
  }
  EXPECT_EQ(State().Icons.Count(), 0);
  EXPECT_EQ(AllChanged(), 0u);
}

TEST_F(LoadIconTest, AFileWithoutImagesStillAddsAnEmptyIconAndTellsTheHost) {
  // Five characters, counted as characters rather than bytes.
  EXPECT_TRUE(bar->LoadIconImageFromFile("\xC3\xA9.png", "Mail"));
  EXPECT_FALSE(bar->LoadIconImageFromFile("\xC3\xA9.pn", "Other"));
  ASSERT_EQ(State().Icons.Count(), 1);
  EXPECT_FALSE(State().Icons.Find("Mail")->HasSize(0));
  EXPECT_EQ(State().LastIconFile, "\xC3\xA9.png");
  EXPECT_EQ(AllChanged(), 1u);
}

TEST_F(LoadIconTest, ASecondIconUnderTheSameKeyInAnyCaseIsRefused) {
  ASSERT_TRUE(bar->LoadIconImageFromFile("first.ico", "Mail"));
  EXPECT_FALSE(bar->LoadIconImageFromFile("second.ico", "Mail"));
  EXPECT_FALSE(bar->LoadIconImageFromFile("second.ico", "mAIL"));
  EXPECT_EQ(State().Icons.Count(), 1);
  EXPECT_EQ(State().LastIconFile, "first.ico");
  EXPECT_TRUE(bar->LoadIconImageFromFile("second.ico", "Calendar"));
  EXPECT_EQ(State().Icons.Items()[1].Key(), "Calendar");
}

TEST_F(LoadIconTest, RemoveIconAndTheStoreItself) {
  ASSERT_TRUE(bar->LoadIconImageFromFile("mail.ico", "Mail"));
  core::IconStore& store = core::IconStoreOf(Core());
  EXPECT_EQ(&store, &Core().MutableState().Icons);
  host.Record().Clear();
  core::RemoveIcon(Core(), "MAIL");
  EXPECT_EQ(store.Count(), 0);
  core::RemoveIcon(Core(), "Mail");  // absent: nothing to remove
  EXPECT_EQ(AllChanged(), 2u);
}

TEST_F(LoadIconTest, TheIconPageHolderKeepsTheEarlierIconOfAKey) {
  proppage::InternalAlphaImg holder(site);
  holder.AddIconFromFile("first.bmp", "Mail");
  const imaging::CIconBytes second = holder.AddIconFromFile("second.bmp", "MAIL");
  EXPECT_EQ(second.Key(), "MAIL");
  ASSERT_EQ(holder.Icons().Count(), 1);
  EXPECT_EQ(holder.GetIcoBytes("mail")->Key(), "Mail");
  EXPECT_EQ(holder.LastIconFile(), "second.bmp");
  EXPECT_EQ(AllChanged(), 2u);
  holder.RemoveIcon("Mail");
  EXPECT_EQ(holder.GetIcoBytes("Mail"), nullptr);
  EXPECT_EQ(AllChanged(), 3u);
}

}  // namespace
}  // namespace wayband::testing
