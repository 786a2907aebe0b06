// Area-averaging reduction of 32-bit pixels, the work of CDib32::ResampleToWidth.
#pragma once

#include <cstdint>

#include "imaging/pixel_view.h"

namespace wayband::imaging {

// Height of a width x height picture scaled to `newWidth`: newWidth x height \ width,
// plus 1 when the product is not a multiple of width. All arguments 1 or more.
int64_t ScaledHeight(int32_t width, int32_t height, int32_t newWidth);

// Whether a source of sourceWidth x sourceHeight divides into whole blocks of the
// target's pixels (the exact case).
bool DividesIntoBlocks(int32_t sourceWidth, int32_t sourceHeight, int32_t targetWidth,
                       int32_t targetHeight);

// Exact case: each target pixel averages its block of source pixels. Alpha is the mean
// alpha of the block; colour the mean of the premultiplied colours of the block's pixels
// with alpha above 0 (0 when there are none).
void AverageBlocks(ConstPixelView source, PixelView target);

// General case: each source pixel's footprint, scaled by target width / source width, is
// split between at most two target columns and two target rows; whole-number sums
// collect the weighted channels (colours only from pixels with alpha), and each target
// channel is min(255, ((sum x N) \ W x N) \ W). False when the sums would need more
// memory than one bitmap may hold; the target is then untouched.
bool AverageByArea(ConstPixelView source, PixelView target);

}  // namespace wayband::imaging
