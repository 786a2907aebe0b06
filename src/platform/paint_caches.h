// The process-wide switch of the paint caches: the prepared icon surfaces, the captions laid
// out once per bar, header and background, and (with each control's own
// ControlState::BarImageCacheEnabled) the bar images. Every cache is an optimisation
// only: with the switch off everything is painted afresh, and the pixels are the same,
// which the tests check by rendering with the switch on and off.
#pragma once

namespace wayband::platform {

bool PaintCachesEnabled();
void SetPaintCachesEnabled(bool enabled);

}  // namespace wayband::platform
