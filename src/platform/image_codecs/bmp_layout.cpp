#include "platform/image_codecs/bmp_layout.h"

namespace wayband::platform::codecs::bmp {

std::vector<uint8_t> NewUncompressedFile(int32_t width, int32_t height, int bitCount,
                                         size_t colours, size_t& pixelsAt) {
  const size_t imageBytes = RowStride(width, bitCount) * static_cast<size_t>(height);
  pixelsAt = kFileHeaderBytes + kInfoHeaderBytes + colours * kColourEntryBytes;
  std::vector<uint8_t> out(pixelsAt + imageBytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  PutLe32(out, 2, static_cast<uint32_t>(out.size()));
  PutLe32(out, kOffBits, static_cast<uint32_t>(pixelsAt));
  PutLe32(out, kInfoSize, kInfoHeaderBytes);
  PutLe32(out, kInfoWidth, static_cast<uint32_t>(width));
  PutLe32(out, kInfoHeight, static_cast<uint32_t>(height));
  out[kInfoPlanes] = 1;
  out[kInfoBitCount] = static_cast<uint8_t>(bitCount);
  PutLe32(out, kInfoCompression, kBiRgb);
  PutLe32(out, kInfoSizeImage, static_cast<uint32_t>(imageBytes));
  PutLe32(out, kInfoColoursUsed, static_cast<uint32_t>(colours));
  return out;
}

}  // namespace wayband::platform::codecs::bmp
