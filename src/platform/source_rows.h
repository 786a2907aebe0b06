// The source side of a block transfer: source pixels converted to the device values of the
// destination. Colour to monochrome: pixels equal to the source context's background colour
// become 1, all others 0. Monochrome to colour: 0 bits take the destination context's text
// colour, 1 bits its background colour. Between 32-bit bitmaps whole pixel words pass
// (alpha included); other colour conversions carry the colour bytes and alpha 0.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/axis_map.h"
#include "platform/drawing_context.h"

namespace wayband::platform {

class SourceRows {
 public:
  // When source and destination are one bitmap, the source is read from a copy taken now
  // so that overlapping blocks read the pixels as they were; Ready() is false when that
  // copy cannot be made.
  SourceRows(const Bitmap& src, ColorRef srcBkColor, const DrawingContext& dstDc,
             const Bitmap& dst);

  bool Ready() const { return source_ != nullptr; }

  // The source pixels of row y feeding the `count` destination columns from columns
  // dstStart() + first on.
  void Fetch(int32_t y, const AxisMap& columns, int32_t first, int32_t count, uint32_t* out) const;

 private:
  enum class Conversion { kNone, kColorBytes, kToMonochrome, kFromMonochrome };

  uint32_t Convert(uint32_t raw) const;

  std::optional<Bitmap> snapshot_;
  const Bitmap* source_ = nullptr;
  Conversion conversion_ = Conversion::kNone;
  uint32_t backgroundKey_ = 0;  // kToMonochrome: source background colour as a pixel word
  uint32_t zeroBits_ = 0;       // kFromMonochrome
  uint32_t oneBits_ = 0;
};

}  // namespace wayband::platform
