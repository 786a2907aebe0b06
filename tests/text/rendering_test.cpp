// How glyphs reach the pixels: blending, qualities, bitmap formats, background modes,
// decorations and ExtTextOutW; and the fonts behind them: face matching through the
// library's font configuration and the measures it reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/text/font_catalog.h"
#include "platform/text/realized_font.h"
#include "platform/text/text_output.h"
#include "text_surface.h"

namespace wayband::platform {
namespace {

using testing::CaptionLogFont;
using testing::MakeLogFont;
using testing::TextSurface;

constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr ColorRef kBlack = RGB(0, 0, 0);
constexpr ColorRef kRed = RGB(255, 0, 0);
constexpr uint32_t kCaption = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

bool Between(uint8_t value, uint8_t a, uint8_t b) {
  return value >= std::min(a, b) && value <= std::max(a, b);
}

TEST(Rendering, CoverageBlendsLinearlyPerQualityOnEveryFormat) {
  const ColorRef background = RGB(30, 200, 180), ink = RGB(200, 20, 60);
  const struct {
    int bits;
    uint8_t quality;
    ColorRef background, ink;
  } cases[] = {
      {32, ANTIALIASED_QUALITY, background, ink},  {24, ANTIALIASED_QUALITY, background, ink},
      {32, CLEARTYPE_QUALITY, background, ink},    {24, CLEARTYPE_QUALITY, background, ink},
      {32, ANTIALIASED_QUALITY, kWhite, kBlack},   {32, CLEARTYPE_QUALITY, kWhite, kBlack},
      {32, NONANTIALIASED_QUALITY, kWhite, kBlack}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.bits << " bits, quality " << int{c.quality});
    TextSurface surface(100, 20, c.background, c.bits);
    surface.Select(MakeLogFont("Tahoma", -11, FW_NORMAL, c.quality));
    surface.dc()->SetTextColor(c.ink);
    Rect rect{0, 0, 100, 20};
    DrawTextW(surface.dc(), "Mail Calendar", &rect, kCaption);
    // Every pixel lies, channel by channel, between the background and the text colour;
    // grey coverage keeps grey grey, subpixel coverage colours edges, monochrome has none.
    int64_t partial = 0, coloured = 0;
    for (int32_t y = 0; y < 20; ++y) {
      for (int32_t x = 0; x < 100; ++x) {
        const ColorRef p = surface.At(x, y);
        ASSERT_TRUE(Between(GetRValue(p), GetRValue(c.background), GetRValue(c.ink)) &&
                    Between(GetGValue(p), GetGValue(c.background), GetGValue(c.ink)) &&
                    Between(GetBValue(p), GetBValue(c.background), GetBValue(c.ink)))
            << x << "," << y;
        partial += (p != c.background && p != c.ink) ? 1 : 0;
        coloured += GetRValue(p) != GetGValue(p) || GetGValue(p) != GetBValue(p) ? 1 : 0;
      }
    }
    EXPECT_EQ(partial > 0, c.quality != NONANTIALIASED_QUALITY);
    EXPECT_GT(surface.InkCount(), 0);
    EXPECT_TRUE(c.background != kWhite || (coloured > 0) == (c.quality == CLEARTYPE_QUALITY));
  }
  TextSurface mono(100, 20, kWhite, 1);  // a monochrome bitmap takes the text colour at half
  mono.Select(CaptionLogFont());
  Rect rect{0, 0, 100, 20};
  EXPECT_EQ(DrawTextW(mono.dc(), "Mail", &rect, kCaption), 3 + 13);
  EXPECT_GT(mono.InkCount(), 10);
}

TEST(Rendering, TransparentModeKeepsTheBackgroundAndOpaqueModeFillsJustTheCell) {
  TextSurface transparent(100, 30, kWhite);
  transparent.Select(CaptionLogFont());
  transparent.dc()->SetBkColor(kRed);
  EXPECT_TRUE(ExtTextOutW(transparent.dc(), 0, 0, 0, nullptr, "Mail  Box"));
  EXPECT_GT(transparent.InkCount(), 0);
  EXPECT_EQ(transparent.CountOther(kRed), 100 * 30);  // no pixel took the background colour

  Size extent;
  TextSurface opaque(100, 30, kWhite);
  opaque.Select(CaptionLogFont());
  opaque.dc()->SetBkMode(BackgroundMode::kOpaque);
  opaque.dc()->SetBkColor(kRed);
  ASSERT_TRUE(ExtTextOutW(opaque.dc(), 5, 4, 0, nullptr, "Mail  Box"));
  GetTextExtentPoint32W(opaque.dc(), "Mail  Box", &extent);
  const Rect cell{5, 4, 5 + extent.cx, 4 + 13};
  for (int32_t y = cell.top; y < cell.bottom; ++y) {
    for (int32_t x = cell.left; x < cell.right; ++x)
      ASSERT_NE(opaque.At(x, y), kWhite);
  }
  // Outside the cell only a glyph's overhang of a pixel may show.
  const Rect ink = opaque.InkBounds();
  EXPECT_EQ(std::tuple(ink.left, ink.top, ink.bottom),
            std::tuple(cell.left, cell.top, cell.bottom));
  EXPECT_LE(ink.right, cell.right + 1);
  Rect rect{0, 20, 100, 30};
  DrawTextW(opaque.dc(), "Mail", &rect, DT_SINGLELINE);
  EXPECT_EQ(opaque.At(0, 20), kRed);
  EXPECT_EQ(opaque.At(99, 20), kWhite);  // only the text's own cell
}

TEST(Rendering, UnderlineAndStrikeOutDrawLinesAcrossTheText) {
  // The rows in which the whole text's width is ink.
  const auto fullRows = [](const LogFont& lf) {
    TextSurface surface(100, 20, kWhite);
    surface.Select(lf);
    ExtTextOutW(surface.dc(), 0, 0, 0, nullptr, "Mail Box");
    Size extent;
    GetTextExtentPoint32W(surface.dc(), "Mail Box", &extent);
    std::vector<int32_t> rows;
    for (int32_t y = 0; y < 20; ++y) {
      int32_t run = 0;
      for (int32_t x = 0; x < extent.cx; ++x)
        run += surface.At(x, y) == kBlack ? 1 : 0;
      if (run == extent.cx) rows.push_back(y);
    }
    return rows;
  };
  LogFont lf = CaptionLogFont();
  EXPECT_TRUE(fullRows(lf).empty());
  lf.lfUnderline = 1;
  const std::vector<int32_t> underline = fullRows(lf);  // below the baseline, in the cell
  EXPECT_TRUE(!underline.empty() && underline.front() > 11 && underline.back() < 13);
  lf.lfUnderline = 0;
  lf.lfStrikeOut = 1;
  const std::vector<int32_t> strike = fullRows(lf);
  EXPECT_TRUE(!strike.empty() && strike.front() > 3 && strike.back() < 11);
}

TEST(Rendering, ExtTextOutClipsToItsRectangleFillsItWhenOpaqueAndRefusesBadInput) {
  TextSurface surface(100, 20, kWhite);
  surface.Select(CaptionLogFont());
  surface.dc()->SetBkColor(RGB(0, 255, 0));
  const Rect clip{10, 2, 30, 12};
  ASSERT_TRUE(ExtTextOutW(surface.dc(), 0, 0, ETO_CLIPPED, &clip, "Mail Calendar"));
  const Rect ink = surface.InkBounds();
  EXPECT_FALSE(ink.IsEmpty());
  EXPECT_TRUE(ink.left >= 10 && ink.top >= 2 && ink.right <= 30 && ink.bottom <= 12);
  const Rect box{50, 0, 60, 5};
  ASSERT_TRUE(ExtTextOutW(surface.dc(), 0, 0, ETO_OPAQUE, &box, ""));
  EXPECT_EQ(surface.At(50, 0), RGB(0, 255, 0));
  EXPECT_EQ(surface.At(59, 4), RGB(0, 255, 0));
  EXPECT_FALSE(ExtTextOutW(nullptr, 0, 0, 0, nullptr, "Mail"));
  EXPECT_FALSE(ExtTextOutW(surface.dc(), 0, 0, 0, nullptr, "\xC3("));
  Size size;
  EXPECT_FALSE(GetTextExtentPoint32W(surface.dc(), "\xC3(", &size));
  EXPECT_FALSE(GetTextExtentPoint32W(nullptr, "Mail", &size));
  EXPECT_FALSE(GetTextMetricsW(surface.dc(), nullptr));
}

TEST(FontResolution, FamiliesResolveToTheirFilesAndUnknownOnesToDejaVuSans) {
  const std::string wine = std::string(text::kWineFontFolder) + "/";
  const struct {
    const char* family;
    int weight;
    std::string path;  // the whole path, or how it ends
  } cases[] = {
      {"Tahoma", FW_NORMAL, wine + "tahoma.ttf"},
      {"tahoma", FW_NORMAL, wine + "tahoma.ttf"},
      {"Tahoma", FW_BOLD, wine + "tahomabd.ttf"},
      {"Marlett", FW_NORMAL, wine + "marlett.ttf"},
      {"No Such Face 12345", FW_NORMAL, "/DejaVuSans.ttf"},
      {"No Such Face 12345", FW_BOLD, "/DejaVuSans-Bold.ttf"},
  };
  for (const auto& c : cases) {
    const auto sources = text::FontCatalog::Instance().Resolve({c.family, c.weight, false});
    ASSERT_FALSE(sources.empty()) << c.family;
    EXPECT_TRUE(sources.front().path.ends_with(c.path)) << sources.front().path;
  }
  // An empty face name means Tahoma.
  const auto font = text::RealizedFont::For(MakeLogFont("", -11));
  ASSERT_TRUE(font);
  EXPECT_EQ(font->primaryPath(), wine + "tahoma.ttf");
}

TEST(FontResolution, FaceNamesAreUtf8OrElseLatin1InThirtyOneBytes) {
  LogFont lf;
  SetFaceName(lf, "Caf\xC3\xA9");
  EXPECT_EQ(text::FaceNameUtf8(lf), "Caf\xC3\xA9");
  SetFaceName(lf, "Caf\xE9");
  EXPECT_EQ(text::FaceNameUtf8(lf), "Caf\xC3\xA9");
  SetFaceName(lf, std::string(40, 'x'));
  EXPECT_EQ(FaceName(lf), std::string(31, 'x'));
  EXPECT_EQ(lf.lfFaceName[31], '\0');
  lf.lfFaceName.fill('y');  // no NUL at all: the whole field
  EXPECT_EQ(FaceName(lf).size(), 32u);
}

TEST(TextMetrics, HeightsAskForTheCharacterTheCellOrTheDefaultAndAreClamped) {
  TextSurface surface(8, 8, RGB(255, 255, 255));
  surface.Select(MakeLogFont("Tahoma", -11));
  TextMetric tm;
  ASSERT_TRUE(GetTextMetricsW(surface.dc(), &tm));
  EXPECT_EQ(std::tuple(tm.tmAscent, tm.tmDescent, tm.tmHeight, tm.tmInternalLeading, tm.tmWeight),
            std::tuple(11, 2, 13, 2, FW_NORMAL));
  // The control's TextHeight of "A" and "W": the cell height, 195 twips at 15 per pixel.
  for (const char* letter : {"A", "W"}) {
    Size size;
    ASSERT_TRUE(GetTextExtentPoint32W(surface.dc(), letter, &size));
    EXPECT_EQ(size.cy, 13);
    EXPECT_GT(size.cx, 0);
  }
  surface.Select(MakeLogFont("Tahoma", 13));  // positive: the cell
  ASSERT_TRUE(GetTextMetricsW(surface.dc(), &tm));
  EXPECT_EQ(std::pair(tm.tmHeight, tm.tmHeight - tm.tmInternalLeading), std::pair(13, 11));
  surface.Select(MakeLogFont("Tahoma", 0));
  ASSERT_TRUE(GetTextMetricsW(surface.dc(), &tm));
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, text::kDefaultCharacterHeight);
  for (const int32_t height : {INT32_MIN, INT32_MAX, -1}) {
    surface.Select(MakeLogFont("Tahoma", height));
    ASSERT_TRUE(GetTextMetricsW(surface.dc(), &tm)) << height;
    EXPECT_GT(tm.tmHeight, 0);
    EXPECT_LE(tm.tmHeight - tm.tmInternalLeading, text::kMaxPixelSize);
  }
  // A new context measures with the default GUI font.
  auto dc = DrawingContext::CreateCompatible(nullptr);
  ASSERT_TRUE(GetTextMetricsW(dc.get(), &tm));
  EXPECT_EQ(tm.tmHeight, 13);
  EXPECT_TRUE(GetTextMetricsW(&DrawingContext::Screen(), &tm));
}

}  // namespace
}  // namespace wayband::platform
