// Paints the icon page's preview strip: the scheme's bar gradient framed by its border
// colour, the selection mark behind the selected slot and each icon of the set at 16
// pixels with its alpha.
#pragma once

#include "core/icon_store.h"
#include "imaging/dib32.h"
#include "proppage/preview_layout.h"
#include "render/scheme/scheme_palette.h"

namespace wayband::proppage {

// The mark reaches 4 pixels left of a slot and is 23 pixels wide; it keeps 2 pixels from
// the strip's top and bottom edges.
inline constexpr int32_t kMarkLeftReach = 4;
inline constexpr int32_t kMarkWidth = 23;
inline constexpr int32_t kMarkInset = 2;

// Paints the whole strip. `icons` null: the gradient only.
void PaintPreview(imaging::CDib32& strip, const render::SchemePalette& palette,
                  const PreviewLayout& layout, const core::IconStore* icons);

}  // namespace wayband::proppage
