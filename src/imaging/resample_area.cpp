#include "imaging/resample_area.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "platform/round_half_even.h"

namespace wayband::imaging {
namespace {

constexpr int kAlpha = 3;
constexpr int kColourChannels = 3;
constexpr int kChannels = 4;

// ---- exact case ----

struct BlockSums {
  int64_t colour[kColourChannels] = {};
  int64_t alpha = 0;
  int64_t opaqueCount = 0;  // pixels with alpha above 0

  void Add(const uint8_t* pixel) {
    const int a = pixel[kAlpha];
    alpha += a;
    if (a == 0) return;
    for (int c = 0; c < kColourChannels; ++c)
      colour[c] += pixel[c] * a / 255;
    ++opaqueCount;
  }
};

BlockSums SumBlock(const ConstPixelView& source, int32_t left, int32_t bottom, int32_t width,
                   int32_t height) {
  BlockSums sums;
  for (int32_t x = left; x < left + width; ++x) {
    for (int32_t row = bottom; row < bottom + height; ++row)
      sums.Add(source.Pixel(x, row));
  }
  return sums;
}

// ---- general case ----

// Where a footprint [f, f + scale) falls among target cells: the first cell, its share
// of the footprint, and whether the rest spills into the next cell.
struct Split {
  int32_t first = 0;
  float firstShare = 1.0f;
  bool spills = false;

  float Share(int part) const { return part == 0 ? firstShare : 1.0f - firstShare; }
};

// Single-precision arithmetic throughout, as the footprint positions are held.
Split SplitFootprint(float start, float scale) {
  const int32_t first = static_cast<int32_t>(std::floor(start));
  const float end = start + scale;
  const float nextCell = static_cast<float>(first + 1);
  if (!(end > nextCell)) return {first, 1.0f, false};
  return {first, 1.0f - ((end - nextCell) / scale), true};
}

// Position of source index i on the target grid: i x N / W in single precision. The
// product and quotient are formed in double, which holds them exactly enough that the
// single-precision result is the correctly rounded quotient.
float TargetPosition(int32_t index, int32_t newWidth, int32_t width) {
  return static_cast<float>(static_cast<double>(index) * newWidth / width);
}

// Four whole-number sums (blue, green, red, alpha) per target cell, one column and one
// row more than the target so that footprints spilling over the right and top edges
// have a place.
class AreaSums {
 public:
  AreaSums(int32_t columns, int32_t rows)
      : columns_(columns),
        rows_(rows),
        sums_(static_cast<size_t>(columns) * static_cast<size_t>(rows) * kChannels) {}

  static int64_t BytesFor(int32_t columns, int32_t rows) {
    return int64_t{columns} * rows * kChannels * static_cast<int64_t>(sizeof(int64_t));
  }

  // Adds the pixel's channels with `weight`: each sum becomes round(sum + channel x
  // weight), halves to even; colours only when the pixel's alpha is not 0.
  void Add(int32_t column, int32_t row, const uint8_t* pixel, float weight) {
    if (column >= columns_ || row >= rows_) return;  // only float rounding could get here
    int64_t* sum = sums_.data() + Offset(column, row);
    sum[kAlpha] = WeightedSum(sum[kAlpha], pixel[kAlpha], weight);
    if (pixel[kAlpha] == 0) return;
    for (int c = 0; c < kColourChannels; ++c)
      sum[c] = WeightedSum(sum[c], pixel[c], weight);
  }

  // The four sums of a cell.
  const int64_t* Sums(int32_t column, int32_t row) const {
    return sums_.data() + Offset(column, row);
  }

 private:
  size_t Offset(int32_t column, int32_t row) const {
    return (static_cast<size_t>(row) * static_cast<size_t>(columns_) +
            static_cast<size_t>(column)) *
           kChannels;
  }

  // The product is single precision; the sum is formed exactly before rounding. A whole
  // pixel (weight 1) adds its channel unweighted, which is what the rounding would give.
  static int64_t WeightedSum(int64_t sum, uint8_t channel, float weight) {
    if (weight == 1.0f) return sum + channel;
    const float share = static_cast<float>(channel) * weight;
    return platform::RoundHalfEvenToInt(static_cast<double>(sum) + static_cast<double>(share));
  }

  int32_t columns_;
  int32_t rows_;
  std::vector<int64_t> sums_;
};

// Spreads one source pixel over the cells its footprint touches.
void Scatter(AreaSums& sums, const Split& column, const Split& row, const uint8_t* pixel) {
  for (int dx = 0; dx <= (column.spills ? 1 : 0); ++dx) {
    for (int dy = 0; dy <= (row.spills ? 1 : 0); ++dy) {
      sums.Add(column.first + dx, row.first + dy, pixel, column.Share(dx) * row.Share(dy));
    }
  }
}

// (value x n) \ w, in 32 bits when the product fits (for icons it always does), where the
// division costs a fraction of a 64-bit one.
uint64_t ScaleDown(uint64_t value, uint64_t n, uint64_t w) {
  const uint64_t product = value * n;
  if (product <= UINT32_MAX) return static_cast<uint32_t>(product) / static_cast<uint32_t>(w);
  return product / w;
}

// min(255, ((sum x N) \ W x N) \ W). A sum never exceeds 255 x (W / N + 2) x H, so the
// products stay below 255 x 3 x W x H, well inside 64 bits.
uint8_t Normalised(int64_t sum, int64_t newWidth, int64_t width) {
  if (sum <= 0) return 0;
  const auto n = static_cast<uint64_t>(newWidth);
  const auto w = static_cast<uint64_t>(width);
  const uint64_t value = ScaleDown(ScaleDown(static_cast<uint64_t>(sum), n, w), n, w);
  return static_cast<uint8_t>(std::min<uint64_t>(value, 255));
}

}  // namespace

int64_t ScaledHeight(int32_t width, int32_t height, int32_t newWidth) {
  const int64_t product = int64_t{newWidth} * height;
  return product / width + (product % width != 0 ? 1 : 0);
}

bool DividesIntoBlocks(int32_t sourceWidth, int32_t sourceHeight, int32_t targetWidth,
                       int32_t targetHeight) {
  return sourceWidth % targetWidth == 0 && sourceHeight % targetHeight == 0;
}

void AverageBlocks(ConstPixelView source, PixelView target) {
  if (source.IsEmpty() || target.IsEmpty()) return;
  const int32_t blockWidth = source.width / target.width;
  const int32_t blockHeight = source.height / target.height;
  const int64_t blockPixels = int64_t{blockWidth} * blockHeight;
  for (int32_t tx = 0; tx < target.width; ++tx) {
    for (int32_t row = 0; row < target.height; ++row) {
      const BlockSums sums =
          SumBlock(source, tx * blockWidth, row * blockHeight, blockWidth, blockHeight);
      uint8_t* out = target.Pixel(tx, row);
      out[kAlpha] = static_cast<uint8_t>(sums.alpha / blockPixels);
      for (int c = 0; c < kColourChannels; ++c) {
        out[c] = sums.opaqueCount > 0 ? static_cast<uint8_t>(sums.colour[c] / sums.opaqueCount)
                                      : uint8_t{0};
      }
    }
  }
}

bool AverageByArea(ConstPixelView source, PixelView target) {
  if (source.IsEmpty() || target.IsEmpty()) return false;
  const int32_t columns = target.width + 1;
  const int32_t rows = target.height + 1;
  if (AreaSums::BytesFor(columns, rows) > platform::kMaxBitmapBytes) return false;

  const int32_t width = source.width;
  const int32_t newWidth = target.width;
  const float scale = static_cast<float>(static_cast<double>(newWidth) / width);
  AreaSums sums(columns, rows);
  // Column by column, rows bottom-up inside: the rounding after each addition makes the
  // order part of the result.
  std::vector<Split> rowSplits(static_cast<size_t>(source.height));
  for (int32_t y = 0; y < source.height; ++y) {
    rowSplits[static_cast<size_t>(y)] = SplitFootprint(TargetPosition(y, newWidth, width), scale);
  }
  for (int32_t x = 0; x < width; ++x) {
    const Split column = SplitFootprint(TargetPosition(x, newWidth, width), scale);
    for (int32_t y = 0; y < source.height; ++y) {
      Scatter(sums, column, rowSplits[static_cast<size_t>(y)], source.Pixel(x, y));
    }
  }
  for (int32_t tx = 0; tx < target.width; ++tx) {
    for (int32_t row = 0; row < target.height; ++row) {
      const int64_t* sum = sums.Sums(tx, row);
      uint8_t* out = target.Pixel(tx, row);
      for (int c = 0; c < kChannels; ++c)
        out[c] = Normalised(sum[c], newWidth, width);
    }
  }
  return true;
}

}  // namespace wayband::imaging
