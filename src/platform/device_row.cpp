#include "platform/device_row.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>

#include "platform/pixel_words.h"

namespace wayband::platform {
namespace {

constexpr int32_t kFillChunk = 256;

}  // namespace

void ReadDeviceRow(const Bitmap& bitmap, int32_t y, int32_t x, int32_t count, uint32_t* out) {
  assert(x >= 0 && count >= 0 && int64_t{x} + count <= bitmap.width());
  const uint8_t* row = bitmap.Row(y);
  switch (bitmap.bitCount()) {
    case 32:
      std::memcpy(out, row + int64_t{x} * 4, size_t(count) * 4);
      break;
    case 24:
      for (int32_t i = 0; i < count; ++i) {
        const uint8_t* p = row + (int64_t{x} + i) * 3;
        out[i] = uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
      }
      break;
    default:
      for (int32_t i = 0; i < count; ++i) {
        const int32_t column = x + i;
        out[i] = (row[column >> 3] >> (7 - (column & 7))) & 1u;
      }
      break;
  }
}

void WriteDeviceRow(Bitmap& bitmap, int32_t y, int32_t x, int32_t count, const uint32_t* values) {
  assert(x >= 0 && count >= 0 && int64_t{x} + count <= bitmap.width());
  uint8_t* row = bitmap.Row(y);
  switch (bitmap.bitCount()) {
    case 32:
      std::memcpy(row + int64_t{x} * 4, values, size_t(count) * 4);
      break;
    case 24:
      for (int32_t i = 0; i < count; ++i) {
        uint8_t* p = row + (int64_t{x} + i) * 3;
        p[0] = static_cast<uint8_t>(values[i]);
        p[1] = static_cast<uint8_t>(values[i] >> 8);
        p[2] = static_cast<uint8_t>(values[i] >> 16);
      }
      break;
    default:
      for (int32_t i = 0; i < count; ++i) {
        const int32_t column = x + i;
        const uint8_t bit = static_cast<uint8_t>(0x80u >> (column & 7));
        uint8_t& byte = row[column >> 3];
        byte = (values[i] & 1u) ? (byte | bit) : (byte & ~bit);
      }
      break;
  }
}

void FillDeviceRow(Bitmap& bitmap, int32_t y, int32_t x, int32_t count, uint32_t value) {
  assert(x >= 0 && count >= 0 && int64_t{x} + count <= bitmap.width());
  if (bitmap.bitCount() == 32) {
    FillWords(bitmap.Row(y) + int64_t{x} * 4, value, count);
    return;
  }
  std::array<uint32_t, kFillChunk> values;
  values.fill(value);
  for (int32_t done = 0; done < count; done += kFillChunk) {
    WriteDeviceRow(bitmap, y, x + done, std::min(kFillChunk, count - done), values.data());
  }
}

}  // namespace wayband::platform
