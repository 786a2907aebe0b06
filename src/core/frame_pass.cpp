// The painting half of the refresh, step by step: the control and toolbar backgrounds, the
// bar-area outline, the splitter strip, the header, the button-face band at the bottom,
// the chevron, the control's outline and the presentation of the finished frame. The
// refresh (layout.cpp) runs the steps in order around the layout and the bar pass.
//
// Targets. On the NT family the frame is painted off screen, into ControlSurface and
// ToolbarSurface, and copied to the windows at the end, so the control never flickers;
// elsewhere it is painted straight into the windows' own contexts. The splitter strip is
// always painted straight into its own context: the host keeps that image between frames,
// so SplitterSurface (kept at the strip's size by the layout) is not a target of the pass.
#include <algorithm>
#include <string>

#include "core/control_core.h"
#include "core/layout_math.h"
#include "platform/paint_caches.h"
#include "platform/system_colors.h"
#include "platform/twips.h"
#include "render/draw/drawing_flags.h"
#include "render/draw/font_record.h"
#include "render/draw/outline.h"
#include "render/paint/background_painter.h"
#include "render/paint/chevron_button.h"
#include "render/paint/frame_colors.h"
#include "render/paint/header_face.h"
#include "render/paint/header_painter.h"
#include "render/paint/splitter_painter.h"
#include "render/paint/text_height.h"

namespace wayband::core {

namespace {

// The run-time caption of a control without panels.
constexpr const char* kNoDataCaption = "No data loaded.";
// Captions are measured with this text.
constexpr const char* kMeasureText = "A";
// The bar area starts this far down (below the toolbar strip when it is on top).
constexpr int32_t kBarAreaTop = 50;
// Captions of the empty control and the empty panel area: inset from both sides; their
// bottom edge lies far below any control so that it never clips the text.
constexpr int32_t kCaptionInset = 5;
constexpr int32_t kUnclippedCaptionBottom = 32767;
// The empty panel's caption with the toolbar on top.
constexpr int32_t kTopToolbarEmptyPanelCaptionTop = 75;
// The button-face band: from nine tenths of the control's height, an eighth of it high.
constexpr int32_t kBandStartTenths = 9;
constexpr int32_t kBandHeightDivisor = 8;

render::FrameLook LookOf(const ControlCore& core, const FrameContext& frame) {
  return {core.State().Palette, frame.styled, render::HostColor::FromProperty(core.BackColor()),
          render::HostColor::FromProperty(core.State().HoverColor)};
}

// One third of the way from `from` down to `to`, rounded half to even.
int32_t OneThird(int32_t from, int32_t to) {
  return platform::RoundToLong((static_cast<double>(to) - from) / 3.0);
}

bool PaintsOffScreen() {
  return render::CurrentDrawingFlags().IsNT4OrLater;
}

}  // namespace

double ControlCore::TextHeight(std::string_view text) const {
  if (!Alive()) return 0.0;
  return render::TextHeightPixels(ControlLogFont(nullptr), text) * TwipsPerPixelY();
}

platform::LogFont ControlCore::ControlLogFont(const platform::DrawingContext* context) const {
  const std::shared_ptr<StdFont> font = site_ ? site_->Font() : nullptr;
  platform::LogFont record;
  render::FontToLogFont(font ? *font : StdFont{}, context, &record, false);
  return record;
}

platform::Size ControlCore::ClientPixels(host::WindowHandle window) const {
  const platform::Rect client = site_->Windows().GetClientRect(window);
  return {client.Width(), client.Height()};
}

platform::Rect ControlCore::BarAreaRect() const {
  const platform::Size client = ClientPixels(site_->hWnd());
  platform::Rect area{0, 0, client.cx, client.cy};
  // The toolbar's twips are used as they are, unconverted: with the toolbar at the bottom
  // the area reaches below the control, so its fills end at the control's bottom edge and
  // its outline has no visible bottom edge.
  if (state_.ToolbarOnTop) {
    area.top = platform::RoundToLong(toolbar_->Height()) + kBarAreaTop;
  } else {
    area.top = kBarAreaTop;
    area.bottom = platform::RoundToLong(toolbar_->Top());
  }
  return area;
}

int32_t ControlCore::BarStackBottom() const {
  return state_.ToolbarOnTop ? ClientPixels(site_->hWnd()).cy
                             : platform::TwipsToPixels(toolbar_->Top(), TwipsPerPixelY());
}

int32_t ControlCore::FrameBarsTop() const {
  // The top the layout gives the bar stack in this frame (an empty stack without panels).
  // The backgrounds are painted before the layout places the stack, and reading the
  // previous frame's value would leave the old bars showing when the stack shrinks.
  return BarsTopFor(BarStackBottom(), PanelCount() > 0 ? state_.BarsToShow : 0);
}

void ControlCore::ChooseTargets(FrameContext& frame) const {
  const bool offScreen = PaintsOffScreen();
  frame.mainTarget = offScreen ? controlSurface_.hDC() : site_->hDC();
  frame.toolbarTarget = offScreen ? toolbarSurface_.hDC() : toolbar_->hDC();
}

FrameContext ControlCore::BeginFrame() {
  FrameContext frame;
  frame.textHeightPixels = render::CaptionHeightPixels(TextHeight(kMeasureText), TwipsPerPixelY());
  frame.styled = render::IsAppStyled();
  toolbar_->Cls();
  ChooseTargets(frame);
  state_.SplitterDrawn = false;
  splitBar_->Cls();
  return frame;
}

void ControlCore::PaintControlBackground(const FrameContext& frame) {
  const platform::Rect barArea = BarAreaRect();
  const bool hasPanels = PanelCount() > 0;
  const int32_t barsTop = FrameBarsTop();
  render::ControlBackground background;
  background.hasPanels = hasPanels;
  background.width = barArea.right;
  background.barAreaBottom = barArea.bottom;
  background.barsTop = barsTop;
  background.picture = state_.BackgroundPicture.get();
  render::PaintControlBackground(frame.mainTarget, LookOf(*this, frame), background);

  std::string text;
  int32_t top = OneThird(barArea.top, barsTop);
  if (hasPanels) {
    text = state_.EmptyPanelCaption;
    if (state_.ToolbarOnTop) top = kTopToolbarEmptyPanelCaptionTop;
  } else {
    // A designer shows the control's name where a running application says that there
    // is nothing to show.
    text = site_->AmbientUserMode() ? std::string(kNoDataCaption) : site_->AmbientDisplayName();
    if (state_.ToolbarOnTop) top = 0;
  }
  // In the control's Font as it is now: the font the surface got at its last resize may
  // be an older one.
  const platform::LogFont font = ControlLogFont(frame.mainTarget);
  render::DrawCentredCaption(frame.mainTarget, {text,
                                                {kCaptionInset, top, barArea.right - kCaptionInset,
                                                 kUnclippedCaptionBottom},
                                                ForeColor(),
                                                &font,
                                                &state_.BackgroundCaptionCache});
}

void ControlCore::PaintToolbarBackground(const FrameContext& frame) {
  render::PaintToolbarBackground(frame.toolbarTarget, LookOf(*this, frame),
                                 ClientPixels(toolbar_->hWnd()), state_.ToolbarPicture.get());
}

void ControlCore::OutlineBarArea(const FrameContext& frame) {
  if (!frame.mainTarget) return;
  const platform::Rect area = BarAreaRect();
  render::DrawRectOutline(frame.mainTarget, state_.Palette[render::Slot::Border], area.left,
                          area.top, area.Width(), area.Height());
}

void ControlCore::PaintSplitterStrip(const FrameContext& frame) {
  if (state_.SplitterDrawn) return;
  render::PaintSplitterStrip(splitBar_->hDC(), LookOf(*this, frame),
                             ClientPixels(splitBar_->hWnd()), state_.LockSplitter);
  state_.SplitterDrawn = true;
}

void ControlCore::PaintHeader(const FrameContext& frame) {
  const int32_t selectedIndex = state_.panels.SelectedIndex();
  const PanelRecord* selected = state_.panels.At(selectedIndex);
  if (selectedIndex <= 0 || selected == nullptr || !Alive()) return;
  const render::FrameLook look = LookOf(*this, frame);

  // The caption is the control's font made bold in the header font's face, at the header
  // font's size up to 16 points: large header fonts are capped so that the caption still
  // fits the header, smaller ones are kept as the host chose them.
  const std::shared_ptr<StdFont> controlFont = site_->Font();
  StdFont captionFont = controlFont ? *controlFont : StdFont{};
  const StdFont& headerFont = state_.HeaderFont ? *state_.HeaderFont : captionFont;
  const std::string headerName = headerFont.Name();
  const double headerSize = std::min(headerFont.Size(), render::kHeaderCaptionMaxPoints);
  captionFont.SetBold(true);
  captionFont.SetName(headerName);
  captionFont.SetSize(headerSize);
  platform::LogFont captionLogFont;
  render::FontToLogFont(captionFont, frame.mainTarget, &captionLogFont, false);
  const double captionHeightTwips =
      render::TextHeightPixels(captionLogFont, kMeasureText) * TwipsPerPixelY();

  const imaging::CIconBytes* icon = state_.Icons.Find(selected->sIconKey);
  const platform::Size client = ClientPixels(site_->hWnd());
  render::HeaderPlacement placement;
  placement.controlWidth = client.cx;
  placement.controlWidthTwips = platform::RoundToLong(client.cx * TwipsPerPixelX());
  placement.toolbarHeight = platform::TwipsToPixels(toolbar_->Height(), TwipsPerPixelY());
  placement.toolbarOnTop = state_.ToolbarOnTop;
  placement.showIcon = state_.ShowHeaderIcon;
  placement.hasIcon = icon != nullptr;
  placement.rightToLeft = state_.RightToLeft;
  placement.captionTextHeight = render::CaptionHeightPixels(captionHeightTwips, TwipsPerPixelY());

  render::HeaderScene scene;
  scene.layout = render::HeaderLayoutFor(placement);
  scene.picture = state_.HeaderPicture.get();
  scene.icon = state_.ShowHeaderIcon ? icon : nullptr;
  scene.iconEnabled = Enabled() && selected->bEnabled;
  scene.caption = selected->sCaption;
  scene.captionColor = render::HeaderCaptionColor(look, Enabled(), state_.HeaderForeColor);
  scene.captionFont = &captionLogFont;
  scene.captionCache = &state_.HeaderCaptionCache;
  scene.rightToLeft = state_.RightToLeft;
  scene.foreColor = ForeColor();
  render::PaintCachedHeader(frame.mainTarget, look, scene,
                            {state_.HeaderFaceImage, state_.HeaderPicture,
                             state_.BarImageCacheEnabled && platform::PaintCachesEnabled()});
}

void ControlCore::FillButtonFaceBand(const FrameContext& frame) {
  const platform::Size client = ClientPixels(site_->hWnd());
  const platform::ColorRef face = platform::GetSysColor(platform::COLOR_BTNFACE);
  const int32_t top = client.cy / 10 * kBandStartTenths;
  render::FillVertical(frame.mainTarget, {face, face},
                       {0, top, client.cx, top + client.cy / kBandHeightDivisor});
}

void ControlCore::PaintChevron(const FrameContext& frame) {
  const bool hot = state_.HoverIndex == kChevronIndex;
  const bool pressed = hot && state_.PressedIndex == kChevronIndex;
  const render::ChevronGeometry geometry = render::ChevronGeometryFor(
      toolbar_->Width(), ClientPixels(toolbar_->hWnd()), TwipsPerPixelX());
  render::PaintChevron(frame.toolbarTarget, LookOf(*this, frame), geometry, hot, pressed);
}

void ControlCore::OutlineControl(const FrameContext& frame) {
  if (!frame.mainTarget) return;
  render::DrawRectOutline(frame.mainTarget, state_.Palette[render::Slot::Border], 0, 0,
                          BarAreaRect().Width(), ClientPixels(site_->hWnd()).cy);
}

void ControlCore::PresentFrame() {
  if (PaintsOffScreen()) {
    if (platform::DrawingContext* window = site_->hDC()) controlSurface_.PaintTo(window);
    if (platform::DrawingContext* strip = toolbar_->hDC()) toolbarSurface_.PaintTo(strip);
    site_->Present({controlSurface_.Width(), controlSurface_.Height()});
    toolbar_->Present({toolbarSurface_.Width(), toolbarSurface_.Height()});
  } else {
    site_->Present(ClientPixels(site_->hWnd()));
    toolbar_->Present(ClientPixels(toolbar_->hWnd()));
  }
  splitBar_->Present(ClientPixels(splitBar_->hWnd()));
}

}  // namespace wayband::core
