// The scheme update's change result, the poll tick, the refresh hook and the low-colour
// display flag.
#include <gtest/gtest.h>

#include <utility>

#include "desktop_fixture.h"
#include "platform/drawing_context.h"
#include "render/scheme/low_color_display.h"
#include "render/scheme/scheme_update.h"

namespace wayband::test {
namespace {

using render::SchemePalette;
using render::Slot;

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

TEST_F(SchemeUpdate, FollowsTheDesktopAndItsStyledState) {
  SchemePalette palette{};
  EXPECT_EQ(render::UpdateColorScheme(palette, kWindow), 1);
  EXPECT_EQ(palette[Slot::StyledBarTop], FromRedFirst(0xD6E7FF));  // styled row
  // Without a window the control is not styled: the appearance name's plain row applies.
  EXPECT_EQ(render::UpdateColorScheme(palette, 0), 1);
  EXPECT_EQ(palette[Slot::Face], FromRedFirst(0xECE9D8));  // derived: not the row's D4D0C8
  EXPECT_EQ(palette[Slot::StyledBarTop], 0u);
  // A missing appearance value: the any-other row, derived from the live colours.
  UsePreset("Windows Classic");
  Desktop().SetAppearance({platform::AppearanceValue::Status::kKeyMissing, {}});
  EXPECT_EQ(render::UpdateColorScheme(palette, kWindow), 1);
  EXPECT_EQ(palette[Slot::Face], FromRedFirst(0xC0C0C0));
  EXPECT_EQ(palette[Slot::Border], FromRedFirst(0x666666));
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
  // A memory context answers for the display, whatever bitmap it holds.
  const auto context = platform::DrawingContext::CreateCompatible(nullptr);
  Desktop().SetColorDepth(8);
  EXPECT_TRUE(render::CheckLowColorDisplay(context.get()));
  Desktop().SetColorDepth(32);
  EXPECT_FALSE(render::CheckLowColorDisplay(context.get()));
}

}  // namespace
}  // namespace wayband::test
