// System colours (GetSysColor) and the translation of colour values (OleTranslateColor).
//
// A colour value is 32 bits. The high byte says what the rest means:
//   00  a plain colour, red in bits 0-7, green 8-15, blue 16-23;
//   01  a palette index, 02 a palette-relative colour: passed through unchanged, since
//       this platform realises no palettes (callers keep the low 24 bits);
//   80  a system colour reference, 0x80000000 + index, index 0-30 (COLOR_*);
//   anything else (FFFFFFFF included) is no colour and cannot be translated.
#pragma once

#include <array>
#include <cstdint>

#include "platform/color.h"

namespace wayband::platform {

// GetSysColor indices.
inline constexpr int COLOR_SCROLLBAR = 0;
inline constexpr int COLOR_BACKGROUND = 1;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_CAPTIONTEXT = 9;
inline constexpr int COLOR_ACTIVEBORDER = 10;
inline constexpr int COLOR_INACTIVEBORDER = 11;
inline constexpr int COLOR_APPWORKSPACE = 12;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
inline constexpr int COLOR_UNUSED25 = 25;  // no role; kept so the table is contiguous
inline constexpr int COLOR_HOTLIGHT = 26;
inline constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
inline constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
inline constexpr int COLOR_MENUHILIGHT = 29;
inline constexpr int COLOR_MENUBAR = 30;

inline constexpr int kSysColorCount = 31;
using SysColorTable = std::array<ColorRef, kSysColorCount>;

// The bit that marks a system colour reference, and the reference of an index.
inline constexpr uint32_t kSysColorFlag = 0x80000000u;
constexpr uint32_t SysColorRef(int index) {
  return kSysColorFlag | static_cast<uint32_t>(index);
}

// A plain colour written the way colour tables write it, red first: 0xRRGGBB.
constexpr ColorRef ColorFromRrggbb(uint32_t rrggbb) {
  return RGB(static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8),
             static_cast<uint8_t>(rrggbb));
}

// GetSysColor: the colour of the index in the current desktop settings; 0 for an index
// outside 0-30.
ColorRef GetSysColor(int index);

// OleTranslateColor with no palette. Returns true and stores the colour on success;
// returns false and leaves `result` alone when the value cannot be translated: a high byte
// other than 00, 01, 02 and 80, a system reference whose index is above 30, or one with any
// of bits 8-23 set (a reference is exactly 0x80000000 + index).
bool OleTranslateColor(uint32_t color, ColorRef* result);

}  // namespace wayband::platform
