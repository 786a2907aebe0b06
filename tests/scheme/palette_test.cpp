// The palette: its colour arithmetic (rounding, translation, mixing, darkening, the
// contrast guard and the lightness conversions on the 0-255 scale), when it is taken from
// the scheme tables and when derived from live colours instead, and what the derivation
// computes in its plain, hint and version-6 modes.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "desktop_fixture.h"
#include "platform/visual_styles.h"
#include "render/scheme/color_math.h"
#include "render/scheme/color_xp.h"
#include "render/scheme/hsl.h"
#include "render/scheme/scheme_derivation.h"
#include "render/scheme/scheme_tables.h"

namespace wayband::test {
namespace {

using namespace render;

TEST(ColorMath, RoundsHalvesToEvenAndPacksClampedChannels) {
  for (const auto& [value, rounded] :
       {std::pair{0.5, 0.0}, {1.5, 2.0}, {2.5, 2.0}, {-1.5, -2.0}, {2.4999, 2.0}, {2.5001, 3.0}})
    EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  EXPECT_EQ(PackChannels(300, -4, 128), FromRedFirst(0xFF0080));
  EXPECT_EQ(PackChannels(std::nan(""), 1, 2), FromRedFirst(0x000102));
}

// One colour in, one out: translation, darkening to a mid-tone, the face tint and the
// pressed accent.
TEST_F(DesktopTest, TranslationDarkeningAndTints) {
  UsePreset("Windows Standard");
  const struct {
    OleColor (*function)(OleColor);
    OleColor in, out;
  } cases[] = {
      // clang-format off
      {ToRGB, 0x8000000F, FromRedFirst(0xD4D0C8)}, {ToRGB, 0x02123456, 0x123456},  // low 24 bits
      {ToRGB, 0x8000001F, 0}, {ToRGB, 0x7F000000, 0},  // not a colour: black
      {ToRGB, 0xFFFFFFFF, 0xFFFFFFFF},  // all bits set stay
      {DarkenToMidtone, kWhite, 0x6C6C6C},  // 255 -> 166 -> 108
      {DarkenToMidtone, FromRedFirst(0xFFFF0A), FromRedFirst(0xA6A606)},  // 6.5 -> 6
      {DarkenToMidtone, FromRedFirst(0x7F7F80), FromRedFirst(0x7F7F80)},  // average 127
      {TintFace, FromRedFirst(0xD4D0C8), FromRedFirst(0xFFFDF3)},
      {TintFace, FromRedFirst(0xECE9D8), kWhite},
      {TintFace, FromRedFirst(0x020000), 0},  // lightness 1 on the byte scale: no number
      {PressedFromAccent, FromRedFirst(0xF8B330), FromRedFirst(0xFF7900)},
      // clang-format on
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.function(c.in), c.out) << std::hex << c.in;
  const OleColor a = FromRedFirst(0x123456), b = FromRedFirst(0xFEDCBA);
  const struct {
    OleColor a, b;
    int weight;
    OleColor mixed;
  } mixes[] = {
      // clang-format off
      {kWhite, kBlack, 128, 0x808080}, {a, b, 255, a}, {a, b, 999, a}, {a, b, -7, b},
      {0x80000005, kBlack, 255, kWhite},  // window colour, translated
      {0xFFFFFFFF, kBlack, 255, kWhite},  // all bits set: its low bytes
      {0x8000FF05, kWhite, 255, kBlack},  // untranslatable: black
      // 10·200/255 + 250·55/255 = 7.84 + 53.92 = 61.76
      {FromRedFirst(0x0A0A0A), FromRedFirst(0xFAFAFA), 200, 0x3E3E3E},
      // clang-format on
  };
  for (const auto& c : mixes)
    EXPECT_EQ(MixColors(c.a, c.b, c.weight), c.mixed) << std::hex << c.a << " " << c.b;
}

TEST(ColorMath, EnsureContrastKeepsLightAndTunedBackgroundsAndLiftsOnDarkOnes) {
  const OleColor c = FromRedFirst(0x204060), light = FromRedFirst(0xF0F0F0);
  const std::pair<uint32_t, bool> backgrounds[] = {
      {0x666666, true},                      // average 102
      {0x8C8C1C, true},                      // the two tuned olives
      {0x1E8C1C, true},  {0x1C8C1E, false},  // an olive spelt blue first
      {0x656565, false},                     // average 101
  };
  for (const auto& [background, kept] : backgrounds)
    EXPECT_EQ(EnsureContrast(c, FromRedFirst(background), light) == c, kept)
        << std::hex << background;
  EXPECT_EQ(EnsureContrast(kBlack, 0, light), MixColors(kWhite, light, 200));
  for (int grey = 0; grey <= 255; ++grey) {
    const OleColor colour =
        platform::RGB(static_cast<uint8_t>(grey), 0, static_cast<uint8_t>(255 - grey));
    const OleColor lifted = LightenForDarkBackground(colour);
    EXPECT_GT(ChannelAverage(lifted), 155) << grey;
    EXPECT_EQ(EnsureContrast(colour, 0, light), MixColors(lifted, light, 200));
  }
  EXPECT_EQ(LightenForDarkBackground(FromRedFirst(0xC8C8C8)), FromRedFirst(0xC8C8C8));
}

TEST(ColorMath, HslOnTheByteScale) {
  const Hsl hsl = RGBToHSL(212, 208, 200);
  EXPECT_DOUBLE_EQ(hsl.lightness, 206.0);
  EXPECT_DOUBLE_EQ(hsl.saturation, 12.0 / (2.0 - 412.0));  // negative above 0.5
  EXPECT_DOUBLE_EQ(hsl.hue, 40.0);
  EXPECT_DOUBLE_EQ(RGBToHSL(0, 0, 200).hue, 240.0);
  EXPECT_DOUBLE_EQ(RGBToHSL(0, 200, 0).hue, 120.0);
  EXPECT_DOUBLE_EQ(RGBToHSL(200, 0, 100).hue, 330.0);   // negative sextant wraps
  EXPECT_DOUBLE_EQ(RGBToHSL(1, 0, 0).saturation, 1.0);  // lightness 0.5 uses the first form
  EXPECT_EQ(RGBToHSL(90, 90, 90).saturation, 0.0);
  // One turn wraps; 360 itself does not.
  for (const auto& [hue, channel] :
       {std::pair{400.0, 50.0}, {-30.0, 10.0}, {360.0, 10.0}, {210.0, 40.0}, {40.0, 50.0}})
    EXPECT_DOUBLE_EQ(HueToChannel(10, 70, hue), channel) << hue;
}

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
  EXPECT_EQ(SchemeRows().size(), 28u);  // and the row of any other name
  EXPECT_FALSE(FindStyledSlots("WINDOWS STANDARD").has_value());

  SetKeyColors(0x000000, 0x000000, 0x000000);
  builder.BuildPalette("High Contrast White", false, 0);
  ASSERT_FALSE(builder.Derived());
  const SchemePalette p = builder.GetPalette();
  EXPECT_EQ(p[Slot::Text], FromRedFirst(0x000000));
  EXPECT_EQ(p[Slot::Extra4], FromRedFirst(0x4BFF4B));
  for (size_t s : {size_t{21}, size_t{22}})
    EXPECT_EQ(p[s], styled[s]) << s;
  for (size_t s = kFirstStyledSlot; s < kSchemeSlotCount; ++s)
    EXPECT_EQ(p[s], styled[s]) << s;
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
  EXPECT_EQ(p[Slot::StyledBarTop], MixColors(FromRedFirst(0xECE9D8), kWhite, 225));
  EXPECT_EQ(p[Slot::StyledBarBottom], MixColors(FromRedFirst(0xECE9D8), kBlack, 225));
  EXPECT_EQ(p[Slot::SelectedFill], 0u);  // the failed accent hint is black
  EXPECT_EQ(p[Slot::ContainerBorder], 0u);
  EXPECT_EQ(builder.ThemeColorName(), "NormalColor");
  EXPECT_EQ(builder.ThemeSizeName(), "NormalSize");
  // A window that opted out of styles reads no hints.
  Desktop().SetWindowsWithoutStyle({kWindow});
  EXPECT_FALSE(Build("", true, kWindow).HintsRead());
}

TEST_F(Derivation, Version6KeepsSystemColourReferencesAndLeavesHintMode) {
  UsePreset(platform::kPresetVersion6);
  const CColorXP builder = Build("", true, kWindow);
  ASSERT_TRUE(builder.HintsRead());
  const SchemePalette p = builder.GetPalette();
  EXPECT_EQ(p[Slot::HeaderTop], 0x80000010u);  // untranslated system colour references
  EXPECT_EQ(p[Slot::HeaderBottom], 0x80000015u);
  // Styled without hint mode: the styled bar formulas over the system colours.
  EXPECT_EQ(p[Slot::MidFace], MixColors(FromRedFirst(0xF0F0F0), FromRedFirst(0xFFFFFF), 213));
  EXPECT_EQ(p[Slot::BarBottom], p[Slot::MidFace]);
  EXPECT_EQ(p[Slot::BarTop], MixColors(FromRedFirst(0xFFFFFF), p[Slot::MidFace], 196));
}

}  // namespace
}  // namespace wayband::test
