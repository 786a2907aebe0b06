// The row loop shared by the block-transfer calls: for each destination row of a mapped
// block it gathers the source and pattern pixels as device values of the destination, lets
// a combiner compute the new destination values, and writes them back. Rows are handled in
// chunks of bounded length so that working memory stays small whatever the block size.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/axis_map.h"
#include "platform/device_pattern.h"
#include "platform/source_rows.h"

namespace wayband::platform {

struct RasterInputs {
  const SourceRows* source = nullptr;      // read when given
  const DevicePattern* pattern = nullptr;  // read when given
  bool readsDestination = true;
};

// Combines `count` pixels: dst holds the destination values (when read) and receives the
// result; pattern and source are null when not read.
using RowCombiner = std::function<void(const uint32_t* pattern, const uint32_t* source,
                                       uint32_t* dst, int32_t count)>;

// Runs the combiner over destination pixel (columns.dstStart() + i, rows.dstStart() + j) of
// `dst` for every i < columns.count() and j < rows.count(), with source pixel
// (columns.Source(i), rows.Source(j)) and the pattern pixel at the destination position.
void RunRaster(Bitmap& dst, const AxisMap& columns, const AxisMap& rows, const RasterInputs& inputs,
               const RowCombiner& combine);

// Fills the destination block of the maps with one device value.
void FillBlock(Bitmap& dst, const AxisMap& columns, const AxisMap& rows, uint32_t value);

}  // namespace wayband::platform
