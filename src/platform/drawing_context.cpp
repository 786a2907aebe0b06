#include "platform/drawing_context.h"

#include <cstdint>
#include <utility>

namespace wayband::platform {
namespace {

constexpr int kScreenBitsPerPixel = 32;

}  // namespace

DrawingContext::DrawingContext(bool isScreen)
    : isScreen_(isScreen), brush_(CreateSolidBrush(RGB(255, 255, 255))), pen_(CreatePen(0)) {}

DrawingContext::~DrawingContext() = default;

std::unique_ptr<DrawingContext> DrawingContext::CreateCompatible(const DrawingContext*) {
  // Every memory context starts alike, whatever it is compatible with: the format of the
  // bitmaps it makes follows the bitmap selected later.
  std::unique_ptr<DrawingContext> dc(new DrawingContext(false));
  dc->bitmap_ = Bitmap::Create(1, 1, 1, RowOrder::kTopDown);
  if (!dc->bitmap_) return nullptr;
  return dc;
}

DrawingContext& DrawingContext::Screen() {
  static DrawingContext screen(true);
  return screen;
}

BitmapHandle DrawingContext::SelectBitmap(BitmapHandle bitmap) {
  if (!bitmap || isScreen_) return nullptr;
  std::swap(bitmap_, bitmap);
  return bitmap;
}

int DrawingContext::BitsPerPixel() const {
  if (isScreen_) return kScreenBitsPerPixel;
  return bitmap_ ? bitmap_->bitCount() : 0;
}

ColorRef DrawingContext::SetTextColor(ColorRef color) {
  return std::exchange(textColor_, color);
}

ColorRef DrawingContext::SetBkColor(ColorRef color) {
  return std::exchange(bkColor_, color);
}

BackgroundMode DrawingContext::SetBkMode(BackgroundMode mode) {
  return std::exchange(bkMode_, mode);
}

Point DrawingContext::SetBrushOrg(Point origin) {
  return std::exchange(brushOrg_, origin);
}

Brush DrawingContext::SelectBrush(Brush brush) {
  return std::exchange(brush_, std::move(brush));
}

Pen DrawingContext::SelectPen(Pen pen) {
  return std::exchange(pen_, pen);
}

Font DrawingContext::SelectFont(Font font) {
  return std::exchange(font_, std::move(font));
}

BitmapHandle CreateCompatibleBitmap(const DrawingContext& dc, int32_t width, int32_t height) {
  const int bitCount = dc.BitsPerPixel() == 1 ? 1 : 32;
  return Bitmap::Create(width, height, bitCount, RowOrder::kTopDown);
}

BitmapHandle CreateDIBSection(const BitmapInfoHeader& header, std::span<const RgbQuad> colors) {
  if (header.biCompression != BI_RGB || header.biHeight == INT32_MIN) return nullptr;
  const RowOrder order = header.biHeight < 0 ? RowOrder::kTopDown : RowOrder::kBottomUp;
  const int32_t height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  return Bitmap::Create(header.biWidth, height, header.biBitCount, order, colors);
}

Size GetBitmapSize(const Bitmap* bitmap) {
  if (bitmap == nullptr) return Size{};
  return Size{bitmap->width(), bitmap->height()};
}

}  // namespace wayband::platform
