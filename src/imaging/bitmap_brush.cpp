#include "imaging/bitmap_brush.h"

#include <utility>

namespace wayband::imaging {

void CBitmapBrush::CreateFromDC(const platform::DrawingContext* source, int32_t width,
                                int32_t height) {
  if (!source) return;
  platform::DrawingContext& screen = platform::DrawingContext::Screen();
  auto memory = platform::DrawingContext::CreateCompatible(&screen);
  platform::BitmapHandle bitmap = platform::CreateCompatibleBitmap(screen, width, height);
  if (!memory || !bitmap) return;
  platform::BitmapHandle previous = memory->SelectBitmap(bitmap);
  platform::BitBlt(*memory, 0, 0, width, height, source, 0, 0, platform::SRCCOPY);
  if (previous) memory->SelectBitmap(std::move(previous));
  CreateFromBitmap(bitmap.get());
}

void CBitmapBrush::CreateFromBitmap(const platform::Bitmap* bitmap) {
  brush_ = platform::Brush{};
  const platform::Size size = platform::GetBitmapSize(bitmap);
  width_ = size.cx;
  height_ = size.cy;
  brush_ = platform::CreatePatternBrush(bitmap);
}

void CBitmapBrush::PatternFill(platform::DrawingContext* target, int32_t x, int32_t y,
                               int32_t width, int32_t height, platform::RasterOp rop,
                               platform::ColorRef backColour, platform::ColorRef textColour) const {
  if (!target || brush_.IsNull()) return;
  const platform::Brush previousBrush = target->SelectBrush(brush_);
  const platform::ColorRef previousBack = target->BkColor();
  const platform::ColorRef previousText = target->TextColor();
  if (backColour != kNoColour) target->SetBkColor(backColour);
  if (textColour != kNoColour) target->SetTextColor(textColour);
  platform::PatBlt(*target, x, y, width, height, rop);
  target->SetBkColor(previousBack);
  target->SetTextColor(previousText);
  target->SelectBrush(previousBrush);
}

}  // namespace wayband::imaging
