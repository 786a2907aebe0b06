// DibSurface: what the 32-bit and 24-bit raster surfaces share. A surface owns a memory
// drawing context compatible with the screen and a device-independent bitmap section
// selected into it for the surface's whole life; pixel operations work directly on the
// section's store. A surface is empty until Create succeeds; every operation on an empty
// surface does nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "imaging/key_color.h"
#include "imaging/pixel_view.h"
#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/drawing_context.h"

namespace wayband::imaging {

// Size arguments that are negative take the default stated with each operation.
inline constexpr int32_t kDefaultSize = -1;

class DibSurface {
 public:
  // Replaces the surface by a new one of width x height, zero-filled. False (and the
  // surface empty) for sizes of 0 or below or pixel memory above the platform's cap.
  // Width() and Height() report the attempted size either way.
  bool Create(int32_t width, int32_t height);
  // Puts back the context's original bitmap and releases the section and the context.
  void Destroy();

  // Fills the whole surface with a solid brush of a plain colour (alpha bytes 0).
  void Clear(platform::ColorRef color);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // The drawing context, null while the surface is empty.
  platform::DrawingContext* hDC() const { return dc_.get(); }
  int64_t BytesPerScanLine() const { return platform::DibStride(width_, bitCount_); }
  const platform::BitmapInfoHeader& Header() const { return header_; }
  bool IsCreated() const { return dc_ != nullptr; }

  // Copies the block (xSrc, ySrc, width, height) of `source` to (0,0) of the surface.
  // Defaults: width = Width(), height = Height().
  void LoadFromDC(const platform::DrawingContext* source, int32_t xSrc = 0, int32_t ySrc = 0,
                  int32_t width = kDefaultSize, int32_t height = kDefaultSize,
                  platform::RasterOp rop = platform::SRCCOPY);
  // Copies the block (xSrc, ySrc, width, height) of the surface to (x, y) of `target`.
  void PaintTo(platform::DrawingContext* target, int32_t x = 0, int32_t y = 0,
               int32_t width = kDefaultSize, int32_t height = kDefaultSize, int32_t xSrc = 0,
               int32_t ySrc = 0, platform::RasterOp rop = platform::SRCCOPY) const;
  // As PaintTo, but target pixels stay as they were where the source colour equals
  // `transColour`. The block is always copied; `rop` is accepted for callers that name it.
  void PaintTransparent(platform::DrawingContext* target, int32_t x = 0, int32_t y = 0,
                        int32_t width = kDefaultSize, int32_t height = kDefaultSize,
                        int32_t xSrc = 0, int32_t ySrc = 0,
                        platform::RasterOp rop = platform::SRCCOPY,
                        platform::ColorRef transColour = kKeyColor) const;

  // The pixel store, rows bottom-up, BytesPerScanLine() bytes each; empty when the
  // surface is.
  std::span<uint8_t> Bits();
  std::span<const uint8_t> Bits() const;
  PixelView View();
  ConstPixelView View() const;
  // The pixel at (x, y) of the picture ((0,0) top-left) as a little-endian word of its
  // stored bytes: blue | green << 8 | red << 16 (| alpha << 24 on 32-bit surfaces).
  // 0 outside the surface.
  uint32_t PixelAt(int32_t x, int32_t y) const;
  void SetPixelAt(int32_t x, int32_t y, uint32_t value);

 protected:
  explicit DibSurface(int bitCount) : bitCount_(bitCount) {}
  ~DibSurface() { Destroy(); }
  DibSurface(DibSurface&& other) noexcept;
  DibSurface& operator=(DibSurface&& other) noexcept;
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

 private:
  bool Contains(int32_t x, int32_t y) const;

  int bitCount_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  platform::BitmapInfoHeader header_;
  std::unique_ptr<platform::DrawingContext> dc_;
  platform::BitmapHandle dib_;
  platform::BitmapHandle previousBitmap_;
};

}  // namespace wayband::imaging
