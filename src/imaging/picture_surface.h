// Surfaces made from picture objects.
#pragma once

#include "imaging/dib24.h"
#include "wayband/picture.h"

namespace wayband::imaging {

// A CDib24 of the picture's size holding its pixels (colours only). Empty when the
// picture is not a bitmap (an icon or a metafile reads as 0 x 0) or the surface cannot be
// made.
CDib24 Dib24FromPicture(const Picture& picture);

}  // namespace wayband::imaging
