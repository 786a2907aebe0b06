// Icons built as icon files, read back into an icon's arrays as the icon-file import does,
// and drawn at 16, 24 and 32 pixels, enabled and disabled, onto a patterned sheet. Set
// WAYBAND_ICON_SHEET to a folder to get the sheet as icon_sheet.png (and enlarged four
// times as icon_sheet_x4.png) for a look.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "icon_file_builder.h"
#include "icon_test_support.h"
#include "support/png_file.h"

namespace wayband::imaging {
namespace {

using testing::Bgra;
using testing::IconImageSpec;
using testing::IconPixel;

constexpr int32_t kCell = testing::kSheetCell;
constexpr int32_t kColumns = testing::kSheetColumns;

template <class Fn>
IconImageSpec Paint(int32_t size, int bitCount, Fn&& pixel) {
  IconImageSpec image{size, size, bitCount, {}, false};
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x)
      image.pixels.push_back(pixel((x + 0.5) / size, (y + 0.5) / size));
  }
  return image;
}

// An orange disc with a soft edge and a highlight, at 32 bits with alpha.
IconImageSpec Disc(int32_t size) {
  return Paint(size, 32, [size](double u, double v) {
    const double d = std::hypot(u - 0.5, v - 0.5) * size;
    const double edge = std::clamp(0.45 * size - d + 0.5, 0.0, 1.0);
    const bool shine = std::hypot(u - 0.38, v - 0.35) < 0.12;
    const auto green = static_cast<uint8_t>(shine ? 230 : 160 - 100 * v);
    return IconPixel{static_cast<uint8_t>(shine ? 220 : 20), green, 250,
                     static_cast<uint8_t>(std::lround(edge * 255)), false};
  });
}

// A striped flag on a pole, paletted, transparent around it through the mask.
IconImageSpec Flag(int32_t size, int bitCount) {
  return Paint(size, bitCount, [](double u, double v) {
    if (u > 0.12 && u < 0.2 && v > 0.08) return IconPixel{60, 60, 60, 0, false};
    if (u >= 0.2 && u < 0.9 && v > 0.1 && v < 0.6) {
      return static_cast<int>(v * 10) % 2 ? IconPixel{200, 40, 20, 0, false}
                                          : IconPixel{255, 255, 255, 0, false};
    }
    return IconPixel{0, 0, 0, 0, true};
  });
}

// A green tile with a dark ring and cut corners, at 24 bits.
IconImageSpec Tile(int32_t size) {
  return Paint(size, 24, [](double u, double v) {
    const double corner = std::min(u, 1 - u) + std::min(v, 1 - v);
    if (corner < 0.2) return IconPixel{0, 0, 0, 0, true};
    const bool ring = std::min({u, 1 - u, v, 1 - v}) < 0.12;
    return ring ? IconPixel{30, 90, 20, 0, false}
                : IconPixel{static_cast<uint8_t>(60 + 120 * u), 200, 90, 0, false};
  });
}

CIconBytes IconFromFile(const std::vector<IconImageSpec>& images) {
  CFileIcon file;
  EXPECT_TRUE(file.LoadIconBytes(testing::BuildIconFile(images)));
  CIconBytes icon;
  testing::StoreIconFileImages(file, icon);
  return icon;
}

CDib32 Background(int32_t width, int32_t height) {
  return testing::CheckerSheet(width, height, [](int32_t x, bool dark) {
    return static_cast<uint8_t>((dark ? 170 : 215) - (x % kCell) / 2);
  });
}

TEST(IconSheet, IconsFromIconFilesDrawAtEverySizeEnabledAndDisabled) {
  const CIconBytes disc = IconFromFile({Disc(16), Disc(32), Disc(48)});
  const CIconBytes flag = IconFromFile({Flag(16, 8), Flag(32, 4)});
  const CIconBytes tile = IconFromFile({Tile(16), Tile(48)});
  ASSERT_TRUE(disc.HasSize(0) && disc.HasSize(2) && disc.HasSize(3));
  EXPECT_FALSE(disc.GetBytes(2, 4).IsEmpty());
  EXPECT_FALSE(flag.GetBytes(0, 2).IsEmpty());
  EXPECT_FALSE(flag.GetBytes(2, 1).IsEmpty());
  EXPECT_FALSE(tile.GetBytes(3, 3).IsEmpty());

  CDib32 sheet = Background(kColumns * kCell, 3 * kCell);
  const CDib32 clean = Background(kColumns * kCell, 3 * kCell);
  testing::DrawSheetRow(disc, sheet, 0);
  testing::DrawSheetRow(flag, sheet, 1);
  testing::DrawSheetRow(tile, sheet, 2);

  // Centres carry the icons' colours (grey when disabled); the tile's cut corners and the
  // space below the flag show the sheet.
  for (int32_t column = 0; column < kColumns; ++column) {
    const int32_t cx = column * kCell + kCell / 2;
    const int32_t size = IconPixels(column % 3);
    const uint32_t centre = sheet.PixelAt(cx, kCell / 2);
    const bool grey = testing::Channel(centre, 0) == testing::Channel(centre, 2);
    EXPECT_EQ(grey, column >= 3) << column;
    const int32_t corner = (kCell - size) / 2;
    EXPECT_EQ(sheet.PixelAt(column * kCell + corner, 2 * kCell + corner),
              clean.PixelAt(column * kCell + corner, 2 * kCell + corner));
    EXPECT_NE(sheet.PixelAt(cx, 2 * kCell + kCell / 2), clean.PixelAt(cx, 2 * kCell + kCell / 2));
    EXPECT_EQ(sheet.PixelAt(cx + 7, kCell + kCell / 2 + 7),
              clean.PixelAt(cx + 7, kCell + kCell / 2 + 7));
  }

  if (const char* folder = std::getenv("WAYBAND_ICON_SHEET")) {
    const std::filesystem::path dir(folder);
    EXPECT_TRUE(wayband::testing::WritePng(sheet, dir / "icon_sheet.png"));
    EXPECT_TRUE(wayband::testing::WritePng(sheet, dir / "icon_sheet_x4.png", 4));
  }
}

}  // namespace
}  // namespace wayband::imaging
