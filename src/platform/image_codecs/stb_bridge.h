// The one way into stb_image, which decodes BMP, GIF and JPEG for the picture loader. The
// decoder is compiled into the library in one file of its own (stb_image_unit.cpp), with
// every function static and only those three formats, so it cannot clash with another
// copy of stb_image a program links.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

namespace wayband::platform::codecs {

struct StbImageSize {
  int32_t width = 0;
  int32_t height = 0;
};

// The size the file's header declares; false when stb_image does not recognise the file.
bool StbReadSize(std::span<const uint8_t> file, StbImageSize& size);

struct StbPixelsDeleter {
  void operator()(uint8_t* pixels) const;
};
using StbPixels = std::unique_ptr<uint8_t, StbPixelsDeleter>;

// Decodes the file (the first frame of a GIF) to 8-bit red, green, blue, alpha, rows
// top-down; null on failure. `size` receives the image's size.
StbPixels StbDecodeRgba(std::span<const uint8_t> file, StbImageSize& size);

}  // namespace wayband::platform::codecs
