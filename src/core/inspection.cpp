// Wayband::Inspect and Wayband::InspectSurface: copies of the control's state and views
// of its surfaces. Nothing here changes the control or asks it to refresh.
#include <algorithm>

#include "core/control_core.h"
#include "platform/twips.h"
#include "wayband/inspection.h"
#include "wayband/wayband_control.h"

namespace wayband {

namespace {

InspectedRect ToInspected(const platform::Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

// Twips geometry as the host keeps it, and the pixels the control converts it to.
InspectedWindow Window(double left, double top, double width, double height, bool visible,
                       host::WindowHandle handle, const host::ControlSite& site) {
  const double tppX = site.TwipsPerPixelX();
  const double tppY = site.TwipsPerPixelY();
  const int32_t x = platform::TwipsToPixels(left, tppX);
  const int32_t y = platform::TwipsToPixels(top, tppY);
  InspectedWindow window{left, top, width, height, {}, visible, handle};
  window.pixels = {x, y, x + platform::TwipsToPixels(width, tppX),
                   y + platform::TwipsToPixels(height, tppY)};
  return window;
}

InspectedWindow StripWindow(const host::ChildStrip* strip, const host::ControlSite& site) {
  if (!strip) return {};
  return Window(strip->Left(), strip->Top(), strip->Width(), strip->Height(), strip->Visible(),
                strip->hWnd(), site);
}

InspectedPanel Panel(const core::PanelRecord& record) {
  InspectedPanel panel;
  panel.lID = record.lID;
  panel.sKey = record.sKey;
  panel.sCaption = record.sCaption;
  panel.sIconKey = record.sIconKey;
  panel.rcItem = ToInspected(record.rcItem);
  panel.bInToolbar = record.bInToolbar;
  panel.bVisible = record.bVisible;
  panel.bEnabled = record.bEnabled;
  panel.iBarImageStale = record.iBarImageStale;
  return panel;
}

void CopyState(const core::ControlState& state, WaybandInspection& out) {
  out.BarsToShow = state.BarsToShow;
  out.BarsTop = state.BarsTop;
  out.MaxBars = state.MaxBars;
  out.PreferredBarCount = state.PreferredBarCount;
  out.SelectedIndex = state.panels.SelectedIndex();
  out.HoverIndex = state.HoverIndex;
  out.PressedIndex = state.PressedIndex;
  out.SplitterDragging = state.SplitterDragging;
  out.LastSplitterTop = state.LastSplitterTop;
  out.BarPadding = state.BarPadding;
  out.UserMode = state.UserMode;
  out.PollingNeeded = state.PollingNeeded;
  out.ToolbarDirty = state.ToolbarDirty;
  out.AnimationEnabled = state.AnimationEnabled;
  out.ChevronHot = state.ChevronHot;
  out.LastMouseX = state.LastMouseX;
  out.LastMouseY = state.LastMouseY;
  out.MouseLeft = state.MouseLeft;
  out.SplitterAnchorY = state.SplitterAnchorY;
  out.AnimationStep = state.AnimationStep;
  for (const core::PanelRecord& record : state.panels.Records())
    out.panels.push_back(Panel(record));
  std::copy(state.Palette.slots.begin(), state.Palette.slots.end(), out.SchemePalette.begin());
  out.completedFramePasses = state.CompletedFramePasses;
}

// The child windows as the host places them; a destroyed control has none.
void CopyWindows(const core::ControlCore& core, WaybandInspection& out) {
  host::ControlSite* site = core.Site();
  if (!site) return;
  const platform::Rect client = site->Windows().GetClientRect(site->hWnd());
  out.clientWidth = client.Width();
  out.clientHeight = client.Height();
  out.ctlToolbar = StripWindow(core.ctlToolbar(), *site);
  out.ctlSplitBar = StripWindow(core.ctlSplitBar(), *site);
  out.ControlPointer = static_cast<int32_t>(site->Windows().GetMousePointer(site->hWnd()));
  if (core.ctlToolbar())
    out.ToolbarPointer = static_cast<int32_t>(core.ctlToolbar()->GetMousePointer());
  if (core.ctlSplitBar())
    out.SplitterPointer = static_cast<int32_t>(core.ctlSplitBar()->GetMousePointer());
  if (const platform::CTimer* timer = core.MouseTimer()) out.MouseTimerInterval = timer->Interval();
  if (const core::ControlInput* input = core.Input()) input->Inspect(out);
  for (const auto& control : site->ContainedControls()) {
    if (!control) continue;
    out.containedControls.push_back(
        {control->Name(), control->TypeName(),
         Window(control->Left(), control->Top(), control->Width(), control->Height(),
                control->Visible(), control->hWnd(), *site)});
  }
}

SurfaceView ViewOf(const imaging::CDib32& surface) {
  const imaging::ConstPixelView view = surface.View();
  if (view.IsEmpty()) return {};
  // Surfaces store their rows bottom-up.
  return SurfaceView(view.bits, view.width, view.height, static_cast<size_t>(view.stride), true);
}

}  // namespace

WaybandInspection Wayband::Inspect() const {
  WaybandInspection inspection;
  CopyState(core_->State(), inspection);
  CopyWindows(*core_, inspection);
  return inspection;
}

SurfaceView Wayband::InspectSurface(InspectedSurface surface) const {
  switch (surface) {
    case InspectedSurface::kControl:
      return ViewOf(core_->ControlSurface());
    case InspectedSurface::kToolbar:
      return ViewOf(core_->ToolbarSurface());
    case InspectedSurface::kSplitter:
      return ViewOf(core_->SplitterSurface());
  }
  return {};
}

}  // namespace wayband
