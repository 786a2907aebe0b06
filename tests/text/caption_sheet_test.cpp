// Renders a sheet of captions in the scripts and styles the controls show and writes it as
// text_caption_sheet.png (and three times enlarged, text_caption_sheet_x3.png) into the
// working directory, for a person to look at. The test checks that every caption left ink
// in its own row.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "platform/text/text_output.h"
#include "support/png_file.h"
#include "text_surface.h"

namespace wayband::platform {
namespace {

using testing::MakeLogFont;

TEST(CaptionSheet, RendersEveryCaptionInItsRowAndWritesThePng) {
  constexpr int32_t kRowHeight = 26;
  constexpr int32_t kLabelWidth = 110;
  constexpr ColorRef kBar = RGB(0xC4, 0xD5, 0xF0);
  const LogFont tahoma = MakeLogFont("Tahoma", -11);
  LogFont underlined = tahoma;
  underlined.lfUnderline = 1;
  const struct {
    const char* label;
    LogFont font;
    std::string caption;
    uint32_t extraFlags;
  } rows[] = {
      {"Tahoma -11", tahoma, "Mail & Calendar Folders", 0},
      {"Tahoma bold", MakeLogFont("Tahoma", -11, FW_BOLD), "Mail Calendar Folders", 0},
      {"ClearType", MakeLogFont("Tahoma", -11, FW_NORMAL, CLEARTYPE_QUALITY),
       "Contacts Tasks Notes", 0},
      {"Arabic", tahoma,
       "\u0627\u0644\u0628\u0631\u064A\u062F \u0627\u0644\u0648\u0627\u0631\u062F", 0},
      {"Hebrew", tahoma, "\u05D3\u05D5\u05D0\u05E8 \u05E0\u05DB\u05E0\u05E1", 0},
      {"Hebrew long", tahoma,
       "\u05EA\u05D9\u05D1\u05EA \u05D3\u05D5\u05D0\u05E8 \u05E0\u05DB\u05E0\u05E1 \u05E9\u05DC "
       "\u05D4\u05DE\u05E9\u05EA\u05DE\u05E9 \u05D4\u05E8\u05D0\u05E9\u05D9 "
       "\u05D1\u05DE\u05E2\u05E8\u05DB\u05EA \u05D4\u05D6\u05D0\u05EA \u05D4\u05D9\u05D5\u05DD",
       DT_RIGHT | DT_RTLREADING},
      {"CJK", tahoma, "\u6536\u4EF6\u7BB1 \u65E5\u5386 \u8054\u7CFB\u4EBA", 0},
      {"Marks", tahoma, "Cafe\u0301 n\u0303 a\u0308o\u0323 \u1EC7", 0},
      {"Ellipsis", tahoma, "A caption far too long to fit into the bar it is drawn on", 0},
      {"Centred", tahoma, "Centred caption", DT_CENTER},
      {"Right", tahoma, "Right-aligned caption", DT_RIGHT},
      {"Header 16pt", MakeLogFont("Tahoma", -21, FW_BOLD), "Inbox - Personal", 0},
      {"Underline", underlined, "Underlined caption", 0},
      {"Marlett", MakeLogFont("Marlett", -13), "3456", 0},
  };
  const int32_t count = static_cast<int32_t>(std::size(rows));
  testing::TextSurface sheet(360, kRowHeight * count, RGB(0xF3, 0xF6, 0xFB));
  const uint32_t captionFlags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t top = kRowHeight * i;
    Rect label{4, top, kLabelWidth, top + kRowHeight};
    sheet.Select(tahoma);
    sheet.dc()->SetTextColor(RGB(0x55, 0x55, 0x55));
    DrawTextW(sheet.dc(), rows[i].label, &label, captionFlags | DT_NOPREFIX);
    Rect bar{kLabelWidth + 4, top + 2, kLabelWidth + 234, top + kRowHeight - 2};
    FillRect(*sheet.dc(), bar, CreateSolidBrush(kBar));
    sheet.Select(rows[i].font);
    sheet.dc()->SetTextColor(RGB(0x10, 0x20, 0x40));
    Rect caption{bar.left + 4, bar.top, bar.right - 4, bar.bottom};
    DrawTextW(sheet.dc(), rows[i].caption, &caption, captionFlags | rows[i].extraFlags);
    const auto ink =
        wayband::testing::InkBounds([&](int32_t x, int32_t y) { return sheet.At(x, y); },
                                    [&](int32_t, int32_t) { return kBar; }, bar, 0);
    EXPECT_TRUE(ink.has_value()) << rows[i].label;
  }
  const Bitmap& bitmap = sheet.bitmap();
  const auto colorAt = [&bitmap](int32_t x, int32_t y) {
    return wayband::testing::ColorAt(bitmap, x, y);
  };
  for (const int32_t scale : {1, 3}) {
    const char* name = scale == 1 ? "text_caption_sheet.png" : "text_caption_sheet_x3.png";
    EXPECT_TRUE(wayband::testing::WritePng(name, bitmap.width(), bitmap.height(), colorAt, scale))
        << name;
  }
}

}  // namespace
}  // namespace wayband::platform
