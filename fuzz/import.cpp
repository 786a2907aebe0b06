// Fuzz target: CIconBytes::ImportFile on arbitrary files, then DrawIcon of what it stored.
// The first input byte chooses the route (its value modulo 4: an icon file, a PNG file, a
// picture with the tolerant background, a picture with the exact background); the rest is
// the file, written to a temporary file because the import reads paths. Besides not
// crashing, every stored array must be one the icon store can draw: 4 channels at kind 4,
// 3 at kinds 1 to 3, nothing at kind 0, and at least the size of its size index.
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "imaging/dib32.h"
#include "imaging/icon_bytes.h"
#include "imaging/icon_sizes.h"

namespace {

using wayband::imaging::CIconBytes;

constexpr std::array<const char*, 4> kExtensions = {".ico", ".png", ".jpg", ".bmp"};

std::filesystem::path TempPath(uint8_t selector) {
  return std::filesystem::temp_directory_path() /
         ("fuzz_import_" + std::to_string(getpid()) + kExtensions[selector % kExtensions.size()]);
}

void CheckArrays(const CIconBytes& icon) {
  using namespace wayband::imaging;
  for (int32_t kind = 0; kind < kIconKindCount; ++kind) {
    for (int32_t size = 0; size < kIconSizeCount; ++size) {
      const ByteArray3 array = icon.GetBytes(size, kind);
      if (array.IsEmpty()) continue;
      const int32_t channels = kind == kKind32Bit ? 4 : 3;
      if (kind == 0 || array.Channels() != channels) std::abort();
      if (array.Width() < IconPixels(size) || array.Height() < IconPixels(size)) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::filesystem::path path = TempPath(data[0]);
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
  }
  CIconBytes icon;
  icon.ImportFile(path);
  CheckArrays(icon);
  wayband::imaging::CDib32 target;
  target.Create(48, 48);
  for (int32_t sizeIndex : {0, 1, 3})
    icon.DrawIcon(target.hDC(), sizeIndex, wayband::imaging::kKind32Bit, 0, 0, sizeIndex != 1);
  return 0;
}
