// The desktop settings stand-in: colour translation, change notification, the OS tests,
// the registry value, the visual-style service and the presets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop_fixture.h"
#include "platform/ascii_text.h"
#include "platform/device_caps.h"
#include "platform/registry.h"
#include "platform/visual_styles.h"
#include "render/scheme/color_xp.h"
#include "render/scheme/scheme_tables.h"
#include "render/scheme/scheme_update.h"

namespace wayband::test {
namespace {

using platform::DesktopChange;

class DesktopSettingsTest : public DesktopTest {};

TEST_F(DesktopSettingsTest, OleTranslateColorRules) {
  UsePreset("Windows Classic");
  const struct {
    uint32_t in;
    bool ok;
    uint32_t out;  // what was written (DEADBEEF: nothing)
  } cases[] = {
      {0x00123456, true, 0x00123456},
      {0x8000000D, true, FromRedFirst(0x000080)},
      {0x8000001E, true, platform::GetSysColor(30)},  // the last index
      {0x01000003, true, 0x01000003},
      {0x8000001F, false, 0xDEADBEEF},
      {0x80000105, false, 0xDEADBEEF},
      {0x03000000, false, 0xDEADBEEF},
      {0x7FFFFFFF, false, 0xDEADBEEF},
      {0xFFFFFFFF, false, 0xDEADBEEF},
  };
  for (const auto& c : cases) {
    platform::ColorRef out = 0xDEADBEEF;
    EXPECT_EQ(platform::OleTranslateColor(c.in, &out), c.ok) << std::hex << c.in;
    EXPECT_EQ(out, c.out) << std::hex << c.in;
  }
  EXPECT_EQ(platform::GetSysColor(-1), 0u);
  EXPECT_EQ(platform::GetSysColor(31), 0u);
}

TEST_F(DesktopSettingsTest, ListenersHearWhatChanged) {
  std::vector<DesktopChange> heard;
  auto subscription = Desktop().Subscribe([&](DesktopChange c) { heard.push_back(c); });
  Desktop().SetSysColor(platform::COLOR_HIGHLIGHT, 0x123456);
  Desktop().SetSysColor(platform::COLOR_HIGHLIGHT, 0x123456);  // no change, no notice
  Desktop().SetSysColor(99, 0x123456);                         // ignored
  Desktop().SetColorDepth(8);
  Desktop().SetAppStyled(false);
  Desktop().SetAppearance(platform::AppearanceName("Brick"));
  EXPECT_EQ(heard, (std::vector{DesktopChange::kSysColors, DesktopChange::kDisplay,
                                DesktopChange::kVisualStyle, DesktopChange::kSettings}));
  heard.clear();
  UsePreset(platform::kPresetVersion6);
  ASSERT_EQ(heard.size(), 1u);
  for (DesktopChange part : {DesktopChange::kSysColors, DesktopChange::kSettings,
                             DesktopChange::kVisualStyle, DesktopChange::kDisplay})
    EXPECT_TRUE(HasChange(heard[0], part));
  subscription.Reset();
  heard.clear();
  Desktop().SetLogicalDpi(120);
  EXPECT_TRUE(heard.empty());
}

TEST_F(DesktopSettingsTest, ListenersMayChangeSubscriptionsAndSettingsWhileNotified) {
  const size_t before = Desktop().ListenerCount();
  int firstCalls = 0, secondCalls = 0;
  platform::DesktopSubscription second;
  auto first = Desktop().Subscribe([&](DesktopChange) {
    ++firstCalls;
    second.Reset();  // removes a listener not yet called
    if (Desktop().State().colorDepth == 16) Desktop().SetColorDepth(24);  // nested change
  });
  second = Desktop().Subscribe([&](DesktopChange) { ++secondCalls; });
  Desktop().SetColorDepth(16);
  EXPECT_EQ(firstCalls, 2);  // the change and the nested one
  EXPECT_EQ(secondCalls, 0);
  EXPECT_EQ(Desktop().State().colorDepth, 24);
  first.Reset();
  EXPECT_EQ(Desktop().ListenerCount(), before);
}

TEST(OsVersionTests, FamiliesAndVersions) {
  using platform::OsVersion;
  using platform::PlatformId;
  const struct {
    OsVersion version;
    bool xpOrLater, vista, first95, nt4OrLater;
  } cases[] = {
      {{PlatformId::kNT, 4, 0, 1381}, false, false, false, true},
      {{PlatformId::kNT, 5, 0, 2195}, false, false, false, true},
      {{PlatformId::kNT, 5, 1, 2600}, true, false, false, true},
      {{PlatformId::kNT, 5, 2, 3790}, true, false, false, true},
      {{PlatformId::kNT, 6, 1, 7600}, true, true, false, true},
      {{PlatformId::kNT, 10, 0, 19045}, true, false, false, true},
      {{PlatformId::kWindows, 4, 0, 950}, false, false, true, false},
      {{PlatformId::kWindows, 4, 0, 1111}, false, false, false, false},
      {{PlatformId::kWindows, 4, 10, 1998}, false, false, false, false},
      {{PlatformId::kWindows, 6, 0, 0}, true, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.version.major << "." << c.version.minor);
    EXPECT_EQ(IsXPOrLater(c.version), c.xpOrLater);
    EXPECT_EQ(IsVistaFamily(c.version), c.vista);
    EXPECT_EQ(IsWindows95FirstRelease(c.version), c.first95);
    EXPECT_EQ(IsNT4OrLater(c.version), c.nt4OrLater);
  }
  const platform::OsFlags flags = platform::ComputeOsFlags({PlatformId::kNT, 6, 0, 6000});
  EXPECT_TRUE(flags.atLeast4_10 && flags.atLeast5_0 && flags.atLeast5_1 && flags.clearTypeQuality);
  EXPECT_TRUE(platform::ComputeOsFlags({PlatformId::kWindows, 4, 10, 1998}).atLeast4_10);
  EXPECT_FALSE(platform::ComputeOsFlags({PlatformId::kNT, 5, 0, 2195}).clearTypeQuality);
}

TEST_F(DesktopSettingsTest, OsFlagsAreReadOnceUntilRecordedAgain) {
  UsePreset("Windows Standard");
  Desktop().SetVersion({platform::PlatformId::kNT, 6, 0, 6000});
  EXPECT_FALSE(platform::RecordedOsFlags().vistaFamily);
  platform::RecordOsFlags();
  EXPECT_TRUE(platform::RecordedOsFlags().vistaFamily);
}

TEST_F(DesktopSettingsTest, AppearanceSchemeReadsTheStoredCharacters) {
  using Status = platform::AppearanceValue::Status;
  const struct {
    platform::AppearanceValue value;
    std::string expected;
  } cases[] = {
      {platform::AppearanceName("Brick"), "Brick"},
      {{Status::kPresent, "Brick"}, "Brick"},  // stored without its NUL
      {{Status::kPresent, std::string("Brick\0\0", 7)}, std::string("Brick\0", 6)},
      {{Status::kPresent, ""}, ""},
      {{Status::kPresent, std::string(1, '\0')}, ""},
      {{Status::kKeyMissing, "Brick"}, ""},
      {{Status::kValueMissing, "Brick"}, ""},
      {{Status::kUnreadable, "Brick"}, ""},
  };
  for (const auto& c : cases) {
    Desktop().SetAppearance(c.value);
    EXPECT_EQ(render::ReadAppearanceScheme(), c.expected);
    EXPECT_EQ(platform::OpenRegistryKeyCount(), 0u);
  }
  platform::RegistryKey key = 0;
  EXPECT_EQ(platform::RegOpenKeyExA(platform::HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, &key),
            platform::ERROR_FILE_NOT_FOUND);
}

TEST_F(DesktopSettingsTest, VisualStyleQueriesFailCleanly) {
  UsePreset(platform::kPresetStyledNormalColor);
  const platform::ThemeHandle theme = platform::OpenThemeData(kWindow, "Nothing;button");
  ASSERT_NE(theme, 0u);
  const auto border = [&](int state, int property, platform::ColorRef* color) {
    return platform::GetThemeColor(theme, platform::BP_PUSHBUTTON, state, property, color);
  };
  platform::ColorRef color = 0;
  EXPECT_TRUE(border(platform::PBS_DEFAULTED, platform::TMT_BORDERCOLORHINT, &color));
  EXPECT_EQ(color, FromRedFirst(0x003C74));
  EXPECT_FALSE(border(3, 9999, &color));
  EXPECT_TRUE(platform::CloseThemeData(theme));
  EXPECT_FALSE(platform::CloseThemeData(theme));
  EXPECT_FALSE(border(platform::PBS_DEFAULTED, platform::TMT_BORDERCOLORHINT, &color));
  EXPECT_EQ(platform::OpenThemeData(kWindow, "Nothing"), 0u);

  // A name that does not fit its 256-character buffer makes the names unreadable; names
  // are cut at their first NUL.
  platform::VisualStyle style = *Desktop().State().visualStyle;
  render::CColorXP builder;
  for (const auto& [file, read] :
       {std::pair{std::string(256, 'x'), std::string()},
        {std::string("Style.msstyles\0junk", 19), std::string("Style.msstyles")}}) {
    style.fileName = file;
    Desktop().SetVisualStyle(style);
    builder.ReadThemeNames();
    EXPECT_EQ(builder.ThemeFileName(), read);
    EXPECT_EQ(builder.ThemeColorName(), read.empty() ? "" : "NormalColor");
  }

  EXPECT_TRUE(platform::IsAppThemed());
  Desktop().SetVisualStylesLibraryLoads(false);
  EXPECT_FALSE(platform::IsAppThemed());
  EXPECT_FALSE(render::CColorXP::IsWindowStyled(kWindow));
  Desktop().SetVisualStylesLibraryLoads(true);
  EXPECT_TRUE(render::CColorXP::IsWindowStyled(kWindow));
  EXPECT_FALSE(render::CColorXP::IsWindowStyled(0));
  Desktop().SetVersion({platform::PlatformId::kNT, 5, 0, 2195});
  platform::RecordOsFlags();
  EXPECT_FALSE(render::CColorXP::IsWindowStyled(kWindow));
  EXPECT_EQ(platform::OpenThemeHandleCount(), 0u);
}

TEST_F(DesktopSettingsTest, EachPresetHasItsSchemeRowAndTheColoursItWasTunedFor) {
  const std::vector<std::string_view> names = platform::DesktopPresetNames();
  EXPECT_GE(names.size(), 17u);
  EXPECT_EQ(platform::DefaultDesktopState(),
            *platform::FindDesktopPreset(platform::kPresetStyledNormalColor));
  EXPECT_FALSE(platform::FindDesktopPreset("windows standard").has_value());
  for (std::string_view name : names) {
    SCOPED_TRACE(std::string(name));
    UsePreset(name);
    const platform::DesktopState& state = Desktop().State();
    const std::string key = platform::ToUpperAscii(
        state.visualStyle ? state.visualStyle->colorName : render::ReadAppearanceScheme());
    EXPECT_NE(render::FindSchemeRow(key, state.appStyled), nullptr);
    if (key.starts_with("HIGH CONTRAST") || IsVistaFamily(state.version)) continue;
    const auto expected = render::FindExpectedColors(key).value_or(render::ExpectedColors{});
    EXPECT_EQ(platform::GetSysColor(platform::COLOR_WINDOW),
              render::SchemeCellColor(expected.window));
    EXPECT_EQ(platform::GetSysColor(platform::COLOR_BTNFACE),
              render::SchemeCellColor(expected.face));
    EXPECT_EQ(platform::GetSysColor(platform::COLOR_HIGHLIGHT),
              render::SchemeCellColor(expected.highlight));
  }
  Desktop().SetColorDepth(16);
  Desktop().SetLogicalDpi(144);
  EXPECT_EQ(platform::DesktopDeviceCaps(platform::BITSPIXEL), 16);
  EXPECT_EQ(platform::DesktopDeviceCaps(platform::LOGPIXELSY), 144);
  EXPECT_EQ(platform::DesktopDeviceCaps(999), 0);
}

}  // namespace
}  // namespace wayband::test
