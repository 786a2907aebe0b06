// Face matching through the library's font configuration and the measures it reports.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/text/font_catalog.h"
#include "platform/text/realized_font.h"
#include "platform/text/text_output.h"
#include "text_surface.h"

namespace wayband::platform {
namespace {

using testing::MakeLogFont;
using testing::TextSurface;

const std::string kWineFolder = std::string(text::kWineFontFolder) + "/";

std::string ResolvedPath(const char* family, int weight = FW_NORMAL) {
  const auto sources = text::FontCatalog::Instance().Resolve({family, weight, false});
  return sources.empty() ? std::string() : sources.front().path;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(FontResolution, TahomaAndMarlettComeFromTheWineFontFolder) {
  EXPECT_EQ(ResolvedPath("Tahoma"), kWineFolder + "tahoma.ttf");
  EXPECT_EQ(ResolvedPath("Tahoma", FW_BOLD), kWineFolder + "tahomabd.ttf");
  EXPECT_EQ(ResolvedPath("Marlett"), kWineFolder + "marlett.ttf");
  EXPECT_EQ(ResolvedPath("tahoma"), kWineFolder + "tahoma.ttf");
}

TEST(FontResolution, UnknownFamiliesFallBackOnDejaVuSans) {
  EXPECT_TRUE(EndsWith(ResolvedPath("No Such Face 12345"), "/DejaVuSans.ttf"));
  EXPECT_TRUE(EndsWith(ResolvedPath("No Such Face 12345", FW_BOLD), "/DejaVuSans-Bold.ttf"));
}

TEST(FontResolution, AnEmptyFaceNameMeansTahoma) {
  const auto font = text::RealizedFont::For(MakeLogFont("", -11));
  ASSERT_TRUE(font);
  EXPECT_EQ(font->primaryPath(), kWineFolder + "tahoma.ttf");
}

TEST(FontResolution, FaceNamesAreUtf8OrElseLatin1) {
  LogFont lf;
  SetFaceName(lf, "Caf\xC3\xA9");
  EXPECT_EQ(text::FaceNameUtf8(lf), "Caf\xC3\xA9");
  SetFaceName(lf, "Caf\xE9");
  EXPECT_EQ(text::FaceNameUtf8(lf), "Caf\xC3\xA9");
}

TEST(FontResolution, FaceNameFieldHoldsThirtyOneBytes) {
  LogFont lf;
  SetFaceName(lf, std::string(40, 'x'));
  EXPECT_EQ(FaceName(lf), std::string(31, 'x'));
  EXPECT_EQ(lf.lfFaceName[31], '\0');
  lf.lfFaceName.fill('y');  // no NUL at all: the whole field
  EXPECT_EQ(FaceName(lf).size(), 32u);
}

TEST(TextMetrics, TahomaEightPointMeasuresThirteenPixels) {
  TextSurface surface(8, 8, RGB(255, 255, 255));
  surface.Select(MakeLogFont("Tahoma", -11));
  TextMetric tm;
  ASSERT_TRUE(GetTextMetricsW(surface.dc(), &tm));
  EXPECT_EQ(tm.tmAscent, 11);
  EXPECT_EQ(tm.tmDescent, 2);
  EXPECT_EQ(tm.tmHeight, 13);
  EXPECT_EQ(tm.tmInternalLeading, 2);
  EXPECT_EQ(tm.tmWeight, FW_NORMAL);
  // The control's TextHeight of "A" and "W": the cell height, 195 twips at 15 per pixel.
  for (const char* letter : {"A", "W"}) {
    Size size;
    ASSERT_TRUE(GetTextExtentPoint32W(surface.dc(), letter, &size));
    EXPECT_EQ(size.cy, 13);
    EXPECT_GT(size.cx, 0);
  }
}

TEST(TextMetrics, PositiveHeightsAskForTheCellAndZeroForTheDefault) {
  TextSurface surface(8, 8, RGB(255, 255, 255));
  surface.Select(MakeLogFont("Tahoma", 13));
  TextMetric cell;
  ASSERT_TRUE(GetTextMetricsW(surface.dc(), &cell));
  EXPECT_EQ(cell.tmHeight, 13);
  EXPECT_EQ(cell.tmHeight - cell.tmInternalLeading, 11);
  surface.Select(MakeLogFont("Tahoma", 0));
  TextMetric standard;
  ASSERT_TRUE(GetTextMetricsW(surface.dc(), &standard));
  EXPECT_EQ(standard.tmHeight - standard.tmInternalLeading, text::kDefaultCharacterHeight);
}

TEST(TextMetrics, ExtremeHeightsAreClampedNotOverflowed) {
  TextSurface surface(8, 8, RGB(255, 255, 255));
  for (const int32_t height : {INT32_MIN, INT32_MAX, -1}) {
    surface.Select(MakeLogFont("Tahoma", height));
    TextMetric tm;
    ASSERT_TRUE(GetTextMetricsW(surface.dc(), &tm)) << height;
    EXPECT_GT(tm.tmHeight, 0);
    EXPECT_LE(tm.tmHeight - tm.tmInternalLeading, text::kMaxPixelSize);
  }
}

TEST(TextMetrics, ANewContextMeasuresWithTheDefaultGuiFont) {
  auto dc = DrawingContext::CreateCompatible(nullptr);
  TextMetric tm;
  ASSERT_TRUE(GetTextMetricsW(dc.get(), &tm));
  EXPECT_EQ(tm.tmHeight, 13);
  EXPECT_TRUE(GetTextMetricsW(&DrawingContext::Screen(), &tm));
}

}  // namespace
}  // namespace wayband::platform
