// AlphaBlend: validates the call, maps the source block onto the destination block (nearest
// neighbour when the sizes differ) and runs the blend kernels row by row.
#include <algorithm>
#include <array>
#include <new>
#include <optional>

#include "platform/alpha_kernels.h"
#include "platform/axis_map.h"
#include "platform/device_row.h"
#include "platform/drawing_context.h"

namespace wayband::platform {
namespace {

constexpr int32_t kChunk = 512;
constexpr uint8_t kOpaque = 255;

bool ValidBlend(const BlendFunction& blend) {
  return blend.BlendOp == AC_SRC_OVER && blend.BlendFlags == 0 &&
         (blend.AlphaFormat == 0 || blend.AlphaFormat == AC_SRC_ALPHA);
}

bool BlockInside(const Bitmap& bitmap, int64_t x, int64_t y, int64_t width, int64_t height) {
  return x >= 0 && y >= 0 && x + width <= bitmap.width() && y + height <= bitmap.height();
}

class RowBlender {
 public:
  explicit RowBlender(const BlendFunction& blend)
      : perPixel_(blend.AlphaFormat == AC_SRC_ALPHA), constant_(blend.SourceConstantAlpha) {}

  // Blends `count` source pixel words onto `count` destination pixel words.
  void operator()(const uint8_t* src, uint8_t* dst, int32_t count) const {
    if (!perPixel_) {
      BlendConstant(src, dst, count, constant_);
    } else if (constant_ == kOpaque) {
      BlendPremultiplied(src, dst, count);
    } else {
      BlendPremultipliedScaled(src, dst, count, constant_);
    }
  }

 private:
  bool perPixel_;
  uint8_t constant_;
};

// Destination row y from source row ySrc. Unscaled 32-bit sources on 32-bit destinations are
// blended straight from row to row; otherwise the source pixels are gathered, and 24-bit
// destinations go through a word buffer, in chunks.
void BlendRow(Bitmap& dst, const Bitmap& src, const AxisMap& columns, int32_t y, int32_t ySrc,
              const RowBlender& blender) {
  const int32_t x = columns.dstStart();
  if (columns.IsContiguous() && src.bitCount() == 32 && dst.bitCount() == 32) {
    blender(src.Row(ySrc) + int64_t{columns.Source(0)} * 4, dst.Row(y) + int64_t{x} * 4,
            columns.count());
    return;
  }
  std::array<uint32_t, kChunk> source;
  std::array<uint32_t, kChunk> values;
  for (int32_t first = 0; first < columns.count(); first += kChunk) {
    const int32_t count = std::min(kChunk, columns.count() - first);
    for (int32_t i = 0; i < count; ++i) {
      source[size_t(i)] = src.PixelAt(columns.Source(first + i), ySrc);
    }
    ReadDeviceRow(dst, y, x + first, count, values.data());
    blender(reinterpret_cast<const uint8_t*>(source.data()),
            reinterpret_cast<uint8_t*>(values.data()), count);
    WriteDeviceRow(dst, y, x + first, count, values.data());
  }
}

}  // namespace

bool AlphaBlend(DrawingContext& dst, int32_t x, int32_t y, int32_t width, int32_t height,
                const DrawingContext& src, int32_t xSrc, int32_t ySrc, int32_t srcWidth,
                int32_t srcHeight, BlendFunction blend) {
  Bitmap* target = dst.bitmap().get();
  const Bitmap* source = src.bitmap().get();
  if (target == nullptr || source == nullptr || !ValidBlend(blend)) return false;
  if (width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0) return false;
  if (target->IsMonochrome() || source->IsMonochrome()) return false;
  if (blend.AlphaFormat == AC_SRC_ALPHA && source->bitCount() != 32) return false;
  if (!BlockInside(*source, xSrc, ySrc, srcWidth, srcHeight)) return false;

  const AxisMap columns(Extent{x, width}, target->width(), Extent{xSrc, srcWidth}, source->width());
  const AxisMap rows(Extent{y, height}, target->height(), Extent{ySrc, srcHeight},
                     source->height());
  if (columns.IsEmpty() || rows.IsEmpty() || blend.SourceConstantAlpha == 0) return true;
  // Blending a block onto itself reads the pixels as they were.
  std::optional<Bitmap> snapshot;
  if (source == target) {
    try {
      source = &snapshot.emplace(*source);
    } catch (const std::bad_alloc&) {
      return false;
    }
  }
  const RowBlender blender(blend);
  for (int32_t j = 0; j < rows.count(); ++j) {
    BlendRow(*target, *source, columns, rows.dstStart() + j, rows.Source(j), blender);
  }
  return true;
}

}  // namespace wayband::platform
