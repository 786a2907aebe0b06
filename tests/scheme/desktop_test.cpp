// The desktop settings stand-in (colour translation, change notification, the OS tests,
// the registry value, the visual-style service and the presets) and how the scheme
// follows it: the update's change result, the poll tick, the refresh hook and the
// low-colour display flag.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "desktop_fixture.h"
#include "platform/ascii_text.h"
#include "platform/device_caps.h"
#include "platform/drawing_context.h"
#include "platform/registry.h"
#include "platform/visual_styles.h"
#include "render/scheme/color_xp.h"
#include "render/scheme/low_color_display.h"
#include "render/scheme/scheme_tables.h"
#include "render/scheme/scheme_update.h"

namespace wayband::test {
namespace {

using platform::DesktopChange;
using render::SchemePalette;
using render::Slot;

class DesktopSettingsTest : public DesktopTest {};

TEST_F(DesktopSettingsTest, OleTranslateColorRules) {
  UsePreset("Windows Classic");
  const struct {
    uint32_t in;
    bool ok;
    uint32_t out;  // what was written (DEADBEEF: nothing)
  } cases[] = {
      // clang-format off
      {0x00123456, true, 0x00123456}, {0x8000000D, true, FromRedFirst(0x000080)},
      {0x8000001E, true, platform::GetSysColor(30)},  // the last index
      {0x01000003, true, 0x01000003}, {0x8000001F, false, 0xDEADBEEF},
      {0x80000105, false, 0xDEADBEEF}, {0x03000000, false, 0xDEADBEEF},
      {0x7FFFFFFF, false, 0xDEADBEEF}, {0xFFFFFFFF, false, 0xDEADBEEF},
      // clang-format on
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

TEST_F(DesktopSettingsTest, OsFamiliesVersionsAndFlagsReadOnceUntilRecordedAgain) {
  using platform::PlatformId;
  const struct {
    platform::OsVersion version;
    bool xpOrLater, vista, first95, nt4OrLater;
  } cases[] = {
      // clang-format off
      {{PlatformId::kNT, 4, 0, 1381}, false, false, false, true},
      {{PlatformId::kNT, 5, 0, 2195}, false, false, false, true},
      {{PlatformId::kNT, 5, 1, 2600}, true, false, false, true},
      {{PlatformId::kNT, 6, 1, 7600}, true, true, false, true},
      {{PlatformId::kNT, 10, 0, 19045}, true, false, false, true},
      {{PlatformId::kWindows, 4, 0, 950}, false, false, true, false},
      {{PlatformId::kWindows, 4, 0, 1111}, false, false, false, false},
      {{PlatformId::kWindows, 6, 0, 0}, true, false, false, false},
      // clang-format on
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
  EXPECT_FALSE(platform::ComputeOsFlags({PlatformId::kNT, 5, 0, 2195}).clearTypeQuality);
  UsePreset("Windows Standard");
  Desktop().SetVersion({PlatformId::kNT, 6, 0, 6000});
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
      // clang-format off
      {platform::AppearanceName("Brick"), "Brick"},
      {{Status::kPresent, "Brick"}, "Brick"},  // stored without its NUL
      {{Status::kPresent, std::string("Brick\0\0", 7)}, std::string("Brick\0", 6)},
      {{Status::kPresent, ""}, ""}, {{Status::kPresent, std::string(1, '\0')}, ""},
      {{Status::kKeyMissing, "Brick"}, ""},
      {{Status::kValueMissing, "Brick"}, ""}, {{Status::kUnreadable, "Brick"}, ""},
      // clang-format on
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

  // A name that does not fit its 256-character buffer makes the names unreadable.
  platform::VisualStyle style = *Desktop().State().visualStyle;
  style.fileName = std::string(256, 'x');
  Desktop().SetVisualStyle(style);
  render::CColorXP builder;
  builder.ReadThemeNames();
  EXPECT_EQ(builder.ThemeColorName(), "");
  // Without the library, or before version 5.1, no window is styled.
  Desktop().SetVisualStylesLibraryLoads(false);
  EXPECT_FALSE(platform::IsAppThemed());
  EXPECT_FALSE(render::CColorXP::IsWindowStyled(kWindow));
  Desktop().SetVisualStylesLibraryLoads(true);
  EXPECT_TRUE(render::CColorXP::IsWindowStyled(kWindow));
  EXPECT_FALSE(render::CColorXP::IsWindowStyled(0));
  EXPECT_FALSE(platform::FindDesktopPreset("windows standard").has_value());  // exact names
  Desktop().SetVersion({platform::PlatformId::kNT, 5, 0, 2195});
  platform::RecordOsFlags();
  EXPECT_FALSE(render::CColorXP::IsWindowStyled(kWindow));
  EXPECT_EQ(platform::OpenThemeHandleCount(), 0u);
}

class SchemeUpdate : public DesktopTest {};

TEST_F(SchemeUpdate, ReportsChangesOfTheWatchedSlotsOnly) {
  const SchemePalette current = render::BuildCurrentPalette(kWindow, true);
  SchemePalette palette = current;
  EXPECT_EQ(render::UpdateColorScheme(palette, kWindow), 0);
  for (Slot watched : {Slot::HotFill, Slot::SelectedFill, Slot::FaceTint, Slot::StyledBarTop}) {
    palette = current;
    palette[watched] ^= 1;
    EXPECT_EQ(render::UpdateColorScheme(palette, kWindow), 1) << static_cast<int>(watched);
    EXPECT_EQ(palette, current);
  }
  for (size_t s = 0; s < render::kSchemeSlotCount; ++s) {
    if (s != 8 && s != 16 && s != 27 && s != 36) palette[s] ^= 0x10;
  }
  EXPECT_EQ(render::UpdateColorScheme(palette, kWindow), 0);
  EXPECT_EQ(palette, current);  // rebuilt all the same
}

class FakeControl : public render::SchemeControl {
 public:
  int32_t SchemeWindow() const override { return 0x99; }
  SchemePalette& SchemeColors() override { return palette; }
  bool PollingNeeded() const override { return polling; }
  const platform::DrawingContext* SchemeDrawingContext() const override { return context; }
  void Refresh() override { ++refreshes; }
  void RefreshNorvaleContainers() override { ++containerRefreshes; }

  SchemePalette palette;
  bool polling = true;
  const platform::DrawingContext* context = nullptr;
  int refreshes = 0;
  int containerRefreshes = 0;
};

TEST_F(SchemeUpdate, PollTickRefreshesOnlyAfterAChangeAndTheHookOnlyWhilePolling) {
  FakeControl control;
  control.polling = false;
  render::SchemeRefreshHook(control);
  EXPECT_EQ(control.palette, SchemePalette{});
  control.polling = true;
  render::SchemeRefreshHook(control);
  EXPECT_EQ(control.palette, render::BuildCurrentPalette(0x99, true));
  EXPECT_EQ(control.refreshes, 0);  // the hook runs inside a refresh; it does not start one

  render::CheckLowColorDisplay(nullptr);  // 32 bits per pixel
  Desktop().SetColorDepth(8);
  render::ColorTimerThatTime(control);  // nothing changed: no refresh, no depth check
  EXPECT_EQ(control.refreshes, 0);
  EXPECT_FALSE(render::LowColorDisplay());

  UsePreset(platform::kPresetStyledMetallic);
  Desktop().SetColorDepth(8);
  const auto context = platform::DrawingContext::CreateCompatible(nullptr);
  control.context = context.get();
  render::ColorTimerThatTime(control);
  EXPECT_EQ(control.refreshes, 1);
  EXPECT_EQ(control.containerRefreshes, 1);
  EXPECT_TRUE(render::LowColorDisplay());
  EXPECT_EQ(control.palette[Slot::StyledBarTop], FromRedFirst(0xEFE7F7));
  Desktop().SetColorDepth(32);
  render::CheckLowColorDisplay(nullptr);
}

TEST_F(SchemeUpdate, LowColorDisplayMeansOneToEightBitsPerPixel) {
  for (const auto& [bits, low] :
       {std::pair{1, true}, {8, true}, {9, false}, {32, false}, {0, false}, {-1, false}}) {
    Desktop().SetColorDepth(bits);
    EXPECT_EQ(render::CheckLowColorDisplay(nullptr), low) << bits;
    EXPECT_EQ(render::LowColorDisplay(), low) << bits;
  }
  Desktop().SetLogicalDpi(144);
  EXPECT_EQ(platform::DesktopDeviceCaps(platform::LOGPIXELSY), 144);
  EXPECT_EQ(platform::DesktopDeviceCaps(999), 0);
  // A memory context answers for the display, whatever bitmap it holds.
  const auto context = platform::DrawingContext::CreateCompatible(nullptr);
  Desktop().SetColorDepth(8);
  EXPECT_TRUE(render::CheckLowColorDisplay(context.get()));
  Desktop().SetColorDepth(32);
  EXPECT_FALSE(render::CheckLowColorDisplay(context.get()));
}

}  // namespace
}  // namespace wayband::test
