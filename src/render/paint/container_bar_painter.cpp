#include "render/paint/container_bar_painter.h"

#include <string>

#include "platform/system_colors.h"
#include "platform/text/display_text.h"
#include "platform/text/text_output.h"
#include "platform/twips.h"
#include "render/draw/caption.h"
#include "render/draw/color_blend.h"
#include "render/draw/gradient.h"
#include "render/draw/selected_font.h"
#include "render/paint/bar_colors.h"

namespace wayband::render {

namespace {

constexpr OleColor kWhite = 0x00FFFFFF;
constexpr OleColor kBlack = 0x00000000;
// A custom bar's top line leans towards this grey.
constexpr OleColor kCustomTopLineGrey = 0x00555555;
// Weights of the custom bar's colours: the gradient's ends and the two lines.
constexpr int kCustomGradientWeight = 225;
constexpr int kLineWeight = 128;

void FillLine(platform::DrawingContext* target, OleColor color, int32_t y, int32_t width) {
  FillGradient(target, color, color, 0, y, width, 1, /*horizontal=*/false);
}

}  // namespace

ContainerBarColors ContainerBarColorsFor(OleColor barColor, const SchemePalette& palette,
                                         bool styled) {
  if (barColor != kNoColorChosen) {
    return {BlendColors(barColor, kWhite, kCustomGradientWeight),
            BlendColors(barColor, kBlack, kCustomGradientWeight),
            BlendColors(barColor, kCustomTopLineGrey, kLineWeight),
            BlendColors(barColor, kBlack, kLineWeight)};
  }
  if (styled) {
    return {palette[Slot::ContainerTop], palette[Slot::ContainerBottom],
            palette[Slot::ContainerBorder], palette[Slot::Border]};
  }
  return {palette[Slot::LightFace], palette[Slot::BarBottom],
          BlendColors(palette[Slot::DarkFace], palette[Slot::MidFace], kLineWeight),
          palette[Slot::Border]};
}

platform::Rect ContainerCaptionRect(int32_t width, bool iconDrawn, int32_t iconPixels) {
  const int64_t left =
      kContainerCaptionInset + (iconDrawn ? int64_t{iconPixels} + kContainerCaptionIconGap : 0);
  return {platform::ClampToLong(left), 0,
          platform::ClampToLong(int64_t{width} - kContainerCaptionInset), kContainerBarHeight};
}

platform::Rect PaintContainerBar(platform::DrawingContext* target, const ContainerBarScene& scene) {
  const platform::Rect caption = ContainerCaptionRect(scene.width, scene.icon, scene.iconPixels);
  if (!target) return caption;
  FillGradient(target, scene.colors.top, scene.colors.bottom, 0, 0, scene.width,
               kContainerBarHeight, /*horizontal=*/false);
  FillLine(target, scene.colors.topLine, 0, scene.width);
  FillLine(target, scene.colors.bottomLine, kContainerBarHeight, scene.width);
  if (scene.icon) {
    scene.icon->DrawIcon(target, scene.iconSizeIndex, kContainerIconKind, kContainerIconX,
                         kContainerIconY, scene.enabled);
  }
  const SelectedFont font(target, scene.font);
  const platform::ColorRef previousColor = target->SetTextColor(DrawnColor(scene.captionColor));
  const platform::BackgroundMode previousMode =
      target->SetBkMode(platform::BackgroundMode::kTransparent);
  // The caption shows in display form, and DrawCaption turns its text into display form
  // once more: text stored byte by byte as UTF-8 is decoded twice over.
  const std::string shown = platform::DisplayText(scene.caption);
  DrawCaption(target, shown, caption.left, caption.top, caption.right, caption.bottom,
              /*normalLook=*/true, platform::COLOR_BTNTEXT, /*centre=*/false,
              /*rightAlign=*/false, /*wordWrap=*/false, platform::DT_VCENTER);
  target->SetBkMode(previousMode);
  target->SetTextColor(previousColor);
  return caption;
}

}  // namespace wayband::render
