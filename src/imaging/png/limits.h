// Every size limit of the PNG decoder, in one place. Files come from anywhere, so an image
// is refused (no bitmap) when decoding it would take more than these bounds; an image
// within them always gets the full treatment. The constants are the defaults of
// DecodeLimits, which a decoder may be given smaller (the fuzz targets do, to stay fast).
#pragma once

#include <cstdint>

namespace wayband::imaging::png {

// Largest width or height accepted, in pixels.
inline constexpr uint32_t kMaxImageSide = 16384;

// Largest memory budget of one image: the inflated scanlines (with their filter bytes and
// slack) counted whole although they are streamed, the de-interlaced copy when the image
// is interlaced, and the converted bitmap rows.
inline constexpr uint64_t kMaxDecodedBytes = uint64_t{256} << 20;

// Largest file read by Load; a larger file is refused unread.
inline constexpr uint64_t kMaxFileBytes = uint64_t{256} << 20;

// Largest amount of tEXt and zTXt text gathered from one file. Text past it is dropped:
// it never affects the image, so reaching it is not a failure.
inline constexpr uint64_t kMaxTextBytes = uint64_t{1} << 20;

struct DecodeLimits {
  uint32_t maxImageSide = kMaxImageSide;
  uint64_t maxDecodedBytes = kMaxDecodedBytes;
  uint64_t maxFileBytes = kMaxFileBytes;
  uint64_t maxTextBytes = kMaxTextBytes;
};

}  // namespace wayband::imaging::png
