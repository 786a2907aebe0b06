#include "icon_test_support.h"

#include "imaging/icon_sizes.h"
#include "imaging/key_color.h"

namespace wayband::imaging::testing {
namespace {

ByteArray3 MakeArray(int32_t size, int channels, int32_t storedWidth, const PixelFn& pixel) {
  ByteArray3 array(channels, storedWidth, size);
  for (int32_t row = 0; row < size; ++row) {
    for (int32_t x = 0; x < size; ++x) {
      const uint32_t word = pixel(x, size - 1 - row);
      for (int c = 0; c < channels; ++c)
        array.At(c, x, row) = Channel(word, c);
    }
  }
  return array;
}

}  // namespace

ByteArray3 Array32(int32_t size, const PixelFn& pixel) {
  return MakeArray(size, 4, size, pixel);
}

ByteArray3 Array24(int32_t size, const PixelFn& pixel) {
  return MakeArray(size, 3, Stored24BitWidth(size), pixel);
}

ByteArray3 ReadBack(const CDib32& surface, int bitCount) {
  const int channels = bitCount / 8;
  const int32_t width = channels == 3 ? Stored24BitWidth(surface.Width()) : surface.Width();
  ByteArray3 array(channels, width, surface.Height());
  for (int32_t row = 0; row < surface.Height(); ++row) {
    for (int32_t x = 0; x < surface.Width(); ++x) {
      const uint32_t word = surface.PixelAt(x, surface.Height() - 1 - row);
      for (int c = 0; c < channels; ++c)
        array.At(c, x, row) = Channel(word, c);
    }
  }
  return array;
}

void StoreIconFileImages(const CFileIcon& file, CIconBytes& icon) {
  for (int32_t i = 1; i <= file.ImageCount(); ++i) {
    const int32_t bits = file.ImageBitCount(i);
    CDib32 surface;
    if (!surface.Create(file.ImageWidth(i), file.ImageHeight(i))) continue;
    if (bits == 32) {
      file.DrawImage(surface.hDC(), i, IconImagePart::kColour, 0, 0);
    } else {
      surface.Clear(kKeyColor);
      file.DrawImage(surface.hDC(), i, IconImagePart::kColour, 0, 0, 0, 0, platform::SRCINVERT);
      file.DrawImage(surface.hDC(), i, IconImagePart::kMask, 0, 0, 0, 0, platform::SRCAND);
      file.DrawImage(surface.hDC(), i, IconImagePart::kColour, 0, 0, 0, 0, platform::SRCINVERT);
    }
    icon.SetBytes(IconSizeIndex(file.ImageHeight(i)), IconKind(bits),
                  ReadBack(surface, bits == 32 ? 32 : 24));
  }
}

CDib32 FilledDib(int32_t width, int32_t height, uint32_t word) {
  CDib32 dib;
  dib.Create(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x)
      dib.SetPixelAt(x, y, word);
  }
  return dib;
}

void DrawSheetRow(const CIconBytes& icon, CDib32& sheet, int32_t row) {
  for (int32_t column = 0; column < kSheetColumns; ++column) {
    const int32_t sizeIndex = column % 3;
    const int32_t size = IconPixels(sizeIndex);
    icon.DrawIcon(sheet.hDC(), sizeIndex, kKind32Bit, column * kSheetCell + (kSheetCell - size) / 2,
                  row * kSheetCell + (kSheetCell - size) / 2, column < 3);
  }
}

CDib32 CheckerSheet(int32_t width, int32_t height,
                    const std::function<uint8_t(int32_t x, bool dark)>& shade) {
  CDib32 sheet;
  sheet.Create(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint8_t grey = shade(x, ((x / 4) + (y / 4)) % 2 != 0);
      sheet.SetPixelAt(x, y, Bgra(grey, grey, grey, 255));
    }
  }
  return sheet;
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int c = 0; c < 4; ++c) {
    if (std::abs(int{Channel(a, c)} - int{Channel(b, c)}) > tolerance) return false;
  }
  return true;
}

}  // namespace wayband::imaging::testing
