// A control with six panels ("Panel 1".."Panel 6", three large bars, three toolbar
// icons) on the manual-clock fixture, and the mouse as a user moves it: at the middle of
// a bar or an icon, in the header, in the chevron zone, or off the control.
#pragma once

#include <string>
#include <vector>

#include "core/control_fixture.h"

namespace wayband::testing {

// Where the mouse goes: bar k (large bar or toolbar icon), the header, the chevron, an
// empty part of the toolbar, or off the control.
struct Spot {
  enum class Kind { kBar, kHeader, kChevron, kToolbarEmpty, kOutside };
  Kind kind = Kind::kOutside;
  int32_t index = 0;
};
inline Spot Bar(int32_t k) {
  return {Spot::Kind::kBar, k};
}
inline constexpr Spot kHeader{Spot::Kind::kHeader, 0};
inline constexpr Spot kChevron{Spot::Kind::kChevron, 0};
inline constexpr Spot kToolbarEmpty{Spot::Kind::kToolbarEmpty, 0};
inline constexpr Spot kOutside{Spot::Kind::kOutside, 0};

class MouseFixture : public ControlFixture {
 public:
  using ControlFixture::Panels;
  MouseFixture() {
    AddPanels(6);
    bar->SetBarsToShow(3);
    host.Record().Clear();
  }

  platform::Point ScreenOf(const Spot& spot) {
    host::WindowSystem& windows = host.Windows();
    const platform::Rect control = windows.GetWindowRect(site->hWnd());
    const platform::Rect toolbar = windows.GetWindowRect(Toolbar().hWnd());
    switch (spot.kind) {
      case Spot::Kind::kBar: {
        const core::PanelRecord* record = State().panels.At(spot.index);
        if (!record) break;  // a bar that went: off the control
        const platform::Rect& r = record->rcItem;
        const platform::Rect& origin = record->bInToolbar ? toolbar : control;
        return {origin.left + (r.left + r.right) / 2, origin.top + (r.top + r.bottom) / 2};
      }
      case Spot::Kind::kHeader:
        return {control.left + 50, control.top + 10};
      case Spot::Kind::kChevron:
        return {toolbar.right - 6, toolbar.top + 10};
      case Spot::Kind::kToolbarEmpty:
        return {toolbar.left + 2, toolbar.top + 1};
      case Spot::Kind::kOutside:
        break;
    }
    return {control.right + 100, control.bottom + 100};
  }

  void Move(const Spot& spot, int16_t button = 0) { host.MouseMove(ScreenOf(spot), button); }
  void Down(const Spot& spot, int16_t button = 1) { host.MouseDown(ScreenOf(spot), button); }
  void Up(const Spot& spot, int16_t button = 1) { host.MouseUp(ScreenOf(spot), button); }
  // Press and release at one point (the press's handlers may move the bars).
  void Click(const Spot& spot, int16_t button = 1) {
    const platform::Point at = ScreenOf(spot);
    host.MouseDown(at, button);
    host.MouseUp(at, button);
  }
  void LeaveControl() { host.SetCursorPos(ScreenOf(kOutside)); }
  void Wait(int ms) { loop.AdvanceClock(std::chrono::milliseconds(ms)); }

  // The events recorded since the last call, "Name:index" (the panel's Index, or the
  // Boolean argument), without BarHover unless asked for.
  std::string Events(bool withHover = false) {
    std::string text;
    for (const headless::EventRecord& event : host.Record().events) {
      if (event.name == "BarHover" && !withHover) continue;
      text += (text.empty() ? "" : " ") + event.name;
      for (const Variant& arg : event.args) {
        if (const auto* panel = arg.Get<Variant::PanelRef>(); panel && *panel) {
          text += ':';  // appended: GCC 12 -O3 misreports a literal joined to a temporary
          text += std::to_string((*panel)->Index());
        } else if (const auto flag = arg.ToBoolean()) {
          text += *flag ? ":True" : ":False";
        }
      }
    }
    host.Record().Clear();
    return text;
  }
};

}  // namespace wayband::testing
