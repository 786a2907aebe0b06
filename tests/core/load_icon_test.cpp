// LoadIconImageFromFile: its refusals, duplicate keys in any case, what it tells the host
// (its import's messages through the message-box service), and the icon store operations
// of the design-time icon page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "control_fixture.h"
#include "core/icon_import.h"
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
  const std::pair<const char*, const char*> refused[] = {
      {"a.ic", "Mail"}, {"", "Mail"}, {"mail.png", ""}, {"mail.png", "1Mail"}, {"mail.png", "9"}};
  for (const auto& [file, key] : refused)
    EXPECT_FALSE(bar->LoadIconImageFromFile(file, key)) << file << " / " << key;
  // Five characters, counted as characters rather than bytes.
  EXPECT_FALSE(bar->LoadIconImageFromFile("\xC3\xA9.pn", "Other"));
  EXPECT_EQ(State().Icons.Count(), 0);
  EXPECT_EQ(AllChanged(), 0u);
}

TEST_F(LoadIconTest, AFileWithoutImagesAddsAnEmptyIconAndASecondIconUnderItsKeyIsRefused) {
  EXPECT_TRUE(bar->LoadIconImageFromFile("\xC3\xA9.png", "Mail"));
  ASSERT_EQ(State().Icons.Count(), 1);
  EXPECT_FALSE(State().Icons.Find("Mail")->HasSize(0));
  EXPECT_EQ(State().LastIconFile, "\xC3\xA9.png");
  EXPECT_EQ(AllChanged(), 1u);
  EXPECT_FALSE(bar->LoadIconImageFromFile("second.ico", "Mail"));
  EXPECT_FALSE(bar->LoadIconImageFromFile("second.ico", "mAIL"));
  EXPECT_EQ(State().LastIconFile, "\xC3\xA9.png");
  EXPECT_TRUE(bar->LoadIconImageFromFile("second.ico", "Calendar"));
  EXPECT_EQ(State().Icons.Items()[1].Key(), "Calendar");
  host.Record().Clear();
  EXPECT_EQ(&core::IconStoreOf(Core()), &Core().MutableState().Icons);
  core::RemoveIcon(Core(), "MAIL");
  EXPECT_EQ(State().Icons.Count(), 1);
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

TEST_F(LoadIconTest, ImportMessagesReachTheHost) {
  // A PNG of only its signature and a 30 x 20 header: enough to be refused as not square.
  const uint8_t bytes[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,  // signature
                           0,    0,   0,   13,  'I',  'H',  'D',  'R',  0, 0, 0, 30,
                           0,    0,   0,   20,  8,    6,        // IHDR
                           0,    0,   0,   0,   0,    0,    0,  // ... and its CRC
                           0,    0,   0,   0,   'I',  'E',  'N',  'D',  0, 0, 0, 0};
  const auto path = std::filesystem::temp_directory_path() / "wayband_wide_header.png";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
  EXPECT_TRUE(bar->LoadIconImageFromFile(path.string(), "Wide"));
  const auto& shown = host.Record().messageBoxes;
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].prompt,
            "This image is not supported. PNG images must have equal width and height.");
  EXPECT_EQ(shown[0].title, "Merrowind PNG Decoder");
  EXPECT_EQ(shown[0].buttons, 0x30);
}

}  // namespace
}  // namespace wayband::testing
