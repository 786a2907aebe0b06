#include "platform/host/picture_render.h"

#include <memory>
#include <span>

#include "platform/bitmap.h"

namespace wayband::platform {
namespace {

constexpr size_t kAlphaByte = 3;
constexpr size_t kPixelBytes = 4;

// A memory context holding `bitmap` for as long as it lives.
std::unique_ptr<DrawingContext> ContextHolding(BitmapHandle bitmap) {
  auto dc = DrawingContext::CreateCompatible(&DrawingContext::Screen());
  dc->SelectBitmap(std::move(bitmap));
  return dc;
}

// The picture's image stretched to width x height in a 32-bit bitmap (alpha kept).
BitmapHandle ScaledImage(const Bitmap& image, int32_t width, int32_t height) {
  BitmapHandle scaled = Bitmap::Create(width, height, 32, RowOrder::kTopDown);
  if (!scaled) return nullptr;
  // The context only reads the image as a blit source and is gone before this returns, so
  // it borrows the picture's bitmap without owning it.
  const BitmapHandle borrowed(BitmapHandle{}, const_cast<Bitmap*>(&image));
  const auto source = ContextHolding(borrowed);
  const auto dest = ContextHolding(scaled);
  StretchBlt(*dest, 0, 0, width, height, source.get(), 0, 0, image.width(), image.height(),
             SRCCOPY);
  return scaled;
}

// Where `picture` is transparent (alpha 0), takes the pixel of `backdrop` instead.
void FillTransparentFrom(Bitmap& picture, const Bitmap& backdrop) {
  std::span<uint8_t> out = picture.bits();
  std::span<const uint8_t> behind = backdrop.bits();
  for (size_t i = 0; i + kPixelBytes <= out.size(); i += kPixelBytes) {
    if (out[i + kAlphaByte] == 0) {
      for (size_t c = 0; c < kPixelBytes; ++c)
        out[i + c] = behind[i + c];
    }
  }
}

}  // namespace

void RenderPicture(const Picture& picture, DrawingContext& target, int32_t x, int32_t y,
                   int32_t width, int32_t height) {
  const auto& image = picture.Image();
  if (!image || !target.bitmap() || width <= 0 || height <= 0) return;
  BitmapHandle scaled = ScaledImage(*image, width, height);
  if (!scaled) return;
  const auto source = ContextHolding(scaled);
  if (picture.Transparent()) {
    // What the target shows behind the block, read in the same layout as the picture.
    BitmapHandle backdrop = Bitmap::Create(width, height, 32, RowOrder::kTopDown);
    if (!backdrop) return;
    const auto behind = ContextHolding(backdrop);
    BitBlt(*behind, 0, 0, width, height, &target, x, y, SRCCOPY);
    FillTransparentFrom(*scaled, *backdrop);
  }
  BitBlt(target, x, y, width, height, source.get(), 0, 0, SRCCOPY);
}

}  // namespace wayband::platform
