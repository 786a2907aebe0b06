// Icons imported from every kind of file the import reads (ICO, PNG, BMP, GIF, JPEG,
// CUR), drawn with DrawIcon at 16, 24 and 32 pixels, enabled and then disabled, on a
// checked sheet. Picture imports are drawn twice: from the held picture, as right after
// the import, and from the stored arrays alone, as after the control was saved and loaded.
// Set WAYBAND_ICON_SHEET to a folder to get the sheet, enlarged three times, as
// icon_import_sheet.png.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "icon_file_builder.h"
#include "icon_test_support.h"
#include "image_file_writer.h"
#include "imaging/icon_sizes.h"
#include "import_test_support.h"

namespace wayband::imaging {
namespace {

using testing::Argb;
using testing::MakeImage;
using testing::RgbaImage;

constexpr int32_t kCell = testing::kSheetCell;
constexpr int32_t kColumns = testing::kSheetColumns;
constexpr int32_t kScale = 3;

double Distance(int32_t x, int32_t y, int32_t size, double cx, double cy) {
  return std::hypot((x + 0.5) / size - cx, (y + 0.5) / size - cy);
}

// A blue disc with a soft edge and a light rim on top, straight alpha.
RgbaImage SoftDisc(int32_t size) {
  return MakeImage(size, size, [size](int32_t x, int32_t y) {
    const double d = Distance(x, y, size, 0.5, 0.5) * size;
    const double edge = std::clamp(0.46 * size - d + 0.5, 0.0, 1.0);
    const bool rim = Distance(x, y, size, 0.5, 0.35) < 0.25;
    return Argb(static_cast<uint8_t>(std::lround(edge * 255)), rim ? 120 : 30, rim ? 170 : 90, 230);
  });
}

// A folder: a yellow body and tab with a dark outline, on `background`.
RgbaImage Folder(int32_t size, uint32_t background) {
  return MakeImage(size, size, [=](int32_t x, int32_t y) {
    const double u = (x + 0.5) / size;
    const double v = (y + 0.5) / size;
    const bool tab = u > 0.1 && u < 0.45 && v > 0.18 && v < 0.3;
    const bool body = u > 0.1 && u < 0.9 && v > 0.28 && v < 0.82;
    if (!tab && !body) return background;
    const bool outline =
        u < 0.14 || u > 0.86 || v > 0.78 || (tab && v < 0.22) || (body && v < 0.32);
    return outline ? Argb(255, 120, 80, 10) : Argb(255, 250, 205, 70);
  });
}

// A green five-pointed star, transparent around it.
RgbaImage Star(int32_t size) {
  return MakeImage(size, size, [size](int32_t x, int32_t y) {
    const double dx = (x + 0.5) / size - 0.5;
    const double dy = (y + 0.5) / size - 0.52;
    const double angle = std::atan2(dy, dx) + M_PI / 2;
    const double spike = std::abs(std::fmod(angle * 5 / (2 * M_PI) + 10.5, 1.0) - 0.5) * 2;
    const double radius = 0.2 + 0.27 * (1 - spike);
    return std::hypot(dx, dy) < radius ? Argb(255, 40, 170, 60) : Argb(0, 0, 0, 0);
  });
}

// A red heart on a light grey background, for the lossy file.
RgbaImage Heart(int32_t size) {
  return MakeImage(size, size, [size](int32_t x, int32_t y) {
    const double u = (x + 0.5) / size * 2.6 - 1.3;
    const double v = 1.2 - (y + 0.5) / size * 2.5;
    const double f = std::pow(u * u + v * v - 1, 3) - u * u * v * v * v;
    return f < 0 ? Argb(255, 210, 30, 50) : Argb(255, 236, 236, 236);
  });
}

// An arrow pointer: black with a white outline, drawn through a mask.
testing::IconImageSpec Arrow(int32_t size) {
  testing::IconImageSpec image{size, size, 8, {}, false};
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      const bool inside = x <= y * 0.6 && y < size * 0.8 && x < size * 0.55;
      const bool edge = inside && (x == 0 || x >= y * 0.6 - 1.2 || y >= size * 0.8 - 1.5);
      testing::IconPixel p{0, 0, 0, 0, !inside};
      if (edge) p = {255, 255, 255, 0, false};
      image.pixels.push_back(p);
    }
  }
  return image;
}

std::vector<uint8_t> IconFileOf(const std::vector<int32_t>& sizes) {
  std::vector<testing::IconImageSpec> images;
  for (const int32_t size : sizes) {
    const RgbaImage disc = SoftDisc(size);
    testing::IconImageSpec spec{size, size, 32, {}, false};
    for (const uint32_t p : disc.pixels) {
      spec.pixels.push_back({static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 8),
                             static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 24),
                             (p >> 24) == 0});
    }
    images.push_back(spec);
  }
  return testing::BuildIconFile(images);
}

CIconBytes Imported(const std::string& name, const std::vector<uint8_t>& bytes) {
  CIconBytes icon;
  testing::ImportBytes(icon, name, bytes);
  return icon;
}

// The icon as read back from stored properties: its arrays, no picture.
CIconBytes ArraysOnly(const CIconBytes& icon) {
  CIconBytes copy;
  for (const auto& [size, kind] : testing::FilledSlots(icon))
    copy.SetBytes(size, kind, icon.GetBytes(size, kind));
  return copy;
}

CDib32 Background(int32_t width, int32_t height) {
  return testing::CheckerSheet(width, height,
                               [](int32_t, bool dark) -> uint8_t { return dark ? 175 : 215; });
}

TEST(ImportSheet, IconsFromEveryFileKindDrawAtEverySize) {
  const uint32_t white = Argb(255, 255, 255, 255);
  const CIconBytes ico = Imported("disc.ico", IconFileOf({16, 24, 32, 48}));
  const CIconBytes png = Imported("disc.png", testing::WritePng(SoftDisc(48)));
  const CIconBytes bmp = Imported("folder.bmp", testing::WriteBmp(Folder(32, white), 24));
  const CIconBytes gif = Imported("star.gif", testing::WriteGif(Star(24)));
  const CIconBytes jpg = Imported("heart.jpg", testing::WriteJpeg(Heart(32), 85));
  const CIconBytes cur = Imported("arrow.cur", testing::BuildIconFile({Arrow(32)}, 2));
  const std::vector<const CIconBytes*> rows = {&ico, &png, &bmp, &gif, &jpg, &cur};
  for (const CIconBytes* icon : rows)
    ASSERT_FALSE(testing::FilledSlots(*icon).empty());

  const std::vector<CIconBytes> reloaded = {ArraysOnly(bmp), ArraysOnly(gif), ArraysOnly(jpg),
                                            ArraysOnly(cur)};
  const int32_t rowCount = static_cast<int32_t>(rows.size() + reloaded.size());
  CDib32 sheet = Background(kColumns * kCell, rowCount * kCell);
  const CDib32 clean = Background(kColumns * kCell, rowCount * kCell);
  int32_t row = 0;
  for (const CIconBytes* icon : rows)
    testing::DrawSheetRow(*icon, sheet, row++);
  for (const CIconBytes& icon : reloaded)
    testing::DrawSheetRow(icon, sheet, row++);

  // Every row draws something at every size; the reloaded BMP and JPEG show the sheet
  // where their background was keyed out (the top-left corner of the 32-pixel icon).
  for (int32_t r = 0; r < rowCount; ++r) {
    for (int32_t column = 0; column < kColumns; ++column) {
      int32_t changed = 0;
      for (int32_t y = r * kCell; y < (r + 1) * kCell; ++y) {
        for (int32_t x = column * kCell; x < (column + 1) * kCell; ++x)
          changed += sheet.PixelAt(x, y) != clean.PixelAt(x, y);
      }
      EXPECT_GE(changed, 20) << "row " << r << " column " << column;
    }
  }
  const int32_t reloadedBmp = static_cast<int32_t>(rows.size());
  for (const int32_t r : {reloadedBmp, reloadedBmp + 2}) {
    const int32_t corner = (kCell - 32) / 2;
    EXPECT_EQ(sheet.PixelAt(2 * kCell + corner, r * kCell + corner),
              clean.PixelAt(2 * kCell + corner, r * kCell + corner))
        << "row " << r;
  }

  if (const char* folder = std::getenv("WAYBAND_ICON_SHEET")) {
    CDib32 large;
    large.Create(sheet.Width() * kScale, sheet.Height() * kScale);
    large.StretchFromDC(sheet.hDC(), 0, 0, sheet.Width(), sheet.Height(), platform::SRCCOPY,
                        large.Width(), large.Height());
    // Written by the import tests' encoder, as the sheet kept in the tree always was.
    const RgbaImage pixels =
        MakeImage(large.Width(), large.Height(),
                  [&large](int32_t x, int32_t y) { return large.PixelAt(x, y); });
    std::filesystem::copy_file(
        testing::WriteTempFile("sheet.png", testing::WritePng(pixels, /*alpha=*/false)),
        std::filesystem::path(folder) / "icon_import_sheet.png",
        std::filesystem::copy_options::overwrite_existing);
  }
}

}  // namespace
}  // namespace wayband::imaging
