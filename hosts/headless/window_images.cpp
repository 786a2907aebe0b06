#include "headless/window_images.h"

#include <algorithm>

namespace wayband::headless {

WindowImages::WindowImages(const VirtualWindows& windows, HostRecord& record, bool recordPixels)
    : windows_(windows), record_(record), recordPixels_(recordPixels) {}

platform::DrawingContext* WindowImages::Context(host::WindowHandle window) {
  const platform::Rect client = windows_.GetClientRect(window);
  if (client.IsEmpty()) return nullptr;
  Entry& image = images_[window];
  if (image.bitmap && image.bitmap->width() == client.Width() &&
      image.bitmap->height() == client.Height()) {
    return image.dc.get();
  }
  const platform::DrawingContext& screen = platform::DrawingContext::Screen();
  platform::BitmapHandle bitmap =
      platform::CreateCompatibleBitmap(screen, client.Width(), client.Height());
  if (!bitmap) return nullptr;
  if (!image.dc) {
    image.dc = platform::DrawingContext::CreateCompatible(nullptr);
    if (!image.dc) return nullptr;
  }
  if (image.bitmap) {
    // The window grew or shrank: what it showed stays where it was.
    const auto resized = platform::DrawingContext::CreateCompatible(nullptr);
    resized->SelectBitmap(bitmap);
    platform::BitBlt(*resized, 0, 0, client.Width(), client.Height(), image.dc.get(), 0, 0,
                     platform::SRCCOPY);
  }
  image.dc->SelectBitmap(bitmap);
  image.bitmap = std::move(bitmap);
  return image.dc.get();
}

void WindowImages::Clear(host::WindowHandle window, platform::ColorRef color) {
  platform::DrawingContext* dc = Context(window);
  if (!dc) return;
  const platform::Bitmap& image = *images_.at(window).bitmap;
  platform::FillRect(*dc, {0, 0, image.width(), image.height()}, platform::CreateSolidBrush(color));
}

void WindowImages::Present(host::WindowHandle window, platform::Size frame) {
  const platform::Bitmap* image = Image(window);
  PresentedFrameRecord presented;
  presented.window = window;
  if (image) {
    presented.width = std::clamp(frame.cx, 0, image->width());
    presented.height = std::clamp(frame.cy, 0, image->height());
  }
  if (image && recordPixels_) {
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
  return found == images_.end() ? nullptr : found->second.bitmap.get();
}

void WindowImages::Forget(host::WindowHandle window) {
  images_.erase(window);
}

}  // namespace wayband::headless
