#include "core/bar_pass.h"

#include <optional>

#include "platform/paint_caches.h"
#include "platform/twips.h"
#include "render/paint/bar_colors.h"
#include "render/paint/bar_face.h"
#include "render/paint/bar_painter.h"

namespace wayband::core {

namespace {

// Left edge of a button placed from the left: 22 * n - 18 for the n-th button.
constexpr int32_t kLeftPlacedOffset = 18;
// Right-aligned buttons end this far from the toolbar's right edge (for rem = 0).
constexpr int32_t kRightPlacedOffset = 35;

// The row of toolbar buttons of one pass. Buttons sit against the right end while the
// panels still to come fit there; once one is placed from the left, all later ones are.
class ToolbarRow {
 public:
  ToolbarRow(const BarPassGeometry& g, int32_t panelCount)
      : g_(g), panelCount_(panelCount), capacity_(g.toolbarWidth / kToolbarButtonPitch) {}

  bool HasRoom() const { return placed_ <= capacity_ - 1; }

  // Places the button of panel `index` (1-based) and returns its rectangle when it is
  // drawn: clear of the left edge and of the chevron's pixels at the right end.
  std::optional<platform::Rect> Place(int32_t index) {
    const int64_t rem = int64_t{panelCount_} - index;
    fromLeft_ = fromLeft_ || rem >= capacity_ - 1;
    const int64_t left =
        fromLeft_
            ? int64_t{kToolbarButtonWidth} * (placed_ + 1) - kLeftPlacedOffset
            : int64_t{g_.toolbarWidth} - kRightPlacedOffset - int64_t{kToolbarButtonWidth} * rem;
    const int64_t right = left + kToolbarButtonWidth;
    ++placed_;
    if (left < 1 || right >= int64_t{g_.toolbarWidth} - kChevronReserve) return std::nullopt;
    return platform::Rect{platform::ClampToLong(left), kToolbarButtonTop,
                          platform::ClampToLong(right), g_.buttonBottom};
  }

 private:
  const BarPassGeometry& g_;
  int32_t panelCount_;
  int32_t capacity_;
  int32_t placed_ = 0;
  bool fromLeft_ = false;
};

class BarPass {
 public:
  BarPass(ControlState& state, const BarPassGeometry& g, const HostKeptLook& host,
          const FrameContext& frame)
      : state_(state),
        g_(g),
        host_(host),
        frame_(frame),
        backColor_(render::HostColor::FromProperty(host.backColor)),
        hoverColor_(render::HostColor::FromProperty(state.HoverColor)),
        pictures_{state.BarPicture, state.BarHoverPicture, state.BarSelectedPicture,
                  state.BarPressedPicture} {}

  int32_t Run() {
    const int32_t panelCount = state_.panels.PanelCount();
    ToolbarRow toolbar(g_, panelCount);
    int32_t largeBars = 0;
    int64_t top = g_.barsTop;
    for (int32_t i = 1; i <= panelCount; ++i) {
      PanelRecord& record = *state_.panels.At(i);
      record.bInToolbar = false;
      record.rcItem = {};
      if (largeBars < g_.barsToShow) {
        if (!record.bVisible) continue;
        record.rcItem = {0, platform::ClampToLong(top), g_.controlWidth - 1,
                         platform::ClampToLong(top + kBarHeight)};
        PaintLargeBar(record, i);
        top += kBarHeight;
        ++largeBars;
      } else if (record.bVisible && toolbar.HasRoom()) {
        record.bInToolbar = true;
        if (const auto button = toolbar.Place(i)) {
          record.rcItem = *button;
          PaintToolbarButton(record, i);
        }
      }
    }
    return largeBars;
  }

 private:
  render::BarState StateOf(int32_t index) const {
    return {.pressed = state_.PressedIndex == index,
            .hot = state_.HoverIndex == index,
            .selected = state_.panels.SelectedIndex() == index};
  }
  const imaging::CIconBytes* IconOf(const PanelRecord& record) const {
    return state_.Icons.Find(record.sIconKey);
  }
  bool IconEnabled(const PanelRecord& record) const { return host_.enabled && record.bEnabled; }

  void PaintLargeBar(PanelRecord& record, int32_t index) {
    if (!frame_.mainTarget) return;
    const render::BarState barState = StateOf(index);
    const std::shared_ptr<const Picture>& picture = render::LargeBarPicture(barState, pictures_);
    const render::BarLook look{.styled = frame_.styled,
                               .state = barState,
                               .palette = &state_.Palette,
                               .backColor = backColor_,
                               .hoverColor = hoverColor_,
                               .panel = {record.lBackColor1, record.lBackColor2,
                                         record.lBackColorHover1, record.lBackColorHover2},
                               .picture = picture.get()};
    // The selected bar's caption is in SelectedFont when the control has one.
    const std::shared_ptr<StdFont>& font =
        barState.selected && state_.SelectedFont ? state_.SelectedFont : host_.font;
    const render::LargeBarContent content{
        .icon = IconOf(record),
        .iconEnabled = IconEnabled(record),
        .caption = record.sCaption,
        .captionColor = render::LargeBarCaptionColor(
            frame_.styled, barState, state_.Palette,
            {record.lForeColor, record.lForeColorHover, host_.foreColor, host_.enabled}),
        .font = font.get(),
        .center = state_.Center,
        .rightToLeft = state_.RightToLeft,
        .controlWidth = g_.controlWidth,
        .textHeightPixels = frame_.textHeightPixels,
        .border = state_.Palette[render::Slot::Border],
        .captionCache = &record.captionCache};
    const bool cachesOn = state_.BarImageCacheEnabled && platform::PaintCachesEnabled();
    render::PaintCachedLargeBar(
        frame_.mainTarget, record.rcItem, look,
        {record.oBarImage, record.iBarImageStale, record.oBarImageKey, cachesOn}, content,
        {record.barFaces, picture, cachesOn});
  }

  void PaintToolbarButton(const PanelRecord& record, int32_t index) {
    if (!frame_.toolbarTarget) return;
    const render::BarState barState = StateOf(index);
    const render::ToolbarButtonLook look{
        .fill = render::ToolbarButtonFill(frame_.styled, barState, state_.Palette, hoverColor_),
        .picture = render::ToolbarButtonPicture(barState, pictures_).get(),
        .icon = IconOf(record),
        .iconEnabled = IconEnabled(record)};
    render::PaintToolbarButton(frame_.toolbarTarget, record.rcItem, look);
  }

  ControlState& state_;
  const BarPassGeometry& g_;
  const HostKeptLook& host_;
  const FrameContext& frame_;
  render::HostColor backColor_;
  render::HostColor hoverColor_;
  render::BarPictures pictures_;
};

}  // namespace

void MarkBarImagesStale(ControlState& state) {
  for (PanelRecord& record : state.panels.Records()) {
    record.iBarImageStale = kBarImageStale;
    record.barFaces = {};
  }
}

int32_t RunBarPass(ControlState& state, const BarPassGeometry& geometry, const HostKeptLook& host,
                   const FrameContext& frame) {
  return BarPass(state, geometry, host, frame).Run();
}

}  // namespace wayband::core
