// Ternary raster operations on runs of device values. The operation index (bits 16-23 of
// the raster-operation code) is the truth table of the result for pattern 0xF0, source
// 0xCC and destination 0xAA: result bit k is set where index bit (4P + 2S + D) is set.
#pragma once

#include <cstdint>

#include "platform/drawing_context.h"

namespace wayband::platform {

constexpr uint8_t RopIndex(RasterOp rop) {
  return static_cast<uint8_t>(rop >> 16);
}

// Whether the result depends on the pattern, the source or the destination.
constexpr bool RopUsesPattern(uint8_t index) {
  return ((index >> 4) & 0x0F) != (index & 0x0F);
}
constexpr bool RopUsesSource(uint8_t index) {
  return ((index >> 2) & 0x33) != (index & 0x33);
}
constexpr bool RopUsesDestination(uint8_t index) {
  return ((index >> 1) & 0x55) != (index & 0x55);
}

// The operation on one word, bit by bit.
uint32_t ApplyRop(uint8_t index, uint32_t pattern, uint32_t source, uint32_t destination);

// dst[i] = operation(pattern[i], source[i], dst[i]) for i < count. `pattern` and `source`
// may be null when the operation does not read them.
void ApplyRopRow(uint8_t index, const uint32_t* pattern, const uint32_t* source, uint32_t* dst,
                 int32_t count);

}  // namespace wayband::platform
