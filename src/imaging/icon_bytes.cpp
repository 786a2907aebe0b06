#include "imaging/icon_bytes.h"

namespace wayband::imaging {

ByteArray3 CIconBytes::GetBytes(int32_t sizeIndex, int32_t kind) const {
  if (!IsIconSizeIndex(sizeIndex) || !IsIconKind(kind)) return ByteArray3{};
  return arrays_[static_cast<size_t>(kind)][static_cast<size_t>(sizeIndex)];
}

void CIconBytes::SetBytes(int32_t sizeIndex, int32_t kind, const ByteArray3& bytes) {
  if (!IsIconSizeIndex(sizeIndex) || !IsIconKind(kind)) return;
  arrays_[static_cast<size_t>(kind)][static_cast<size_t>(sizeIndex)] = bytes;
  ForgetPrepared();
}

void CIconBytes::Reset() {
  for (auto& sizes : arrays_) {
    for (ByteArray3& array : sizes)
      array = ByteArray3{};
  }
  ForgetPrepared();
}

}  // namespace wayband::imaging
