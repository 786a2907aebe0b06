// When the palette is taken from the scheme tables and when it is derived from live colours
// instead, and what the derivation computes in its plain, hint and version-6 modes.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "desktop_fixture.h"
#include "platform/visual_styles.h"
#include "render/scheme/color_math.h"
#include "render/scheme/color_xp.h"
#include "render/scheme/scheme_derivation.h"

namespace wayband::test {
namespace {

using render::CColorXP;
using render::SchemePalette;
using render::Slot;

struct BuildCase {
  const char* what;
  std::string_view preset;
  std::optional<std::array<uint32_t, 3>> keyColors;  // window, face, highlight
  const char* name;
  bool styled;
  bool window;
  const char* key;  // nothing: not checked
  bool derived;
  std::vector<std::pair<Slot, uint32_t>> slots;  // red first
};

class Derivation : public DesktopTest {
 protected:
  static CColorXP Build(std::string_view name, bool styled, int32_t window = 0) {
    CColorXP builder;
    builder.BuildPalette(name, styled, window);
    return builder;
  }
};

TEST_F(Derivation, TablesApplyOnlyWhileTheLiveColoursAreTheTunedOnes) {
  using platform::kPresetStyledMetallic;
  using platform::kPresetStyledNormalColor;
  using platform::kPresetVersion6;
  constexpr std::string_view kStandard = "Windows Standard";
  constexpr std::string_view kContrast = "High Contrast Black";
  const std::array<uint32_t, 3> black{0, 0, 0};
  const std::array<uint32_t, 3> newHighlight{0xFFFFFF, 0xD4D0C8, 0x000080};
  // clang-format off
  const BuildCase cases[] = {
      {"unedited classic scheme", kStandard, {}, "Windows Standard", false, false,
       "WINDOWS STANDARD", false,
       {{Slot::HotFill, 0xB6BDD2}, {Slot::BarBottom, 0xD7D3CC}, {Slot::Extra4, 0xA6A6A6}}},
      // Window, face and shadow as tuned land on the tuned values; the rest follows the
      // new highlight; slots the derivation never writes keep the table's values, and a
      // classic build leaves the styled slots alone.
      {"edited highlight", kStandard, newHighlight, "Windows Standard", false, false,
       "WINDOWS STANDARD", true,
       {{Slot::LightFace, 0xF9F8F7}, {Slot::Border, 0x666666}, {Slot::MidFace, 0xDBD8D1},
        {Slot::HotFill, 0xB1B1D3}, {Slot::SelectedFill, 0xD1D0DD}, {Slot::PressedFill, 0x7C7BB2},
        {Slot::Highlight, 0x000080}, {Slot::HighlightDark, 0x000080}, {Slot::DarkFace, 0xA4A4A4},
        {Slot::BarTop, 0xF9F9F8}, {Slot::BarBottom, 0xBCB9B3}, {Slot::Face, 0xD4D0C8},
        {Slot::FaceTint, 0xFFFDF3}, {Slot::Extra10, 0xCCC8C1}, {Slot::Extra20, 0x818181},
        {Slot::StyledBarTop, 0}, {Slot::StyledHotBottom, 0}}},
      // High contrast expects black everywhere, unknown names too (the any-other row).
      {"high contrast", kContrast, {}, "High Contrast Black", false, false, nullptr, true, {}},
      {"high contrast on black", kContrast, black, "High Contrast Black", false, false, nullptr,
       false, {}},
      {"unknown name", kStandard, {}, "Windows Standard 2", false, false, "WINDOWS STANDARD 2",
       true, {{Slot::Extra10, 0xCCC8C1}, {Slot::Extra13, 0xF7F6F4}}},
      {"no name", kStandard, {}, "", false, false, "", true, {}},
      // Upper-cased, stripped of the exact size words and of spaces only.
      {"extra large", kContrast, black, "High Contrast Black (extra large)", false, false,
       "HIGH CONTRAST BLACK", false, {}},
      {"large", kContrast, black, "high contrast black (large)", false, false,
       "HIGH CONTRAST BLACK", false, {}},
      {"spaces", kContrast, black, "  HIGH CONTRAST BLACK  ", false, false, "HIGH CONTRAST BLACK",
       false, {}},
      {"tab", kContrast, black, "High Contrast Black\t", false, false, "HIGH CONTRAST BLACK\t",
       true, {}},
      {"larger", kContrast, black, "High Contrast Black (Larger)", false, false,
       "HIGH CONTRAST BLACK (LARGER)", true, {}},
      // The visual style's colour name wins over the appearance name when styled.
      {"metallic style", kPresetStyledMetallic, {}, "Brick", true, true, "METALLIC", false,
       {{Slot::StyledBarTop, 0xEFE7F7}, {Slot::HotFill, 0xFFEEC2}}},
      {"styled without a window", kPresetStyledMetallic, {}, "Brick", true, false, "BRICK", true,
       {}},
      {"styled key drawn plain: the plain row", kPresetStyledNormalColor, {}, "", false, true,
       "NORMALCOLOR", false, {{Slot::HotFill, 0xC1D2EE}, {Slot::StyledBarTop, 0}}},
      {"version 6 always derives", kPresetVersion6,
       std::array<uint32_t, 3>{0xFFFFFF, 0xECE9D8, 0x316AC5}, "NormalColor", true, true, nullptr,
       true, {}},
      // Hint mode: accent F8B330, default accent 7BA2E7, default border 003C74, normal fill
      // F5F4EA, default fill F0EFE6.
      {"hint mode", kPresetStyledNormalColor,
       std::array<uint32_t, 3>{0xFFFFFE, 0xECE9D8, 0x316AC5}, "", true, true, "NORMALCOLOR", true,
       {{Slot::HotFill, 0xFCDB9D}, {Slot::Border, 0x134A7D}, {Slot::MidFace, 0xD8DDDB},
        {Slot::SelectedFill, 0xF8B330}, {Slot::PressedFill, 0xFF7900},
        {Slot::HighlightDark, 0x003C74}, {Slot::ContainerBorder, 0x003C74},
        {Slot::HeaderTop, 0x769EE2}, {Slot::StyledBarTop, 0x6D96D9},
        {Slot::StyledBarBottom, 0x7B98AF}, {Slot::ContainerTop, 0xB6CAEC},
        {Slot::StyledHotBottom, 0xF8B330}, {Slot::Extra30, 0xFFFFFF}}},
  };
  // clang-format on
  for (const BuildCase& c : cases) {
    SCOPED_TRACE(c.what);
    UsePreset(c.preset);
    if (c.keyColors) SetKeyColors((*c.keyColors)[0], (*c.keyColors)[1], (*c.keyColors)[2]);
    const CColorXP builder = Build(c.name, c.styled, c.window ? kWindow : 0);
    if (c.key != nullptr) {
      EXPECT_EQ(builder.SchemeKey(), c.key);
    }
    EXPECT_EQ(builder.Derived(), c.derived);
    for (const auto& [slot, colour] : c.slots)
      EXPECT_EQ(builder.GetPalette()[slot], FromRedFirst(colour)) << static_cast<int>(slot);
    EXPECT_EQ(platform::OpenThemeHandleCount(), 0u);
  }
}

// Drawn, carried and styled cells land in their slots; unset cells, and the styled slots
// of a row that has none, keep what the palette held before.
TEST_F(Derivation, ARowWritesItsCellsAndLeavesUnsetOnes) {
  CColorXP builder;
  SetKeyColors(0xFFFFFF, 0xECE9D8, 0x316AC5);
  builder.BuildPalette("NormalColor", true, 0);
  ASSERT_FALSE(builder.Derived());
  const SchemePalette styled = builder.GetPalette();
  const std::pair<size_t, uint32_t> cells[] = {{0, 0xA2C1F5},  {1, 0xF6F6F6},  {7, 0x000080},
                                               {10, 0x84ABE3}, {13, 0xE3EEFF}, {27, 0xFFFBE9},
                                               {28, 0x638ADE}, {36, 0xD6E7FF}, {43, 0xFFC35A}};
  for (const auto& [slot, colour] : cells)
    EXPECT_EQ(styled[slot], FromRedFirst(colour)) << slot;

  SetKeyColors(0x000000, 0x000000, 0x000000);
  builder.BuildPalette("High Contrast White", false, 0);
  ASSERT_FALSE(builder.Derived());
  const SchemePalette p = builder.GetPalette();
  EXPECT_EQ(p[Slot::Text], FromRedFirst(0x000000));
  EXPECT_EQ(p[Slot::Extra4], FromRedFirst(0x4BFF4B));
  for (size_t s : {size_t{21}, size_t{22}})
    EXPECT_EQ(p[s], styled[s]) << s;
  for (size_t s = render::kFirstStyledSlot; s < render::kSchemeSlotCount; ++s)
    EXPECT_EQ(p[s], styled[s]) << s;
}

TEST_F(Derivation, StyleNamesAndHintsNeedAStyledWindow) {
  UsePreset(platform::kPresetStyledMetallic);
  const CColorXP styled = Build("Brick", true, kWindow);
  EXPECT_TRUE(styled.HintsRead());
  EXPECT_EQ(styled.ThemeColorName(), "Metallic");
  EXPECT_EQ(styled.ThemeSizeName(), "NormalSize");
  Desktop().SetWindowsWithoutStyle({kWindow});
  EXPECT_FALSE(Build("Brick", true, kWindow).HintsRead());
}

TEST_F(Derivation, UnreadableHintsFallBackToFaceShadesForTheStyledBars) {
  UsePreset(platform::kPresetStyledNormalColor);
  platform::VisualStyle style = *Desktop().State().visualStyle;
  style.colors.clear();
  Desktop().SetVisualStyle(style);
  SetKeyColors(0xFFFFFF, 0xECE9D8, 0x000080);
  const CColorXP builder = Build("", true, kWindow);
  ASSERT_TRUE(builder.HintsRead());
  const SchemePalette p = builder.GetPalette();
  EXPECT_EQ(p[Slot::StyledBarTop], render::MixColors(FromRedFirst(0xECE9D8), render::kWhite, 225));
  EXPECT_EQ(p[Slot::StyledBarBottom],
            render::MixColors(FromRedFirst(0xECE9D8), render::kBlack, 225));
  EXPECT_EQ(p[Slot::SelectedFill], 0u);  // the failed accent hint is black
  EXPECT_EQ(p[Slot::ContainerBorder], 0u);
}

TEST_F(Derivation, Version6CopiesThePlainLookIntoTheStyledSlots) {
  UsePreset(platform::kPresetVersion6);
  const CColorXP builder = Build("", true, kWindow);
  ASSERT_TRUE(builder.HintsRead());
  const SchemePalette p = builder.GetPalette();
  EXPECT_EQ(p[Slot::HeaderTop], 0x80000010u);  // untranslated system colour references
  EXPECT_EQ(p[Slot::HeaderBottom], 0x80000015u);
  // Styled without hint mode: the styled bar formulas over the system colours.
  EXPECT_EQ(p[Slot::MidFace],
            render::MixColors(FromRedFirst(0xF0F0F0), FromRedFirst(0xFFFFFF), 213));
  EXPECT_EQ(p[Slot::BarBottom], p[Slot::MidFace]);
  EXPECT_EQ(p[Slot::BarTop], render::MixColors(FromRedFirst(0xFFFFFF), p[Slot::MidFace], 196));
  const std::pair<Slot, Slot> copies[] = {
      {Slot::StyledSelectedTop, Slot::HotFill},
      {Slot::StyledSelectedBottom, Slot::SelectedFill},
      {Slot::StyledPressedTop, Slot::SelectedFill},
      {Slot::StyledPressedBottom, Slot::PressedFill},
      {Slot::StyledHotTop, Slot::HotFill},
      {Slot::StyledHotBottom, Slot::PressedFill},
      {Slot::StyledBarTop, Slot::BarTop},
      {Slot::StyledBarBottom, Slot::BarBottom},
      {Slot::ContainerTop, Slot::BarTop},
      {Slot::ContainerBottom, Slot::BarTop},
      {Slot::ContainerBorder, Slot::Border},
      {Slot::SplitterTop, Slot::BarTop},
      {Slot::SplitterBottom, Slot::Border},
  };
  for (const auto& [styled, plain] : copies)
    EXPECT_EQ(p[styled], p[plain]) << static_cast<int>(styled);
}

}  // namespace
}  // namespace wayband::test
