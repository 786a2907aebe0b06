#include "headless/environment.h"

#include <unistd.h>

#include "headless/headless_control.h"

namespace wayband::headless {

namespace {
uint32_t ProcessIdOf(const HostSettings& settings) {
  return settings.processId != 0 ? settings.processId : static_cast<uint32_t>(::getpid());
}
}  // namespace

Environment::Environment(const HostSettings& hostSettings)
    : settings(hostSettings),
      windows(record, ProcessIdOf(hostSettings), hostSettings.twipsPerPixelX,
              hostSettings.twipsPerPixelY),
      images(windows, record, {hostSettings.recordFrames, hostSettings.recordFramePixels}),
      ambientFont(std::make_shared<StdFont>()) {
  ambientFont->SetName(settings.ambientFontName);
  ambientFont->SetSize(settings.ambientFontSize);
}

int32_t Environment::PixelsX(double twips) const {
  return platform::TwipsToPixels(twips, settings.twipsPerPixelX);
}

int32_t Environment::PixelsY(double twips) const {
  return platform::TwipsToPixels(twips, settings.twipsPerPixelY);
}

std::shared_ptr<HeadlessControl> Environment::ControlWithWindow(host::WindowHandle window) const {
  if (window == host::kNoWindow) return nullptr;
  for (const auto& control : controls) {
    if (control->hWnd() == window) return control;
  }
  return nullptr;
}

}  // namespace wayband::headless
