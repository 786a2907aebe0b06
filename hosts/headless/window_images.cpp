#include "headless/window_images.h"

#include <algorithm>

namespace wayband::headless {

WindowImages::WindowImages(const VirtualWindows& windows, HostRecord& record, Recording recording)
    : windows_(windows), record_(record), recording_(recording) {}

platform::DrawingContext* WindowImages::Context(host::WindowHandle window) {
  const platform::Rect client = windows_.GetClientRect(window);
  if (client.IsEmpty()) return nullptr;
  return images_[window].Context({client.Width(), client.Height()});
}

void WindowImages::Clear(host::WindowHandle window, platform::ColorRef color) {
  if (Context(window)) images_.at(window).Clear(color);
}

void WindowImages::Present(host::WindowHandle window, platform::Size frame) {
  if (!recording_.frames) return;
  const platform::Bitmap* image = Image(window);
  PresentedFrameRecord presented;
  presented.window = window;
  if (image) {
    presented.width = std::clamp(frame.cx, 0, image->width());
    presented.height = std::clamp(frame.cy, 0, image->height());
  }
  if (image && recording_.pixels) {
    presented.pixels.reserve(static_cast<size_t>(presented.width) *
                             static_cast<size_t>(presented.height));
    for (int32_t y = 0; y < presented.height; ++y) {
      for (int32_t x = 0; x < presented.width; ++x)
        presented.pixels.push_back(image->PixelAt(x, y));
    }
  }
  record_.Add(std::move(presented));
}

const platform::Bitmap* WindowImages::Image(host::WindowHandle window) const {
  const auto found = images_.find(window);
  return found == images_.end() ? nullptr : found->second.Image().get();
}

void WindowImages::Forget(host::WindowHandle window) {
  images_.erase(window);
}

}  // namespace wayband::headless
