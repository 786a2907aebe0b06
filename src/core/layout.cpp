// The control's geometry: the BarsToShow setter, the refresh (layout and bar placement),
// arranging the child controls, automatic hiding and the reaction to a resize.
#include <algorithm>

#include "core/bar_pass.h"
#include "core/control_core.h"
#include "core/layout_math.h"
#include "platform/twips.h"
#include "render/scheme/scheme_update.h"

namespace wayband::core {

namespace {

// The splitter strip sits 15 twips in from the left and 25 twips narrower than the control.
constexpr double kSplitterLeft = 15.0;
constexpr double kSplitterWidthLess = 25.0;
// The splitter's bottom edge lies this many twips below the top of the bar stack.
constexpr double kSplitterOverlap = 8.0;
// Parked position above the toolbar when the splitter would reach it.
constexpr double kSplitterAboveToolbar = 100.0;
constexpr double kToolbarButtonBottomLess = 20.0;
// Automatic hiding keeps this many toolbar heights more free than MaxBars does.
constexpr int32_t kAutoHideMargin = 3;

}  // namespace

std::optional<int32_t> ControlCore::CurrentMaxBars() const {
  const int32_t controlHeight = platform::TwipsToPixels(site_->ScaleHeight(), TwipsPerPixelY());
  const int32_t toolbarHeight = platform::TwipsToPixels(toolbar_->Height(), TwipsPerPixelY());
  return MaxBarsFor(controlHeight, toolbarHeight);
}

void ControlCore::SetBarsToShow(int32_t value) {
  if (!Alive() || value < 0) return;
  if (state_.SplitterDragging) {
    // During a drag only every second assignment takes effect.
    state_.SplitterDragToggle = !state_.SplitterDragToggle;
    if (state_.SplitterDragToggle) return;
  }
  const int32_t visible = state_.panels.VisibleCount();
  const auto maxBars = CurrentMaxBars();
  if (!maxBars) return;  // a toolbar without height: the division fails, nothing changes
  state_.MaxBars = *maxBars;
  state_.BarsToShow = std::min(value, visible);
  Notify("BarsToShow");
  state_.MaxBars = std::min(state_.MaxBars, visible);
  state_.BarsToShow = std::min(state_.BarsToShow, state_.MaxBars);
  if (PanelCount() > 0) splitBar_->SetVisible(true);
  if (state_.Redraw) Refresh();
  if (Alive() && state_.PollingNeeded) state_.PreferredBarCount = state_.BarsToShow;
}

void ControlCore::Refresh() {
  if (!Alive()) return;
  if (state_.PollingNeeded) {
    // A control that cannot watch its form's notifications re-reads the scheme each time.
    render::UpdateColorScheme(state_.Palette, state_.WindowHandle);
    state_.SplitterDrawn = false;
  }
  if (!state_.Redraw) return;
  const auto keepAlive = shared_from_this();
  ++refreshesStarted_;
  const bool outerInRefresh = state_.InRefresh;
  state_.InRefresh = true;
  FrameContext frame = BeginFrame();
  PaintControlBackground(frame);
  PaintToolbarBackground(frame);
  OutlineBarArea(frame);
  if (PanelCount() > 0) {
    if (frame.mainTarget) frame.mainTarget->SetBkMode(platform::BackgroundMode::kTransparent);
    PlaceBarStack();
    PaintSplitterStrip(frame);
    toolbar_->SetHeight(kToolbarExtraTwips + kBarHeight * TwipsPerPixelY());
    if (FitToolbarSurface()) ChooseTargets(frame);
    PaintHeader(frame);
    FillButtonFaceBand(frame);
    PlacePanels(frame);
    // The mouse code's hit test at the last recorded mouse position runs here, before the
    // chevron is painted in the hover state it leaves. Its BarHover handlers may change or
    // destroy the control, or resize it (new surfaces): take the targets afresh.
    if (input_) input_->HitTestLastPosition();
    if (Alive()) {
      ChooseTargets(frame);
      PaintChevron(frame);
    }
  }
  if (Alive() && splitBar_->Top() != state_.LastSplitterTop) ArrangeChildControls();
  if (Alive()) {
    state_.LastSplitterTop = platform::RoundToLong(splitBar_->Top());
    // Arranging ran host code: take the targets afresh rather than trust the old ones.
    ChooseTargets(frame);
    OutlineControl(frame);
    PresentFrame();
    ++state_.CompletedFramePasses;
  }
  state_.InRefresh = outerInRefresh;
}

void ControlCore::PlaceBarStack() {
  state_.BarsTop = BarsTopFor(BarStackBottom(), state_.BarsToShow);
  PlaceSplitter();
}

void ControlCore::PlaceSplitter() {
  const double width = site_->ScaleWidth() - kSplitterWidthLess;
  const double height = splitBar_->Height();
  const double barsTopTwips = state_.BarsTop * TwipsPerPixelY();
  if (state_.ToolbarOnTop) {
    splitBar_->Move(kSplitterLeft, barsTopTwips - height, width, height);
    return;
  }
  const double target = barsTopTwips + kSplitterOverlap;
  if (target - height == splitBar_->Top()) return;
  // The strip's scale height is in its own pixels, added to twips as the control does.
  if (target + splitBar_->ScaleHeight() < toolbar_->Top()) {
    splitBar_->Move(kSplitterLeft, target - height, width, height);
  } else {
    splitBar_->SetTop(toolbar_->Top() - kSplitterAboveToolbar);
  }
}

void ControlCore::PlacePanels(const FrameContext& frame) {
  BarPassGeometry g;
  g.barsTop = state_.BarsTop;
  g.barsToShow = state_.BarsToShow;
  g.controlWidth = site_->Windows().GetClientRect(site_->hWnd()).Width();
  g.toolbarWidth = platform::TwipsToPixels(toolbar_->ScaleWidth(), TwipsPerPixelX());
  g.buttonBottom =
      platform::TwipsToPixels(toolbar_->Height() - kToolbarButtonBottomLess, TwipsPerPixelY());
  const HostKeptLook host{
      .backColor = BackColor(), .foreColor = ForeColor(), .font = Font(), .enabled = Enabled()};
  RunBarPass(state_, g, host, frame);
}

void ControlCore::ShowOrHideControl(host::ContainedControl& control, bool visible) {
  if (!Alive()) return;
  control.SetVisible(visible);
  toolbar_->ZOrder(host::ZOrderPosition::kBringToFront);
  if (!state_.InRefresh) Refresh();
}

void ControlCore::ArrangeChildControls() {
  if (!Alive() || PanelCount() == 0 || state_.panels.SelectedIndex() <= 0) return;
  const PanelRecord* selected = state_.panels.At(state_.panels.SelectedIndex());
  const auto control = selected ? ContainedControl(selected->lPanelCtlPtr) : nullptr;
  if (!control) return;
  PanelAreaGeometry g;
  g.toolbarOnTop = state_.ToolbarOnTop;
  g.scaleWidth = site_->ScaleWidth();
  g.scaleHeight = site_->ScaleHeight();
  g.toolbarTop = toolbar_->Top();
  g.toolbarHeight = toolbar_->Height();
  g.splitTop = splitBar_->Top();
  g.splitHeight = splitBar_->Height();
  g.barsTop = state_.BarsTop;
  g.twipsPerPixelY = TwipsPerPixelY();
  const TwipsRect area = PanelAreaFor(g);
  control->Move(area.left, area.top, area.width, area.height);  // refused when negative
  ShowOrHideControl(*control, true);
  for (const auto& other : site_ ? site_->ContainedControls()
                                 : std::vector<std::shared_ptr<host::ContainedControl>>{}) {
    if (!Alive()) return;
    if (other->Identity() != control->Identity()) ShowOrHideControl(*other, false);
  }
}

void ControlCore::RecreateSurfaces() {
  const int32_t width = platform::TwipsToPixels(site_->ScaleWidth(), TwipsPerPixelX());
  const int32_t height = platform::TwipsToPixels(site_->ScaleHeight(), TwipsPerPixelY());
  controlSurface_.Create(width, height);
  if (platform::DrawingContext* surface = controlSurface_.hDC()) {
    // The new image starts as what the window shows, so a frame painted in parts never
    // shows black where the old one had pixels; captions default to the control's font.
    if (const platform::DrawingContext* window = site_->hDC()) controlSurface_.LoadFromDC(window);
    surface->SelectFont(platform::CreateFontIndirect(ControlLogFont(surface)));
  }
  toolbarSurface_.Create(platform::TwipsToPixels(toolbar_->ScaleWidth(), TwipsPerPixelX()),
                         platform::TwipsToPixels(toolbar_->ScaleHeight(), TwipsPerPixelY()));
  state_.ToolbarDirty = true;
  splitterSurface_.Create(platform::RoundToLong(splitBar_->ScaleWidth()),
                          platform::RoundToLong(splitBar_->ScaleHeight()));
  for (imaging::CDib32* surface : {&controlSurface_, &toolbarSurface_, &splitterSurface_}) {
    if (surface->hDC()) surface->hDC()->SetBkMode(platform::BackgroundMode::kTransparent);
  }
}

bool ControlCore::FitToolbarSurface() {
  const int32_t width = platform::TwipsToPixels(toolbar_->ScaleWidth(), TwipsPerPixelX());
  const int32_t height = platform::TwipsToPixels(toolbar_->ScaleHeight(), TwipsPerPixelY());
  if (toolbarSurface_.Width() == width && toolbarSurface_.Height() == height) return false;
  // The new surface starts with what the old one holds, so the part of a frame painted
  // before the strip changed (its background) stays in the frame.
  imaging::CDib32 fitted;
  fitted.Create(width, height);
  if (platform::DrawingContext* surface = fitted.hDC()) {
    toolbarSurface_.PaintTo(surface);
    surface->SetBkMode(platform::BackgroundMode::kTransparent);
  }
  toolbarSurface_ = std::move(fitted);
  state_.ToolbarDirty = true;
  return true;
}

void ControlCore::ApplyAutoHide() {
  SetBarsToShow(state_.PreferredBarCount);
  if (!Alive()) return;
  // A failed division skips the new limit and compares with the old one, as the
  // error-ignoring resize always has.
  if (const auto maxBars = CurrentMaxBars()) state_.MaxBars = *maxBars - kAutoHideMargin;
  if (state_.BarsToShow > state_.MaxBars) SetBarsToShow(state_.MaxBars);
}

void ControlCore::Resize() {
  if (!Alive()) return;
  const auto keepAlive = shared_from_this();
  MarkBarImagesStale(state_);
  state_.SplitterDrawn = false;
  splitBar_->SetWidth(site_->ScaleWidth());
  RecreateSurfaces();
  ArrangeChildControls();
  if (Alive() && state_.AutoHide) ApplyAutoHide();
  if (!Alive()) return;
  splitBar_->ZOrder(host::ZOrderPosition::kBringToFront);
  if (state_.BarsToShow > 0) {
    splitBar_->Move(0.0, splitBar_->Top(), site_->ScaleWidth(), splitBar_->Height());
  }
  Refresh();
  if (!Alive()) return;
  state_.AnimationStep = 0;
  SetAnimationTimerEnabled(state_.AnimationEnabled);
}

void ControlCore::SetAnimationTimerEnabled(bool enabled) {
  tmrAnimate_.SetInterval(enabled ? kAnimationInterval : 0);
}

void ControlCore::AnimationTick() {
  if (++state_.AnimationStep > kLastAnimationStep) {
    state_.AnimationStep = 0;
    SetAnimationTimerEnabled(false);
    return;
  }
  Refresh();
}

}  // namespace wayband::core
