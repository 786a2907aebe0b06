// Image files written in memory for the import tests: BMP at every bit depth (optionally
// run-length encoded or top-down), GIF with a transparent colour, and JPEG and PNG through
// stb_image_write. Pictures are given as rows of pixel words from the top, 0xAARRGGBB.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace wayband::imaging::testing {

struct RgbaImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB, rows from the top

  uint32_t At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

RgbaImage MakeImage(int32_t width, int32_t height,
                    const std::function<uint32_t(int32_t x, int32_t y)>& pixel);

constexpr uint32_t Argb(uint8_t alpha, uint8_t red, uint8_t green, uint8_t blue) {
  return (uint32_t{alpha} << 24) | (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
}

enum class BmpLayout { kBottomUp, kTopDown, kRle };

// 1, 4 and 8 bits take a colour table of the image's colours (which must fit); kRle needs
// 4 or 8 bits. 16 bits are 5-5-5. Alpha is written only at 32 bits.
std::vector<uint8_t> WriteBmp(const RgbaImage& image, int bitCount,
                              BmpLayout layout = BmpLayout::kBottomUp);

// A GIF89a of the image's colours (at most 255) where alpha 0 pixels use the transparent
// colour index.
std::vector<uint8_t> WriteGif(const RgbaImage& image);

std::vector<uint8_t> WriteJpeg(const RgbaImage& image, int quality);
// 8-bit RGBA, or RGB when `alpha` is false.
std::vector<uint8_t> WritePng(const RgbaImage& image, bool alpha = true);

// Writes the bytes to a file in the test's temporary folder and returns its path.
std::filesystem::path WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace wayband::imaging::testing
