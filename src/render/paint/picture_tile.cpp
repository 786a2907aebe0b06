#include "render/paint/picture_tile.h"

#include "imaging/dib32.h"
#include "render/draw/tile_picture.h"

namespace wayband::render {

void TilePictureOver(platform::DrawingContext* target, const Picture* picture,
                     const platform::Rect& area) {
  if (target == nullptr || picture == nullptr || area.IsEmpty()) return;
  imaging::CDib32 surface;
  surface.CreateFromPicture(picture);
  if (surface.hDC() == nullptr) return;
  TilePicture(target, area.left, area.top, area.Width(), area.Height(), surface.hDC(),
              surface.Width(), surface.Height());
}

}  // namespace wayband::render
