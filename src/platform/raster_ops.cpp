// BitBlt, StretchBlt, PatBlt and TransparentBlt over the shared row loop.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/blit_engine.h"
#include "platform/drawing_context.h"
#include "platform/pixel_words.h"
#include "platform/rop3.h"

namespace wayband::platform {
namespace {

constexpr uint32_t kColorBytes = 0x00FFFFFFu;

// Operations that do not read the source, over the destination block alone. A null brush
// draws nothing; an operation whose result is one value (solid brush or no pattern, no
// destination) fills the block with it.
bool DestinationTransfer(DrawingContext& dst, Extent xs, Extent ys, uint8_t index) {
  Bitmap* target = dst.bitmap().get();
  if (target == nullptr) return false;
  const AxisMap columns(xs.Low(), xs.Size(), target->width());
  const AxisMap rows(ys.Low(), ys.Size(), target->height());
  if (columns.IsEmpty() || rows.IsEmpty()) return true;
  std::optional<DevicePattern> pattern;
  if (RopUsesPattern(index)) {
    pattern.emplace(dst.brush(), dst, *target);
    if (pattern->IsEmpty()) return true;
  }
  const bool constant = !RopUsesDestination(index) && (!pattern || pattern->IsSolid());
  if (constant) {
    FillBlock(*target, columns, rows, ApplyRop(index, pattern ? pattern->solidValue() : 0, 0, 0));
    return true;
  }
  const RasterInputs inputs{nullptr, pattern ? &*pattern : nullptr, RopUsesDestination(index)};
  RunRaster(*target, columns, rows, inputs,
            [index](const uint32_t* p, const uint32_t*, uint32_t* d, int32_t count) {
              ApplyRopRow(index, p, nullptr, d, count);
            });
  return true;
}

// An unscaled, unmirrored copy between two distinct 32-bit bitmaps moves whole words
// unchanged, so each row is one block copy (the presentation of a frame is such a copy).
// Copies within one bitmap take the general path, which reads the old pixels.
bool IsPlainWordCopy(const Bitmap& source, const Bitmap& target, const AxisMap& columns,
                     const AxisMap& rows) {
  return &source != &target && source.bitCount() == 32 && target.bitCount() == 32 &&
         columns.IsContiguous() && rows.IsContiguous();
}

void CopyWordRows(const Bitmap& source, Bitmap& target, const AxisMap& columns,
                  const AxisMap& rows) {
  constexpr size_t kWordBytes = 4;
  const size_t rowBytes = static_cast<size_t>(columns.count()) * kWordBytes;
  const size_t dstOffset = static_cast<size_t>(columns.dstStart()) * kWordBytes;
  const size_t srcOffset = static_cast<size_t>(columns.Source(0)) * kWordBytes;
  // Whole rows of equal layout lie in one block in both bitmaps (a frame presented to its
  // window): one copy of the block.
  const int32_t last = rows.count() - 1;
  const uint8_t* sourceFirst = source.Row(rows.Source(0));
  const uint8_t* sourceLast = source.Row(rows.Source(last));
  uint8_t* targetFirst = target.Row(rows.dstStart());
  uint8_t* targetLast = target.Row(rows.dstStart() + last);
  if (dstOffset == 0 && srcOffset == 0 && rowBytes == static_cast<size_t>(target.stride()) &&
      target.stride() == source.stride() && sourceLast - sourceFirst == targetLast - targetFirst &&
      std::abs(targetLast - targetFirst) == int64_t{last} * target.stride()) {
    std::memcpy(std::min(targetFirst, targetLast), std::min(sourceFirst, sourceLast),
                rowBytes * static_cast<size_t>(rows.count()));
    return;
  }
  // Rows run one by one in both bitmaps, each in its own order: a fixed step per row.
  const int64_t targetStep = last > 0 ? (targetLast - targetFirst) / last : 0;
  const int64_t sourceStep = last > 0 ? (sourceLast - sourceFirst) / last : 0;
  const ByteCopy copy = ChosenRowCopy();
  for (int32_t j = 0; j <= last; ++j) {
    copy(targetFirst + targetStep * j + dstOffset, sourceFirst + sourceStep * j + srcOffset,
         static_cast<int64_t>(rowBytes));
  }
}

// A raster operation that reads the source: the source block (sx, sy) is scaled onto the
// destination block (dx, dy) by nearest neighbour.
bool SourceTransfer(DrawingContext& dst, Extent dx, Extent dy, const DrawingContext* src, Extent sx,
                    Extent sy, uint8_t index) {
  Bitmap* target = dst.bitmap().get();
  if (target == nullptr || src == nullptr || !src->bitmap()) return false;
  const Bitmap& source = *src->bitmap();
  const AxisMap columns(dx, target->width(), sx, source.width());
  const AxisMap rows(dy, target->height(), sy, source.height());
  if (columns.IsEmpty() || rows.IsEmpty()) return true;
  const SourceRows sourceRows(source, src->BkColor(), dst, *target);
  if (!sourceRows.Ready()) return false;
  if (index == RopIndex(SRCCOPY) && IsPlainWordCopy(source, *target, columns, rows)) {
    CopyWordRows(source, *target, columns, rows);
    return true;
  }
  std::optional<DevicePattern> pattern;
  if (RopUsesPattern(index)) {
    pattern.emplace(dst.brush(), dst, *target);
    if (pattern->IsEmpty()) return true;
  }
  const RasterInputs inputs{&sourceRows, pattern ? &*pattern : nullptr, RopUsesDestination(index)};
  RunRaster(*target, columns, rows, inputs,
            [index](const uint32_t* p, const uint32_t* s, uint32_t* d, int32_t count) {
              ApplyRopRow(index, p, s, d, count);
            });
  return true;
}

bool Transfer(DrawingContext& dst, Extent dx, Extent dy, const DrawingContext* src, Extent sx,
              Extent sy, RasterOp rop) {
  const uint8_t index = RopIndex(rop);
  if (!RopUsesSource(index)) return DestinationTransfer(dst, dx, dy, index);
  return SourceTransfer(dst, dx, dy, src, sx, sy, index);
}

}  // namespace

bool BitBlt(DrawingContext& dst, int32_t x, int32_t y, int32_t width, int32_t height,
            const DrawingContext* src, int32_t xSrc, int32_t ySrc, RasterOp rop) {
  if (width < 0 || height < 0) return false;
  return Transfer(dst, Extent{x, width}, Extent{y, height}, src, Extent{xSrc, width},
                  Extent{ySrc, height}, rop);
}

bool StretchBlt(DrawingContext& dst, int32_t x, int32_t y, int32_t width, int32_t height,
                const DrawingContext* src, int32_t xSrc, int32_t ySrc, int32_t srcWidth,
                int32_t srcHeight, RasterOp rop) {
  return Transfer(dst, Extent{x, width}, Extent{y, height}, src, Extent{xSrc, srcWidth},
                  Extent{ySrc, srcHeight}, rop);
}

bool PatBlt(DrawingContext& dst, int32_t x, int32_t y, int32_t width, int32_t height,
            RasterOp rop) {
  const uint8_t index = RopIndex(rop);
  if (width < 0 || height < 0 || RopUsesSource(index)) return false;
  return DestinationTransfer(dst, Extent{x, width}, Extent{y, height}, index);
}

bool TransparentBlt(DrawingContext& dst, int32_t x, int32_t y, int32_t width, int32_t height,
                    const DrawingContext& src, int32_t xSrc, int32_t ySrc, ColorRef transparent) {
  Bitmap* target = dst.bitmap().get();
  const Bitmap* source = src.bitmap().get();
  if (width < 0 || height < 0 || target == nullptr || source == nullptr) return false;
  if (target->IsMonochrome() || source->IsMonochrome()) return false;
  const AxisMap columns(Extent{x, width}, target->width(), Extent{xSrc, width}, source->width());
  const AxisMap rows(Extent{y, height}, target->height(), Extent{ySrc, height}, source->height());
  if (columns.IsEmpty() || rows.IsEmpty()) return true;
  const SourceRows sourceRows(*source, src.BkColor(), dst, *target);
  if (!sourceRows.Ready()) return false;
  const uint32_t key = PixelFromColor(transparent) & kColorBytes;
  RunRaster(*target, columns, rows, RasterInputs{&sourceRows, nullptr, true},
            [key](const uint32_t*, const uint32_t* s, uint32_t* d, int32_t count) {
              for (int32_t i = 0; i < count; ++i) {
                if ((s[i] & kColorBytes) != key) d[i] = s[i];
              }
            });
  return true;
}

}  // namespace wayband::platform
