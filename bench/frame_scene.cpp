#include "frame_scene.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/core_access.h"
#include "imaging/icon_bytes.h"
#include "imaging/icon_sizes.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "render/draw/drawing_flags.h"

namespace wayband::bench {

namespace {

constexpr int kPanels = 10;
constexpr double kTwipsPerPixel = 15.0;

// "I3", "Panel 3": appended, since a literal joined to a temporary string makes GCC 12
// warn -Wrestrict at -O3 (GCC PR 105651).
std::string Numbered(const char* prefix, int number) {
  std::string text(prefix);
  text += std::to_string(number);
  return text;
}

// A 32-bit icon image (bottom-up rows, straight alpha): a disc in a colour of the panel.
imaging::ByteArray3 DiscImage(int size, int panel) {
  imaging::ByteArray3 bytes(4, size, size);
  const double centre = size / 2.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double distance = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
      const double coverage = std::clamp(centre - 1.0 - distance + 0.5, 0.0, 1.0);
      bytes.At(0, x, y) = static_cast<uint8_t>(40 + 20 * panel);
      bytes.At(1, x, y) = static_cast<uint8_t>(200 - 15 * panel);
      bytes.At(2, x, y) = static_cast<uint8_t>(x * 255 / size);
      bytes.At(3, x, y) = static_cast<uint8_t>(std::lround(coverage * 255));
    }
  }
  return bytes;
}

}  // namespace

void FillControl(Wayband& bar) {
  core::ControlCore& core = core::CoreAccess::Of(bar);
  for (int i = 1; i <= kPanels; ++i) {
    const std::string key = Numbered("I", i);
    imaging::CIconBytes icon;
    icon.SetKey(key);
    for (int pixels : {16, 24}) {
      icon.SetBytes(imaging::IconSizeIndex(pixels), imaging::kKind32Bit, DiscImage(pixels, i));
    }
    core.MutableState().Icons.Add(std::move(icon));
    bar.WaybandPanels().Add(Numbered("P", i), {}, Numbered("Panel ", i), key);
  }
  bar.SetBarsToShow(kLargeBars);
  bar.WaybandPanels().Item(2)->SetSelected(true);
  core.MutableState().HoverIndex = kHoveredBar;
}

void Refresh(Wayband& bar) {
  core::CoreAccess::Of(bar).Refresh();
}

FrameScene::FrameScene(bool loaded)
    : loop_(std::make_unique<platform::ManualClock>()), host_(Settings()) {
  platform::SetCurrentDesktop(platform::DefaultDesktopState());
  platform::RecordOsFlags();
  render::ResetDrawingFlags();
  const host::WindowHandle form = host_.CreateForm("Form1", {0, 0, 800, 900});
  site_ = host_.AddSite(form, "Wayband1", 0, 0, kWidth * kTwipsPerPixel, kHeight * kTwipsPerPixel);
  bar_ = std::make_unique<Wayband>(*site_);
  if (loaded) {
    bar_->ReadProperties(PropertyBag());
  } else {
    bar_->InitProperties();
  }
  site_->Show();
  FillControl(*bar_);
}

platform::Point FrameScene::OnBar(int32_t k, int32_t dx, int32_t dy) {
  const platform::Rect control = host_.Windows().GetWindowRect(site_->hWnd());
  const platform::Rect& r = core::CoreAccess::Of(*bar_).State().panels.At(k)->rcItem;
  return {control.left + r.left + dx, control.top + r.top + dy};
}

int32_t& FrameScene::HoverIndex() {
  return core::CoreAccess::Of(*bar_).MutableState().HoverIndex;
}

int32_t FrameScene::LargeBars() const {
  return core::CoreAccess::Of(*bar_).State().BarsToShow;
}

headless::HostSettings FrameScene::Settings() {
  headless::HostSettings settings;
  settings.ambientFontName = "Tahoma";
  settings.ambientFontSize = 8.0;
  settings.recordFrames = false;  // the host's record would grow with every frame
  settings.recordEvents = false;  // and with every BarHover of the mouse benchmarks
  return settings;
}

}  // namespace wayband::bench
