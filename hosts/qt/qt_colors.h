// Colours and fonts across the Qt host's edge: the platform's colour values and QColor,
// and the controls' font objects and QFont.
#pragma once

#include <QColor>
#include <QFont>
#include <memory>

#include "platform/color.h"
#include "wayband/std_font.h"

namespace wayband::qt {

inline platform::ColorRef ColorRefOf(const QColor& color) {
  return platform::RGB(static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()),
                       static_cast<uint8_t>(color.blue()));
}

inline QColor QColorOf(platform::ColorRef color) {
  return QColor(platform::GetRValue(color), platform::GetGValue(color), platform::GetBValue(color));
}

// The font object of a QFont: family, size in points, weight, italic, underline and
// strikeout.
std::shared_ptr<StdFont> StdFontOf(const QFont& font);
// The QFont of a font object.
QFont QFontOf(const StdFont& font);

}  // namespace wayband::qt
