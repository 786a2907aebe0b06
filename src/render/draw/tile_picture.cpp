#include "render/draw/tile_picture.h"

#include <algorithm>

#include "imaging/bitmap_brush.h"
#include "platform/twips.h"
#include "render/draw/drawing_flags.h"

namespace wayband::render {
namespace {

int64_t PositiveModulo(int64_t value, int64_t modulus) {
  const int64_t r = value % modulus;
  return r < 0 ? r + modulus : r;
}

// Block copies of the picture over the part of the rectangle inside the target's bitmap,
// row by row and left to right. Destination column X shows picture column (X + phase x)
// mod picture width, and row Y picture row (Y + phase y) mod picture height, so the first
// copy of a row starts at (x + phase x) mod picture width as the copies always have, and
// clipping to the bitmap does not move the picture.
void TileWithBlockCopies(platform::DrawingContext& target, const platform::Rect& area,
                         const platform::DrawingContext& picture, int32_t pictureWidth,
                         int32_t pictureHeight, int32_t phaseX, int32_t phaseY) {
  const platform::BitmapHandle& bitmap = target.bitmap();
  if (!bitmap) return;
  const platform::Rect visible =
      platform::IntersectRect(area, platform::Rect{0, 0, bitmap->width(), bitmap->height()});
  if (visible.IsEmpty()) return;
  for (int32_t y = visible.top; y < visible.bottom;) {
    const auto sourceY = static_cast<int32_t>(PositiveModulo(int64_t{y} + phaseY, pictureHeight));
    const int32_t rows = std::min(pictureHeight - sourceY, visible.bottom - y);
    for (int32_t x = visible.left; x < visible.right;) {
      const auto sourceX = static_cast<int32_t>(PositiveModulo(int64_t{x} + phaseX, pictureWidth));
      const int32_t columns = std::min(pictureWidth - sourceX, visible.right - x);
      platform::BitBlt(target, x, y, columns, rows, &picture, sourceX, sourceY, platform::SRCCOPY);
      x += columns;
    }
    y += rows;
  }
}

}  // namespace

void TilePicture(platform::DrawingContext* target, int32_t x, int32_t y, int32_t width,
                 int32_t height, platform::DrawingContext* picture, int32_t pictureWidth,
                 int32_t pictureHeight, int32_t phaseX, int32_t phaseY) {
  if (target == nullptr || picture == nullptr || pictureWidth <= 0 || pictureHeight <= 0) return;
  const platform::Rect area{x, y, platform::ClampToLong(int64_t{x} + width),
                            platform::ClampToLong(int64_t{y} + height)};
  if (CurrentDrawingFlags().IsWindows95FirstRelease) {
    TileWithBlockCopies(*target, area, *picture, pictureWidth, pictureHeight, phaseX, phaseY);
    return;
  }
  imaging::CBitmapBrush brush;
  brush.CreateFromDC(picture, pictureWidth, pictureHeight);
  if (brush.hBrush().IsNull()) return;
  // The pattern starts at the rectangle's corner; the target's origin is put back after.
  const platform::Point previousOrigin = target->SetBrushOrg(platform::Point{x, y});
  platform::FillRect(*target, area, brush.hBrush());
  target->SetBrushOrg(previousOrigin);
}

}  // namespace wayband::render
