// CDib32: an off-screen surface of 32 bits per pixel (bytes blue, green, red, alpha; rows
// bottom-up) with its own drawing context. Frames and bar backgrounds are painted into
// it; icons are converted, greyed, resampled and composited with it. Whether its colours
// are premultiplied is not a property of the surface: each operation says what it
// expects and produces.
#pragma once

#include <cstdint>

#include "imaging/dib_surface.h"
#include "platform/bitmap.h"
#include "platform/drawing_context.h"
#include "wayband/picture.h"

namespace wayband::imaging {

class CDib32 : public DibSurface {
 public:
  CDib32() : DibSurface(kBitCount) {}
  CDib32(CDib32&&) noexcept = default;
  CDib32& operator=(CDib32&&) noexcept = default;

  // Creates the surface at the bitmap's size and copies the bitmap into it. Failure shows
  // only in the surface: hDC() is null afterwards.
  void CreateFromBitmap(const platform::Bitmap* bitmap);
  // CreateFromBitmap with the picture's bitmap. A picture that holds no bitmap (none, an
  // icon or a metafile) reads as 0 x 0 and leaves the surface empty.
  void CreateFromPicture(const Picture* picture);

  // Stretches the source block at (0,0) sized srcWidth x srcHeight into the surface at
  // (0,0) sized dstWidth x dstHeight. Defaults: srcWidth = Width(), srcHeight = Height(),
  // dstWidth = srcWidth, dstHeight = srcHeight. The source origin is always (0,0): xSrc
  // and ySrc are accepted and not used.
  void StretchFromDC(const platform::DrawingContext* source, int32_t xSrc = 0, int32_t ySrc = 0,
                     int32_t srcWidth = kDefaultSize, int32_t srcHeight = kDefaultSize,
                     platform::RasterOp rop = platform::SRCCOPY, int32_t dstWidth = kDefaultSize,
                     int32_t dstHeight = kDefaultSize);

  // Composites the block (xSrc, ySrc, srcWidth, srcHeight) onto (x, y, width, height) of
  // the target, source-over. With per-pixel alpha the colours must be premultiplied (see
  // PremultiplyAlpha). Defaults: width = Width(), height = Height(), srcWidth = width,
  // srcHeight = height. Without the platform's imaging library the whole surface is
  // drawn at (x, y) point by point (see AlphaPaintPerPixel), unstretched.
  void AlphaPaint(platform::DrawingContext* target, int32_t x, int32_t y,
                  int32_t width = kDefaultSize, int32_t height = kDefaultSize, int32_t xSrc = 0,
                  int32_t ySrc = 0, int32_t srcWidth = kDefaultSize,
                  int32_t srcHeight = kDefaultSize, uint8_t constantAlpha = 255,
                  bool perPixelAlpha = true) const;

  // Multiplies the colour bytes of every pixel by its alpha (channel x alpha \ 255).
  void PremultiplyAlpha();
  // Turns every pixel grey; with keepKeyColour 1 or more, key-coloured pixels stay.
  void Greyscale(int32_t keepKeyColour = 0);
  // A new surface newWidth wide, the height scaled in proportion (rounded up), filled by
  // area averaging; this surface is unchanged. An empty surface when newWidth is below 1,
  // this surface is empty, or the new one cannot be made.
  CDib32 ResampleToWidth(int32_t newWidth) const;
  // Every pixel of exactly the top-left pixel's colour becomes the key colour, alpha 0.
  void KeyOutBackground();
  // As KeyOutBackground, each channel matching within +-12 of the top-left pixel's.
  void KeyOutBackgroundNear();

 private:
  static constexpr int kBitCount = 32;
};

}  // namespace wayband::imaging
