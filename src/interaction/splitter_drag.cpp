#include "interaction/splitter_drag.h"

#include <optional>

#include "core/control_core.h"
#include "platform/twips.h"

namespace wayband::interaction {

using host::MousePointer;

namespace {
constexpr const char* kStepText = "W";
}  // namespace

float SplitterDrag::TextStep() const {
  return static_cast<float>(core_.TextHeight(kStepText)) /
         static_cast<float>(core_.Site()->TwipsPerPixelY());
}

int32_t SplitterDrag::CursorRow() const {
  host::WindowSystem& windows = core_.Site()->Windows();
  const auto client = windows.ScreenToClient(core_.hwnd(), windows.GetCursorPos());
  return client ? client->y : 0;
}

int32_t SplitterDrag::ToolbarHeightPixels() const {
  return platform::TwipsToPixels(core_.ctlToolbar()->Height(), core_.Site()->TwipsPerPixelY());
}

void SplitterDrag::Press() {
  core::ControlState& state = core_.MutableState();
  if (!state.LockSplitter) {
    state.SplitterDragging = true;
    core_.Site()->Windows().SetMousePointer(core_.hwnd(), MousePointer::kSizeNS);
  }
  state.SplitterAnchorY = CursorRow();
  core_.RaisePanelResize(false);
}

void SplitterDrag::Move() {
  core::ControlState& state = core_.MutableState();
  if (state.LockSplitter) return;
  if (state.SplitterDragging) {
    const int32_t y = CursorRow();
    const float step = TextStep();
    const auto anchor = static_cast<float>(state.SplitterAnchorY);
    const auto padding = static_cast<float>(state.BarPadding);
    const auto row = static_cast<float>(y);
    std::optional<int32_t> bars;  // the step taken; the setter ignores a negative count
    if (y >= state.SplitterAnchorY) {
      if (anchor + step + padding <= row) bars = state.BarsToShow - 1;
    } else if (anchor - step + padding >= row && ToolbarHeightPixels() < y / 2) {
      bars = state.BarsToShow + 1;
    }
    if (bars) {
      core_.SetBarsToShow(*bars);
      if (!core_.Alive()) return;
      state.SplitterAnchorY = y;
    }
  }
  if (state.PollingNeeded) state.PreferredBarCount = state.BarsToShow;
  core_.SetAnimationTimerEnabled(state.AnimationEnabled);
}

void SplitterDrag::Release() {
  core::ControlState& state = core_.MutableState();
  if (!state.LockSplitter) {
    core_.Site()->Windows().SetMousePointer(core_.hwnd(), MousePointer::kDefault);
    state.SplitterDragging = false;
  }
  core_.RaisePanelResize(true);
  if (!core_.Alive()) return;
  state.AnimationStep = 0;
  core_.SetAnimationTimerEnabled(state.AnimationEnabled);
}

}  // namespace wayband::interaction
