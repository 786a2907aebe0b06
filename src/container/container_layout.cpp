// Resize handling and the colour refresh: the contained controls stretched below the
// caption bar, and the system window colour handed to the controls that show it.
#include "container/container_core.h"
#include "platform/system_colors.h"

namespace wayband::container {

namespace {

// The contained controls start this many pixels below the icon (and the top margin).
constexpr int32_t kContentsGap = 4;
// The system window colour, as a control's BackColor refers to it.
constexpr uint32_t kWindowColorReference = 0x80000005;

}  // namespace

const host::WindowSystem* ContainerCore::ContainerWindows() const {
  return site_ ? &site_->Windows() : nullptr;
}

host::WindowHandle ContainerCore::ContainerWindow() const {
  return site_ ? site_->hWnd() : host::kNoWindow;
}

void ContainerCore::Resize() {
  if (!Alive()) return;
  const auto keepAlive = shared_from_this();
  Paint();
  if (Alive() && state_.AutoSizeControls) ArrangeContainedControls();
}

void ContainerCore::ArrangeContainedControls() {
  const int64_t top = int64_t{state_.IconPixelSize} + state_.TopMargin + kContentsGap;
  const double twipsX = site_->TwipsPerPixelX();
  const double twipsY = site_->TwipsPerPixelY();
  const platform::Size client = ClientPixels();
  const double topTwips = static_cast<double>(top) * twipsY;
  const double width = client.cx * twipsX;
  const double height = (static_cast<double>(client.cy) - static_cast<double>(top)) * twipsY;
  // Only the controls placed directly on the container: those of a nested container are
  // its own to arrange. A control that refuses the move (a negative height when the
  // container is shorter than its bar) keeps its place.
  for (const auto& control : site_->ContainedControls()) {
    if (!Alive()) return;
    control->Move(0.0, topTwips, width, height);
  }
}

void ContainerCore::RefreshColours() {
  if (!Alive()) return;
  const auto keepAlive = shared_from_this();
  Paint();
  const uint32_t window = platform::GetSysColor(platform::COLOR_WINDOW);
  for (const auto& control : site_->ContainedControls()) {
    if (!Alive()) return;
    if (const std::optional<uint32_t> back = control->BackColor()) {
      // From here on the control keeps this colour: later scheme changes leave it alone.
      if (*back == kWindowColorReference) control->SetBackColor(window);
    } else if (control->HasLineStyle() && control->SetLineStyleBackground(window)) {
      control->RedrawLines();
    }
  }
}

}  // namespace wayband::container
