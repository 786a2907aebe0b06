#include "imaging/png/convert_rows.h"

#include <algorithm>
#include <cstring>

namespace wayband::imaging::png {
namespace {

constexpr unsigned kPalettedMaxBits = 8;
constexpr unsigned kWideSampleBits = 16;

bool IsInterlaced(const ImageHeader& header) {
  return header.interlace != kInterlaceNone;
}

// Bytes between samples of a row: 1 for 8-bit, 2 for 16-bit (the high byte comes first).
size_t SampleBytes(const ImageHeader& header) {
  return header.bitDepth / 8;
}

// Index (or grey level) rows stored at 8 bits per pixel: from 2-bit samples, 16-bit grey
// samples and every interlaced image; other paletted results keep their depth.
bool ExpandsToEightBits(const ImageHeader& header) {
  return header.bitDepth == 2 || header.bitDepth == kWideSampleBits || IsInterlaced(header);
}

void CopyPackedRow(const uint8_t* src, uint8_t* dst, const ImageHeader& header) {
  std::memcpy(dst, src, RowBytes(header.width, header.bitDepth));
}

// One byte per pixel: packed samples unpacked, 16-bit samples reduced to their high byte.
void ExpandRowToBytes(const uint8_t* src, uint8_t* dst, const ImageHeader& header) {
  const unsigned bits = header.bitDepth;
  if (bits >= 8) {
    const size_t step = SampleBytes(header);
    for (uint32_t x = 0; x < header.width; ++x)
      dst[x] = src[x * step];
    return;
  }
  const unsigned mask = (1u << bits) - 1;
  for (uint32_t x = 0; x < header.width; ++x) {
    const uint64_t bit = uint64_t{x} * bits;
    dst[x] = static_cast<uint8_t>((src[bit / 8] >> (8 - bits - bit % 8)) & mask);
  }
}

void RgbRowToBgr(const uint8_t* src, uint8_t* dst, const ImageHeader& header) {
  const size_t s = SampleBytes(header);
  for (uint32_t x = 0; x < header.width; ++x, src += 3 * s, dst += 3) {
    dst[0] = src[2 * s];
    dst[1] = src[s];
    dst[2] = src[0];
  }
}

void GreyAlphaRowToBgra(const uint8_t* src, uint8_t* dst, const ImageHeader& header) {
  const size_t s = SampleBytes(header);
  for (uint32_t x = 0; x < header.width; ++x, src += 2 * s, dst += 4) {
    dst[0] = dst[1] = dst[2] = src[0];
    dst[3] = src[s];
  }
}

void RgbaRowToBgra(const uint8_t* src, uint8_t* dst, const ImageHeader& header) {
  const size_t s = SampleBytes(header);
  for (uint32_t x = 0; x < header.width; ++x, src += 4 * s, dst += 4) {
    dst[0] = src[2 * s];
    dst[1] = src[s];
    dst[2] = src[0];
    dst[3] = src[3 * s];
  }
}

platform::RgbQuad Grey(uint8_t level) {
  return {level, level, level, 0};
}

std::vector<platform::RgbQuad> GreyRamp(unsigned depth) {
  const unsigned levels = 1u << depth;
  const unsigned top = levels - 1;
  const unsigned step = (255 + top / 2) / top;  // 255 / top is whole for depths 1, 2, 4, 8
  std::vector<platform::RgbQuad> ramp(levels);
  for (unsigned i = 0; i < levels; ++i)
    ramp[i] = Grey(static_cast<uint8_t>(i * step));
  return ramp;
}

std::vector<platform::RgbQuad> PaletteColours(std::span<const uint8_t> palette, size_t entries) {
  std::vector<platform::RgbQuad> colours(entries);
  const size_t available = std::min(entries, palette.size() / 3);
  for (size_t i = 0; i < available; ++i) {
    colours[i] = {palette[3 * i + 2], palette[3 * i + 1], palette[3 * i], 0};
  }
  return colours;
}

}  // namespace

RowConverter ChooseConverter(const ImageHeader& header) {
  switch (header.colourType) {
    case kRgb:
      return RgbRowToBgr;
    case kGreyAlpha:
      return GreyAlphaRowToBgra;
    case kRgba:
      return RgbaRowToBgra;
    default:
      return ExpandsToEightBits(header) ? ExpandRowToBytes : CopyPackedRow;
  }
}

unsigned OutputBitCount(const ImageHeader& header) {
  switch (header.colourType) {
    case kRgb:
      return 24;
    case kGreyAlpha:
    case kRgba:
      return 32;
    default:
      return ExpandsToEightBits(header) ? kPalettedMaxBits : header.bitDepth;
  }
}

std::vector<platform::RgbQuad> OutputColourTable(const ImageHeader& header,
                                                 std::span<const uint8_t> palette) {
  if (OutputBitCount(header) > kPalettedMaxBits) return {};
  if (header.bitDepth == 1) {
    if (palette.size() / 3 == 2) return PaletteColours(palette, 2);
    return {Grey(0), Grey(255)};
  }
  const unsigned depth = std::min(unsigned{header.bitDepth}, kPalettedMaxBits);
  if (header.colourType == kGrey) return GreyRamp(depth);
  return PaletteColours(palette, size_t{1} << depth);
}

void ConvertRows(const ImageHeader& header, ScanlineView source, DibRows target) {
  const RowConverter convert = ChooseConverter(header);
  for (uint32_t y = 0; y < header.height; ++y)
    convert(source.Row(y), target.Row(y), header);
}

}  // namespace wayband::imaging::png
