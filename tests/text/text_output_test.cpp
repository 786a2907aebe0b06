// Text output as the caption painters use it: DrawTextW's placement, alignment, ellipsis,
// wrapping, prefixes and bad input; how glyphs reach the pixels (blending, qualities,
// bitmap formats, background modes, decorations, ExtTextOutW); and the fonts behind them,
// matched through the library's font configuration, with the measures they report.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/text/font_catalog.h"
#include "platform/text/glyph_cache.h"
#include "platform/text/realized_font.h"
#include "platform/text/text_output.h"
#include "text_surface.h"

namespace wayband::platform {
namespace {

using testing::CaptionLogFont;
using testing::TextSurface;

constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr uint32_t kCaption = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
const std::string kLongCaption = "Navigation pane caption that is much too long for the bar";

struct Drawn {
  Rect ink;
  int result;
};

Drawn Draw(std::string_view text, Rect rect, uint32_t format, int32_t height = 40) {
  TextSurface surface(200, height, kWhite);
  surface.Select(CaptionLogFont());
  const int result = DrawTextW(surface.dc(), text, &rect, format);
  return Drawn{surface.InkBounds(), result};
}

int32_t Width(std::string_view text) {
  TextSurface surface(1, 1, kWhite);
  surface.Select(CaptionLogFont());
  Size extent;
  GetTextExtentPoint32W(surface.dc(), text, &extent);
  return extent.cx;
}

TEST(DrawText, ACaptionLeavesInkInsideItsRectangleOnlyAndAnEllipsisFillsIt) {
  const Rect rect{20, 10, 120, 30};
  for (const uint32_t format :
       {kCaption, DT_SINGLELINE, DT_CENTER | DT_WORDBREAK | DT_END_ELLIPSIS}) {
    const Rect ink = Draw(kLongCaption, rect, format).ink;
    EXPECT_FALSE(ink.IsEmpty()) << format;
    EXPECT_TRUE(ink.left >= rect.left && ink.top >= rect.top && ink.right <= rect.right &&
                ink.bottom <= rect.bottom)
        << format;
  }
  EXPECT_GT(Draw(kLongCaption, rect, DT_SINGLELINE | DT_NOCLIP).ink.right, rect.right);
  // The dots fill the rectangle to its edge; a caption that fits is drawn as it is.
  const Rect dotted{0, 0, 120, 20};
  const Rect ink = Draw(kLongCaption, dotted, DT_SINGLELINE | DT_END_ELLIPSIS).ink;
  EXPECT_TRUE(ink.right <= 120 && ink.right > 120 - 8) << ink.right;
  EXPECT_NE(ink, Draw(kLongCaption, dotted, DT_SINGLELINE).ink);
  EXPECT_EQ(Draw("Mail", dotted, DT_SINGLELINE | DT_END_ELLIPSIS).ink,
            Draw("Mail", dotted, DT_SINGLELINE).ink);
}

TEST(DrawText, LinesSitExactlyInTheFreeSpaceAcrossAndDown) {
  const Rect rect{10, 0, 191, 33};
  const Drawn left = Draw("Calendar", rect, DT_SINGLELINE);
  EXPECT_EQ(left.result, 13);
  const int32_t free = rect.Width() - Width("Calendar");
  const struct {
    uint32_t format;
    int32_t dx, dy, result;
  } cases[] = {
      {DT_CENTER, free / 2, 0, 13},
      {DT_RIGHT, free, 0, 13},
      {DT_VCENTER, 0, 10, 10 + 13},  // (33 - 13) / 2
      {DT_BOTTOM, 0, 20, 33},
  };
  for (const auto& c : cases) {
    const Drawn drawn = Draw("Calendar", rect, DT_SINGLELINE | c.format);
    EXPECT_EQ(drawn.ink.left - left.ink.left, c.dx) << c.format;
    EXPECT_EQ(drawn.ink.top - left.ink.top, c.dy) << c.format;
    EXPECT_EQ(drawn.result, c.result) << c.format;
  }
  // Without DT_SINGLELINE, DT_VCENTER does nothing.
  EXPECT_EQ(Draw("Calendar", rect, DT_VCENTER).ink, left.ink);
}

TEST(DrawText, WordBreakWrapsAndCalcRectMeasures) {
  const std::string text = "Inbox Outbox Archive";
  const Drawn wrapped = Draw(text, Rect{0, 0, 60, 60}, DT_WORDBREAK, 60);
  EXPECT_EQ(wrapped.result, 3 * 13);
  EXPECT_GT(wrapped.ink.Height(), 2 * 13);
  TextSurface surface(10, 10, kWhite);
  surface.Select(CaptionLogFont());
  Rect calc{5, 7, 65, 8};
  EXPECT_EQ(DrawTextW(surface.dc(), text, &calc, DT_WORDBREAK | DT_CALCRECT), 3 * 13);
  EXPECT_EQ(std::pair(calc.top, calc.bottom), std::pair(7, 7 + 3 * 13));
  EXPECT_LE(calc.right, 65);
  Rect single{5, 7, 5, 7};  // an empty rectangle is measured all the same
  EXPECT_EQ(DrawTextW(surface.dc(), text, &single, DT_SINGLELINE | DT_CALCRECT), 13);
  EXPECT_EQ(surface.InkCount(), 0);
  // Explicit line breaks count as lines without DT_SINGLELINE only.
  EXPECT_EQ(Draw("a\r\nb\nc", Rect{0, 0, 100, 40}, 0).result, 3 * 13);
  EXPECT_EQ(Draw("a\r\nb\nc", Rect{0, 0, 100, 40}, DT_SINGLELINE).result, 13);
}

TEST(DrawText, PrefixesUnderlineUnlessTurnedOffAndTextEndsAtItsFirstNul) {
  const Rect rect{0, 0, 100, 20};
  const Drawn plain = Draw("File", rect, DT_SINGLELINE);
  EXPECT_EQ(Draw("&File", rect, DT_SINGLELINE | DT_HIDEPREFIX).ink, plain.ink);
  EXPECT_GT(Draw("&File", rect, DT_SINGLELINE).ink.bottom, plain.ink.bottom);  // underline
  EXPECT_GT(Draw("&File", rect, DT_SINGLELINE | DT_NOPREFIX).ink.right, plain.ink.right);
  EXPECT_EQ(Draw(std::string("File\0Calendar", 13), rect, DT_SINGLELINE).ink, plain.ink);
}

TEST(DrawText, BadInputDrawsNothingAndReturnsZero) {
  TextSurface surface(60, 30, kWhite);
  surface.Select(CaptionLogFont());
  Rect rect{0, 0, 60, 30};
  EXPECT_EQ(DrawTextW(nullptr, "Mail", &rect, kCaption), 0);
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail", nullptr, kCaption), 0);
  for (const std::string_view text : {std::string_view(""), std::string_view("\0Mail", 5),
                                      std::string_view("Ma\xC3"), std::string_view("Mail\xFF")})
    EXPECT_EQ(DrawTextW(surface.dc(), text, &rect, kCaption), 0);
  for (Rect empty : {Rect{10, 0, 10, 30}, Rect{20, 0, 10, 30}, Rect{0, 20, 60, 5}})
    EXPECT_EQ(DrawTextW(surface.dc(), "Mail", &empty, kCaption), 0);
  EXPECT_EQ(surface.InkCount(), 0);
  // Edges at the ends of the 32-bit range neither overflow nor wrap around.
  Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail", &huge, DT_CENTER | DT_WORDBREAK), 13);
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail", &huge, kCaption | DT_CENTER), INT32_MAX);
  // The display's context measures but has no pixels to draw into.
  EXPECT_EQ(DrawTextW(&DrawingContext::Screen(), "Mail", &rect, DT_SINGLELINE), 13);
}

using testing::MakeLogFont;

constexpr ColorRef kBlack = RGB(0, 0, 0);
constexpr ColorRef kRed = RGB(255, 0, 0);

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
      // clang-format off
      {32, ANTIALIASED_QUALITY, background, ink}, {24, ANTIALIASED_QUALITY, background, ink},
      {32, CLEARTYPE_QUALITY, background, ink}, {24, CLEARTYPE_QUALITY, background, ink},
      {32, ANTIALIASED_QUALITY, kWhite, kBlack}, {32, CLEARTYPE_QUALITY, kWhite, kBlack},
      {32, NONANTIALIASED_QUALITY, kWhite, kBlack}, {1, ANTIALIASED_QUALITY, kWhite, kBlack},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.bits << " bits, quality " << int{c.quality});
    TextSurface surface(100, 20, c.background, c.bits);
    surface.Select(MakeLogFont("Tahoma", -11, FW_NORMAL, c.quality));
    surface.dc()->SetTextColor(c.ink);
    Rect rect{0, 0, 100, 20};
    EXPECT_EQ(DrawTextW(surface.dc(), "Mail Calendar", &rect, kCaption), 3 + 13);
    // Every pixel lies, channel by channel, between the background and the text colour;
    // grey coverage keeps grey grey, subpixel coverage colours edges, a monochrome font or
    // bitmap has two levels only.
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
    EXPECT_GT(surface.InkCount(), 10);
    EXPECT_EQ(partial > 0, c.quality != NONANTIALIASED_QUALITY && c.bits != 1);
    EXPECT_TRUE(c.background != kWhite || (coloured > 0) == (c.quality == CLEARTYPE_QUALITY));
  }
}

TEST(Rendering, TransparentModeKeepsTheBackgroundAndOpaqueModeFillsJustTheCell) {
  TextSurface surface(100, 30, kWhite);
  surface.Select(CaptionLogFont());
  surface.dc()->SetBkColor(kRed);
  EXPECT_TRUE(ExtTextOutW(surface.dc(), 0, 0, 0, nullptr, "Mail  Box"));
  EXPECT_EQ(surface.CountOther(kRed), 100 * 30);  // no pixel took the background colour

  surface.Fill(kWhite);
  surface.dc()->SetBkMode(BackgroundMode::kOpaque);
  ASSERT_TRUE(ExtTextOutW(surface.dc(), 5, 4, 0, nullptr, "Mail  Box"));
  Size extent;
  GetTextExtentPoint32W(surface.dc(), "Mail  Box", &extent);
  // The whole cell is painted; outside it only a glyph's overhang of a pixel may show.
  const Rect ink = surface.InkBounds();
  EXPECT_EQ(std::tuple(ink.left, ink.top, ink.bottom), std::tuple(5, 4, 4 + 13));
  EXPECT_LE(ink.right, 5 + extent.cx + 1);
  for (int32_t y = 4; y < 4 + 13; ++y) {
    for (int32_t x = 5; x < 5 + extent.cx; ++x)
      ASSERT_NE(surface.At(x, y), kWhite) << x << "," << y;
  }
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
  lf.lfStrikeOut = 1;  // and through the middle
  EXPECT_GT(fullRows(lf).size(), underline.size());
}

TEST(Rendering, ExtTextOutClipsToItsRectangleFillsItWhenOpaqueAndRefusesBadInput) {
  TextSurface surface(100, 20, kWhite);
  surface.Select(CaptionLogFont());
  surface.dc()->SetBkColor(RGB(0, 255, 0));
  const Rect clip{10, 2, 30, 12};
  ASSERT_TRUE(ExtTextOutW(surface.dc(), 0, 0, ETO_CLIPPED, &clip, "Mail Calendar"));
  EXPECT_EQ(surface.InkBounds(), IntersectRect(surface.InkBounds(), clip));
  EXPECT_FALSE(surface.InkBounds().IsEmpty());
  const Rect box{50, 0, 60, 5};
  ASSERT_TRUE(ExtTextOutW(surface.dc(), 0, 0, ETO_OPAQUE, &box, ""));
  EXPECT_EQ(surface.At(50, 0), RGB(0, 255, 0));
  EXPECT_EQ(surface.At(59, 4), RGB(0, 255, 0));
  EXPECT_FALSE(ExtTextOutW(nullptr, 0, 0, 0, nullptr, "Mail"));
  EXPECT_FALSE(ExtTextOutW(surface.dc(), 0, 0, 0, nullptr, "\xC3("));
  Size size;
  EXPECT_FALSE(GetTextExtentPoint32W(surface.dc(), "\xC3(", &size));
  EXPECT_FALSE(GetTextMetricsW(surface.dc(), nullptr));
}

TEST(Rendering, TheSecondPaintOfACaptionComesFromTheGlyphCache) {
  const auto paint = [] {
    TextSurface surface(100, 20, kWhite);
    surface.Select(MakeLogFont("Tahoma", -11, FW_BOLD));  // a new font object each time
    Rect rect{0, 0, 100, 20};
    DrawTextW(surface.dc(), "Glyph cache caption", &rect, kCaption);
  };
  paint();
  const text::GlyphCacheStatistics first = text::GlyphCacheCounters();
  paint();
  EXPECT_EQ(text::GlyphCacheCounters().misses, first.misses);
  EXPECT_GE(text::GlyphCacheCounters().hits - first.hits, 17u);
}

TEST(Fonts, FamiliesResolveToTheirFilesAndFaceNamesAreUtf8OrElseLatin1) {
  const std::string wine = std::string(text::kWineFontFolder) + "/";
  const std::tuple<const char*, int, std::string> cases[] = {
      // clang-format off
      {"tahoma", FW_NORMAL, wine + "tahoma.ttf"}, {"Tahoma", FW_BOLD, wine + "tahomabd.ttf"},
      {"Marlett", FW_NORMAL, wine + "marlett.ttf"}, {"No Such Face", FW_NORMAL, "/DejaVuSans.ttf"},
      {"No Such Face", FW_BOLD, "/DejaVuSans-Bold.ttf"},
      // clang-format on
  };
  for (const auto& [family, weight, path] : cases) {
    const auto sources = text::FontCatalog::Instance().Resolve({family, weight, false});
    ASSERT_FALSE(sources.empty()) << family;
    EXPECT_TRUE(sources.front().path.ends_with(path)) << sources.front().path;
  }
  // An empty face name means Tahoma.
  EXPECT_EQ(text::RealizedFont::For(MakeLogFont("", -11))->primaryPath(), wine + "tahoma.ttf");
  LogFont lf;
  SetFaceName(lf, "Caf\xE9");  // not UTF-8: read as Latin-1
  EXPECT_EQ(text::FaceNameUtf8(lf), "Caf\xC3\xA9");
  lf.lfFaceName.fill('y');  // no NUL at all: the whole field
  EXPECT_EQ(FaceName(lf).size(), 32u);
}

TEST(Fonts, HeightsAskForTheCharacterTheCellOrTheDefaultAndAreClamped) {
  TextSurface surface(8, 8, kWhite);
  const auto metrics = [&](int32_t height) {
    surface.Select(MakeLogFont("Tahoma", height));
    TextMetric tm;
    EXPECT_TRUE(GetTextMetricsW(surface.dc(), &tm)) << height;
    return tm;
  };
  const TextMetric tm = metrics(-11);
  EXPECT_EQ(std::tuple(tm.tmAscent, tm.tmDescent, tm.tmHeight, tm.tmInternalLeading, tm.tmWeight),
            std::tuple(11, 2, 13, 2, FW_NORMAL));
  const TextMetric cell = metrics(13);  // positive: the cell
  EXPECT_EQ(std::pair(cell.tmHeight, cell.tmHeight - cell.tmInternalLeading), std::pair(13, 11));
  const TextMetric standard = metrics(0);
  EXPECT_EQ(standard.tmHeight - standard.tmInternalLeading, text::kDefaultCharacterHeight);
  for (const int32_t height : {INT32_MIN, INT32_MAX, -1}) {
    const TextMetric clamped = metrics(height);
    EXPECT_GT(clamped.tmHeight, 0);
    EXPECT_LE(clamped.tmHeight - clamped.tmInternalLeading, text::kMaxPixelSize);
  }
  // A new context measures with the default GUI font.
  TextMetric fresh;
  ASSERT_TRUE(GetTextMetricsW(DrawingContext::CreateCompatible(nullptr).get(), &fresh));
  EXPECT_EQ(fresh.tmHeight, 13);
}

}  // namespace
}  // namespace wayband::platform
