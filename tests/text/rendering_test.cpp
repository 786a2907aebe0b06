// How glyphs reach the pixels: blending, qualities, bitmap formats, background modes,
// decorations, bold, ExtTextOutW and the glyph cache.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text/glyph_cache.h"
#include "platform/text/text_output.h"
#include "text_surface.h"

namespace wayband::platform {
namespace {

using testing::CaptionLogFont;
using testing::MakeLogFont;
using testing::TextSurface;

constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr ColorRef kBlack = RGB(0, 0, 0);
constexpr uint32_t kCaption = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

bool Between(uint8_t value, uint8_t a, uint8_t b) {
  return value >= std::min(a, b) && value <= std::max(a, b);
}

// Every pixel lies, channel by channel, between the background and the text colour.
void ExpectNoFringes(const TextSurface& surface, ColorRef ink) {
  const ColorRef bg = surface.background();
  int64_t partial = 0;
  for (int32_t y = 0; y < 20; ++y) {
    for (int32_t x = 0; x < 100; ++x) {
      const ColorRef c = surface.At(x, y);
      ASSERT_TRUE(Between(GetRValue(c), GetRValue(bg), GetRValue(ink)) &&
                  Between(GetGValue(c), GetGValue(bg), GetGValue(ink)) &&
                  Between(GetBValue(c), GetBValue(bg), GetBValue(ink)))
          << x << "," << y;
      partial += (c != bg && c != ink) ? 1 : 0;
    }
  }
  EXPECT_GT(partial, 0);  // antialiased edges exist
}

TEST(Rendering, CoverageBlendsLinearlyWithoutFringesOnEveryFormat) {
  const ColorRef background = RGB(30, 200, 180);
  const ColorRef ink = RGB(200, 20, 60);
  for (const int bits : {32, 24}) {
    for (const uint8_t quality : {ANTIALIASED_QUALITY, CLEARTYPE_QUALITY}) {
      TextSurface surface(100, 20, background, bits);
      surface.Select(MakeLogFont("Tahoma", -11, FW_NORMAL, quality));
      surface.dc()->SetTextColor(ink);
      Rect rect{0, 0, 100, 20};
      DrawTextW(surface.dc(), "Mail Calendar", &rect, kCaption);
      ExpectNoFringes(surface, ink);
    }
  }
}

TEST(Rendering, QualitiesGiveGreySubpixelOrTwoLevelCoverage) {
  const auto draw = [](uint8_t quality) {
    auto surface = std::make_unique<TextSurface>(100, 20, kWhite);
    surface->Select(MakeLogFont("Tahoma", -11, FW_NORMAL, quality));
    Rect rect{0, 0, 100, 20};
    DrawTextW(surface->dc(), "Mail Calendar", &rect, kCaption);
    return surface;
  };
  int coloured = 0;
  int levels = 0;
  const auto grey = draw(ANTIALIASED_QUALITY);
  const auto subpixel = draw(CLEARTYPE_QUALITY);
  const auto mono = draw(NONANTIALIASED_QUALITY);
  for (int32_t y = 0; y < 20; ++y) {
    for (int32_t x = 0; x < 100; ++x) {
      const ColorRef g = grey->At(x, y);
      EXPECT_TRUE(GetRValue(g) == GetGValue(g) && GetGValue(g) == GetBValue(g));
      const ColorRef s = subpixel->At(x, y);
      coloured += GetRValue(s) != GetBValue(s) ? 1 : 0;
      const ColorRef m = mono->At(x, y);
      levels += (m != kWhite && m != kBlack) ? 1 : 0;
    }
  }
  EXPECT_GT(coloured, 0);
  EXPECT_EQ(levels, 0);
  EXPECT_GT(mono->InkCount(), 0);
}

TEST(Rendering, MonochromeBitmapsTakeTheTextColourWhereCoverageIsHalf) {
  TextSurface surface(100, 20, kWhite, 1);
  surface.Select(CaptionLogFont());
  Rect rect{0, 0, 100, 20};
  EXPECT_EQ(DrawTextW(surface.dc(), "Mail", &rect, kCaption), 3 + 13);
  EXPECT_GT(surface.InkCount(), 10);
}

TEST(Rendering, TransparentModeLeavesTheBackgroundBetweenGlyphs) {
  TextSurface surface(100, 20, kWhite);
  surface.Select(CaptionLogFont());
  surface.dc()->SetBkColor(RGB(255, 0, 0));
  // Alternating columns, so that any fill would show.
  for (int32_t x = 0; x < 100; x += 2) {
    FillRect(*surface.dc(), Rect{x, 0, x + 1, 20}, CreateSolidBrush(RGB(0, 0, 255)));
  }
  const auto pixels = surface.bitmap().bits();
  const std::vector<uint8_t> original(pixels.begin(), pixels.end());
  EXPECT_TRUE(ExtTextOutW(surface.dc(), 0, 0, 0, nullptr, "I          I"));
  Size extent;
  GetTextExtentPoint32W(surface.dc(), "I          I", &extent);
  // The columns of the spaces, well inside the cell, are as they were.
  for (int32_t y = 0; y < 13; ++y) {
    for (int32_t x = 8; x < extent.cx - 8; ++x) {
      EXPECT_EQ(surface.At(x, y), (x % 2 == 0) ? RGB(0, 0, 255) : kWhite) << x << "," << y;
    }
  }
  EXPECT_NE(std::vector<uint8_t>(pixels.begin(), pixels.end()), original);  // the I's were drawn
}

TEST(Rendering, OpaqueModeFillsTheCellAndNothingElse) {
  TextSurface surface(100, 30, kWhite);
  surface.Select(CaptionLogFont());
  surface.dc()->SetBkMode(BackgroundMode::kOpaque);
  surface.dc()->SetBkColor(RGB(255, 0, 0));
  ASSERT_TRUE(ExtTextOutW(surface.dc(), 5, 4, 0, nullptr, "Mail  Box"));
  Size extent;
  GetTextExtentPoint32W(surface.dc(), "Mail  Box", &extent);
  const Rect cell{5, 4, 5 + extent.cx, 4 + 13};
  for (int32_t y = cell.top; y < cell.bottom; ++y) {
    for (int32_t x = cell.left; x < cell.right; ++x)
      ASSERT_NE(surface.At(x, y), kWhite);
  }
  // Outside the cell only a glyph's overhang of a pixel may show.
  const Rect ink = surface.InkBounds();
  EXPECT_EQ(ink.top, cell.top);
  EXPECT_EQ(ink.bottom, cell.bottom);
  EXPECT_EQ(ink.left, cell.left);
  EXPECT_LE(ink.right, cell.right + 1);
  EXPECT_EQ(surface.At(5, 4), RGB(255, 0, 0));
  Rect rect{0, 20, 100, 30};
  DrawTextW(surface.dc(), "Mail", &rect, DT_SINGLELINE);
  EXPECT_EQ(surface.At(0, 20), RGB(255, 0, 0));
  EXPECT_EQ(surface.At(99, 20), kWhite);  // only the text's own cell
}

TEST(Rendering, UnderlineAndStrikeOutDrawLinesAcrossTheText) {
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
  const std::vector<int32_t> underline = fullRows(lf);
  ASSERT_FALSE(underline.empty());
  EXPECT_GT(underline.front(), 11);  // below the baseline, inside the 13-pixel cell
  EXPECT_LT(underline.back(), 13);
  lf.lfUnderline = 0;
  lf.lfStrikeOut = 1;
  const std::vector<int32_t> strike = fullRows(lf);
  ASSERT_FALSE(strike.empty());
  EXPECT_GT(strike.front(), 3);
  EXPECT_LT(strike.back(), 11);
}

TEST(Rendering, BoldIsWiderAndDarkerThanRegular) {
  const auto measure = [](int32_t weight) {
    TextSurface surface(150, 20, kWhite);
    surface.Select(MakeLogFont("Tahoma", -11, weight));
    Size extent;
    GetTextExtentPoint32W(surface.dc(), "Mail Calendar", &extent);
    ExtTextOutW(surface.dc(), 0, 0, 0, nullptr, "Mail Calendar");
    int64_t darkness = 0;
    for (int32_t y = 0; y < 20; ++y) {
      for (int32_t x = 0; x < 150; ++x)
        darkness += 255 - GetRValue(surface.At(x, y));
    }
    return std::pair{extent.cx, darkness};
  };
  const auto regular = measure(FW_NORMAL);
  const auto bold = measure(FW_BOLD);
  EXPECT_GT(bold.first, regular.first);
  EXPECT_GT(bold.second, regular.second * 5 / 4);
}

TEST(Rendering, ExtTextOutClipsToItsRectangleAndFillsItWhenOpaque) {
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

TEST(Rendering, TheSecondPaintOfACaptionComesFromTheGlyphCache) {
  const auto paint = [] {
    TextSurface surface(100, 20, kWhite);
    // A new font object each time, as the painters create and delete theirs per caption.
    surface.Select(MakeLogFont("Tahoma", -11, FW_BOLD));
    Rect rect{0, 0, 100, 20};
    DrawTextW(surface.dc(), "Glyph cache caption", &rect, kCaption);
  };
  paint();
  const text::GlyphCacheStatistics first = text::GlyphCacheCounters();
  paint();
  const text::GlyphCacheStatistics second = text::GlyphCacheCounters();
  EXPECT_EQ(second.misses, first.misses);
  EXPECT_GE(second.hits - first.hits, 17u);
}

}  // namespace
}  // namespace wayband::platform
