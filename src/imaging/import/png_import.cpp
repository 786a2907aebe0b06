// The PNG route.
#include "imaging/icon_sizes.h"
#include "imaging/import/import_messages.h"
#include "imaging/import/import_routes.h"
#include "imaging/import/png_pixels.h"
#include "imaging/import/standard_size.h"
#include "imaging/import/surface_array.h"

namespace wayband::imaging {

void ImportPngImage(const CPngDecoder& decoder, CIconBytes& icon) {
  if (decoder.Width() != decoder.Height()) {
    host::MessageBox(kPngNotSquareText, kPngNotSquareTitle, kImportMessageFlags);
    return;
  }
  CDib32 pixels = PngPixels(decoder);
  if (!pixels.IsCreated()) return;
  const int32_t size = SnapToStandardSize(pixels.Width());
  if (pixels.Width() != size) pixels = pixels.ResampleToWidth(size);
  icon.SetBytes(IconSizeIndex(size), kKind32Bit, SurfaceToArray(pixels, kChannels32Bit));
}

}  // namespace wayband::imaging
