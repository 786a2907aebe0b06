#include "platform/image_codecs/bmp_file_writer.h"

#include <iterator>

namespace wayband::platform::codecs {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint16_t kBitCount = 24;
constexpr uint16_t kPlanes = 1;
constexpr uint8_t kMagic[] = {'B', 'M'};

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Blue, green and red of the picture pixel (x, y).
void PutPixel(std::vector<uint8_t>& out, const Bitmap& bitmap, int32_t x, int32_t y) {
  const uint32_t value = bitmap.PixelAt(x, y);
  if (bitmap.IsMonochrome()) {
    const RgbQuad& colour = bitmap.colorTable()[value & 1];
    out.insert(out.end(), {colour.rgbBlue, colour.rgbGreen, colour.rgbRed});
    return;
  }
  Put(out, value & 0x00FFFFFF, 3);
}

}  // namespace

std::vector<uint8_t> EncodeBmpFile(const Bitmap& bitmap) {
  const int32_t width = bitmap.width();
  const int32_t height = bitmap.height();
  const auto stride = static_cast<uint32_t>(DibStride(width, kBitCount));
  const uint32_t pixelBytes = stride * static_cast<uint32_t>(height);
  const uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes;
  std::vector<uint8_t> out(std::begin(kMagic), std::end(kMagic));
  out.reserve(offset + pixelBytes);
  Put(out, offset + pixelBytes, 4);
  Put(out, 0, 4);  // reserved
  Put(out, offset, 4);
  Put(out, kInfoHeaderBytes, 4);
  Put(out, static_cast<uint32_t>(width), 4);
  Put(out, static_cast<uint32_t>(height), 4);  // positive: bottom-up
  Put(out, kPlanes, 2);
  Put(out, kBitCount, 2);
  Put(out, BI_RGB, 4);
  Put(out, pixelBytes, 4);
  for (int field = 0; field < 4; ++field)
    Put(out, 0, 4);  // resolution and colour counts
  for (int32_t y = height - 1; y >= 0; --y) {
    for (int32_t x = 0; x < width; ++x)
      PutPixel(out, bitmap, x, y);
    out.resize(out.size() + (stride - static_cast<uint32_t>(width) * 3));
  }
  return out;
}

}  // namespace wayband::platform::codecs
