// The scene steps that use the control as a user would: the mouse, the clock and the
// navigation options dialog.
//
//   {"hover":   {"x": 40, "y": 300}}                       a move, no button held
//   {"hover":   {"on": "toolbar", "x": 30, "y": 10, "button": 1}}   a move with a button
//   {"press":   {"x": 40, "y": 300, "button": 2}}           button 1 (left) unless given
//   {"release": {"x": 40, "y": 300}}
//   {"click":   {"x": 40, "y": 300}}                        press and release at one point
//   {"drag":    {"on": "splitter", "x": 90, "y": 3, "toX": 90, "toY": -60, "moves": 6}}
//               press, `moves` moves in even steps to (toX, toY), release
//   {"wait":    600}                                        the clock advances (ms)
//   {"options": ["cmdDown", {"click": 2}, {"tick": 1, "value": false}, "cmdOK"]}
//               ShowNavigationOptions, the dialog taking these actions in order; "close"
//               closes it by its close box, and so does running out of actions
//
// Positions are pixels in the client area of the window named by "on": "control" (the
// default), "toolbar" or "splitter"; they may lie outside it. The PNG after a step shows a
// tooltip that is up, and after an "options" step the dialog as it was just before it
// closed, over the control as it was then.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "headless/dialog_host.h"
#include "scene_reader.h"

namespace wayband::render_tool {

struct MouseStep {
  enum class Action { kHover, kPress, kRelease, kClick, kDrag };
  enum class Window { kControl, kToolbar, kSplitter };
  Action action = Action::kHover;
  Window on = Window::kControl;
  int32_t x = 0;
  int32_t y = 0;
  int32_t toX = 0;  // kDrag
  int32_t toY = 0;
  int32_t moves = 1;
  int16_t button = 0;
};

// Largest distance of a position from its window, pixels; most moves of one drag; longest
// wait, milliseconds.
inline constexpr int32_t kMaxMouseOffset = 100000;
inline constexpr int32_t kMaxDragMoves = 1000;
inline constexpr int32_t kMaxWait = 600000;

// The step's mouse action when `kind` names one; nothing for other kinds.
std::optional<MouseStep> ReadMouseStep(const SceneReader& r, const std::string& kind,
                                       const Field& body);
int32_t ReadWait(const SceneReader& r, const Field& body);
std::vector<headless::DialogAction> ReadDialogActions(const SceneReader& r, const Field& body);

}  // namespace wayband::render_tool
