// BarMouse: the mouse state machine of a Wayband control. It turns the input of the
// control's own window and of its toolbar strip ctlToolbar into HoverIndex, PressedIndex
// and SelectedIndex, into mouse pointers and tooltip texts, and into the events BarHover,
// BarClick, BarRightClick and ShowChevronMenu. It never draws: every handler ends in the
// control's refresh, whose painters read the state kept here.
//
// Coordinates arrive in single-precision twips of the receiving window and are rounded to
// whole twips (halves to even; NaN gives 0, values beyond the 32-bit range are held at its
// ends); a point becomes pixels by integer division by the rounded twips per pixel. Each
// hit test asks the window system which window is under the cursor: the control's own
// window, its toolbar strip, or anything else (the splitter, a child control, the world
// outside), which counts as outside the control.
//
// Events and the state they leave (k: a panel index; r: HitTestToolbar's result; the
// chevron zone is the toolbar strip's last 250 twips below its top 51 twips):
//
// clang-format off
// | #  | event                                      | HoverIndex     | PressedIndex        |
// |----|--------------------------------------------|----------------|---------------------|
// |  1 | own move on bar k                          | k              | -                   |
// |  2 | own move on no bar                         | -1             | -                   |
// |  3 | own or toolbar move in the chevron zone    | ChevronIndex   | toolbar: -1, or     |
// |    |                                            |                | ChevronIndex with   |
// |    |                                            |                | button 1 or 2       |
// |  4 | toolbar move on icon k / empty / above     | k / 0 / -1     | r with button 1 or  |
// |    |                                            |                | 2, else -1          |
// |  5 | left press on bar k                        | -              | k                   |
// |  6 | left press in the chevron zone             | ChevronIndex   | -                   |
// |  7 | left press outside any bar                 | -              | unchanged           |
// |  8 | right press on bar k                       | -              | -                   |
// |  9 | press in the header or panel area          | -              | -                   |
// | 10 | left release on bar k, PressedIndex = k    | k              | -1                  |
// | 11 | left release on bar k, PressedIndex != k   | -              | -1                  |
// | 12 | other-button release on bar k              | k if pressed k | -1                  |
// | 13 | release on no bar                          | -              | unchanged           |
// | 14 | leave poll (55 ms) finds the mouse outside | -1             | -1                  |
// | 15 | refresh, with panels                       | ChevronIndex   | -                   |
// |    |                                            | in the zone    |                     |
//
// Other effects of each row:
//  1  BarHover; refresh unless the last hovered panel had the same caption; hand pointer
//     once armed
//  2  default pointer; refresh
//  3  refresh
//  4  tooltip text (through DisplayText) / empty; arms the hand pointer
//  5  BarHover; refresh
//  6  ShowChevronMenu; refresh
//  7  refresh
//  8  BarRightClick(k); refresh
//  9  nothing, no refresh
// 10  BarClick(k) first, then SelectedIndex k and the panel placement; refresh
// 11  BarClick(k); refresh
// 12  BarRightClick(k); selects k when PressedIndex = k
// 13  refresh
// 14  refresh; default pointer; MouseLeft; the poll stops
// 15  the hit test at LastMouseX/Y: BarHover, ChevronHot
// clang-format on
//
// ("-": unchanged.) Own and toolbar moves start the leave poll (m_oMouseTimer.Interval =
// 55; an interval it already has leaves the poll's phase alone). Own moves and the leave
// poll stop tmrAnimate by copying AnimationEnabled (false) into it.
//
// Host handlers of the events may do anything to the control, destroy it included. After
// each event the handler that raised it checks that the control is alive and finds the
// hit panel again by its ID, so a removed or moved panel is never reached through a stale
// index.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "interaction/unicode_tooltip.h"

namespace wayband::core {
class ControlCore;
}

namespace wayband::interaction {

// The leave poll's interval, milliseconds.
inline constexpr int32_t kMouseLeavePollInterval = 55;
// The chevron zone of the toolbar strip: the last 250 twips, below the first 51 twips.
inline constexpr int32_t kChevronZoneWidthTwips = 250;
inline constexpr int32_t kChevronZoneTopTwips = 51;

// What HitTestBar found.
struct BarHit {
  enum class Kind { kNothing, kChevron, kPanel };
  Kind kind = Kind::kNothing;
  int32_t panelId = 0;  // kPanel: the panel's lID
};

class BarMouse {
 public:
  explicit BarMouse(core::ControlCore& core);
  ~BarMouse();
  BarMouse(const BarMouse&) = delete;
  BarMouse& operator=(const BarMouse&) = delete;

  // The handlers; the toolbar strip's presses and releases go to Press and Release too.
  void Press(int16_t button, float x, float y);
  void Move(float x, float y);
  void Release(int16_t button, float x, float y);
  void ToolbarMove(int16_t button, float x, float y);
  // ThatTime of m_oMouseTimer.
  void LeavePoll();

  // The hit tests at rounded twips of the receiving window. Clear ChevronHot, then: the
  // chevron zone sets ChevronHot and HoverIndex = ChevronIndex; a bar raises BarHover.
  BarHit HitTestBar(int32_t x, int32_t y);
  // A panel index, -1 above the bars, 0 on no bar, or ChevronIndex.
  int32_t HitTestToolbar(int32_t x, int32_t y);

  // BarToolTip, or null before the first hover.
  const CUnicodeToolTip* BarToolTip() const { return barToolTip_.get(); }
  // Releases BarToolTip (the control is going).
  void Detach() { barToolTip_.reset(); }

 private:
  enum class Probe { kNothing, kAboveBars, kChevron, kPanel };
  Probe ProbeAt(int32_t x, int32_t y, int32_t& panelId);
  host::WindowHandle WindowUnderCursor() const;
  float BarsTopTwips() const;
  void EnsureToolTip();
  void SetToolbarTipText(const std::string& text);
  void ArmedPointer();
  void SetControlPointer(host::MousePointer pointer);
  void StartLeavePoll();
  bool Alive() const;

  core::ControlCore& core_;
  std::unique_ptr<CUnicodeToolTip> barToolTip_;
};

// x in single-precision twips as a 32-bit integer: halves to even, NaN 0, held at the ends.
int32_t RoundTwips(float twips);

}  // namespace wayband::interaction
