// Tiling one of the control's picture properties over a rectangle.
#pragma once

#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "wayband/picture.h"

namespace wayband::render {

// Makes a surface from the picture and tiles it over `area` from the area's top-left
// corner. Nothing happens for no picture or one that gives no surface (an icon, a
// metafile), or for an empty area.
void TilePictureOver(platform::DrawingContext* target, const Picture* picture,
                     const platform::Rect& area);

}  // namespace wayband::render
