// CColorXP: builds the scheme palette from the name of the current appearance scheme, the
// styled flag and the live system and visual-style colours. One short-lived instance per
// scheme update: made, filled with BuildPalette, copied out with GetPalette, released.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "render/scheme/scheme_derivation.h"
#include "render/scheme/scheme_palette.h"

namespace wayband::render {

struct ExpectedColors;

// The operating-system tests of the scheme code, read once per process.
bool IsXPOrLater();
bool IsVistaFamily();

class CColorXP {
 public:
  // Fills the palette: the scheme key from the name (or from the visual style's colour
  // variant when the window is drawn with a style), the key's table rows, and the
  // derivation from live colours when the system colours differ from the row's.
  void BuildPalette(std::string_view schemeName, bool styled, int32_t window);

  SchemePalette GetPalette() const { return palette_; }

  // True when the system is XP or later, the window is not 0, and style data for the
  // window's "Button" class can be opened (it is closed again at once).
  static bool IsWindowStyled(int32_t window);

  // Reads the current style's three names (cut at the first NUL); all three are empty
  // when the names cannot be read.
  void ReadThemeNames();

  const std::string& ThemeFileName() const { return themeFileName_; }
  const std::string& ThemeColorName() const { return themeColorName_; }
  const std::string& ThemeSizeName() const { return themeSizeName_; }

  // What the last build decided: the table key it looked up, whether it read the style
  // hints, and whether it derived the palette from live colours.
  const std::string& SchemeKey() const { return schemeKey_; }
  bool HintsRead() const { return hintsRead_; }
  bool Derived() const { return derived_; }

 private:
  void ReadStyleHints(int32_t window);
  // Writes the key's rows; returns false when the key is unknown (derivation forced).
  bool ApplySchemeRows(bool styled);
  bool SystemColorsDifferFrom(const ExpectedColors& expected) const;

  SchemePalette palette_;
  std::string themeFileName_;
  std::string themeColorName_;
  std::string themeSizeName_;
  std::string schemeKey_;
  StyleHints hints_;
  bool hintsRead_ = false;
  bool derived_ = false;
};

}  // namespace wayband::render
