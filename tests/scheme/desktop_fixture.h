// Tests that change the process-wide desktop settings derive from DesktopTest: it starts
// each test on a named preset and restores the previous settings (and the recorded OS
// flags) afterwards, so tests stay independent of their order.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "platform/os_version.h"
#include "platform/system_colors.h"

namespace wayband::test {

// A colour written red first (0xRRGGBB) as a colour value (red in the low byte).
constexpr uint32_t FromRedFirst(uint32_t rrggbb) {
  return platform::ColorFromRrggbb(rrggbb);
}

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override { UsePreset(platform::kDefaultDesktopPreset); }
  void TearDown() override {
    platform::SetCurrentDesktop(saved_);
    platform::RecordOsFlags();
  }

  // Makes the preset current and re-reads the OS flags from it.
  static void UsePreset(std::string_view name) {
    const auto state = platform::FindDesktopPreset(name);
    ASSERT_TRUE(state.has_value()) << name;
    Use(*state);
  }
  static void Use(const platform::DesktopState& state) {
    platform::SetCurrentDesktop(state);
    platform::RecordOsFlags();
  }
  static platform::DesktopSettings& Desktop() { return platform::CurrentDesktop(); }

  // Sets window, face and highlight (red-first) in one change.
  static void SetKeyColors(uint32_t window, uint32_t face, uint32_t highlight) {
    platform::SysColorTable colors = Desktop().State().sysColors;
    colors[platform::COLOR_WINDOW] = platform::ColorFromRrggbb(window);
    colors[platform::COLOR_BTNFACE] = platform::ColorFromRrggbb(face);
    colors[platform::COLOR_HIGHLIGHT] = platform::ColorFromRrggbb(highlight);
    Desktop().SetSysColors(colors);
  }

  static constexpr int32_t kWindow = 0x1234;

 private:
  platform::DesktopState saved_ = platform::CurrentDesktop().State();
};

}  // namespace wayband::test
