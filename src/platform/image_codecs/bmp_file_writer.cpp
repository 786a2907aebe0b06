#include "platform/image_codecs/bmp_file_writer.h"

#include "platform/image_codecs/bmp_layout.h"

namespace wayband::platform::codecs {

namespace {

constexpr int kBitCount = 24;
constexpr size_t kBytesPerPixel = 3;

// Blue, green and red of the picture pixel (x, y).
void PutPixel(uint8_t* out, const Bitmap& bitmap, int32_t x, int32_t y) {
  const uint32_t value = bitmap.PixelAt(x, y);
  if (bitmap.IsMonochrome()) {
    const RgbQuad& colour = bitmap.colorTable()[value & 1];
    out[0] = colour.rgbBlue;
    out[1] = colour.rgbGreen;
    out[2] = colour.rgbRed;
    return;
  }
  for (size_t c = 0; c < kBytesPerPixel; ++c)
    out[c] = static_cast<uint8_t>(value >> (8 * c));
}

}  // namespace

std::vector<uint8_t> EncodeBmpFile(const Bitmap& bitmap) {
  const int32_t width = bitmap.width();
  const int32_t height = bitmap.height();
  size_t row = 0;
  std::vector<uint8_t> out = bmp::NewUncompressedFile(width, height, kBitCount, 0, row);
  const size_t stride = bmp::RowStride(width, kBitCount);
  for (int32_t y = height - 1; y >= 0; --y, row += stride) {
    for (int32_t x = 0; x < width; ++x)
      PutPixel(out.data() + row + static_cast<size_t>(x) * kBytesPerPixel, bitmap, x, y);
  }
  return out;
}

}  // namespace wayband::platform::codecs
