// stb_image compiled into the library: BMP, GIF and JPEG only, all functions static, no
// file access (the picture loader reads and caps files itself), and images larger than
// the picture loader accepts refused by the decoder too. Third-party code: this one file
// is compiled without the project's warning flags.
#include <climits>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 16384
// stb_image's assertions check its own bookkeeping, and some of them can be reached from
// damaged files (a JPEG whose Huffman codes point past its table): with assertions on, a
// bad file would abort the process. They are compiled out in every build, as they are in
// release builds anyway.
#define STBI_ASSERT(x) ((void)0)
#include <stb/stb_image.h>

#include "platform/image_codecs/stb_bridge.h"

namespace wayband::platform::codecs {
namespace {

bool FitsStb(std::span<const uint8_t> file) {
  return !file.empty() && file.size() <= static_cast<size_t>(INT_MAX);
}

}  // namespace

bool StbReadSize(std::span<const uint8_t> file, StbImageSize& size) {
  if (!FitsStb(file)) return false;
  int width = 0;
  int height = 0;
  int channels = 0;
  if (!stbi_info_from_memory(file.data(), static_cast<int>(file.size()), &width, &height,
                             &channels))
    return false;
  // The size query reports a top-down bitmap's height as stored, negative.
  if (height < 0 && height != INT_MIN) height = -height;
  size = {width, height};
  return true;
}

void StbPixelsDeleter::operator()(uint8_t* pixels) const {
  stbi_image_free(pixels);
}

StbPixels StbDecodeRgba(std::span<const uint8_t> file, StbImageSize& size) {
  if (!FitsStb(file)) return nullptr;
  int width = 0;
  int height = 0;
  int channels = 0;
  constexpr int kRgba = 4;
  StbPixels pixels(stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width,
                                         &height, &channels, kRgba));
  if (pixels) size = {width, height};
  return pixels;
}

}  // namespace wayband::platform::codecs
