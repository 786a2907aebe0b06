// Helpers of the icon and import tests: importing bytes, the slots filled, arrays from and
// to pixel words, and the icon sheets.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "headless/message_boxes.h"
#include "image_files.h"
#include "imaging/byte_array3.h"
#include "imaging/icon_bytes.h"
#include "imaging/icon_sizes.h"
#include "imaging/import/surface_array.h"
#include "platform/bitmap.h"
#include "support/imaging_files.h"
#include "support/imaging_pixels.h"
#include "wayband/picture.h"

namespace wayband::imaging::testing {

// Writes the bytes to a temporary file of that name and imports it into `icon`.
inline void ImportBytes(CIconBytes& icon, const std::string& name,
                        const std::vector<uint8_t>& bytes) {
  icon.ImportFile(WriteTempFile(name, bytes));
}

// The (size index, kind) slots that hold an array.
inline std::vector<std::pair<int32_t, int32_t>> FilledSlots(const CIconBytes& icon) {
  std::vector<std::pair<int32_t, int32_t>> slots;
  for (int32_t size = 0; size < kIconSizeCount; ++size) {
    for (int32_t kind = 0; kind < kIconKindCount; ++kind) {
      if (!icon.GetBytes(size, kind).IsEmpty()) slots.emplace_back(size, kind);
    }
  }
  return slots;
}

// The picture's image as 0xAARRGGBB words.
inline RgbaImage PicturePixels(const Picture& picture) {
  const platform::Bitmap& image = *picture.Image();
  return MakeImage(image.width(), image.height(),
                   [&image](int32_t x, int32_t y) { return image.PixelAt(x, y); });
}

// The pixel of an array at picture position (x, y) from the top, as a word blue | green
// << 8 | red << 16 (| alpha << 24 for 4-channel arrays).
inline uint32_t ArrayPixel(const ByteArray3& array, int32_t x, int32_t y) {
  uint32_t word = 0;
  for (int32_t c = 0; c < array.Channels(); ++c)
    word |= uint32_t{array.At(c, x, array.Height() - 1 - y)} << (8 * c);
  return word;
}

// Whether the array is size x size (its stored width may be more) and shows `expected`;
// names the first pixel that differs.
inline ::testing::AssertionResult ArrayIs(const ByteArray3& array, int32_t size,
                                          const PixelFn& expected) {
  if (array.Height() != size || array.Width() < size)
    return ::testing::AssertionFailure() << array.Width() << " x " << array.Height();
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      if (ArrayPixel(array, x, y) != expected(x, y)) {
        return ::testing::AssertionFailure()
               << std::hex << ArrayPixel(array, x, y) << " at " << std::dec << x << "," << y;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// A size x size array as an import stores it: 4 channels, or 3 with the width rounded up
// to a multiple of 4; rows bottom-up.
inline ByteArray3 ArrayOf(int32_t size, int32_t channels, const PixelFn& pixel) {
  return SurfaceToArray(Painted(size, size, pixel), channels);
}

// A sheet row: the icon at 16, 24 and 32 pixels enabled, then disabled, each centred in a
// cell; the background: 4-pixel squares of grey shade(x, dark).
inline constexpr int32_t kSheetCell = 40;
inline constexpr int32_t kSheetColumns = 6;
inline void DrawSheetRow(const CIconBytes& icon, CDib32& sheet, int32_t row) {
  for (int32_t column = 0; column < kSheetColumns; ++column) {
    const int32_t sizeIndex = column % 3;
    const int32_t inset = (kSheetCell - IconPixels(sizeIndex)) / 2;
    icon.DrawIcon(sheet.hDC(), sizeIndex, kKind32Bit, column * kSheetCell + inset,
                  row * kSheetCell + inset, column < 3);
  }
}
inline CDib32 CheckerSheet(int32_t width, int32_t height,
                           const std::function<uint8_t(int32_t x, bool dark)>& shade) {
  return Painted(width, height, [&](int32_t x, int32_t y) {
    const uint8_t grey = shade(x, ((x / 4) + (y / 4)) % 2 != 0);
    return Bgra(grey, grey, grey, 255);
  });
}

}  // namespace wayband::imaging::testing
