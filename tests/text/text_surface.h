// Test surfaces for text output: a memory context holding a bitmap filled with one colour,
// and the measures tests take of the ink drawn on it.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/drawing_context.h"
#include "platform/text/logical_font.h"

namespace wayband::platform::testing {

inline LogFont MakeLogFont(std::string_view face, int32_t height, int32_t weight = FW_NORMAL,
                           uint8_t quality = ANTIALIASED_QUALITY) {
  LogFont lf;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfQuality = quality;
  SetFaceName(lf, face);
  return lf;
}

// Tahoma at 8 points on a 96-dots-per-inch display, as the controls draw captions.
inline LogFont CaptionLogFont() {
  return MakeLogFont("Tahoma", -11);
}

class TextSurface {
 public:
  TextSurface(int32_t width, int32_t height, ColorRef background, int bitCount = 32)
      : background_(background),
        dc_(DrawingContext::CreateCompatible(nullptr)),
        bitmap_(Bitmap::Create(width, height, bitCount, RowOrder::kBottomUp)) {
    dc_->SelectBitmap(bitmap_);
    dc_->SetBkMode(BackgroundMode::kTransparent);
    FillRect(*dc_, Rect{0, 0, width, height}, CreateSolidBrush(background));
  }

  DrawingContext* dc() { return dc_.get(); }
  Bitmap& bitmap() { return *bitmap_; }
  ColorRef background() const { return background_; }
  void Select(const LogFont& lf) { dc_->SelectFont(CreateFontIndirect(lf)); }

  ColorRef At(int32_t x, int32_t y) const { return GetPixel(*dc_, x, y); }
  bool IsInk(int32_t x, int32_t y) const { return At(x, y) != background_; }

  // The smallest rectangle holding every pixel that differs from the background; empty
  // when there is none.
  Rect InkBounds() const {
    Rect r{bitmap_->width(), bitmap_->height(), 0, 0};
    for (int32_t y = 0; y < bitmap_->height(); ++y) {
      for (int32_t x = 0; x < bitmap_->width(); ++x) {
        if (!IsInk(x, y)) continue;
        r = Rect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                 std::max(r.bottom, y + 1)};
      }
    }
    return r.IsEmpty() ? Rect{} : r;
  }

  int64_t InkCount() const {
    int64_t count = 0;
    for (int32_t y = 0; y < bitmap_->height(); ++y) {
      for (int32_t x = 0; x < bitmap_->width(); ++x)
        count += IsInk(x, y) ? 1 : 0;
    }
    return count;
  }

 private:
  ColorRef background_;
  std::unique_ptr<DrawingContext> dc_;
  BitmapHandle bitmap_;
};

}  // namespace wayband::platform::testing
