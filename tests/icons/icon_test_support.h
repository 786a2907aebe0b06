// Helpers of the icon-store tests: pixel arrays from functions, surfaces read back into
// arrays, icon files turned into an icon's arrays, and comparing pixels.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>

#include "imaging/byte_array3.h"
#include "imaging/dib32.h"
#include "imaging/ico/file_icon.h"
#include "imaging/icon_bytes.h"

namespace wayband::imaging::testing {

// A pixel word from its stored bytes.
constexpr uint32_t Bgra(uint8_t blue, uint8_t green, uint8_t red, uint8_t alpha = 0) {
  return uint32_t{blue} | (uint32_t{green} << 8) | (uint32_t{red} << 16) | (uint32_t{alpha} << 24);
}
constexpr uint8_t Channel(uint32_t word, int index) {
  return static_cast<uint8_t>(word >> (8 * index));
}
constexpr uint32_t kColourBytes = 0x00FFFFFF;

// Pixel words by picture position ((0,0) top-left).
using PixelFn = std::function<uint32_t(int32_t x, int32_t y)>;

// A size x size image as stored at 32 bits (4 channels) or 24 bits (3 channels, width
// rounded up to a multiple of 4, extra columns 0), rows bottom-up.
ByteArray3 Array32(int32_t size, const PixelFn& pixel);
ByteArray3 Array24(int32_t size, const PixelFn& pixel);

// The surface's pixels as an array the way an import stores them.
ByteArray3 ReadBack(const CDib32& surface, int bitCount);

// Stores every image of the icon file in the icon as the icon-file import does: 32-bit
// images drawn with their alpha, the others onto the key colour through their masks.
void StoreIconFileImages(const CFileIcon& file, CIconBytes& icon);

CDib32 FilledDib(int32_t width, int32_t height, uint32_t word);

// Icon sheets: square cells of kSheetCell pixels; a row shows an icon at 16, 24 and 32
// pixels enabled, then the same disabled, each centred in its cell.
inline constexpr int32_t kSheetCell = 40;
inline constexpr int32_t kSheetColumns = 6;
void DrawSheetRow(const CIconBytes& icon, CDib32& sheet, int32_t row);

// A sheet background of 4-pixel grey squares, the grey at each pixel shade(x, dark).
CDib32 CheckerSheet(int32_t width, int32_t height,
                    const std::function<uint8_t(int32_t x, bool dark)>& shade);

// Whether every channel of two pixel words differs by at most `tolerance`.
bool Near(uint32_t a, uint32_t b, int tolerance);

}  // namespace wayband::imaging::testing
