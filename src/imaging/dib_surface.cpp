#include "imaging/dib_surface.h"

#include <utility>

#include "platform/gdi_objects.h"
#include "platform/geometry.h"

namespace wayband::imaging {
namespace {

int32_t OrDefault(int32_t size, int32_t fallback) {
  return size < 0 ? fallback : size;
}

platform::BitmapInfoHeader SectionHeader(int32_t width, int32_t height, int bitCount) {
  platform::BitmapInfoHeader header;
  header.biWidth = width;
  header.biHeight = height;  // positive: rows bottom-up
  header.biPlanes = 1;
  header.biBitCount = static_cast<uint16_t>(bitCount);
  header.biCompression = platform::BI_RGB;
  header.biSizeImage = static_cast<uint32_t>(height * platform::DibStride(width, bitCount));
  return header;
}

}  // namespace

DibSurface::DibSurface(DibSurface&& other) noexcept
    : bitCount_(other.bitCount_),
      width_(other.width_),
      height_(other.height_),
      header_(other.header_),
      dc_(std::move(other.dc_)),
      dib_(std::move(other.dib_)),
      previousBitmap_(std::move(other.previousBitmap_)) {}

DibSurface& DibSurface::operator=(DibSurface&& other) noexcept {
  if (this == &other) return *this;
  Destroy();
  bitCount_ = other.bitCount_;
  width_ = other.width_;
  height_ = other.height_;
  header_ = other.header_;
  dc_ = std::move(other.dc_);
  dib_ = std::move(other.dib_);
  previousBitmap_ = std::move(other.previousBitmap_);
  return *this;
}

bool DibSurface::Create(int32_t width, int32_t height) {
  Destroy();
  width_ = width;
  height_ = height;
  header_ = {};
  if (width <= 0 || height <= 0) return false;
  const int64_t bytes = platform::DibStride(width, bitCount_) * int64_t{height};
  if (bytes > platform::kMaxBitmapBytes) return false;

  header_ = SectionHeader(width, height, bitCount_);
  auto dib = platform::CreateDIBSection(header_, {});
  auto dc = platform::DrawingContext::CreateCompatible(&platform::DrawingContext::Screen());
  if (!dib || !dc) return false;
  previousBitmap_ = dc->SelectBitmap(dib);
  dib_ = std::move(dib);
  dc_ = std::move(dc);
  return true;
}

void DibSurface::Destroy() {
  if (dc_ && previousBitmap_) dc_->SelectBitmap(std::move(previousBitmap_));
  previousBitmap_.reset();
  dib_.reset();
  dc_.reset();
}

void DibSurface::Clear(platform::ColorRef color) {
  if (!dc_) return;
  platform::FillRect(*dc_, platform::Rect{0, 0, width_, height_},
                     platform::CreateSolidBrush(color));
}

void DibSurface::LoadFromDC(const platform::DrawingContext* source, int32_t xSrc, int32_t ySrc,
                            int32_t width, int32_t height, platform::RasterOp rop) {
  if (!dc_ || !source) return;
  platform::BitBlt(*dc_, 0, 0, OrDefault(width, width_), OrDefault(height, height_), source, xSrc,
                   ySrc, rop);
}

void DibSurface::PaintTo(platform::DrawingContext* target, int32_t x, int32_t y, int32_t width,
                         int32_t height, int32_t xSrc, int32_t ySrc, platform::RasterOp rop) const {
  if (!dc_ || !target) return;
  platform::BitBlt(*target, x, y, OrDefault(width, width_), OrDefault(height, height_), dc_.get(),
                   xSrc, ySrc, rop);
}

// The platform's transparent blit gives the result in one call: where the source colour
// equals the transparent colour the target keeps its pixel (alpha included), elsewhere it
// takes the source pixel. This is the outcome of the classic two-mask sequence (mask of
// the transparent colour, AND into the target, AND-NOT into the source, XOR together)
// without its four temporary bitmaps, and it leaves the target's alpha bytes intact.
void DibSurface::PaintTransparent(platform::DrawingContext* target, int32_t x, int32_t y,
                                  int32_t width, int32_t height, int32_t xSrc, int32_t ySrc,
                                  platform::RasterOp /*rop: the block is always copied*/,
                                  platform::ColorRef transColour) const {
  if (!dc_ || !target) return;
  platform::TransparentBlt(*target, x, y, OrDefault(width, width_), OrDefault(height, height_),
                           *dc_, xSrc, ySrc, transColour);
}

std::span<uint8_t> DibSurface::Bits() {
  return dib_ ? dib_->bits() : std::span<uint8_t>{};
}

std::span<const uint8_t> DibSurface::Bits() const {
  return dib_ ? std::span<const uint8_t>{dib_->bits()} : std::span<const uint8_t>{};
}

PixelView DibSurface::View() {
  if (!dib_) return {};
  return {dib_->bits(), width_, height_, dib_->stride(), bitCount_ / 8};
}

ConstPixelView DibSurface::View() const {
  if (!dib_) return {};
  return {Bits(), width_, height_, dib_->stride(), bitCount_ / 8};
}

bool DibSurface::Contains(int32_t x, int32_t y) const {
  return dib_ && x >= 0 && y >= 0 && x < width_ && y < height_;
}

uint32_t DibSurface::PixelAt(int32_t x, int32_t y) const {
  if (!Contains(x, y)) return 0;
  const ConstPixelView view = View();
  const uint8_t* pixel = view.Pixel(x, view.StoredRow(y));
  uint32_t value = 0;
  for (int32_t i = 0; i < view.bytesPerPixel; ++i)
    value |= uint32_t{pixel[i]} << (8 * i);
  return value;
}

void DibSurface::SetPixelAt(int32_t x, int32_t y, uint32_t value) {
  if (!Contains(x, y)) return;
  const PixelView view = View();
  uint8_t* pixel = view.Pixel(x, view.StoredRow(y));
  for (int32_t i = 0; i < view.bytesPerPixel; ++i)
    pixel[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace wayband::imaging
