#include "platform/text/font_metrics.h"

#include <algorithm>

#include FT_TRUETYPE_TABLES_H

namespace wayband::platform::text {
namespace {

constexpr uint16_t kNoOs2Version = 0xFFFF;
// Without an OS/2 table the strike-out sits at a quarter of the em, as thick as the
// underline.
constexpr int64_t kStrikeoutFallbackDivisor = 4;

// value * numerator / denominator rounded to nearest, halves away from zero.
int64_t ScaleRounded(int64_t value, int64_t numerator, int64_t denominator) {
  if (denominator <= 0) return 0;
  const int64_t product = value * numerator;
  const int64_t half = denominator / 2;
  return product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
}

int32_t ClampPixels(int64_t pixels) {
  return static_cast<int32_t>(std::clamp<int64_t>(pixels, 1, kMaxPixelSize));
}

void ReadWindowsCell(FT_Face face, DesignMetrics& metrics) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  const bool hasOs2 = os2 != nullptr && os2->version != kNoOs2Version;
  metrics.ascent = hasOs2 ? os2->usWinAscent : face->ascender;
  metrics.descent = hasOs2 ? os2->usWinDescent : -int64_t{face->descender};
  if (metrics.ascent + metrics.descent <= 0) {
    metrics.ascent = face->bbox.yMax;
    metrics.descent = -int64_t{face->bbox.yMin};
  }
  if (hhea != nullptr) {
    const int64_t hheaCell = int64_t{hhea->Ascender} - hhea->Descender;
    const int64_t winCell = metrics.ascent + metrics.descent;
    metrics.lineGap = std::max<int64_t>(0, hhea->Line_Gap - (winCell - hheaCell));
  }
  metrics.averageWidth = hasOs2 ? os2->xAvgCharWidth : 0;
  if (hasOs2) {
    metrics.strikeoutPosition = os2->yStrikeoutPosition;
    metrics.strikeoutThickness = os2->yStrikeoutSize;
  }
}

}  // namespace

bool ReadDesignMetrics(FT_Face face, DesignMetrics& metrics) {
  if (face == nullptr || !FT_IS_SCALABLE(face) || face->units_per_EM == 0) return false;
  metrics = DesignMetrics{};
  metrics.unitsPerEm = face->units_per_EM;
  ReadWindowsCell(face, metrics);
  metrics.maxWidth = int64_t{face->bbox.xMax} - face->bbox.xMin;
  if (metrics.averageWidth <= 0) metrics.averageWidth = face->max_advance_width / 2;
  metrics.underlinePosition = face->underline_position;
  metrics.underlineThickness = std::max<int64_t>(face->underline_thickness, 1);
  if (metrics.strikeoutThickness <= 0) {
    metrics.strikeoutPosition = metrics.unitsPerEm / kStrikeoutFallbackDivisor;
    metrics.strikeoutThickness = metrics.underlineThickness;
  }
  return true;
}

PixelSize ResolvePixelSize(const DesignMetrics& design, int32_t logicalHeight,
                           int32_t logicalWidth) {
  int64_t ppemY = kDefaultCharacterHeight;
  if (logicalHeight < 0) ppemY = -int64_t{logicalHeight};
  if (logicalHeight > 0) {
    ppemY = ScaleRounded(logicalHeight, design.unitsPerEm, design.ascent + design.descent);
  }
  const int32_t y = ClampPixels(ppemY);
  if (logicalWidth == 0 || design.averageWidth <= 0) return PixelSize{y, y};
  const int64_t width = logicalWidth < 0 ? -int64_t{logicalWidth} : logicalWidth;
  return PixelSize{ClampPixels(ScaleRounded(width, design.unitsPerEm, design.averageWidth)), y};
}

ScaledMetrics ScaleMetrics(const DesignMetrics& design, PixelSize size) {
  const int64_t em = design.unitsPerEm;
  const auto scaleY = [&](int64_t units) {
    return static_cast<int32_t>(ScaleRounded(units, size.y, em));
  };
  const auto scaleX = [&](int64_t units) {
    return static_cast<int32_t>(ScaleRounded(units, size.x, em));
  };
  ScaledMetrics m;
  m.ascent = scaleY(design.ascent);
  m.descent = scaleY(design.descent);
  m.internalLeading = std::max(0, m.height() - size.y);
  m.externalLeading = scaleY(design.lineGap);
  m.averageWidth = scaleX(design.averageWidth);
  m.maxWidth = scaleX(design.maxWidth);
  m.underlineThickness = std::max(1, scaleY(design.underlineThickness));
  // At least one row below the baseline, and inside the cell when the descent allows.
  const int32_t below =
      std::max(1, scaleY(-design.underlinePosition - design.underlineThickness / 2));
  m.underlineOffset = std::max(1, std::min(below, m.descent - m.underlineThickness));
  m.strikeoutThickness = std::max(1, scaleY(design.strikeoutThickness));
  m.strikeoutOffset = std::max(m.strikeoutThickness, scaleY(design.strikeoutPosition));
  return m;
}

}  // namespace wayband::platform::text
