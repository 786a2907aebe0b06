#include "platform/host/window_image.h"

namespace wayband::host {

platform::DrawingContext* WindowImage::Context(platform::Size client) {
  if (client.cx <= 0 || client.cy <= 0) return nullptr;
  if (bitmap_ && bitmap_->width() == client.cx && bitmap_->height() == client.cy) {
    return dc_.get();
  }
  platform::BitmapHandle bitmap =
      platform::CreateCompatibleBitmap(platform::DrawingContext::Screen(), client.cx, client.cy);
  if (!bitmap) return nullptr;
  if (!dc_) {
    dc_ = platform::DrawingContext::CreateCompatible(nullptr);
    if (!dc_) return nullptr;
  }
  if (bitmap_) {
    // The window grew or shrank: what it showed stays where it was.
    const auto resized = platform::DrawingContext::CreateCompatible(nullptr);
    resized->SelectBitmap(bitmap);
    platform::BitBlt(*resized, 0, 0, client.cx, client.cy, dc_.get(), 0, 0, platform::SRCCOPY);
  }
  dc_->SelectBitmap(bitmap);
  bitmap_ = std::move(bitmap);
  return dc_.get();
}

void WindowImage::Clear(platform::ColorRef color) {
  if (!bitmap_) return;
  platform::FillRect(*dc_, {0, 0, bitmap_->width(), bitmap_->height()},
                     platform::CreateSolidBrush(color));
}

}  // namespace wayband::host
