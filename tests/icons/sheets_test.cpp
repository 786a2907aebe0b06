// The icon sheets: icon files of every depth, and imports of every kind of file (pictures
// also from their arrays alone, as after a save and load). WAYBAND_ICON_SHEET names a folder
// for icon_sheet.png (and _x4, enlarged) and icon_import_sheet.png.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "import_test_support.h"
#include "support/png_file.h"

namespace wayband::imaging {
namespace {

using namespace testing;

constexpr int32_t kCell = testing::kSheetCell;
constexpr int32_t kColumns = testing::kSheetColumns;

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

// An arrow pointer: black with a white outline, transparent around it.
RgbaImage Arrow(int32_t size) {
  return MakeImage(size, size, [size](int32_t x, int32_t y) {
    const bool inside = x <= y * 0.6 && y < size * 0.8 && x < size * 0.55;
    const bool edge = inside && (x == 0 || x >= y * 0.6 - 1.2 || y >= size * 0.8 - 1.5);
    return edge ? Argb(255, 255, 255, 255) : inside ? Argb(255, 0, 0, 0) : 0u;
  });
}

testing::IconImage IconImage(const RgbaImage& picture, int bitCount) {
  return {picture, bitCount};
}

CIconBytes Imported(const std::string& name, const std::vector<uint8_t>& bytes) {
  CIconBytes icon;
  testing::ImportBytes(icon, name, bytes);
  return icon;
}

// A sheet of one row per icon, and the same background without them.
std::pair<CDib32, CDib32> Sheet(const std::vector<const CIconBytes*>& rows,
                                const std::function<uint8_t(int32_t x, bool dark)>& shade) {
  const int32_t height = static_cast<int32_t>(rows.size()) * kCell;
  std::pair<CDib32, CDib32> sheets{testing::CheckerSheet(kColumns * kCell, height, shade),
                                   testing::CheckerSheet(kColumns * kCell, height, shade)};
  for (size_t row = 0; row < rows.size(); ++row)
    testing::DrawSheetRow(*rows[row], sheets.first, static_cast<int32_t>(row));
  return sheets;
}

// Centres carry the icons' colours (grey when disabled); each icon's top-left corner is
// transparent and shows the sheet.
TEST(IconSheet, IconFilesOfEveryDepthDrawAtEverySizeEnabledAndDisabled) {
  const auto fromFile = [](const std::vector<testing::IconImage>& images) {
    return Imported("icons.ico", BuildIconFile(images));
  };
  const CIconBytes disc = fromFile(
      {IconImage(SoftDisc(16), 32), IconImage(SoftDisc(32), 32), IconImage(SoftDisc(48), 32)});
  const CIconBytes star = fromFile({IconImage(Star(16), 8), IconImage(Star(32), 4)});
  const CIconBytes folder = fromFile({IconImage(Folder(16, 0), 24), IconImage(Folder(48, 0), 24)});
  using Slots = std::vector<std::pair<int32_t, int32_t>>;  // kinds 4, 2 and 1, 3
  EXPECT_EQ(
      std::tuple(FilledSlots(disc), FilledSlots(star), FilledSlots(folder)),
      std::tuple(Slots{{0, 4}, {2, 4}, {3, 4}}, Slots{{0, 2}, {2, 1}}, Slots{{0, 3}, {3, 3}}));
  const auto [sheet, clean] = Sheet({&disc, &star, &folder}, [](int32_t x, bool dark) {
    return static_cast<uint8_t>((dark ? 170 : 215) - (x % kCell) / 2);
  });
  for (int32_t row = 0; row < 3; ++row) {
    for (int32_t column = 0; column < kColumns; ++column) {
      SCOPED_TRACE(::testing::Message() << "row " << row << " column " << column);
      const int32_t x = column * kCell, y = row * kCell;
      const int32_t corner = (kCell - IconPixels(column % 3)) / 2;
      const uint32_t centre = sheet.PixelAt(x + kCell / 2, y + kCell / 2);
      EXPECT_EQ(testing::Channel(centre, 0) == testing::Channel(centre, 2), column >= 3);
      EXPECT_EQ(sheet.PixelAt(x + corner, y + corner), clean.PixelAt(x + corner, y + corner));
    }
  }
  if (const char* folderName = std::getenv("WAYBAND_ICON_SHEET")) {
    const std::filesystem::path dir(folderName);
    EXPECT_TRUE(wayband::testing::WritePng(sheet, dir / "icon_sheet.png"));
    EXPECT_TRUE(wayband::testing::WritePng(sheet, dir / "icon_sheet_x4.png", 4));
  }
}

// Every row draws at every size; the reloaded BMP and JPEG show the sheet where their
// background was keyed out. The sheet in the tree is written by the import tests' encoder.
TEST(ImportSheet, IconsFromEveryFileKindDrawAtEverySize) {
  const CIconBytes ico =
      Imported("disc.ico",
               testing::BuildIconFile({IconImage(SoftDisc(16), 32), IconImage(SoftDisc(24), 32),
                                       IconImage(SoftDisc(32), 32), IconImage(SoftDisc(48), 32)}));
  const CIconBytes png = Imported("disc.png", testing::WritePng(SoftDisc(48)));
  const CIconBytes bmp =
      Imported("folder.bmp", testing::WriteBmp(Folder(32, Argb(255, 255, 255, 255)), 24));
  const CIconBytes gif = Imported("star.gif", testing::WriteGif(Star(24)));
  const CIconBytes jpg = Imported("heart.jpg", testing::WriteJpeg(Heart(32), 85));
  const CIconBytes cur =
      Imported("arrow.cur", testing::BuildIconFile({IconImage(Arrow(32), 8)}, 2));
  std::vector<CIconBytes> reloaded;  // the arrays alone, as read back from properties
  for (const CIconBytes* from : {&bmp, &gif, &jpg, &cur}) {
    CIconBytes& arrays = reloaded.emplace_back();
    for (const auto& [size, kind] : FilledSlots(*from))
      arrays.SetBytes(size, kind, from->GetBytes(size, kind));
  }
  const auto [sheet, clean] = Sheet(
      {&ico, &png, &bmp, &gif, &jpg, &cur, &reloaded[0], &reloaded[1], &reloaded[2], &reloaded[3]},
      [](int32_t, bool dark) -> uint8_t { return dark ? 175 : 215; });
  for (int32_t row = 0; row < 10; ++row) {
    for (int32_t column = 0; column < kColumns; ++column) {
      int32_t changed = 0;
      for (int32_t y = row * kCell; y < (row + 1) * kCell; ++y) {
        for (int32_t x = column * kCell; x < (column + 1) * kCell; ++x)
          changed += sheet.PixelAt(x, y) != clean.PixelAt(x, y);
      }
      EXPECT_GE(changed, 20) << "row " << row << " column " << column;
    }
  }
  for (const int32_t row : {6, 8}) {
    const int32_t x = 2 * kCell + (kCell - 32) / 2, y = row * kCell + (kCell - 32) / 2;
    EXPECT_EQ(sheet.PixelAt(x, y), clean.PixelAt(x, y)) << "row " << row;
  }
  if (const char* folder = std::getenv("WAYBAND_ICON_SHEET")) {
    CDib32 large;
    large.Create(sheet.Width() * 3, sheet.Height() * 3);
    large.StretchFromDC(sheet.hDC(), 0, 0, sheet.Width(), sheet.Height(), platform::SRCCOPY,
                        large.Width(), large.Height());
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
