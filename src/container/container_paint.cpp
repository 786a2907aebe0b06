// Painting the container: the palette is built afresh at every paint (so a scheme change
// shows at the next paint), then the background, the caption bar, its icon and caption;
// finally every contained control is brought to the front and shown.
#include "container/container_core.h"
#include "platform/gdi_objects.h"
#include "render/draw/color_blend.h"
#include "render/draw/font_record.h"
#include "render/paint/container_bar_painter.h"
#include "render/scheme/color_xp.h"
#include "render/scheme/scheme_update.h"

namespace wayband::container {

render::SchemePalette ContainerCore::GetSchemeColours() const {
  return render::BuildCurrentPalette(ContainerWindow(), /*styled=*/true);
}

platform::Size ContainerCore::ClientPixels() const {
  if (!site_) return {};
  const platform::Rect client = site_->Windows().GetClientRect(site_->hWnd());
  return {client.Width(), client.Height()};
}

const imaging::CIconBytes* ContainerCore::ShownIcon() const {
  if (!state_.Icons) return nullptr;
  const core::IconStore& icons = *state_.Icons;
  if (!state_.IconKey.empty()) {
    if (const imaging::CIconBytes* icon = icons.Find(state_.IconKey)) return icon;
  }
  return icons.Items().empty() ? nullptr : &icons.Items().front();
}

void ContainerCore::Paint() {
  if (!Alive()) return;
  // Showing the contained controls runs their hosts' code, which may destroy this one.
  const auto keepAlive = shared_from_this();
  state_.Palette = GetSchemeColours();
  state_.Styled = render::CColorXP::IsWindowStyled(ContainerWindow());

  const platform::Size client = ClientPixels();
  const imaging::CIconBytes* icon = ShownIcon();
  platform::DrawingContext* target = site_->hDC();
  platform::LogFont font;
  const std::shared_ptr<StdFont> fontObject = site_->Font();
  if (fontObject) render::FontToLogFont(*fontObject, target, &font, /*forceBold=*/false);
  const render::ContainerBarScene scene{
      .width = client.cx,
      .colors = render::ContainerBarColorsFor(state_.BarColor, state_.Palette, state_.Styled),
      .icon = icon,
      .iconSizeIndex = state_.IconSizeIndex,
      .iconPixels = state_.IconPixelSize,
      .enabled = site_->Enabled(),
      .caption = state_.Caption,
      .captionColor = site_->ForeColor(),
      .font = fontObject ? &font : nullptr};
  // The window's background first, in BackColor, as the platform erases a window before
  // it paints.
  if (target) {
    platform::FillRect(*target, {0, 0, client.cx, client.cy},
                       platform::CreateSolidBrush(render::DrawnColor(site_->BackColor())));
  }
  state_.CaptionRect = render::PaintContainerBar(target, scene);
  state_.IconDrawn = icon != nullptr;
  state_.DrawnIconKey = icon ? icon->Key() : std::string();
  ++state_.Paints;
  if (target) site_->Present(client);
  ShowContainedControls();
}

void ContainerCore::ShowContainedControls() {
  for (const auto& control : site_->ContainedControls()) {
    if (!Alive()) return;
    // Each step may fail on its own (a windowless control has no z-order).
    control->ZOrder(host::ZOrderPosition::kBringToFront);
    control->SetVisible(true);
  }
}

}  // namespace wayband::container
