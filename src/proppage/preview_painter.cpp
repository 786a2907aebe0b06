#include "proppage/preview_painter.h"

#include "imaging/icon_sizes.h"
#include "render/draw/gradient.h"
#include "render/draw/outline.h"

namespace wayband::proppage {
namespace {

using render::Slot;

void PaintMark(platform::DrawingContext* dc, const render::SchemePalette& palette, int32_t slotX,
               int32_t stripHeight) {
  const int32_t left = slotX - kMarkLeftReach;
  const int32_t height = stripHeight - 2 * kMarkInset;
  render::FillGradient(dc, palette[Slot::HotFill], palette[Slot::SelectedFill], left, kMarkInset,
                       kMarkWidth, height, /*horizontal=*/false);
  render::DrawRectOutline(dc, palette[Slot::HighlightDark], left, kMarkInset, kMarkWidth, height);
}

}  // namespace

void PaintPreview(imaging::CDib32& strip, const render::SchemePalette& palette,
                  const PreviewLayout& layout, const core::IconStore* icons) {
  platform::DrawingContext* dc = strip.hDC();
  if (!dc) return;
  const int32_t width = strip.Width();
  const int32_t height = strip.Height();
  strip.Clear(0);
  render::FillGradient(dc, palette[Slot::BarTop], palette[Slot::BarBottom], 0, 0, width, height,
                       /*horizontal=*/false);
  render::DrawRectOutline(dc, palette[Slot::Border], 0, 0, width, height);
  if (!icons) return;
  const auto& items = icons->Items();
  for (const PreviewSlot& slot : layout.slots) {
    if (slot.icon < 0 || static_cast<size_t>(slot.icon) >= items.size()) continue;
    if (slot.selected) PaintMark(dc, palette, slot.x, height);
    items[static_cast<size_t>(slot.icon)].DrawIcon(dc, imaging::IconSizeIndex(kPreviewIconSide),
                                                   imaging::kKind32Bit, slot.x, layout.iconY,
                                                   /*enabled=*/true);
  }
}

}  // namespace wayband::proppage
