// The process's FreeType library instance, created on first use.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

namespace wayband::platform::text {

// The library handle, or null when FreeType could not start.
FT_Library FreeTypeLibrary();

}  // namespace wayband::platform::text
