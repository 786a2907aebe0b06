// A Wayband control 200 x 400 pixels on a form of the headless host, in Tahoma 8 at 15
// twips per pixel, on a desktop preset chosen by the test; the process-wide desktop
// settings and drawing flags are restored afterwards.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "core/core_access.h"
#include "headless/headless_host.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "platform/event_loop.h"
#include "platform/os_version.h"
#include "platform/system_colors.h"
#include "render/draw/drawing_flags.h"
#include "support/panel_icons.h"
#include "support/surface_colors.h"
#include "wayband/wayband_control.h"

namespace wayband::testing {

// Row p of a vertical gradient `length` rows long from c1 to c2, as the platform's
// gradient primitive fills it (16-bit channels, linear per row, high byte shown).
inline platform::ColorRef GradientRow(platform::ColorRef c1, platform::ColorRef c2, int32_t p,
                                      int32_t length) {
  const auto channel = [&](uint8_t a, uint8_t b) {
    return static_cast<uint8_t>(
        (((int64_t{a} << 8) * (length - p) + (int64_t{b} << 8) * p) / length) >> 8);
  };
  return platform::RGB(channel(platform::GetRValue(c1), platform::GetRValue(c2)),
                       channel(platform::GetGValue(c1), platform::GetGValue(c2)),
                       channel(platform::GetBValue(c1), platform::GetBValue(c2)));
}

// Chooses desktop settings for one test and puts the previous ones back afterwards,
// re-reading the process-wide flags the painters cache.
class DesktopChoice {
 public:
  explicit DesktopChoice(std::string_view preset) : saved_(platform::CurrentDesktop().State()) {
    platform::SetCurrentDesktop(*platform::FindDesktopPreset(preset));
    Reread();
  }
  ~DesktopChoice() {
    platform::SetCurrentDesktop(saved_);
    Reread();
  }
  DesktopChoice(const DesktopChoice&) = delete;
  DesktopChoice& operator=(const DesktopChoice&) = delete;

  static void Reread() {
    platform::RecordOsFlags();
    render::ResetDrawingFlags();
  }

 private:
  platform::DesktopState saved_;
};

inline constexpr int32_t kControlWidth = 200;
inline constexpr int32_t kControlHeight = 400;

inline headless::HostSettings TahomaHost() {
  headless::HostSettings settings;
  settings.ambientFontName = "Tahoma";
  settings.ambientFontSize = 8.0;
  return settings;
}

class FrameFixture : public ::testing::Test {
 protected:
  explicit FrameFixture(std::string_view preset = platform::kPresetStyledNormalColor)
      : desktop(preset),
        loop(std::make_unique<platform::ManualClock>()),
        host(TahomaHost()),
        form(host.CreateForm("Form1", {0, 0, 600, 800})),
        site(host.AddSite(form, "Wayband1", 0, 0, kControlWidth * 15.0, kControlHeight * 15.0)),
        bar(std::make_unique<Wayband>(*site)) {
    bar->InitProperties();
    site->Show();
  }

  core::ControlCore& Core() { return core::CoreAccess::Of(*bar); }
  const core::ControlState& State() { return Core().State(); }
  const render::SchemePalette& Palette() { return State().Palette; }
  platform::ColorRef Slot(render::Slot slot) {
    platform::ColorRef color = 0;
    platform::OleTranslateColor(Palette()[slot], &color);
    return color;
  }
  const imaging::CDib32& Surface() { return Core().ControlSurface(); }
  const imaging::CDib32& ToolbarSurface() { return Core().ToolbarSurface(); }
  host::WindowHandle ToolbarWindow() { return Core().ctlToolbar()->hWnd(); }
  host::WindowHandle SplitterWindow() { return Core().ctlSplitBar()->hWnd(); }
  const platform::Bitmap* WindowImage(host::WindowHandle window) {
    return host.WindowImage(window);
  }

  // Adds n panels keyed "P1".."Pn" with captions "Panel 1".."Panel n" and shows `bars` of
  // them as large bars.
  void AddPanels(int n, int bars) {
    for (int i = 1; i <= n; ++i) {
      const std::string number = std::to_string(bar->WaybandPanels().Count() + 1);
      bar->WaybandPanels().Add("P" + number, {}, "Panel " + number);
    }
    bar->SetBarsToShow(bars);
  }
  void Select(int index) { bar->WaybandPanels().Item(index)->SetSelected(true); }
  void Refresh() { Core().Refresh(); }

  // First: the settings the control reads while it is created.
  DesktopChoice desktop;
  platform::EventLoop loop;
  headless::HeadlessHost host;
  host::WindowHandle form;
  headless::HeadlessSite* site;
  std::unique_ptr<Wayband> bar;
};

}  // namespace wayband::testing
