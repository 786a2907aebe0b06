// ControlInteraction: what drives a Wayband control with the mouse. It receives the mouse
// input of the control's own window, its toolbar strip and its splitter strip from the
// host's window system, hands it to the mouse state machine (BarMouse) and the splitter
// drag (SplitterDrag), runs the mouse-leave poll on m_oMouseTimer, and gives the refresh
// its hit test. The control core owns it from creation to its own end.
//
// Every input first takes a reference on the core, so a host handler that destroys the
// control during the input leaves the running handler safe; the handler stops at its next
// check. A disabled control (Enabled false) receives no mouse input, as the platform
// gives a disabled window none.
#pragma once

#include "core/control_input.h"
#include "interaction/bar_mouse.h"
#include "interaction/splitter_drag.h"
#include "platform/host/window_system.h"

namespace wayband::core {
class ControlCore;
}

namespace wayband::interaction {

class ControlInteraction final : public core::ControlInput {
 public:
  // Connects to the core's mouse timer and to its windows' input.
  explicit ControlInteraction(core::ControlCore& core);
  ~ControlInteraction() override;
  ControlInteraction(const ControlInteraction&) = delete;
  ControlInteraction& operator=(const ControlInteraction&) = delete;

  BarMouse& Mouse() { return mouse_; }
  SplitterDrag& Splitter() { return splitter_; }

  // core::ControlInput
  void HitTestLastPosition() override;
  void Detach() override;
  void Inspect(WaybandInspection& out) const override;

 private:
  enum class Window { kControl, kToolbar, kSplitter };
  enum class Action { kDown, kMove, kUp };

  // One window's input, forwarded with the window it came from.
  class Sink final : public host::MouseInputSink {
   public:
    Sink(ControlInteraction& owner, Window window) : owner_(owner), window_(window) {}
    void MouseDown(int16_t button, int16_t, float x, float y) override {
      owner_.Dispatch(window_, Action::kDown, button, x, y);
    }
    void MouseMove(int16_t button, int16_t, float x, float y) override {
      owner_.Dispatch(window_, Action::kMove, button, x, y);
    }
    void MouseUp(int16_t button, int16_t, float x, float y) override {
      owner_.Dispatch(window_, Action::kUp, button, x, y);
    }

   private:
    ControlInteraction& owner_;
    Window window_;
  };

  void Dispatch(Window window, Action action, int16_t button, float x, float y);
  void SetSinks(bool attach);

  core::ControlCore& core_;
  BarMouse mouse_;
  SplitterDrag splitter_;
  Sink controlSink_{*this, Window::kControl};
  Sink toolbarSink_{*this, Window::kToolbar};
  Sink splitterSink_{*this, Window::kSplitter};
  bool attached_ = false;
};

}  // namespace wayband::interaction
