#include "imaging/dib32.h"

#include <memory>

#include "imaging/alpha_paint_fallback.h"
#include "imaging/pixel_ops.h"
#include "imaging/resample_area.h"
#include "platform/imaging_library.h"

namespace wayband::imaging {
namespace {

int32_t OrDefault(int32_t size, int32_t fallback) {
  return size < 0 ? fallback : size;
}

}  // namespace

void CDib32::CreateFromBitmap(const platform::Bitmap* bitmap) {
  const platform::Size size = platform::GetBitmapSize(bitmap);
  if (!Create(size.cx, size.cy)) return;
  auto reader = platform::DrawingContext::CreateCompatible(&platform::DrawingContext::Screen());
  // The context only reads the bitmap as a blit source and is gone before this returns,
  // so it borrows the caller's bitmap without owning it.
  platform::BitmapHandle borrowed(platform::BitmapHandle{}, const_cast<platform::Bitmap*>(bitmap));
  platform::BitmapHandle previous = reader->SelectBitmap(borrowed);
  LoadFromDC(reader.get(), 0, 0, Width(), Height(), platform::SRCCOPY);
  if (previous) reader->SelectBitmap(std::move(previous));
}

void CDib32::StretchFromDC(const platform::DrawingContext* source, int32_t /*xSrc*/,
                           int32_t /*ySrc*/, int32_t srcWidth, int32_t srcHeight,
                           platform::RasterOp rop, int32_t dstWidth, int32_t dstHeight) {
  if (!hDC() || !source) return;
  srcWidth = OrDefault(srcWidth, Width());
  srcHeight = OrDefault(srcHeight, Height());
  platform::StretchBlt(*hDC(), 0, 0, OrDefault(dstWidth, srcWidth), OrDefault(dstHeight, srcHeight),
                       source, 0, 0, srcWidth, srcHeight, rop);
}

void CDib32::AlphaPaint(platform::DrawingContext* target, int32_t x, int32_t y, int32_t width,
                        int32_t height, int32_t xSrc, int32_t ySrc, int32_t srcWidth,
                        int32_t srcHeight, uint8_t constantAlpha, bool perPixelAlpha) const {
  if (!hDC() || !target) return;
  width = OrDefault(width, Width());
  height = OrDefault(height, Height());
  if (!platform::RecordedImagingCapabilities().libraryLoads) {
    AlphaPaintPerPixel(View(), *target, x, y, height, constantAlpha);
    return;
  }
  const platform::BlendFunction blend{platform::AC_SRC_OVER, 0, constantAlpha,
                                      perPixelAlpha ? platform::AC_SRC_ALPHA : uint8_t{0}};
  platform::AlphaBlend(*target, x, y, width, height, *hDC(), xSrc, ySrc, OrDefault(srcWidth, width),
                       OrDefault(srcHeight, height), blend);
}

void CDib32::PremultiplyAlpha() {
  imaging::PremultiplyAlpha(View());
}

void CDib32::Greyscale(int32_t keepKeyColour) {
  imaging::Greyscale(View(), keepKeyColour >= 1);
}

void CDib32::KeyOutBackground() {
  imaging::KeyOutBackground(View(), 0);
}

void CDib32::KeyOutBackgroundNear() {
  imaging::KeyOutBackground(View(), kNearKeyTolerance);
}

CDib32 CDib32::ResampleToWidth(int32_t newWidth) const {
  CDib32 result;
  if (!hDC() || newWidth < 1) return result;
  const int64_t newHeight = ScaledHeight(Width(), Height(), newWidth);
  if (newHeight > INT32_MAX || !result.Create(newWidth, static_cast<int32_t>(newHeight))) {
    return CDib32{};
  }
  if (DividesIntoBlocks(Width(), Height(), result.Width(), result.Height())) {
    AverageBlocks(View(), result.View());
  } else if (!AverageByArea(View(), result.View())) {
    return CDib32{};
  }
  return result;
}

}  // namespace wayband::imaging
