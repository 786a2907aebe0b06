#include "interaction/bar_mouse.h"

#include "core/control_core.h"
#include "interaction/hand_cursor.h"
#include "platform/text/display_text.h"
#include "platform/twips.h"

namespace wayband::interaction {

using core::kChevronIndex;
using core::PanelEvent;
using host::MousePointer;

namespace {

constexpr int32_t kNoBar = -1;
constexpr int32_t kToolbarEmpty = 0;

bool IsSingleButton(int16_t button) {
  return button == host::kLeftButton || button == host::kRightButton;
}

}  // namespace

int32_t RoundTwips(float twips) {
  return platform::RoundToLong(static_cast<double>(twips));
}

BarMouse::BarMouse(core::ControlCore& core) : core_(core) {}
BarMouse::~BarMouse() = default;

bool BarMouse::Alive() const {
  return core_.Alive();
}

host::WindowHandle BarMouse::WindowUnderCursor() const {
  host::WindowSystem& windows = core_.Site()->Windows();
  return windows.WindowFromPoint(windows.GetCursorPos());
}

float BarMouse::BarsTopTwips() const {
  // Single precision, as the platform compares the bar stack's top in twips.
  return static_cast<float>(core_.State().BarsTop) *
         static_cast<float>(core_.Site()->TwipsPerPixelY());
}

BarMouse::Probe BarMouse::ProbeAt(int32_t x, int32_t y, int32_t& panelId) {
  core::ControlState& state = core_.MutableState();
  state.ChevronHot = false;
  const host::WindowHandle under = WindowUnderCursor();
  if (under == core_.hwnd() && BarsTopTwips() > static_cast<float>(y)) return Probe::kAboveBars;
  host::ChildStrip* toolbar = core_.ctlToolbar();
  if (under == toolbar->hWnd() && x >= toolbar->Width() - kChevronZoneWidthTwips &&
      y >= kChevronZoneTopTwips) {
    state.ChevronHot = true;
    state.HoverIndex = kChevronIndex;
    return Probe::kChevron;
  }
  // Large bars are in control pixels and toolbar buttons in toolbar pixels; the same point
  // is tested against both.
  const platform::Point pixel{platform::TwipsToPixels(x, core_.Site()->TwipsPerPixelX()),
                              platform::TwipsToPixels(y, core_.Site()->TwipsPerPixelY())};
  for (int32_t i = 1; i <= core_.PanelCount(); ++i) {
    const core::PanelRecord& record = *state.panels.At(i);
    if (!record.rcItem.Contains(pixel)) continue;
    panelId = record.lID;
    core_.RaisePanelEvent(PanelEvent::kBarHover, i);
    // The handler may have removed the panel or destroyed the control.
    if (!Alive() || core_.PanelIndex(panelId) == 0) return Probe::kNothing;
    return Probe::kPanel;
  }
  return Probe::kNothing;
}

BarHit BarMouse::HitTestBar(int32_t x, int32_t y) {
  if (!Alive()) return {};
  int32_t panelId = 0;
  switch (ProbeAt(x, y, panelId)) {
    case Probe::kChevron:
      return {BarHit::Kind::kChevron, 0};
    case Probe::kPanel:
      return {BarHit::Kind::kPanel, panelId};
    case Probe::kNothing:
    case Probe::kAboveBars:
      break;
  }
  return {};
}

int32_t BarMouse::HitTestToolbar(int32_t x, int32_t y) {
  if (!Alive()) return kNoBar;
  int32_t panelId = 0;
  switch (ProbeAt(x, y, panelId)) {
    case Probe::kAboveBars:
      return kNoBar;
    case Probe::kChevron:
      return kChevronIndex;
    case Probe::kPanel:
      return core_.PanelIndex(panelId);
    case Probe::kNothing:
      break;
  }
  return kToolbarEmpty;
}

void BarMouse::Press(int16_t button, float x, float y) {
  const int32_t rx = RoundTwips(x);
  const int32_t ry = RoundTwips(y);
  // A press in the header or panel area does nothing, not even a refresh.
  if (WindowUnderCursor() == core_.hwnd() && static_cast<float>(ry) <= BarsTopTwips()) return;
  if (button == host::kLeftButton) {
    const BarHit hit = HitTestBar(rx, ry);
    if (hit.kind == BarHit::Kind::kPanel) {
      core_.MutableState().PressedIndex = core_.PanelIndex(hit.panelId);
    } else if (hit.kind == BarHit::Kind::kChevron) {
      core_.RaiseShowChevronMenu();
    }
  } else if (button == host::kRightButton) {
    const BarHit hit = HitTestBar(rx, ry);
    if (hit.kind == BarHit::Kind::kPanel)
      core_.RaisePanelEvent(PanelEvent::kBarRightClick, core_.PanelIndex(hit.panelId));
  }
  if (Alive()) core_.Refresh();
}

void BarMouse::Move(float x, float y) {
  if (core_.PanelCount() == 0) return;
  StartLeavePoll();
  core::ControlState& state = core_.MutableState();
  state.HoverIndex = kChevronIndex;
  if (state.MouseLeft) state.LastHoverPanelId = 0;
  state.MouseLeft = false;
  state.LastMouseX = RoundTwips(x);
  state.LastMouseY = RoundTwips(y);
  const BarHit hit = HitTestBar(state.LastMouseX, state.LastMouseY);
  if (!Alive()) return;
  if (state.ChevronHot || hit.kind == BarHit::Kind::kChevron) {
    state.HoverIndex = kChevronIndex;
    core_.Refresh();
    if (!Alive()) return;
    ArmedPointer();
    state.LastHoverPanelId = 0;
    return;
  }
  if (hit.kind == BarHit::Kind::kPanel) {
    state.HoverIndex = core_.PanelIndex(hit.panelId);
    EnsureToolTip();
    // Two bars with the same caption count as the same bar: no repaint between them.
    const bool repaint = state.LastHoverPanelId == 0 ||
                         core_.PanelField(state.LastHoverPanelId, &core::PanelRecord::sCaption) !=
                             core_.PanelField(hit.panelId, &core::PanelRecord::sCaption);
    if (repaint) core_.Refresh();
    if (!Alive()) return;
    ArmedPointer();
    state.LastHoverPanelId = hit.panelId;
  } else {
    state.HoverIndex = kNoBar;
    SetControlPointer(MousePointer::kDefault);
    core_.Refresh();
    if (!Alive()) return;
    state.LastHoverPanelId = 0;
  }
  core_.SetAnimationTimerEnabled(state.AnimationEnabled);
}

void BarMouse::Release(int16_t button, float x, float y) {
  const BarHit hit = HitTestBar(RoundTwips(x), RoundTwips(y));
  if (!Alive()) return;
  core::ControlState& state = core_.MutableState();
  if (hit.kind == BarHit::Kind::kPanel) {
    const int32_t k = core_.PanelIndex(hit.panelId);
    const bool pressedHere = k == state.PressedIndex;
    // The host sees the click while SelectedBar is still the previous bar.
    core_.RaisePanelEvent(
        button == host::kLeftButton ? PanelEvent::kBarClick : PanelEvent::kBarRightClick, k);
    if (!Alive()) return;
    // The handler may have moved or removed the panel: select it where it is now.
    const int32_t now = core_.PanelIndex(hit.panelId);
    if (pressedHere && now > 0) {
      state.panels.SetSelectedIndex(now);
      state.HoverIndex = now;
      core_.ArrangeChildControls();
      if (!Alive()) return;
    }
    state.PressedIndex = kNoBar;
  }
  core_.Refresh();
}

void BarMouse::ToolbarMove(int16_t button, float x, float y) {
  core::ControlState& state = core_.MutableState();
  state.PressedIndex = kNoBar;
  state.HoverIndex = kNoBar;
  const int32_t r = HitTestToolbar(RoundTwips(x), RoundTwips(y));
  if (!Alive()) return;
  ArmHandCursor();
  if (r == kNoBar) {
    if (barToolTip_) SetToolbarTipText({});
  } else if (r == kChevronIndex) {
    if (IsSingleButton(button)) state.PressedIndex = kChevronIndex;
    if (barToolTip_) SetToolbarTipText({});
    state.HoverIndex = kChevronIndex;
  } else {
    EnsureToolTip();
    std::string text;
    if (const core::PanelRecord* record = state.panels.At(r)) {
      text = platform::DisplayText(record->sToolTipText.empty() ? record->sCaption
                                                                : record->sToolTipText);
    }
    SetToolbarTipText(text);
    state.HoverIndex = r;
  }
  // Dragging over the toolbar with a button held marks what is under the mouse as pressed.
  if (IsSingleButton(button)) state.PressedIndex = r;
  // The refresh presents both windows, so the control's window shows the change at once.
  core_.Refresh();
  if (Alive()) StartLeavePoll();
}

void BarMouse::LeavePoll() {
  const host::WindowHandle under = WindowUnderCursor();
  if (under == core_.hwnd() || under == core_.ctlToolbar()->hWnd()) return;
  core::ControlState& state = core_.MutableState();
  state.HoverIndex = kNoBar;
  state.PressedIndex = kNoBar;
  core_.Refresh();
  if (!Alive()) return;
  SetControlPointer(MousePointer::kDefault);
  state.MouseLeft = true;
  core_.MouseTimer()->SetInterval(0);
  state.AnimationStep = 0;
  core_.SetAnimationTimerEnabled(state.AnimationEnabled);
}

void BarMouse::EnsureToolTip() {
  if (barToolTip_) return;
  // One tool covering the toolbar strip's client area as it is now. No text is set here,
  // so large bars show no tooltip.
  const host::WindowHandle toolbar = core_.ctlToolbar()->hWnd();
  barToolTip_ = std::make_unique<CUnicodeToolTip>(core_.Site()->Windows());
  barToolTip_->CreateTip(toolbar);
  barToolTip_->AddTool(toolbar);
}

void BarMouse::SetToolbarTipText(const std::string& text) {
  barToolTip_->UpdateToolText(core_.ctlToolbar()->hWnd(), text);
}

void BarMouse::ArmedPointer() {
  host::WindowSystem& windows = core_.Site()->Windows();
  if (windows.GetMousePointer(core_.hwnd()) != MousePointer::kCustom && HandCursorArmed())
    windows.SetMousePointer(core_.hwnd(), MousePointer::kCustom);
}

void BarMouse::SetControlPointer(MousePointer pointer) {
  core_.Site()->Windows().SetMousePointer(core_.hwnd(), pointer);
}

void BarMouse::StartLeavePoll() {
  if (platform::CTimer* timer = core_.MouseTimer()) timer->SetInterval(kMouseLeavePollInterval);
}

}  // namespace wayband::interaction
