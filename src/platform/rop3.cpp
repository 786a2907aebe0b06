#include "platform/rop3.h"

namespace wayband::platform {
namespace {

constexpr uint8_t kSrcCopy = RopIndex(SRCCOPY);
constexpr uint8_t kSrcAnd = RopIndex(SRCAND);
constexpr uint8_t kSrcInvert = RopIndex(SRCINVERT);
constexpr uint8_t kSrcPaint = RopIndex(SRCPAINT);
constexpr uint8_t kNotSrcCopy = RopIndex(NOTSRCCOPY);
constexpr uint8_t kPatCopy = RopIndex(PATCOPY);
constexpr uint8_t kMinterms = 8;

}  // namespace

uint32_t ApplyRop(uint8_t index, uint32_t pattern, uint32_t source, uint32_t destination) {
  uint32_t result = 0;
  for (uint8_t term = 0; term < kMinterms; ++term) {
    if (((index >> term) & 1u) == 0) continue;
    const uint32_t p = (term & 4u) ? pattern : ~pattern;
    const uint32_t s = (term & 2u) ? source : ~source;
    const uint32_t d = (term & 1u) ? destination : ~destination;
    result |= p & s & d;
  }
  return result;
}

void ApplyRopRow(uint8_t index, const uint32_t* pattern, const uint32_t* source, uint32_t* dst,
                 int32_t count) {
  switch (index) {
    case kSrcCopy:
      for (int32_t i = 0; i < count; ++i)
        dst[i] = source[i];
      break;
    case kSrcAnd:
      for (int32_t i = 0; i < count; ++i)
        dst[i] &= source[i];
      break;
    case kSrcInvert:
      for (int32_t i = 0; i < count; ++i)
        dst[i] ^= source[i];
      break;
    case kSrcPaint:
      for (int32_t i = 0; i < count; ++i)
        dst[i] |= source[i];
      break;
    case kNotSrcCopy:
      for (int32_t i = 0; i < count; ++i)
        dst[i] = ~source[i];
      break;
    case kPatCopy:
      for (int32_t i = 0; i < count; ++i)
        dst[i] = pattern[i];
      break;
    default:
      for (int32_t i = 0; i < count; ++i) {
        dst[i] = ApplyRop(index, pattern ? pattern[i] : 0u, source ? source[i] : 0u, dst[i]);
      }
      break;
  }
}

}  // namespace wayband::platform
