// libFuzzer target of the icon-file reader: loads the input as an icon file and draws
// every image's colour part and mask the ways the import and the icon page do (own size,
// the three-step key-colour sequence, stretched, onto 32-bit and monochrome-converting
// targets). Any crash, out-of-bounds access, undefined behaviour or hang is a finding.
#include <cstddef>
#include <cstdint>
#include <span>

#include "imaging/dib24.h"
#include "imaging/dib32.h"
#include "imaging/ico/file_icon.h"
#include "imaging/key_color.h"

namespace {

using wayband::imaging::CDib24;
using wayband::imaging::CDib32;
using wayband::imaging::CFileIcon;
using wayband::imaging::IconImagePart;
namespace platform = wayband::platform;

// Images drawn per input; a directory may name thousands, each as costly as the first.
constexpr int32_t kMaxImagesDrawn = 64;
constexpr int32_t kStretchSize = 20;

void DrawImportStyle(const CFileIcon& icon, int32_t image) {
  CDib32 surface;
  if (!surface.Create(icon.ImageWidth(image), icon.ImageHeight(image))) return;
  if (icon.ImageBitCount(image) == 32) {
    icon.DrawImage(surface.hDC(), image, IconImagePart::kColour, 0, 0);
    return;
  }
  surface.Clear(wayband::imaging::kKeyColor);
  icon.DrawImage(surface.hDC(), image, IconImagePart::kColour, 0, 0, 0, 0, platform::SRCINVERT);
  icon.DrawImage(surface.hDC(), image, IconImagePart::kMask, 0, 0, 0, 0, platform::SRCAND);
  icon.DrawImage(surface.hDC(), image, IconImagePart::kColour, 0, 0, 0, 0, platform::SRCINVERT);
}

void DrawStretched(const CFileIcon& icon, int32_t image) {
  CDib24 surface;
  if (!surface.Create(kStretchSize, kStretchSize)) return;
  icon.DrawImage(surface.hDC(), image, IconImagePart::kColour, -3, 2, kStretchSize, 0);
  icon.DrawImage(surface.hDC(), image, IconImagePart::kMask, 4, -5, 0, kStretchSize + 7);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CFileIcon icon;
  if (!icon.LoadIconBytes(std::span<const uint8_t>(data, size))) return 0;
  const int32_t count = icon.ImageCount();
  for (int32_t image = 1; image <= count && image <= kMaxImagesDrawn; ++image) {
    DrawImportStyle(icon, image);
    DrawStretched(icon, image);
  }
  return 0;
}
