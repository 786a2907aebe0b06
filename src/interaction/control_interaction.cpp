#include "interaction/control_interaction.h"

#include "core/control_core.h"
#include "interaction/hand_cursor.h"

namespace wayband::interaction {

ControlInteraction::ControlInteraction(core::ControlCore& core)
    : core_(core), mouse_(core), splitter_(core) {
  if (!core_.Alive()) return;
  if (platform::CTimer* timer = core_.MouseTimer()) {
    timer->ThatTime.Connect([this] {
      if (!core_.Alive()) return;
      const auto keepAlive = core_.shared_from_this();
      mouse_.LeavePoll();
    });
  }
  SetSinks(true);
}

ControlInteraction::~ControlInteraction() {
  Detach();
}

void ControlInteraction::SetSinks(bool attach) {
  host::WindowSystem& windows = core_.Site()->Windows();
  windows.SetMouseInputSink(core_.hwnd(), attach ? &controlSink_ : nullptr);
  windows.SetMouseInputSink(core_.ctlToolbar()->hWnd(), attach ? &toolbarSink_ : nullptr);
  windows.SetMouseInputSink(core_.ctlSplitBar()->hWnd(), attach ? &splitterSink_ : nullptr);
  attached_ = attach;
}

void ControlInteraction::Detach() {
  if (attached_ && core_.Alive()) SetSinks(false);
  attached_ = false;
  mouse_.Detach();
}

void ControlInteraction::Dispatch(Window window, Action action, int16_t button, float x, float y) {
  if (!core_.Alive() || !core_.Enabled()) return;
  const auto keepAlive = core_.shared_from_this();
  switch (window) {
    case Window::kControl:
    case Window::kToolbar:
      if (action == Action::kDown) {
        mouse_.Press(button, x, y);
      } else if (action == Action::kUp) {
        mouse_.Release(button, x, y);
      } else if (window == Window::kControl) {
        mouse_.Move(x, y);
      } else {
        mouse_.ToolbarMove(button, x, y);
      }
      break;
    case Window::kSplitter:
      if (action == Action::kDown) {
        splitter_.Press();
      } else if (action == Action::kUp) {
        splitter_.Release();
      } else {
        splitter_.Move();
      }
      break;
  }
}

void ControlInteraction::HitTestLastPosition() {
  if (!core_.Alive() || core_.PanelCount() < 1) return;
  const core::ControlState& state = core_.State();
  mouse_.HitTestBar(state.LastMouseX, state.LastMouseY);
}

void ControlInteraction::Inspect(WaybandInspection& out) const {
  out.HandCursorArmed = HandCursorArmed();
  if (const CUnicodeToolTip* tip = mouse_.BarToolTip(); tip && core_.Alive())
    out.ToolTipText = tip->ToolText(core_.ctlToolbar()->hWnd());
}

}  // namespace wayband::interaction
