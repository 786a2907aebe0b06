#include "render/scheme/color_xp.h"

#include <array>

#include "platform/ascii_text.h"
#include "platform/os_version.h"
#include "platform/system_colors.h"
#include "platform/visual_styles.h"
#include "render/scheme/color_math.h"
#include "render/scheme/scheme_name.h"
#include "render/scheme/scheme_tables.h"

namespace wayband::render {
namespace {

constexpr std::string_view kButtonClass = "Button";
constexpr size_t kThemeNameChars = 256;

// The text before the first NUL of a buffer.
std::string UpToNul(const std::array<char, kThemeNameChars>& buffer) {
  const std::string_view text(buffer.data(), buffer.size());
  return std::string(text.substr(0, text.find('\0')));
}

OleColor ReadHint(platform::ThemeHandle theme, int part, int state, int property) {
  platform::ColorRef color = 0;
  return platform::GetThemeColor(theme, part, state, property, &color) ? color : 0;
}

void WriteCells(SchemePalette& palette, std::span<const Slot> slots,
                std::span<const uint32_t> cells) {
  for (size_t i = 0; i < slots.size(); ++i) {
    if (cells[i] != kUnsetCell) palette[slots[i]] = SchemeCellColor(cells[i]);
  }
}

OleColor SystemColor(int index) {
  return ToRGB(platform::SysColorRef(index));
}

}  // namespace

bool IsXPOrLater() {
  return platform::RecordedOsFlags().xpOrLater;
}

bool IsVistaFamily() {
  return platform::RecordedOsFlags().vistaFamily;
}

bool CColorXP::IsWindowStyled(int32_t window) {
  if (!IsXPOrLater() || window == 0) return false;
  const platform::ThemeHandle theme = platform::OpenThemeData(window, kButtonClass);
  if (theme == 0) return false;
  platform::CloseThemeData(theme);
  return true;
}

void CColorXP::ReadThemeNames() {
  std::array<char, kThemeNameChars> file{}, color{}, size{};
  if (platform::GetCurrentThemeName(file, color, size)) {
    themeFileName_ = UpToNul(file);
    themeColorName_ = UpToNul(color);
    themeSizeName_ = UpToNul(size);
  } else {
    themeFileName_.clear();
    themeColorName_.clear();
    themeSizeName_.clear();
  }
}

void CColorXP::ReadStyleHints(int32_t window) {
  hintsRead_ = false;
  if (!IsXPOrLater() || window == 0) return;
  const platform::ThemeHandle theme = platform::OpenThemeData(window, kButtonClass);
  if (theme == 0) return;
  hintsRead_ = true;
  ReadThemeNames();
  schemeKey_ = platform::ToUpperAscii(themeColorName_);
  using namespace platform;
  hints_.accent = ReadHint(theme, BP_CHECKBOX, CBS_CHECKEDHOT, TMT_ACCENTCOLORHINT);
  hints_.defaultAccent = ReadHint(theme, BP_PUSHBUTTON, PBS_DEFAULTED, TMT_ACCENTCOLORHINT);
  hints_.defaultBorder = ReadHint(theme, BP_PUSHBUTTON, PBS_DEFAULTED, TMT_BORDERCOLORHINT);
  hints_.normalFill = ReadHint(theme, BP_PUSHBUTTON, PBS_NORMAL, TMT_FILLCOLORHINT);
  hints_.defaultFill = ReadHint(theme, BP_PUSHBUTTON, PBS_DEFAULTED, TMT_FILLCOLORHINT);
  CloseThemeData(theme);
}

bool CColorXP::ApplySchemeRows(bool styled) {
  const SchemeRow* row = FindSchemeRow(schemeKey_, styled);
  const bool known = row != nullptr;
  if (!known) row = &AnyOtherNameRow();
  WriteCells(palette_, kDrawnColumns, row->drawn);
  WriteCells(palette_, kCarriedColumns, row->carried);
  if (row->look == RowLook::kStyled) {
    if (const auto styledCells = FindStyledSlots(schemeKey_)) {
      for (size_t i = 0; i < styledCells->size(); ++i) {
        palette_[kFirstStyledSlot + i] = SchemeCellColor((*styledCells)[i]);
      }
    }
  }
  return known;
}

bool CColorXP::SystemColorsDifferFrom(const ExpectedColors& expected) const {
  return SystemColor(platform::COLOR_WINDOW) != SchemeCellColor(expected.window) ||
         SystemColor(platform::COLOR_BTNFACE) != SchemeCellColor(expected.face) ||
         SystemColor(platform::COLOR_HIGHLIGHT) != SchemeCellColor(expected.highlight);
}

void CColorXP::BuildPalette(std::string_view schemeName, bool styled, int32_t window) {
  schemeKey_ = SchemeKeyFromName(schemeName);
  hints_ = StyleHints{};
  ReadStyleHints(window);
  schemeKey_ = TrimSpaces(schemeKey_);

  const bool known = ApplySchemeRows(styled);
  // An unknown key expects black everywhere, as do the high-contrast keys.
  const ExpectedColors expected =
      known ? FindExpectedColors(schemeKey_).value_or(ExpectedColors{}) : ExpectedColors{};
  derived_ = !known || SystemColorsDifferFrom(expected) || IsVistaFamily();
  if (!derived_) return;

  DerivationInputs inputs;
  inputs.window = SystemColor(platform::COLOR_WINDOW);
  inputs.face = SystemColor(platform::COLOR_BTNFACE);
  inputs.highlight = SystemColor(platform::COLOR_HIGHLIGHT);
  inputs.shadow = SystemColor(platform::COLOR_BTNSHADOW);
  inputs.hints = hints_;
  inputs.styled = styled;
  inputs.hintsRead = hintsRead_;
  inputs.vistaFamily = IsVistaFamily();
  DerivePalette(palette_, inputs);
}

}  // namespace wayband::render
