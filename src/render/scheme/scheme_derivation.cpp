#include "render/scheme/scheme_derivation.h"

#include <algorithm>

#include "platform/color.h"
#include "platform/system_colors.h"
#include "render/scheme/color_math.h"
#include "render/scheme/hsl.h"

namespace wayband::render {
namespace {

constexpr OleColor kNeutralGrey = platform::ColorFromRrggbb(0x969696);
constexpr double kPressedSaturationFactor = 1.75;
constexpr double kMaxSaturation = 1.0;
constexpr double kPressedLightnessFactor = 0.85;
constexpr double kPressedHue = 29.0;
constexpr double kFaceTintLightnessFactor = 1.215;

OleColor Mix(OleColor a, OleColor b, int weight) {
  return MixColors(a, b, weight);
}

// Hint mode: the visual style's own colours drive the palette.
bool HintMode(const DerivationInputs& in) {
  return in.styled && in.hintsRead && !in.vistaFamily;
}

Hsl HslOf(OleColor color) {
  return RGBToHSL(platform::GetRValue(color), platform::GetGValue(color),
                  platform::GetBValue(color));
}

OleColor RoundedColor(const RgbChannels& rgb) {
  return PackChannels(RoundHalfEven(rgb.red), RoundHalfEven(rgb.green), RoundHalfEven(rgb.blue));
}

// Steps 1-9: the face tones and the fills of hot, selected and pressed bars.
void DeriveFills(SchemePalette& p, const DerivationInputs& in) {
  const bool hint = HintMode(in);
  const StyleHints& h = in.hints;
  const OleColor W = in.window, F = in.face, H = in.highlight, S = in.shadow;
  p[Slot::HotFill] =
      hint ? Mix(h.accent, W, 120) : Mix(Mix(Mix(W, F, 246), H, 180), kNeutralGrey, 235);
  p[Slot::LightFace] = Mix(Mix(W, F, 224), F, 249);
  p[Slot::Border] = hint ? Mix(h.defaultBorder, h.normalFill, 235) : Mix(kBlack, S, 51);
  p[Slot::Highlight] = H;
  p[Slot::HighlightDark] = hint ? h.defaultBorder : DarkenToMidtone(H);
  p[Slot::MidFace] = hint ? Mix(h.defaultFill, h.defaultBorder, 230) : Mix(F, W, 213);
  p[Slot::SelectedFill] =
      hint ? h.accent : Mix(p[Slot::HotFill], Mix(p[Slot::MidFace], p[Slot::LightFace], 128), 110);
  p[Slot::PressedFill] =
      hint ? PressedFromAccent(h.accent) : Mix(p[Slot::MidFace], Mix(p[Slot::HotFill], H, 96), 96);
  p[Slot::Extra18] = Mix(p[Slot::Highlight], p[Slot::HighlightDark], 128);
}

// Steps 10-13: text contrast, the dark face and the carried shades.
void DeriveShades(SchemePalette& p, const DerivationInputs& in) {
  const bool hint = HintMode(in);
  const OleColor W = in.window, F = in.face, H = in.highlight, S = in.shadow;
  const OleColor border = in.hints.defaultBorder;
  p[Slot::Text] = EnsureContrast(p[Slot::Text], p[Slot::LightFace], p[Slot::LightFace]);
  p[Slot::Extra25] = EnsureContrast(p[Slot::Extra25], p[Slot::HotFill], p[Slot::LightFace]);
  p[Slot::Extra26] = EnsureContrast(p[Slot::Extra26], p[Slot::HotFill], p[Slot::LightFace]);
  p[Slot::Extra5] = EnsureContrast(p[Slot::Extra5], p[Slot::LightFace], p[Slot::LightFace]);
  p[Slot::DarkFace] = Mix(Mix(S, Mix(Mix(W, F, 224), F, 249), 172), kBlack, 250);
  p[Slot::Extra22] = hint ? Mix(border, F, 164) : Mix(S, W, 250);
  p[Slot::Extra4] = hint ? Mix(border, F, 157) : Mix(S, W, 240);
  p[Slot::Extra21] = hint ? Mix(p[Slot::HotFill], Mix(S, p[Slot::HotFill], 164), 128)
                          : Mix(p[Slot::HotFill], Mix(S, H, 128), 128);
}

// Steps 14-15: the plain look's bar colours and the face.
void DeriveBars(SchemePalette& p, const DerivationInputs& in) {
  const OleColor W = in.window, S = in.shadow;
  const OleColor mid = p[Slot::MidFace];
  if (in.styled && !HintMode(in)) {
    p[Slot::BarTop] = Mix(W, mid, 196);
    p[Slot::BarBottom] = mid;
    p[Slot::Extra13] = Mix(W, mid, 215);
  } else {
    p[Slot::BarTop] = Mix(W, mid, 215);
    p[Slot::BarBottom] = Mix(mid, Mix(kBlack, S, 200), 213);
    p[Slot::Extra13] = Mix(W, mid, 196);
  }
  p[Slot::Extra14] = Mix(W, mid, 128);
  p[Slot::Face] = in.face;
}

// A styled bar pair that came out all black falls back to shades of the face.
void EnsureStyledBarPair(SchemePalette& p, OleColor face) {
  if (p[Slot::StyledBarTop] == 0 && p[Slot::StyledBarBottom] == 0) {
    p[Slot::StyledBarTop] = Mix(face, kWhite, 225);
    p[Slot::StyledBarBottom] = Mix(face, kBlack, 225);
  }
}

// Step 16, first case: the styled slots from the visual style's hints.
void DeriveStyledFromHints(SchemePalette& p, const DerivationInputs& in) {
  const StyleHints& h = in.hints;
  p[Slot::HeaderTop] = Mix(h.defaultAccent, h.defaultBorder, 245);
  p[Slot::HeaderBottom] = Mix(h.normalFill, h.defaultBorder, 92);
  p[Slot::StyledBarTop] = Mix(h.defaultAccent, h.defaultBorder, 225);
  p[Slot::StyledBarBottom] = Mix(h.normalFill, h.defaultBorder, 128);
  EnsureStyledBarPair(p, in.face);
  p[Slot::StyledSelectedTop] = Mix(h.accent, kWhite, 200);
  p[Slot::StyledSelectedBottom] = Mix(h.accent, kBlack, 250);
  p[Slot::StyledPressedTop] = Mix(h.accent, kWhite, 128);
  p[Slot::StyledPressedBottom] = Mix(h.accent, kBlack, 200);
  p[Slot::StyledHotTop] = Mix(h.accent, kWhite, 64);
  p[Slot::StyledHotBottom] = Mix(h.accent, kWhite, 255);
  p[Slot::SplitterTop] = Mix(h.defaultAccent, h.defaultBorder, 150);
  p[Slot::SplitterBottom] = Mix(h.normalFill, h.defaultBorder, 32);
  p[Slot::ContainerTop] = Mix(Mix(h.defaultAccent, h.defaultBorder, 225), kWhite, 128);
  p[Slot::ContainerBottom] = Mix(Mix(h.normalFill, h.defaultBorder, 128), kWhite, 128);
  p[Slot::ContainerBorder] = h.defaultBorder;
}

// Step 16, second case: on the version-6 family the styled look copies the plain one;
// the header keeps untranslated system colour references.
void DeriveStyledFromPlain(SchemePalette& p, const DerivationInputs& in) {
  p[Slot::ContainerTop] = p[Slot::BarTop];
  p[Slot::ContainerBottom] = p[Slot::BarTop];
  p[Slot::ContainerBorder] = p[Slot::Border];
  p[Slot::HeaderTop] = platform::SysColorRef(platform::COLOR_BTNSHADOW);
  p[Slot::HeaderBottom] = platform::SysColorRef(platform::COLOR_3DDKSHADOW);
  p[Slot::StyledBarTop] = p[Slot::BarTop];
  p[Slot::StyledBarBottom] = p[Slot::BarBottom];
  EnsureStyledBarPair(p, in.face);
  p[Slot::StyledSelectedTop] = p[Slot::HotFill];
  p[Slot::StyledSelectedBottom] = p[Slot::SelectedFill];
  p[Slot::StyledPressedTop] = p[Slot::SelectedFill];
  p[Slot::StyledPressedBottom] = p[Slot::PressedFill];
  p[Slot::StyledHotTop] = p[Slot::HotFill];
  p[Slot::StyledHotBottom] = p[Slot::PressedFill];
  p[Slot::SplitterTop] = p[Slot::BarTop];
  p[Slot::SplitterBottom] = p[Slot::Border];
}

}  // namespace

OleColor PressedFromAccent(OleColor accent) {
  const Hsl hsl = HslOf(accent);
  const double saturation = std::min(hsl.saturation * kPressedSaturationFactor, kMaxSaturation);
  return RoundedColor(HSLToRGB(kPressedHue, hsl.lightness * kPressedLightnessFactor, saturation));
}

OleColor TintFace(OleColor face) {
  const Hsl hsl = HslOf(face);
  return RoundedColor(HSLToRGB(hsl.hue, hsl.lightness * kFaceTintLightnessFactor, hsl.saturation));
}

void DerivePalette(SchemePalette& palette, const DerivationInputs& in) {
  DeriveFills(palette, in);
  DeriveShades(palette, in);
  DeriveBars(palette, in);
  if (in.hintsRead && !in.vistaFamily) {
    DeriveStyledFromHints(palette, in);
  } else if (in.vistaFamily) {
    DeriveStyledFromPlain(palette, in);
  }
  palette[Slot::FaceTint] = TintFace(in.face);
}

}  // namespace wayband::render
