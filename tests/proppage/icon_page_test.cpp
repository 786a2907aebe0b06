// The icon page in the headless designer: key rules, paging, selection, Delete All and
// what the page asks of the open-file dialog and the message box.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "container/container_access.h"
#include "headless/icon_page_designer.h"
#include "platform/host/message_box.h"
#include "platform/system_colors.h"
#include "proppage/preview_layout.h"

namespace wayband::proppage {
namespace {

using headless::PageAction;
using Kind = PageAction::Kind;

std::filesystem::path Asset(const char* name) {
  const char* data = std::getenv("WAYBAND_TEST_DATA");
  return std::filesystem::path(data ? data : "") / ".." / ".." / "examples" / "assets" / name;
}

// "k" and a number. Built by appending: GCC 12 at -O3 reports a literal joined to a
// temporary string as an overlapping copy (GCC bug 105651).
std::string Key(int number) {
  std::string key = "k";
  key += std::to_string(number);
  return key;
}

std::vector<std::string> Keys(const core::IconStore& store) {
  std::vector<std::string> keys;
  for (const auto& icon : store.Items())
    keys.push_back(icon.Key());
  return keys;
}

class IconPageTest : public ::testing::Test {
 protected:
  IconPageTest() { designer.Select(holder); }
  void Do(Kind kind, std::string text = {}, int32_t x = 0, bool confirm = true) {
    designer.Perform({kind, std::move(text), x, confirm});
  }
  // Adds `count` icons under the keys k1, k2 ... from one readable file.
  void AddIcons(int count) {
    for (int i = 1; i <= count; ++i) {
      Do(Kind::kTypeKey, Key(i));
      Do(Kind::kBrowse, Asset("mail.ico").string());
    }
  }
  prpImage& Page() { return designer.Page(); }
  const std::vector<headless::MessageBoxRecord>& Boxes() { return host.Record().messageBoxes; }

  headless::HeadlessHost host;
  std::shared_ptr<InternalAlphaImg> holder = std::make_shared<InternalAlphaImg>();
  headless::IconPageDesigner designer{host};
};

struct KeyCase {
  const char* typed;
  bool browseEnabled;
  const char* storedKey;  // "" and "key_" stand for themselves; "key_" gets the path
  bool numericMessage;
};

class KeyRules : public IconPageTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyRules, EnableBrowseAndGiveTheStoredKey) {
  const KeyCase& c = GetParam();
  Do(Kind::kTypeKey, c.typed);
  EXPECT_EQ(Page().ItemEnabled(kCommand1), c.browseEnabled);
  host.FileDialogs().ChooseNext(Asset("web.ico").string());
  Page().Command1_Click();  // also when the button is disabled
  std::string expected = c.storedKey;
  if (expected == kPathKeyPrefix) expected += Asset("web.ico").string();
  EXPECT_EQ(Keys(holder->Icons()), std::vector<std::string>{expected});
  EXPECT_EQ(Boxes().size(), c.numericMessage ? 1u : 0u);
  if (c.numericMessage) {
    EXPECT_EQ(Boxes()[0].prompt, kNumericKeyMessage);
    EXPECT_EQ(Boxes()[0].buttons, int32_t{host::MB_OK | host::MB_ICONINFORMATION});
  }
  EXPECT_EQ(Page().KeyText(), "");
  EXPECT_EQ(designer.ChangesMarked(), 1);
}

INSTANTIATE_TEST_SUITE_P(IconPage, KeyRules,
                         ::testing::Values(KeyCase{"mail", true, "mail", false},
                                           KeyCase{"  Mail 2 ", true, "Mail 2", false},
                                           KeyCase{"7up", false, "", true},
                                           KeyCase{" 7", false, "", true},
                                           KeyCase{"   ", false, "key_", false}));

TEST_F(IconPageTest, BrowseWithTheUntouchedEmptyKeyUsesThePath) {
  EXPECT_TRUE(Page().ItemEnabled(kCommand1));
  Do(Kind::kBrowse, Asset("notes.png").string());
  EXPECT_EQ(Keys(holder->Icons()), std::vector<std::string>{"key_" + Asset("notes.png").string()});
  EXPECT_EQ(Page().FileName(), Asset("notes.png").string());
}

TEST_F(IconPageTest, BrowseAsksForTheDialogWithItsFilters) {
  Do(Kind::kCancelBrowse);
  ASSERT_EQ(host.FileDialogs().Requests().size(), 1u);
  const host::OpenFileRequest& asked = host.FileDialogs().Requests()[0];
  EXPECT_EQ(asked.title, "Select an image to add...");
  EXPECT_EQ(asked.filterIndex, 1);
  EXPECT_EQ(asked.defaultExtension, "ICO");
  using namespace std::string_literals;
  EXPECT_EQ(host::FilterString(asked.filters),
            "Common image files (*.ico,*.bmp,*.png,*.gif,*.jpg,*.cur)\0"
            "*.bmp;*.gif;*.jpg;*.ico;*.png;*.cur\0Icon files (*.ico)\0*.ico\0"
            "PNG files (*.png)\0*.png\0Bitmap files (*.bmp)\0*.bmp\0GIF files (*.gif)\0*.gif\0"
            "JPG files (*.jpg)\0*.jpg\0Cursor files (*.cur)\0*.cur\0All Files (*.*)\0*.*\0"s);
  EXPECT_EQ(holder->Icons().Count(), 0);
  EXPECT_EQ(designer.ChangesMarked(), 0);
}

class Paging : public IconPageTest, public ::testing::WithParamInterface<int> {};

// Pressing "next" while it is enabled reaches the last set; each set shows its icons.
TEST_P(Paging, WalksTheSetsWithinBounds) {
  const int count = GetParam();
  AddIcons(count);
  const int lastPage = (count - 1) / kIconsPerPage;
  for (int page = 0; page <= lastPage; ++page) {
    EXPECT_EQ(Page().Page(), page);
    EXPECT_EQ(Page().ItemEnabled(kCmdNavPrevious), page > 0);
    EXPECT_EQ(Page().ItemEnabled(kCmdNavNext), page < lastPage);
    // The last slot of the set selects the set's last icon.
    const int shown = std::min(kIconsPerPage, count - page * kIconsPerPage);
    Do(Kind::kClickPreview, "", kFirstSlotX + (shown - 1) * kSlotPitch + kSlotHitWidth);
    EXPECT_EQ(Page().SelectedKey(), Key(page * kIconsPerPage + shown));
    Do(Kind::kClick, kCmdNavNext);
  }
  EXPECT_EQ(Page().Page(), lastPage);
  for (int i = 0; i <= lastPage; ++i)
    Do(Kind::kClick, kCmdNavPrevious);
  EXPECT_EQ(Page().Page(), 0);
}

INSTANTIATE_TEST_SUITE_P(IconPage, Paging, ::testing::Values(1, 15, 16, 31));

TEST_F(IconPageTest, ClicksOutsideTheSlotsSelectNothing) {
  AddIcons(3);
  const std::pair<int32_t, const char*> clicks[] = {{5, ""},    {6, "k1"}, {26, "k1"}, {27, "k2"},
                                                    {68, "k3"}, {69, ""},  {0, ""}};
  for (const auto& [x, key] : clicks) {
    Page().cmdNav_Click(1);  // stays on the first set, clears the key box and the selection
    Do(Kind::kClickPreview, "", x);
    EXPECT_EQ(Page().KeyText(), key) << x;
    EXPECT_EQ(Page().ItemEnabled(kCmdDeleteIcon), *key != '\0') << x;
  }
  Do(Kind::kClickPreview, "", 30);
  Do(Kind::kClick, kCmdDeleteIcon);
  EXPECT_EQ(Keys(holder->Icons()), (std::vector<std::string>{"k1", "k3"}));
  EXPECT_FALSE(Page().ItemEnabled(kCmdDeleteIcon));
}

TEST_F(IconPageTest, DeleteAllEmptiesAtOnceAndAnAddClearsThePendingFlag) {
  AddIcons(2);
  Do(Kind::kDeleteAll, "", 0, /*confirm=*/false);
  EXPECT_EQ(holder->Icons().Count(), 2);
  Do(Kind::kDeleteAll);
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[1].prompt, kDeleteAllQuestion);
  EXPECT_EQ(Boxes()[1].title, kDeleteAllTitle);
  EXPECT_EQ(Boxes()[1].buttons,
            int32_t{host::MB_YESNO | host::MB_ICONQUESTION | host::MB_DEFBUTTON2});
  EXPECT_EQ(holder->Icons().Count(), 0);
  EXPECT_TRUE(Page().DeleteAllPending());
  EXPECT_EQ(designer.ChangesMarked(), 3);
  // An unanswered question takes its default button, No.
  EXPECT_EQ(headless::DefaultButton(Boxes()[1].buttons), host::IDNO);

  AddIcons(1);
  EXPECT_FALSE(Page().DeleteAllPending());
  Do(Kind::kApply);
  Do(Kind::kClose);
  EXPECT_EQ(Keys(holder->Icons()), std::vector<std::string>{"k1"});
}

TEST_F(IconPageTest, UnreadableAndHostileFilesLeaveTheStoreAsItWas) {
  AddIcons(1);
  const std::filesystem::path dir = ::testing::TempDir();
  using namespace std::string_literals;
  const std::pair<const char*, std::string> files[] = {
      {"missing.ico", "-"},
      {"empty.png", ""},
      {"junk.ico", "\0\0\1\0\xff\xff"s + std::string(64, '\x7f')},
      {"huge.png", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\x7f\xff\xff\xff\x7f\xff\xff\xff\x08\x06"s},
      {"wide.png", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x1e\0\0\0\x14\x08\x06\0\0\0"s},
      {"junk.bmp", "BM"s + std::string(60, '\xff')},
      {"junk.cur", "\0\0\2\0\1\0"s + std::string(16, '\xff')},
  };
  for (const auto& [name, bytes] : files) {
    const std::string path = (dir / name).string();
    if (bytes != "-") std::ofstream(path, std::ios::binary) << bytes;
    Do(Kind::kTypeKey, name);
    Do(Kind::kBrowse, path);
  }
  Do(Kind::kBrowse, dir.string());  // a folder
  EXPECT_EQ(Keys(holder->Icons()), std::vector<std::string>{"k1"});
}

TEST(PreviewLayout, IconsSitAtHalfTheStripLessEightTiesToEven) {
  const std::pair<int32_t, int32_t> cases[] = {{33, 8}, {35, 10}, {34, 9}, {16, 0}};
  for (const auto& [height, y] : cases)
    EXPECT_EQ(LayOutPreview(1, 0, 0, height).iconY, y) << height;
}

TEST_F(IconPageTest, TheSelectionMarkIsOutlinedBehindItsSlot) {
  AddIcons(2);
  const render::SchemePalette palette = holder->GetSchemeColours();
  platform::ColorRef dark = 0;
  platform::OleTranslateColor(palette[render::Slot::HighlightDark], &dark);
  const auto pixel = [&](int32_t x, int32_t y) {
    return platform::GetPixel(*Page().Preview().hDC(), x, y) & 0xFFFFFF;
  };
  EXPECT_NE(pixel(kSlotPitch + 2, 2), dark);
  Do(Kind::kClickPreview, "", kFirstSlotX + kSlotPitch);
  // The second slot's mark: left edge 4 pixels before the icon, 23 wide, 2 from the edges.
  const int32_t left = kFirstSlotX + kSlotPitch - 4;
  const int32_t bottom = Page().Preview().Height() - 3;
  const std::pair<int32_t, int32_t> corners[] = {
      {left, 2}, {left + 22, 2}, {left, bottom}, {left + 22, bottom}};
  for (const auto& [x, y] : corners)
    EXPECT_EQ(pixel(x, y), dark) << x << "," << y;
  EXPECT_NE(pixel(left - 1, 2), dark);
}

// A selected container is edited through its own icon store: adds, removes and Delete All
// reach it, and the preview takes its scheme colours.
TEST_F(IconPageTest, AContainerIsEditedThroughItsOwnIconStore) {
  const host::WindowHandle form = host.CreateForm("Form1", {0, 0, 300, 300});
  NorvaleContainer box{*host.AddSite(form, "Box1", 0, 0, 3000, 3000, host::kContainerTypeName)};
  box.InitProperties();
  designer.Select(&box);
  AddIcons(2);
  const core::IconStore& icons = container::ContainerAccess::Of(box).Icons();
  EXPECT_EQ(Keys(icons), (std::vector<std::string>{"k1", "k2"}));
  EXPECT_EQ(holder->Icons().Count(), 0);
  Do(Kind::kDeleteAll);
  EXPECT_EQ(icons.Count(), 0);
}

}  // namespace
}  // namespace wayband::proppage
