#include "platform/blit_engine.h"

#include <algorithm>
#include <array>

#include "platform/device_row.h"

namespace wayband::platform {
namespace {

constexpr int32_t kChunk = 1024;

}  // namespace

void RunRaster(Bitmap& dst, const AxisMap& columns, const AxisMap& rows, const RasterInputs& inputs,
               const RowCombiner& combine) {
  std::array<uint32_t, kChunk> source{};
  std::array<uint32_t, kChunk> pattern{};
  std::array<uint32_t, kChunk> values{};
  for (int32_t j = 0; j < rows.count(); ++j) {
    const int32_t y = rows.dstStart() + j;
    for (int32_t first = 0; first < columns.count(); first += kChunk) {
      const int32_t count = std::min(kChunk, columns.count() - first);
      const int32_t x = columns.dstStart() + first;
      if (inputs.readsDestination) ReadDeviceRow(dst, y, x, count, values.data());
      if (inputs.source) inputs.source->Fetch(rows.Source(j), columns, first, count, source.data());
      if (inputs.pattern) inputs.pattern->FillRow(y, x, count, pattern.data());
      combine(inputs.pattern ? pattern.data() : nullptr, inputs.source ? source.data() : nullptr,
              values.data(), count);
      WriteDeviceRow(dst, y, x, count, values.data());
    }
  }
}

void FillBlock(Bitmap& dst, const AxisMap& columns, const AxisMap& rows, uint32_t value) {
  for (int32_t j = 0; j < rows.count(); ++j) {
    FillDeviceRow(dst, rows.dstStart() + j, columns.dstStart(), columns.count(), value);
  }
}

}  // namespace wayband::platform
