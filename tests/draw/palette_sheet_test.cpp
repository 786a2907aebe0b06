// Renders the 44 palette colours of every desktop preset, as a control builds them, with a
// bar in each preset's look. The sheet is written as tests/artifacts/palette_sheet.png (or
// into the folder WAYBAND_PALETTE_SHEET names) for a person to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "draw_fixture.h"
#include "platform/desktop_presets.h"
#include "platform/text/text_output.h"
#include "render/draw/caption.h"
#include "render/draw/font_record.h"
#include "render/draw/gradient.h"
#include "render/draw/outline.h"
#include "render/scheme/scheme_update.h"
#include "support/png_file.h"

namespace wayband::test {
namespace {

using platform::ColorRef;
using platform::Rect;
using render::Slot;

constexpr int32_t kMargin = 8;
constexpr int32_t kLabelWidth = 150;
constexpr int32_t kSwatch = 14;
constexpr int32_t kSwatchPitch = 15;
constexpr int32_t kRowHeight = 22;
constexpr int32_t kHeaderHeight = 16;
constexpr int32_t kSwatchesLeft = kMargin + kLabelWidth;
constexpr int32_t kSampleLeft = kSwatchesLeft + kSwatchPitch * 44 + 8;
constexpr int32_t kSampleWidth = 96;
constexpr int32_t kSheetWidth = kSampleLeft + kSampleWidth + kMargin;
const ColorRef kPaper = platform::RGB(0xFA, 0xFA, 0xF7);
const ColorRef kLabelInk = platform::RGB(0x30, 0x30, 0x30);
const ColorRef kSwatchFrame = platform::RGB(0x80, 0x80, 0x80);

class Sheet {
 public:
  explicit Sheet(int32_t height) : canvas_(kSheetWidth, height, kPaper) {
    canvas_.dc()->SetBkMode(platform::BackgroundMode::kTransparent);
    StdFont font;  // Tahoma at 8 points, as the controls' default font
    platform::LogFont record;
    render::FontToLogFont(font, canvas_.dc(), &record, false);
    canvas_.dc()->SelectFont(platform::CreateFontIndirect(record));
  }
  Canvas& canvas() { return canvas_; }
  platform::DrawingContext* dc() { return canvas_.dc(); }

  void Label(std::string_view text, const Rect& rect, ColorRef ink = kLabelInk) {
    dc()->SetTextColor(ink);
    render::DrawCaption(dc(), text, rect.left, rect.top, rect.right, rect.bottom, true, 0, false,
                        false, false, platform::DT_VCENTER);
  }

 private:
  Canvas canvas_;
};

std::filesystem::path SheetFolder() {
  if (const char* folder = std::getenv("WAYBAND_PALETTE_SHEET")) return folder;
  const char* data = std::getenv("WAYBAND_TEST_DATA");
  return std::filesystem::path(data != nullptr ? data : ".") / ".." / "artifacts";
}

class PaletteSheet : public DrawTest {
 protected:
  // The palette a control in the current desktop paints with.
  static render::SchemePalette PresetPalette() {
    render::SchemePalette palette{};
    render::UpdateColorScheme(palette, kWindow);
    return palette;
  }

  // One row per preset: its name, its 44 slots, and a bar in the look it paints.
  int32_t DrawPresetRows(Sheet& sheet, int32_t top) {
    for (int32_t slot = 0; slot < 44; ++slot) {
      const int32_t x = kSwatchesLeft + kSwatchPitch * slot;
      sheet.Label(std::to_string(slot), Rect{x, top, x + kSwatchPitch + 4, top + kHeaderHeight});
    }
    sheet.Label("preset / slot", Rect{kMargin, top, kSwatchesLeft, top + kHeaderHeight});
    sheet.Label("bar sample", Rect{kSampleLeft, top, kSheetWidth, top + kHeaderHeight});
    top += kHeaderHeight;
    for (std::string_view name : platform::DesktopPresetNames()) {
      UsePreset(name);
      const render::SchemePalette palette = PresetPalette();
      sheet.Label(name, Rect{kMargin, top, kSwatchesLeft - 4, top + kRowHeight});
      for (int32_t slot = 0; slot < 44; ++slot) {
        const int32_t x = kSwatchesLeft + kSwatchPitch * slot;
        const render::OleColor colour = palette[static_cast<size_t>(slot)];
        render::FillGradient(sheet.dc(), colour, colour, x, top + 4, kSwatch, kRowHeight - 8,
                             false);
        render::DrawRectOutline(sheet.dc(), kSwatchFrame, x - 1, top + 3, kSwatch + 2,
                                kRowHeight - 6);
      }
      const bool styled = render::IsAppStyled();
      const Slot barTop = styled ? Slot::StyledBarTop : Slot::BarTop;
      const Slot barBottom = styled ? Slot::StyledBarBottom : Slot::BarBottom;
      render::FillGradient(sheet.dc(), palette[barTop], palette[barBottom], kSampleLeft, top + 1,
                           kSampleWidth, kRowHeight - 2, false);
      render::DrawRectOutline(sheet.dc(), palette[Slot::Border], kSampleLeft, top + 1, kSampleWidth,
                              kRowHeight - 2);
      sheet.Label("Mail", Rect{kSampleLeft + 6, top + 1, kSheetWidth, top + kRowHeight - 1},
                  platform::GetSysColor(platform::COLOR_BTNTEXT));
      top += kRowHeight;
    }
    return top;
  }
};

TEST_F(PaletteSheet, RendersEveryPresetPalette) {
  const int32_t presetRows = static_cast<int32_t>(platform::DesktopPresetNames().size());
  const int32_t height = kMargin + kHeaderHeight + presetRows * kRowHeight + kMargin;
  Sheet sheet(height);
  const int32_t top = DrawPresetRows(sheet, kMargin);
  EXPECT_EQ(top + kMargin, height);

  const std::filesystem::path folder = SheetFolder();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const Canvas& canvas = sheet.canvas();
  EXPECT_TRUE(testing::WritePng(folder / "palette_sheet.png", canvas.Width(), canvas.Height(),
                                [&canvas](int32_t x, int32_t y) { return canvas.At(x, y); }))
      << folder;
}

}  // namespace
}  // namespace wayband::test
