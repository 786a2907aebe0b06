#include "imaging/import/png_pixels.h"

#include <algorithm>
#include <array>
#include <optional>

namespace wayband::imaging {
namespace {

constexpr std::array<uint8_t, 8> kPngSignature = {137, 80, 78, 71, 13, 10, 26, 10};
constexpr uint8_t kOpaque = 255;
constexpr size_t kAlphaByte = 3;
constexpr unsigned kMaxGreyDepthWithKey = 8;

void MakeOpaque(CDib32& surface) {
  ForEachPixel(surface.View(), [](uint8_t* pixel) { pixel[kAlphaByte] = kOpaque; });
}

// The alpha of each colour-table index.
class IndexAlpha {
 public:
  explicit IndexAlpha(const CPngDecoder& decoder) {
    const png::PngFile& file = decoder.Contents();
    if (!file.hasTransparency) return;
    if (decoder.ColourType() == png::kPalette) {
      paletteAlpha_ = file.transparency;
    } else if (decoder.BitDepth() <= static_cast<int32_t>(kMaxGreyDepthWithKey) &&
               file.transparency.size() >= 2) {
      // tRNS of a grey image: one 16-bit big-endian grey level.
      greyKey_ = (file.transparency[0] << 8) | file.transparency[1];
    }
  }

  uint8_t operator()(unsigned index) const {
    if (index < paletteAlpha_.size()) return paletteAlpha_[index];
    return greyKey_ && static_cast<int>(index) == *greyKey_ ? 0 : kOpaque;
  }

 private:
  std::vector<uint8_t> paletteAlpha_;
  std::optional<int> greyKey_;
};

// Colour-table index of pixel x in a packed row of `bitCount` bits per pixel (the leftmost
// pixel in the high bits of a byte).
unsigned IndexAt(const uint8_t* row, uint32_t x, unsigned bitCount) {
  const uint32_t bit = x * bitCount;
  const unsigned shift = 8 - bitCount - bit % 8;
  return (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
}

CDib32 ExpandPaletted(const png::PalettedImage& image, const IndexAlpha& alphaOf) {
  CDib32 surface;
  if (!surface.Create(static_cast<int32_t>(image.width), static_cast<int32_t>(image.height)))
    return surface;
  const PixelView out = surface.View();
  // Both are stored bottom-up.
  for (uint32_t row = 0; row < image.height; ++row) {
    const uint8_t* in = image.bits.data() + row * image.stride;
    for (uint32_t x = 0; x < image.width; ++x) {
      const unsigned index = IndexAt(in, x, image.bitCount);
      const platform::RgbQuad colour =
          index < image.colours.size() ? image.colours[index] : platform::RgbQuad{};
      uint8_t* pixel = out.Pixel(static_cast<int32_t>(x), static_cast<int32_t>(row));
      pixel[0] = colour.rgbBlue;
      pixel[1] = colour.rgbGreen;
      pixel[2] = colour.rgbRed;
      pixel[kAlphaByte] = alphaOf(index);
    }
  }
  return surface;
}

}  // namespace

bool IsPngData(std::span<const uint8_t> bytes) {
  return bytes.size() >= kPngSignature.size() &&
         std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin());
}

CDib32 PngPixels(const CPngDecoder& decoder) {
  CDib32 surface;
  if (const platform::BitmapHandle& bitmap = decoder.Bitmap()) {
    surface.CreateFromBitmap(bitmap.get());
    if (bitmap->bitCount() != 32) MakeOpaque(surface);
  } else if (const png::PalettedImage* paletted = decoder.PalettedResult()) {
    surface = ExpandPaletted(*paletted, IndexAlpha(decoder));
  }
  return surface;
}

}  // namespace wayband::imaging
