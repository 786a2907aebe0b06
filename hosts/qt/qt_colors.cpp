#include "qt/qt_colors.h"

namespace wayband::qt {

// Qt's weights (100 thin ... 400 normal ... 700 bold ... 900 black) run on the same scale
// as the font objects' weights.
std::shared_ptr<StdFont> StdFontOf(const QFont& font) {
  auto result = std::make_shared<StdFont>();
  result->SetName(font.family().toStdString());
  if (font.pointSizeF() > 0) result->SetSize(font.pointSizeF());
  result->SetWeight(static_cast<int16_t>(font.weight()));
  result->SetItalic(font.italic());
  result->SetUnderline(font.underline());
  result->SetStrikethrough(font.strikeOut());
  return result;
}

QFont QFontOf(const StdFont& font) {
  QFont result(QString::fromStdString(font.Name()));
  result.setPointSizeF(font.Size());
  result.setWeight(static_cast<QFont::Weight>(font.Weight()));
  result.setItalic(font.Italic());
  result.setUnderline(font.Underline());
  result.setStrikeOut(font.Strikethrough());
  return result;
}

}  // namespace wayband::qt
