// GetPixel, SetPixel and GetNearestColor.
#include "platform/device_color.h"
#include "platform/drawing_context.h"

namespace wayband::platform {
namespace {

bool Inside(const Bitmap& bitmap, int32_t x, int32_t y) {
  return x >= 0 && y >= 0 && x < bitmap.width() && y < bitmap.height();
}

}  // namespace

ColorRef GetPixel(const DrawingContext& dc, int32_t x, int32_t y) {
  const Bitmap* bitmap = dc.bitmap().get();
  if (bitmap == nullptr || !Inside(*bitmap, x, y)) return CLR_INVALID;
  return DeviceColor(*bitmap, bitmap->PixelAt(x, y));
}

ColorRef SetPixel(DrawingContext& dc, int32_t x, int32_t y, ColorRef color) {
  Bitmap* bitmap = dc.bitmap().get();
  if (bitmap == nullptr || !Inside(*bitmap, x, y)) return CLR_INVALID;
  const uint32_t value = DeviceValue(*bitmap, color);
  bitmap->SetPixelAt(x, y, value);
  return DeviceColor(*bitmap, value);
}

ColorRef GetNearestColor(const DrawingContext& dc, ColorRef color) {
  const Bitmap* bitmap = dc.bitmap().get();
  if (bitmap == nullptr) return dc.IsScreen() ? (color & 0x00FFFFFFu) : CLR_INVALID;
  return DeviceColor(*bitmap, DeviceValue(*bitmap, color));
}

}  // namespace wayband::platform
