// Logical fonts: the record a caller fills to describe the font it wants, and the font
// object made from it. A font object is a small value sharing one immutable copy of its
// record, like the brushes and pens of the drawing platform: deleting it means dropping it,
// and a copy selected into a drawing context stays valid after the creator lets go.
//
// The record is only a request. The text calls realize it when they draw or measure: the
// face is matched through the library's font configuration and its glyphs are cached by
// the record's glyph-shaping fields, so fonts created and dropped around every caption, as
// the painters do, reuse the glyphs rendered for the previous paint.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace wayband::platform {

inline constexpr int LF_FACESIZE = 32;

inline constexpr int32_t FW_DONTCARE = 0;
inline constexpr int32_t FW_NORMAL = 400;
inline constexpr int32_t FW_BOLD = 700;

inline constexpr uint8_t ANSI_CHARSET = 0;
inline constexpr uint8_t DEFAULT_CHARSET = 1;
inline constexpr uint8_t SYMBOL_CHARSET = 2;

inline constexpr uint8_t DEFAULT_QUALITY = 0;
inline constexpr uint8_t NONANTIALIASED_QUALITY = 3;
inline constexpr uint8_t ANTIALIASED_QUALITY = 4;
inline constexpr uint8_t CLEARTYPE_QUALITY = 5;
inline constexpr uint8_t CLEARTYPE_NATURAL_QUALITY = 6;

// The logical-font record.
//   lfHeight   negative: the character (em) height in pixels; positive: the cell height
//              (ascent + descent) in pixels; 0: the default character height.
//   lfWidth    average character width in pixels; 0 keeps the face's own proportions.
//   lfEscapement, lfOrientation  tenths of a degree; kept and reported, while text is
//              always laid along a horizontal baseline.
//   lfWeight   0 to 1000, 0 meaning normal (400); 700 is bold.
//   lfQuality  NONANTIALIASED_QUALITY renders two-level glyphs, CLEARTYPE_QUALITY and
//              CLEARTYPE_NATURAL_QUALITY subpixel (LCD-filtered) coverage per channel,
//              every other value grey antialiased coverage. Glyphs always come from the
//              outlines, never from bitmaps embedded in a font file.
//   lfFaceName the face name, NUL-terminated, at most 31 bytes; read as UTF-8 when the
//              bytes are valid UTF-8 and as Latin-1 otherwise. Empty: "Tahoma".
// The character set is kept and reported; face matching does not depend on it.
struct LogFont {
  int32_t lfHeight = 0;
  int32_t lfWidth = 0;
  int32_t lfEscapement = 0;
  int32_t lfOrientation = 0;
  int32_t lfWeight = FW_DONTCARE;
  uint8_t lfItalic = 0;
  uint8_t lfUnderline = 0;
  uint8_t lfStrikeOut = 0;
  uint8_t lfCharSet = ANSI_CHARSET;
  uint8_t lfOutPrecision = 0;
  uint8_t lfClipPrecision = 0;
  uint8_t lfQuality = DEFAULT_QUALITY;
  uint8_t lfPitchAndFamily = 0;
  std::array<char, LF_FACESIZE> lfFaceName{};

  friend bool operator==(const LogFont&, const LogFont&) = default;
};

// Writes `name` into the face-name field: at most LF_FACESIZE - 1 bytes (cut at a byte
// boundary, as the platform copies), NUL-terminated.
void SetFaceName(LogFont& logFont, std::string_view name);
// The face-name field up to its first NUL (all 32 bytes when it has none).
std::string_view FaceName(const LogFont& logFont);

struct Font {
  std::shared_ptr<const LogFont> logFont;

  bool IsNull() const { return !logFont; }
};

// CreateFontIndirect: a font object holding a copy of the record.
Font CreateFontIndirect(const LogFont& logFont);

// The font a drawing context uses while no font is selected: Tahoma with an 11-pixel
// character height (8 points at 96 dots per inch), normal weight, default quality.
const LogFont& DefaultGuiLogFont();

}  // namespace wayband::platform
