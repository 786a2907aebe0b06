// The per-pixel arithmetic of AlphaBlend on runs of 32-bit pixels (bytes blue, green, red,
// alpha). Every kernel treats all four bytes as channels and rounds to the nearest integer,
// so results are within half a unit of the exact arithmetic (the scaled kernel adds a
// single-precision error far below a unit); sums above 255 (a source that is not
// premultiplied) saturate at 255.
#pragma once

#include <cstdint>

namespace wayband::platform {

// Premultiplied source over destination: d = s + d * (255 - s.alpha) / 255.
void BlendPremultiplied(const uint8_t* src, uint8_t* dst, int32_t count);

// Premultiplied source scaled by a constant alpha c (0..255) over destination:
// d = s * c / 255 + d * (1 - s.alpha * c / 65025).
void BlendPremultipliedScaled(const uint8_t* src, uint8_t* dst, int32_t count, uint8_t constant);

// Constant alpha only: d = (s * c + d * (255 - c)) / 255.
void BlendConstant(const uint8_t* src, uint8_t* dst, int32_t count, uint8_t constant);

}  // namespace wayband::platform
