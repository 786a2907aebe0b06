// Renders the 44 palette colours of every desktop preset, as a control builds them, and a
// set of captions in several scripts drawn with DrawCaption over bar gradients, with the
// splitter grip and the chevron glyph (and both enlarged). The sheet is written as
// tests/artifacts/palette_sheet.png (or into the folder WAYBAND_PALETTE_SHEET names) for a
// person to look at; the test checks every swatch and that each caption inks only its own
// rectangle.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "draw_fixture.h"
#include "platform/desktop_presets.h"
#include "platform/text/display_text.h"
#include "platform/text/text_output.h"
#include "render/draw/caption.h"
#include "render/draw/chevron_glyph.h"
#include "render/draw/color_blend.h"
#include "render/draw/font_record.h"
#include "render/draw/gradient.h"
#include "render/draw/grip.h"
#include "render/draw/outline.h"
#include "render/scheme/scheme_update.h"
#include "support/png_file.h"
#include "support/surface_colors.h"

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
constexpr int32_t kCaptionWidth = 300;
constexpr int32_t kStripHeight = 30;
constexpr int32_t kSplitterHeight = 8;
constexpr int32_t kZoom = 6;
const ColorRef kPaper = platform::RGB(0xFA, 0xFA, 0xF7);
const ColorRef kLabelInk = platform::RGB(0x30, 0x30, 0x30);
const ColorRef kSwatchFrame = platform::RGB(0x80, 0x80, 0x80);

struct CaptionRow {
  const char* label;
  std::string text;
  bool right = false;
  bool centre = false;
  bool wrap = false;
  bool normal = true;
  int32_t height = 26;
};

std::vector<CaptionRow> CaptionRows() {
  return {
      {"Latin", "Mail, Calendar and Contacts"},
      {"Arabic", "\u0627\u0644\u0628\u0631\u064A\u062F \u0627\u0644\u0648\u0627\u0631\u062F", true},
      {"Hebrew", "\u05D3\u05D5\u05D0\u05E8 \u05E0\u05DB\u05E0\u05E1", true},
      {"CJK", "\u6536\u4EF6\u7BB1 \u65E5\u5386 \u8054\u7CFB\u4EBA"},
      {"Combining marks", "Cafe\u0301 n\u0303 a\u0308o\u0323 \u1EC7"},
      {"Stored UTF-8 bytes", platform::Utf8Encode("Caf\u00E9 \u2013 Posteingang", false)},
      {"Not enabled", "Tasks", false, false, false, false},
      {"Centred, wrapped", "A centred caption long enough to wrap onto a second line in its bar",
       false, true, true, true, 32},
      {"Ellipsis", "A caption far too long to fit into the bar it is drawn on, so it ends in dots"},
  };
}

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
        EXPECT_EQ(sheet.canvas().At(x + kSwatch / 2, top + kRowHeight / 2),
                  render::DrawnColor(colour))
            << name << " slot " << slot;
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

  // Captions over bar gradients of the default desktop, each checked to ink only its own
  // rectangle.
  int32_t DrawCaptionRows(Sheet& sheet, int32_t top) {
    UsePreset(platform::kDefaultDesktopPreset);
    const render::SchemePalette palette = PresetPalette();
    const int32_t barLeft = kSwatchesLeft;
    for (const CaptionRow& row : CaptionRows()) {
      sheet.Label(row.label, Rect{kMargin, top, kSwatchesLeft - 4, top + row.height});
      render::FillGradient(sheet.dc(), palette[Slot::StyledBarTop], palette[Slot::StyledBarBottom],
                           barLeft, top + 1, kCaptionWidth, row.height - 2, false);
      const Rect text{barLeft + 6, top + 1, barLeft + kCaptionWidth - 6, top + row.height - 1};
      Canvas before(kCaptionWidth, row.height);
      platform::BitBlt(*before.dc(), 0, 0, kCaptionWidth, row.height, sheet.dc(), barLeft, top,
                       platform::SRCCOPY);
      sheet.dc()->SetTextColor(platform::RGB(0, 0, 0));
      const uint32_t extra = row.wrap ? 0 : platform::DT_VCENTER;
      render::DrawCaption(sheet.dc(), row.text, text.left, text.top, text.right, text.bottom,
                          row.normal, platform::COLOR_BTNTEXT, row.centre, row.right, row.wrap,
                          extra);
      const auto ink =
          testing::InkBounds([&](int32_t x, int32_t y) { return sheet.canvas().At(x, y); },
                             [&](int32_t x, int32_t y) { return before.At(x - barLeft, y - top); },
                             Rect{barLeft, top, barLeft + kCaptionWidth, top + row.height}, 0);
      EXPECT_TRUE(ink && ink->left >= text.left && ink->right <= text.right &&
                  ink->top >= text.top && ink->bottom <= text.bottom)
          << row.label;
      top += row.height;
    }
    return top;
  }

  // A splitter strip with its grip and a toolbar strip with the chevron, then both
  // enlarged beside them.
  int32_t DrawStrips(Sheet& sheet, int32_t top) {
    const render::SchemePalette palette = PresetPalette();
    const int32_t left = kSwatchesLeft;
    sheet.Label("Splitter, toolbar", Rect{kMargin, top, kSwatchesLeft - 4, top + kStripHeight});
    render::FillGradient(sheet.dc(), palette[Slot::SplitterTop], palette[Slot::SplitterBottom],
                         left, top, kCaptionWidth, kSplitterHeight, false);
    // The grip counts from the target's origin, so it is drawn on a strip of its own.
    Canvas splitter(kCaptionWidth, kSplitterHeight);
    platform::BitBlt(*splitter.dc(), 0, 0, kCaptionWidth, kSplitterHeight, sheet.dc(), left, top,
                     platform::SRCCOPY);
    render::DrawGrip(splitter.dc(), Rect{0, 0, kCaptionWidth, kSplitterHeight},
                     render::kSplitterGripDots);
    platform::BitBlt(*sheet.dc(), left, top, kCaptionWidth, kSplitterHeight, splitter.dc(), 0, 0,
                     platform::SRCCOPY);

    Canvas toolbar(kCaptionWidth, kStripHeight);
    render::FillGradient(toolbar.dc(), palette[Slot::StyledBarTop], palette[Slot::StyledBarBottom],
                         0, 0, kCaptionWidth, kStripHeight, false);
    const int32_t twips = kCaptionWidth * 15;
    render::DrawChevronGlyph(toolbar.dc(), (twips - 180) / 15, 0, kCaptionWidth, kStripHeight);
    render::DrawRectOutline(toolbar.dc(), palette[Slot::Border], 0, 0, kCaptionWidth, kStripHeight);
    const int32_t toolbarTop = top + kSplitterHeight;
    platform::BitBlt(*sheet.dc(), left, toolbarTop, kCaptionWidth, kStripHeight, toolbar.dc(), 0, 0,
                     platform::SRCCOPY);

    // Enlarged: the grip's first dots and the chevron area.
    const int32_t zoomLeft = left + kCaptionWidth + 16;
    platform::StretchBlt(*sheet.dc(), zoomLeft, top, 16 * kZoom, kSplitterHeight * kZoom,
                         splitter.dc(), 123, 0, 16, kSplitterHeight, platform::SRCCOPY);
    platform::StretchBlt(*sheet.dc(), zoomLeft + 16 * kZoom + 12, top, 20 * kZoom,
                         kStripHeight * kZoom, toolbar.dc(), kCaptionWidth - 20, 0, 20,
                         kStripHeight, platform::SRCCOPY);
    return top + kStripHeight * kZoom + kMargin;
  }
};

TEST_F(PaletteSheet, RendersEveryPresetPaletteAndTheCaptions) {
  const int32_t presetRows = static_cast<int32_t>(platform::DesktopPresetNames().size());
  int32_t captionHeight = 0;
  for (const CaptionRow& row : CaptionRows())
    captionHeight += row.height;
  const int32_t height = kMargin + kHeaderHeight + presetRows * kRowHeight + kMargin +
                         captionHeight + kMargin + kStripHeight * kZoom + kMargin;
  Sheet sheet(height);
  int32_t top = DrawPresetRows(sheet, kMargin);
  top = DrawCaptionRows(sheet, top + kMargin);
  top = DrawStrips(sheet, top + kMargin);
  EXPECT_EQ(top, height);

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
