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
#include "scheme_table_transcription.h"

namespace wayband::test {
namespace {

using platform::DesktopChange;

class DesktopSettingsTest : public DesktopTest {};

TEST_F(DesktopSettingsTest, OleTranslateColorRules) {
  UsePreset("Windows Classic");
  platform::ColorRef out = 0xDEADBEEF;
  EXPECT_TRUE(platform::OleTranslateColor(0x00123456, &out));
  EXPECT_EQ(out, 0x00123456u);
  EXPECT_TRUE(platform::OleTranslateColor(0x8000000D, &out));
  EXPECT_EQ(out, FromRedFirst(0x000080));
  EXPECT_TRUE(platform::OleTranslateColor(0x8000001E, &out));  // index 30, the last
  EXPECT_TRUE(platform::OleTranslateColor(0x01000003, &out));
  EXPECT_EQ(out, 0x01000003u);
  out = 0xDEADBEEF;
  for (uint32_t bad :
       {0x8000001Fu, 0x800000FFu, 0x80000105u, 0x03000000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    EXPECT_FALSE(platform::OleTranslateColor(bad, &out)) << std::hex << bad;
  }
  EXPECT_EQ(out, 0xDEADBEEFu);
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
  ASSERT_EQ(heard.size(), 4u);
  EXPECT_EQ(heard[0], DesktopChange::kSysColors);
  EXPECT_EQ(heard[1], DesktopChange::kDisplay);
  EXPECT_EQ(heard[2], DesktopChange::kVisualStyle);
  EXPECT_EQ(heard[3], DesktopChange::kSettings);

  heard.clear();
  UsePreset(platform::kPresetVersion6);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_TRUE(HasChange(heard[0], DesktopChange::kSysColors));
  EXPECT_TRUE(HasChange(heard[0], DesktopChange::kSettings));
  EXPECT_TRUE(HasChange(heard[0], DesktopChange::kVisualStyle));
  EXPECT_TRUE(HasChange(heard[0], DesktopChange::kDisplay));

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
  const OsVersion nt4{PlatformId::kNT, 4, 0, 1381}, w2k{PlatformId::kNT, 5, 0, 2195},
      xp{PlatformId::kNT, 5, 1, 2600}, s2003{PlatformId::kNT, 5, 2, 3790},
      v6{PlatformId::kNT, 6, 0, 6000}, v61{PlatformId::kNT, 6, 1, 7600},
      v10{PlatformId::kNT, 10, 0, 19045}, w95{PlatformId::kWindows, 4, 0, 950},
      w95b{PlatformId::kWindows, 4, 0, 1111}, w98{PlatformId::kWindows, 4, 10, 1998};
  EXPECT_FALSE(IsXPOrLater(nt4));
  EXPECT_FALSE(IsXPOrLater(w2k));
  EXPECT_TRUE(IsXPOrLater(xp));
  EXPECT_TRUE(IsXPOrLater(s2003));
  EXPECT_TRUE(IsXPOrLater(v10));
  EXPECT_FALSE(IsXPOrLater(w98));
  EXPECT_TRUE(IsVistaFamily(v6));
  EXPECT_TRUE(IsVistaFamily(v61));
  EXPECT_FALSE(IsVistaFamily(v10));
  EXPECT_FALSE(IsVistaFamily(OsVersion{PlatformId::kWindows, 6, 0, 0}));
  EXPECT_TRUE(IsWindows95FirstRelease(w95));
  EXPECT_FALSE(IsWindows95FirstRelease(w95b));
  EXPECT_TRUE(IsNT4OrLater(nt4));
  EXPECT_FALSE(IsNT4OrLater(w98));
  const platform::OsFlags flags = platform::ComputeOsFlags(v6);
  EXPECT_TRUE(flags.atLeast4_10 && flags.atLeast5_0 && flags.atLeast5_1 && flags.clearTypeQuality);
  EXPECT_TRUE(platform::ComputeOsFlags(w98).atLeast4_10);
  EXPECT_FALSE(platform::ComputeOsFlags(w2k).clearTypeQuality);
}

TEST_F(DesktopSettingsTest, OsFlagsAreReadOnceUntilRecordedAgain) {
  UsePreset("Windows Standard");
  EXPECT_FALSE(platform::RecordedOsFlags().vistaFamily);
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
  EXPECT_TRUE(platform::IsAppThemed());
  const platform::ThemeHandle theme = platform::OpenThemeData(kWindow, "Nothing;button");
  ASSERT_NE(theme, 0u);
  platform::ColorRef color = 0;
  EXPECT_TRUE(platform::GetThemeColor(theme, platform::BP_PUSHBUTTON, platform::PBS_DEFAULTED,
                                      platform::TMT_BORDERCOLORHINT, &color));
  EXPECT_EQ(color, FromRedFirst(0x003C74));
  EXPECT_FALSE(platform::GetThemeColor(theme, platform::BP_PUSHBUTTON, 3, 9999, &color));
  EXPECT_TRUE(platform::CloseThemeData(theme));
  EXPECT_FALSE(platform::CloseThemeData(theme));
  EXPECT_FALSE(platform::GetThemeColor(theme, platform::BP_PUSHBUTTON, platform::PBS_DEFAULTED,
                                       platform::TMT_BORDERCOLORHINT, &color));
  EXPECT_EQ(platform::OpenThemeData(kWindow, "Nothing"), 0u);

  // A name that does not fit its 256-character buffer makes the names unreadable.
  platform::VisualStyle style = *Desktop().State().visualStyle;
  style.fileName = std::string(256, 'x');
  Desktop().SetVisualStyle(style);
  render::CColorXP builder;
  builder.ReadThemeNames();
  EXPECT_EQ(builder.ThemeFileName(), "");
  EXPECT_EQ(builder.ThemeColorName(), "");
  // Names are cut at their first NUL.
  style.fileName = std::string("Style.msstyles\0junk", 19);
  Desktop().SetVisualStyle(style);
  builder.ReadThemeNames();
  EXPECT_EQ(builder.ThemeFileName(), "Style.msstyles");
  EXPECT_EQ(builder.ThemeColorName(), "NormalColor");

  Desktop().SetVisualStylesLibraryLoads(false);
  EXPECT_FALSE(platform::IsAppThemed());
  EXPECT_FALSE(render::CColorXP::IsWindowStyled(kWindow));
  Desktop().SetVisualStylesLibraryLoads(true);
  EXPECT_TRUE(render::CColorXP::IsWindowStyled(kWindow));
  EXPECT_FALSE(render::CColorXP::IsWindowStyled(0));
  Use([] {
    platform::DesktopState s = platform::CurrentDesktop().State();
    s.version = {platform::PlatformId::kNT, 5, 0, 2195};
    return s;
  }());
  EXPECT_FALSE(render::CColorXP::IsWindowStyled(kWindow));
  EXPECT_EQ(platform::OpenThemeHandleCount(), 0u);
}

TEST_F(DesktopSettingsTest, PresetsMatchTheirSchemeRows) {
  const std::vector<std::string_view> names = platform::DesktopPresetNames();
  EXPECT_GE(names.size(), 17u);
  EXPECT_EQ(platform::DefaultDesktopState(),
            *platform::FindDesktopPreset(platform::kPresetStyledNormalColor));
  EXPECT_FALSE(platform::FindDesktopPreset("windows standard").has_value());
  for (std::string_view name : names) {
    SCOPED_TRACE(std::string(name));
    UsePreset(name);
    const platform::DesktopState& state = Desktop().State();
    const std::string key = state.visualStyle
                                ? platform::ToUpperAscii(state.visualStyle->colorName)
                                : platform::ToUpperAscii(render::ReadAppearanceScheme());
    EXPECT_NE(render::FindSchemeRow(key, state.appStyled), nullptr);
    // Each preset's window, face and highlight are the ones its row was tuned for.
    const auto expected = render::FindExpectedColors(key).value_or(render::ExpectedColors{});
    if (key.starts_with("HIGH CONTRAST") || IsVistaFamily(state.version)) continue;
    EXPECT_EQ(platform::GetSysColor(platform::COLOR_WINDOW),
              render::SchemeCellColor(expected.window));
    EXPECT_EQ(platform::GetSysColor(platform::COLOR_BTNFACE),
              render::SchemeCellColor(expected.face));
    EXPECT_EQ(platform::GetSysColor(platform::COLOR_HIGHLIGHT),
              render::SchemeCellColor(expected.highlight));
  }
}

TEST_F(DesktopSettingsTest, DeviceCapsAnswerFromTheDisplay) {
  Desktop().SetColorDepth(16);
  Desktop().SetLogicalDpi(144);
  EXPECT_EQ(platform::DesktopDeviceCaps(platform::BITSPIXEL), 16);
  EXPECT_EQ(platform::DesktopDeviceCaps(platform::LOGPIXELSY), 144);
  EXPECT_EQ(platform::DesktopDeviceCaps(999), 0);
}

}  // namespace
}  // namespace wayband::test
