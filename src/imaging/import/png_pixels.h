// A decoded PNG as a 32-bit surface with straight alpha, for the icon store. The decoder
// hands out RGB and RGBA (and grey + alpha) images as bitmaps; this also takes its grey and
// palette results, which it keeps apart, so that every PNG colour type imports:
// - RGBA and grey + alpha: as decoded;
// - RGB: opaque (a 24-bit bitmap carries no alpha, and a 32-bit icon of alpha 0 would
//   draw nothing);
// - palette: the palette's colours, alpha from the tRNS entries (255 past them);
// - grey: the grey levels, opaque except the one level tRNS names (at depths up to 8;
//   a 16-bit image keeps only high bytes, so its tRNS level cannot be told and it is
//   opaque).
#pragma once

#include <cstdint>
#include <span>

#include "imaging/dib32.h"
#include "imaging/png/png_decoder.h"

namespace wayband::imaging {

// Whether the bytes start with the PNG signature.
bool IsPngData(std::span<const uint8_t> bytes);

// The image of the decoder's last Load; an empty surface when it produced none.
CDib32 PngPixels(const CPngDecoder& decoder);

}  // namespace wayband::imaging
