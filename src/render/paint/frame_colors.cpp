#include "render/paint/frame_colors.h"

#include "platform/system_colors.h"
#include "render/draw/color_blend.h"
#include "render/draw/gradient.h"
#include "render/scheme/color_math.h"

namespace wayband::render {
namespace {

constexpr OleColor kBackgroundMist = 0xEEEEEE;
constexpr OleColor kCaptionGrey = 0x888888;
constexpr OleColor kButtonFaceRef = platform::SysColorRef(platform::COLOR_BTNFACE);
constexpr OleColor kButtonShadowRef = platform::SysColorRef(platform::COLOR_BTNSHADOW);
constexpr OleColor kAppWorkspaceRef = platform::SysColorRef(platform::COLOR_APPWORKSPACE);

// Weights of the mixes below (out of 255).
constexpr int kBackgroundTopWhite = 24;
constexpr int kBackgroundBottomMist = 128;
constexpr int kStripTopWhite = 128;
constexpr int kStripBottomBlack = 200;
constexpr int kToolbarOutlineBlack = 64;
constexpr int kSplitterTopBlack = 200;
constexpr int kSplitterBottomBlack = 64;
constexpr int kHeaderTopBlack = 213;
constexpr int kHeaderBottomBlack = 143;
constexpr int kHeaderOutlineBlack = 200;
constexpr int kDisabledCaptionWeight = 200;
constexpr int kChevronPressedTopWhite = 200;
constexpr int kChevronPressedBottomBlack = 100;

Gradient Slots(const FrameLook& look, Slot top, Slot bottom) {
  return {look.palette[top], look.palette[bottom]};
}

Gradient Flat(OleColor color) {
  return {color, color};
}

}  // namespace

void FillVertical(platform::DrawingContext* target, const Gradient& gradient,
                  const platform::Rect& area) {
  if (target == nullptr || area.IsEmpty()) return;
  FillGradient(target, gradient.top, gradient.bottom, area.left, area.top, area.Width(),
               area.Height(), false);
}

Gradient TintedBackground(OleColor backColor) {
  return {BlendColors(backColor, kWhite, kBackgroundTopWhite),
          BlendColors(backColor, kBackgroundMist, kBackgroundBottomMist)};
}

Gradient EmptyControlGradient(const FrameLook& look) {
  if (look.backColor.set) return TintedBackground(look.backColor.color);
  return look.styled ? Slots(look, Slot::StyledBarTop, Slot::HeaderTop)
                     : Slots(look, Slot::BarTop, Slot::BarBottom);
}

Gradient PanelAreaGradient(const FrameLook& look) {
  if (look.backColor.set) return TintedBackground(look.backColor.color);
  return look.styled ? Slots(look, Slot::StyledBarTop, Slot::StyledBarBottom)
                     : Slots(look, Slot::BarTop, Slot::BarBottom);
}

Gradient ToolbarGradient(const FrameLook& look) {
  if (look.backColor.set) {
    return {BlendColors(look.backColor.color, kWhite, kStripTopWhite),
            BlendColors(look.backColor.color, kBlack, kStripBottomBlack)};
  }
  return look.styled ? Slots(look, Slot::StyledBarTop, Slot::StyledBarBottom)
                     : Slots(look, Slot::BarTop, Slot::BarBottom);
}

OleColor ToolbarOutline(const FrameLook& look) {
  if (look.backColor.set) return BlendColors(look.backColor.color, kBlack, kToolbarOutlineBlack);
  return look.palette[Slot::Border];
}

Gradient SplitterGradient(const FrameLook& look) {
  if (look.backColor.set) {
    return {BlendColors(look.backColor.color, kBlack, kSplitterTopBlack),
            BlendColors(look.backColor.color, kBlack, kSplitterBottomBlack)};
  }
  return look.styled ? Slots(look, Slot::SplitterTop, Slot::SplitterBottom)
                     : Slots(look, Slot::DarkFace, Slot::Border);
}

Gradient HeaderGradient(const FrameLook& look) {
  if (look.backColor.set) {
    return {BlendColors(look.backColor.color, kBlack, kHeaderTopBlack),
            BlendColors(look.backColor.color, kBlack, kHeaderBottomBlack)};
  }
  return look.styled ? Slots(look, Slot::HeaderTop, Slot::HeaderBottom) : Flat(kButtonShadowRef);
}

bool HeaderIsFlat(const FrameLook& look) {
  return !look.backColor.set && !look.styled;
}

OleColor HeaderOutline(const FrameLook& look) {
  // The styled header is framed in a darker shade of its own bottom colour (HeaderBottom,
  // or the darkened BackColor when the host set one), so the frame reads as the header's
  // edge in every colour variant; the plain header keeps the application-workspace colour.
  if (!look.styled) return kAppWorkspaceRef;
  return BlendColors(HeaderGradient(look).bottom, kBlack, kHeaderOutlineBlack);
}

OleColor HeaderCaptionColor(const FrameLook& look, bool controlEnabled, OleColor headerForeColor) {
  if (controlEnabled) return headerForeColor;
  const OleColor under = HeaderIsFlat(look) ? kButtonFaceRef : HeaderGradient(look).top;
  return BlendColors(under, kCaptionGrey, kDisabledCaptionWeight);
}

Gradient ChevronGradient(const FrameLook& look, bool pressed) {
  if (look.hoverColor.set) {
    const OleColor h = look.hoverColor.color;
    return pressed ? Gradient{BlendColors(h, kWhite, kChevronPressedTopWhite),
                              BlendColors(h, kBlack, kChevronPressedBottomBlack)}
                   : Gradient{BlendColors(h, kWhite, kStripTopWhite),
                              BlendColors(h, kBlack, kStripBottomBlack)};
  }
  if (look.styled) {
    return pressed ? Slots(look, Slot::StyledPressedTop, Slot::StyledPressedBottom)
                   : Slots(look, Slot::StyledHotTop, Slot::StyledHotBottom);
  }
  return Flat(look.palette[pressed ? Slot::PressedFill : Slot::HotFill]);
}

}  // namespace wayband::render
