// Fuzz target: CPngDecoder on arbitrary file bytes. Besides not crashing, a decoded
// bitmap must have the header's size and one of the two bitmap formats. The decoder gets
// smaller limits than the default so that each input decodes in milliseconds under the
// sanitizers; every code path is the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "imaging/png/png_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr wayband::imaging::png::DecodeLimits kFuzzLimits{1024, uint64_t{16} << 20,
                                                            uint64_t{16} << 20, 4096};
  wayband::imaging::CPngDecoder decoder(kFuzzLimits);
  decoder.LoadFromMemory(std::span<const uint8_t>(data, size));
  if (const auto& bitmap = decoder.Bitmap()) {
    const bool sized = bitmap->width() == decoder.Width() && bitmap->height() == decoder.Height();
    const bool format = bitmap->bitCount() == 24 || bitmap->bitCount() == 32;
    if (!sized || !format) std::abort();
  }
  decoder.FreeBitmap();
  return 0;
}
