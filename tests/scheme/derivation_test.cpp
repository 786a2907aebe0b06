// When the palette is derived from live colours instead of the tables, and what the
// derivation computes in its plain, hint and version-6 modes.
#include <gtest/gtest.h>

#include "desktop_fixture.h"
#include "platform/visual_styles.h"
#include "render/scheme/color_math.h"
#include "render/scheme/color_xp.h"
#include "render/scheme/scheme_derivation.h"
#include "scheme_table_transcription.h"

namespace wayband::test {
namespace {

using render::CColorXP;
using render::SchemePalette;
using render::Slot;

class Derivation : public DesktopTest {
 protected:
  static CColorXP Build(std::string_view name, bool styled, int32_t window = 0) {
    CColorXP builder;
    builder.BuildPalette(name, styled, window);
    return builder;
  }
};

TEST_F(Derivation, UneditedClassicSchemeKeepsItsTableColours) {
  UsePreset("Windows Standard");
  const CColorXP builder = Build("Windows Standard", false);
  EXPECT_FALSE(builder.Derived());
  EXPECT_EQ(builder.GetPalette()[Slot::HotFill], FromRedFirst(0xB6BDD2));
  EXPECT_EQ(builder.GetPalette()[Slot::BarBottom], FromRedFirst(0xD7D3CC));
}

TEST_F(Derivation, EditedHighlightRecomputesFromLiveColours) {
  UsePreset("Windows Standard");
  SetKeyColors(0xFFFFFF, 0xD4D0C8, 0x000080);
  const CColorXP builder = Build("Windows Standard", false);
  ASSERT_TRUE(builder.Derived());
  const SchemePalette p = builder.GetPalette();
  // Window, face and shadow are unchanged, so these land on the tuned values again.
  EXPECT_EQ(p[Slot::LightFace], FromRedFirst(0xF9F8F7));
  EXPECT_EQ(p[Slot::Border], FromRedFirst(0x666666));
  EXPECT_EQ(p[Slot::MidFace], FromRedFirst(0xDBD8D1));
  // These follow the new highlight.
  EXPECT_EQ(p[Slot::HotFill], FromRedFirst(0xB1B1D3));
  EXPECT_EQ(p[Slot::SelectedFill], FromRedFirst(0xD1D0DD));
  EXPECT_EQ(p[Slot::PressedFill], FromRedFirst(0x7C7BB2));
  EXPECT_EQ(p[Slot::Highlight], FromRedFirst(0x000080));
  EXPECT_EQ(p[Slot::HighlightDark], FromRedFirst(0x000080));
  EXPECT_EQ(p[Slot::DarkFace], FromRedFirst(0xA4A4A4));
  EXPECT_EQ(p[Slot::BarTop], FromRedFirst(0xF9F9F8));
  EXPECT_EQ(p[Slot::BarBottom], FromRedFirst(0xBCB9B3));
  EXPECT_EQ(p[Slot::Face], FromRedFirst(0xD4D0C8));
  EXPECT_EQ(p[Slot::FaceTint], FromRedFirst(0xFFFDF3));
  // Never written by the derivation: the table's values stay.
  EXPECT_EQ(p[Slot::Extra10], FromRedFirst(0xCCC8C1));
  EXPECT_EQ(p[Slot::Extra19], FromRedFirst(0xABA9A5));
  EXPECT_EQ(p[Slot::Extra20], FromRedFirst(0x818181));
  // A classic build leaves the styled slots alone (0 in a new builder).
  for (size_t s = render::kFirstStyledSlot; s < render::kSchemeSlotCount; ++s)
    EXPECT_EQ(p[s], 0u);
}

TEST_F(Derivation, TriggersForHighContrastUnknownNamesAndVersion6) {
  UsePreset("High Contrast Black");
  EXPECT_TRUE(Build("High Contrast Black", false).Derived());
  SetKeyColors(0x000000, 0x000000, 0x000000);
  EXPECT_FALSE(Build("High Contrast Black", false).Derived());

  UsePreset("Windows Standard");
  const CColorXP unknown = Build("Windows Standard 2", false);
  EXPECT_TRUE(unknown.Derived());
  EXPECT_EQ(unknown.GetPalette()[Slot::Extra10], FromRedFirst(0xCCC8C1));  // any-other row
  EXPECT_EQ(unknown.GetPalette()[Slot::Extra13], FromRedFirst(0xF7F6F4));  // derived
  EXPECT_TRUE(Build("", false).Derived());

  UsePreset(platform::kPresetVersion6);
  SetKeyColors(0xFFFFFF, 0xECE9D8, 0x316AC5);  // exactly what "NORMALCOLOR" expects
  EXPECT_TRUE(Build("NormalColor", true, kWindow).Derived());
}

TEST_F(Derivation, SchemeNameIsUpperCasedStrippedOfSizesAndTrimmed) {
  UsePreset("High Contrast Black");
  SetKeyColors(0x000000, 0x000000, 0x000000);
  for (const char* name : {"High Contrast Black (extra large)", "high contrast black (large)",
                           "  HIGH CONTRAST BLACK  "}) {
    const CColorXP builder = Build(name, false);
    EXPECT_EQ(builder.SchemeKey(), "HIGH CONTRAST BLACK") << name;
    EXPECT_FALSE(builder.Derived()) << name;
  }
  // Only spaces are trimmed, and the size words must be exact.
  EXPECT_TRUE(Build("High Contrast Black\t", false).Derived());
  EXPECT_TRUE(Build("High Contrast Black (Larger)", false).Derived());
}

TEST_F(Derivation, VisualStyleNameOverridesTheAppearanceName) {
  UsePreset(platform::kPresetStyledMetallic);
  const CColorXP builder = Build("Brick", true, kWindow);
  EXPECT_TRUE(builder.HintsRead());
  EXPECT_EQ(builder.SchemeKey(), "METALLIC");
  EXPECT_FALSE(builder.Derived());
  EXPECT_EQ(builder.GetPalette()[Slot::StyledBarTop], FromRedFirst(0xEFE7F7));
  EXPECT_EQ(builder.GetPalette()[Slot::HotFill], FromRedFirst(0xFFEEC2));
  EXPECT_EQ(builder.ThemeColorName(), "Metallic");
  EXPECT_EQ(builder.ThemeSizeName(), "NormalSize");
  EXPECT_EQ(platform::OpenThemeHandleCount(), 0u);

  // Without a window, or with one that opted out, the appearance name applies.
  EXPECT_EQ(Build("Brick", true, 0).SchemeKey(), "BRICK");
  Desktop().SetWindowsWithoutStyle({kWindow});
  EXPECT_FALSE(Build("Brick", true, kWindow).HintsRead());
}

TEST_F(Derivation, HintModeTakesTheStyleColours) {
  UsePreset(platform::kPresetStyledNormalColor);
  SetKeyColors(0xFFFFFE, 0xECE9D8, 0x316AC5);
  const CColorXP builder = Build("", true, kWindow);
  ASSERT_TRUE(builder.HintsRead());
  ASSERT_TRUE(builder.Derived());
  const SchemePalette p = builder.GetPalette();
  // The preset's hints: accent F8B330, default accent 7BA2E7, default border 003C74,
  // normal fill F5F4EA, default fill F0EFE6.
  EXPECT_EQ(p[Slot::HotFill], FromRedFirst(0xFCDB9D));
  EXPECT_EQ(p[Slot::Border], FromRedFirst(0x134A7D));
  EXPECT_EQ(p[Slot::MidFace], FromRedFirst(0xD8DDDB));
  EXPECT_EQ(p[Slot::SelectedFill], FromRedFirst(0xF8B330));
  EXPECT_EQ(p[Slot::PressedFill], FromRedFirst(0xFF7900));
  EXPECT_EQ(p[Slot::HighlightDark], FromRedFirst(0x003C74));
  EXPECT_EQ(p[Slot::ContainerBorder], FromRedFirst(0x003C74));
  EXPECT_EQ(p[Slot::HeaderTop], FromRedFirst(0x769EE2));
  EXPECT_EQ(p[Slot::StyledBarTop], FromRedFirst(0x6D96D9));
  EXPECT_EQ(p[Slot::StyledBarBottom], FromRedFirst(0x7B98AF));
  EXPECT_EQ(p[Slot::ContainerTop], FromRedFirst(0xB6CAEC));
  EXPECT_EQ(p[Slot::StyledHotBottom], FromRedFirst(0xF8B330));  // weight 255: the accent
  EXPECT_EQ(p[Slot::Extra30], FromRedFirst(0xFFFFFF));          // table value, never derived
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
  ASSERT_TRUE(builder.Derived());
  const SchemePalette p = builder.GetPalette();
  EXPECT_EQ(p[Slot::HeaderTop], 0x80000010u);
  EXPECT_EQ(p[Slot::HeaderBottom], 0x80000015u);
  // Styled argument without hint mode: the styled bar formulas.
  EXPECT_EQ(p[Slot::BarBottom], p[Slot::MidFace]);
  EXPECT_EQ(p[Slot::BarTop], render::MixColors(FromRedFirst(0xFFFFFF), p[Slot::MidFace], 196));
  // Hint mode is off: the fills come from the system colours, not the accent.
  EXPECT_EQ(p[Slot::MidFace],
            render::MixColors(FromRedFirst(0xF0F0F0), FromRedFirst(0xFFFFFF), 213));
  EXPECT_EQ(p[Slot::StyledSelectedTop], p[Slot::HotFill]);
  EXPECT_EQ(p[Slot::StyledSelectedBottom], p[Slot::SelectedFill]);
  EXPECT_EQ(p[Slot::StyledPressedTop], p[Slot::SelectedFill]);
  EXPECT_EQ(p[Slot::StyledPressedBottom], p[Slot::PressedFill]);
  EXPECT_EQ(p[Slot::StyledHotTop], p[Slot::HotFill]);
  EXPECT_EQ(p[Slot::StyledHotBottom], p[Slot::PressedFill]);
  EXPECT_EQ(p[Slot::StyledBarTop], p[Slot::BarTop]);
  EXPECT_EQ(p[Slot::StyledBarBottom], p[Slot::BarBottom]);
  EXPECT_EQ(p[Slot::ContainerTop], p[Slot::BarTop]);
  EXPECT_EQ(p[Slot::ContainerBottom], p[Slot::BarTop]);
  EXPECT_EQ(p[Slot::ContainerBorder], p[Slot::Border]);
  EXPECT_EQ(p[Slot::SplitterTop], p[Slot::BarTop]);
  EXPECT_EQ(p[Slot::SplitterBottom], p[Slot::Border]);
}

TEST_F(Derivation, PlainBuildOfAStyledKeyUsesThePlainRow) {
  UsePreset(platform::kPresetStyledNormalColor);
  const CColorXP builder = Build("", false, kWindow);  // drawn without style: plain row
  EXPECT_EQ(builder.SchemeKey(), "NORMALCOLOR");
  EXPECT_FALSE(builder.Derived());
  EXPECT_EQ(builder.GetPalette()[Slot::HotFill], FromRedFirst(0xC1D2EE));
  EXPECT_EQ(builder.GetPalette()[Slot::StyledBarTop], 0u);
}

}  // namespace
}  // namespace wayband::test
