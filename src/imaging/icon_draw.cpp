// CIconBytes::DrawIcon: the picture path and the three array paths (alpha composite,
// key colour at the stored size, key colour resampled).
#include <utility>

#include "imaging/dib24.h"
#include "imaging/dib32.h"
#include "imaging/icon_bytes.h"
#include "imaging/icon_selection.h"
#include "imaging/key_color.h"
#include "platform/bitmap.h"
#include "platform/paint_caches.h"

namespace wayband::imaging {
namespace {

// The transparent colour of held pictures and the first fill of the drawing surface.
constexpr platform::ColorRef kMagenta = platform::RGB(255, 0, 255);
constexpr uint8_t kEnabledAlpha = 255;
constexpr uint8_t kDisabledAlpha = 128;
constexpr int32_t kGreyKeyColourToo = 0;
constexpr int32_t kGreyKeepKeyColour = 1;
constexpr int kBitsPerChannel = 8;

void DrawPicture(const Picture& picture, platform::DrawingContext& target, int32_t size, int32_t x,
                 int32_t y) {
  CDib24 pixels;
  pixels.CreateFromPicture(&picture);
  const CDib24 scaled = pixels.Resample(size, size, kMagenta);
  scaled.PaintTransparent(&target, x, y, size, size, 0, 0, platform::SRCCOPY, kMagenta);
}

// Sets the array into the surface as a size x size bottom-up bitmap: 32 bits for a
// 4-channel array, 24 bits (rows of the rounded stored width) for a 3-channel one. Only
// rows present in full in the array are set.
void SetArrayPixels(CDib32& surface, const ByteArray3& array, int32_t size) {
  const int bitCount = array.Channels() * kBitsPerChannel;
  if (!surface.hDC() || (bitCount != 24 && bitCount != 32)) return;
  platform::BitmapInfoHeader header;
  header.biWidth = bitCount == 24 ? Stored24BitWidth(size) : size;
  header.biHeight = size;
  header.biPlanes = 1;
  header.biBitCount = static_cast<uint16_t>(bitCount);
  platform::SetDIBitsToDevice(*surface.hDC(), 0, 0, size, size, 0, 0, 0,
                              static_cast<uint32_t>(size), array.Bytes(), header, {});
}

// Steps 1 to 3: the surface holding the selected image at its own size.
CDib32 LoadSelection(const ByteArray3& array, const IconSelection& found, int32_t size) {
  CDib32 surface;
  surface.Create(size, size);
  surface.Clear(kMagenta);
  if (found.foundSize != size) {
    surface.Create(found.foundSize, found.foundSize);
    if (!found.found32Bit) surface.Clear(kKeyColor);
  }
  SetArrayPixels(surface, array, found.foundSize);
  return surface;
}

// The loaded selection made ready to blend: greyed when not enabled, resampled to the size,
// premultiplied.
CDib32 PrepareForAlpha(CDib32 surface, int32_t size, bool enabled) {
  if (!enabled) surface.Greyscale(kGreyKeyColourToo);
  if (surface.Width() != size) surface = surface.ResampleToWidth(size);
  surface.PremultiplyAlpha();
  return surface;
}

void CompositeByAlpha(const CDib32& prepared, platform::DrawingContext& target, int32_t x,
                      int32_t y, bool enabled) {
  prepared.AlphaPaint(&target, x, y, kDefaultSize, kDefaultSize, 0, 0, kDefaultSize, kDefaultSize,
                      enabled ? kEnabledAlpha : kDisabledAlpha, /*perPixelAlpha=*/true);
}

void PaintKeyed(CDib32& surface, platform::DrawingContext& target, int32_t x, int32_t y,
                bool enabled) {
  if (!enabled) surface.Greyscale(kGreyKeepKeyColour);
  surface.PaintTransparent(&target, x, y, kDefaultSize, kDefaultSize, 0, 0, platform::SRCCOPY,
                           kKeyColor);
}

void PaintKeyedResampled(const CDib32& surface, platform::DrawingContext& target, int32_t size,
                         int32_t x, int32_t y, bool enabled) {
  CDib24 colours;
  if (!colours.Create(surface.Width(), surface.Height())) return;
  colours.Clear(kKeyColor);
  colours.LoadFromDC(surface.hDC());
  if (!enabled) colours.Greyscale();
  const CDib24 scaled = colours.Resample(size, size, kKeyColor);
  scaled.PaintTransparent(&target, x, y, size, size, 0, 0, platform::SRCCOPY, kKeyColor);
}

}  // namespace

const CDib32* CIconBytes::PreparedAlphaSurface(int32_t sizeIndex, bool enabled) const {
  if (!platform::PaintCachesEnabled()) return nullptr;
  std::shared_ptr<const CDib32>& slot =
      prepared_[static_cast<size_t>(sizeIndex) * 2 + (enabled ? 1 : 0)];
  if (!slot) {
    const IconSelection found = SelectIconImage(arrays_, sizeIndex);
    const ByteArray3& array =
        arrays_[static_cast<size_t>(found.kind)][static_cast<size_t>(found.sizeIndex)];
    CDib32 surface = LoadSelection(array, found, IconPixels(sizeIndex));
    if (!surface.hDC()) return nullptr;
    slot = std::make_shared<const CDib32>(
        PrepareForAlpha(std::move(surface), IconPixels(sizeIndex), enabled));
  }
  return slot.get();
}

void CIconBytes::DrawIcon(platform::DrawingContext* target, int32_t sizeIndex, int32_t kind,
                          int32_t x, int32_t y, bool enabled) const {
  if (!target || !IsIconSizeIndex(sizeIndex)) return;
  const int32_t size = IconPixels(sizeIndex);
  if (picture_) {
    DrawPicture(*picture_, *target, size, x, y);
    return;
  }
  const IconSelection found = SelectIconImage(arrays_, sizeIndex);
  if (!found.Found()) return;
  if (kind == kKind32Bit && found.found32Bit) {
    if (const CDib32* prepared = PreparedAlphaSurface(sizeIndex, enabled)) {
      CompositeByAlpha(*prepared, *target, x, y, enabled);
      return;
    }
  }
  const ByteArray3& array =
      arrays_[static_cast<size_t>(found.kind)][static_cast<size_t>(found.sizeIndex)];
  CDib32 surface = LoadSelection(array, found, size);
  if (!surface.hDC()) return;

  if (kind == kKind32Bit && found.found32Bit) {
    CompositeByAlpha(PrepareForAlpha(std::move(surface), size, enabled), *target, x, y, enabled);
  } else if (found.foundSize == size) {
    PaintKeyed(surface, *target, x, y, enabled);
  } else {
    PaintKeyedResampled(surface, *target, size, x, y, enabled);
  }
}

}  // namespace wayband::imaging
