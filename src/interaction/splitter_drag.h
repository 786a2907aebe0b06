// SplitterDrag: the splitter strip ctlSplitBar's press, move and release. Dragging it up
// shows one more large bar, down one fewer, through the BarsToShow setter, which lets only
// every second assignment of a drag take effect.
//
// The drag measures in control client pixels of the cursor (the button is not looked at).
// A step is the height of "W" in the control's font (the text step, s); in a new control
// BarPadding (31 pixels) is added to both directions' thresholds, in a loaded one it is 0:
//   down: y >= anchor and anchor + s + BarPadding <= y    -> BarsToShow - 1
//   up:   y <  anchor and anchor - s + BarPadding >= y
//         and the toolbar's height in pixels < y / 2       -> BarsToShow + 1
// At most one step per move; the anchor then follows the cursor whether or not the setter
// took the step. LockSplitter stops the drag but not the PanelResize events: false on
// every press, true on every release.
#pragma once

#include <cstdint>

namespace wayband::core {
class ControlCore;
}

namespace wayband::interaction {

class SplitterDrag {
 public:
  explicit SplitterDrag(core::ControlCore& core) : core_(core) {}

  void Press();
  void Move();
  void Release();

  // The text step, pixels (single precision).
  float TextStep() const;

 private:
  int32_t CursorRow() const;
  int32_t ToolbarHeightPixels() const;

  core::ControlCore& core_;
};

}  // namespace wayband::interaction
