// NorvaleContainer::Inspect: a copy of the container's state and of where its contained
// controls are. Nothing here changes the container.
#include "container/container_core.h"
#include "platform/twips.h"
#include "render/paint/container_bar_painter.h"
#include "wayband/norvale_container.h"

namespace wayband::container {

namespace {

InspectedControl Contained(const host::ContainedControl& control, const host::ControlSite& site) {
  const double tppX = site.TwipsPerPixelX();
  const double tppY = site.TwipsPerPixelY();
  const int32_t x = platform::TwipsToPixels(control.Left(), tppX);
  const int32_t y = platform::TwipsToPixels(control.Top(), tppY);
  InspectedWindow geometry{control.Left(),    control.Top(), control.Width(), control.Height(), {},
                           control.Visible(), control.hWnd()};
  geometry.pixels = {x, y, x + platform::TwipsToPixels(control.Width(), tppX),
                     y + platform::TwipsToPixels(control.Height(), tppY)};
  return {control.Name(), control.TypeName(), geometry};
}

void CopyProperties(const ContainerState& state, const host::ControlSite& site,
                    ContainerInspection& out) {
  out.IconSizeIndex = state.IconSizeIndex;
  out.IconPixelSize = state.IconPixelSize;
  out.TopMargin = state.TopMargin;
  out.Caption = state.Caption;
  out.IconKey = state.IconKey;
  out.AutoSizeControls = state.AutoSizeControls;
  out.BarColor = state.BarColor;
  out.BackColor = site.BackColor();
  out.ForeColor = site.ForeColor();
  out.Enabled = site.Enabled();
  if (const auto font = site.Font()) {
    out.FontName = font->Name();
    out.FontSize = font->Size();
  }
  out.HasIcons = state.Icons.has_value();
  if (state.Icons) {
    for (const auto& icon : state.Icons->Items())
      out.IconKeys.push_back(icon.Key());
  }
}

void CopyPaint(const ContainerState& state, host::ControlSite& site, ContainerInspection& out) {
  const platform::Rect client = site.Windows().GetClientRect(site.hWnd());
  out.clientWidth = client.Width();
  out.clientHeight = client.Height();
  out.styled = state.Styled;
  out.captionRect = {state.CaptionRect.left, state.CaptionRect.top, state.CaptionRect.right,
                     state.CaptionRect.bottom};
  out.drawnIconKey = state.DrawnIconKey;
  if (state.IconDrawn) {
    out.iconX = render::kContainerIconX;
    out.iconY = render::kContainerIconY;
  }
  for (size_t slot = 0; slot < kInspectedPaletteSlots; ++slot)
    out.SchemePalette[slot] = state.Palette[slot];
  out.paints = state.Paints;
}

}  // namespace

ContainerInspection ContainerCore::Inspect() const {
  ContainerInspection out;
  if (!site_) return out;
  CopyProperties(state_, *site_, out);
  CopyPaint(state_, *site_, out);
  for (const auto& control : site_->ContainedControls())
    out.containedControls.push_back(Contained(*control, *site_));
  return out;
}

}  // namespace wayband::container
