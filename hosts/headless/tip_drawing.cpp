#include "headless/tip_drawing.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/system_colors.h"
#include "platform/text/logical_font.h"
#include "platform/text/text_output.h"
#include "platform/tooltip/tool_info.h"

namespace wayband::headless {
namespace {

using platform::Point;
using platform::Rect;

// Space between the border and the text, in pixels.
constexpr int32_t kBorder = 1;
constexpr int32_t kMarginX = 3;
constexpr int32_t kMarginY = 2;
// The shadow: layers offset 1 to kShadowDepth pixels right and down, each darkening what
// it covers by kShadowLayerAlpha / 255, so it fades away from the box.
constexpr int32_t kShadowDepth = 4;
constexpr uint8_t kShadowLayerAlpha = 28;

uint32_t TextFormat(const platform::TipDisplay& tip) {
  const uint32_t prefix =
      (tip.style & platform::TTS_NOPREFIX) != 0 ? platform::DT_NOPREFIX : platform::DT_HIDEPREFIX;
  return platform::DT_SINGLELINE | platform::DT_LEFT | platform::DT_TOP | prefix;
}

// a + b, held at the ends of the coordinate range.
int32_t AddClamped(int32_t a, int64_t b) {
  return static_cast<int32_t>(std::clamp<int64_t>(a + b, INT32_MIN, INT32_MAX));
}

Rect Moved(const Rect& r, int64_t dx, int64_t dy) {
  return {AddClamped(r.left, dx), AddClamped(r.top, dy), AddClamped(r.right, dx),
          AddClamped(r.bottom, dy)};
}

void DrawShadow(platform::DrawingContext& dc, const Rect& box) {
  const auto black = platform::DrawingContext::CreateCompatible(nullptr);
  black->SelectBitmap(platform::Bitmap::Create(1, 1, 32));  // zero-filled: black
  platform::BlendFunction blend;
  blend.SourceConstantAlpha = kShadowLayerAlpha;
  for (int32_t depth = 1; depth <= kShadowDepth; ++depth) {
    const Rect layer = Moved(box, depth, depth);
    platform::AlphaBlend(dc, layer.left, layer.top, layer.Width(), layer.Height(), *black, 0, 0, 1,
                         1, blend);
  }
}

void DrawBorder(platform::DrawingContext& dc, const Rect& box, const platform::Brush& brush) {
  platform::FillRect(dc, {box.left, box.top, box.right, box.top + kBorder}, brush);
  platform::FillRect(dc, {box.left, box.bottom - kBorder, box.right, box.bottom}, brush);
  platform::FillRect(dc, {box.left, box.top, box.left + kBorder, box.bottom}, brush);
  platform::FillRect(dc, {box.right - kBorder, box.top, box.right, box.bottom}, brush);
}

}  // namespace

Rect TipScreenRect(const platform::TipDisplay& tip) {
  const auto dc = platform::DrawingContext::CreateCompatible(nullptr);
  dc->SelectFont(platform::CreateFontIndirect(platform::DefaultGuiLogFont()));
  Rect text;
  platform::DrawTextW(dc.get(), tip.text, &text, TextFormat(tip) | platform::DT_CALCRECT);
  const Point at = tip.position;
  return {at.x, at.y, AddClamped(at.x, int64_t{text.Width()} + 2 * (kBorder + kMarginX)),
          AddClamped(at.y, int64_t{text.Height()} + 2 * (kBorder + kMarginY))};
}

void DrawTip(platform::DrawingContext& dc, const platform::TipDisplay& tip, Point origin) {
  const Rect box = Moved(TipScreenRect(tip), -int64_t{origin.x}, -int64_t{origin.y});
  if (tip.dropShadow) DrawShadow(dc, box);
  const platform::ColorRef textColor = platform::GetSysColor(platform::COLOR_INFOTEXT);
  platform::FillRect(dc, box,
                     platform::CreateSolidBrush(platform::GetSysColor(platform::COLOR_INFOBK)));
  DrawBorder(dc, box, platform::CreateSolidBrush(textColor));

  const platform::Font font =
      dc.SelectFont(platform::CreateFontIndirect(platform::DefaultGuiLogFont()));
  const platform::ColorRef color = dc.SetTextColor(textColor);
  const platform::BackgroundMode mode = dc.SetBkMode(platform::BackgroundMode::kTransparent);
  Rect text{box.left + kBorder + kMarginX, box.top + kBorder + kMarginY,
            box.right - kBorder - kMarginX, box.bottom - kBorder - kMarginY};
  platform::DrawTextW(&dc, tip.text, &text, TextFormat(tip));
  dc.SetBkMode(mode);
  dc.SetTextColor(color);
  dc.SelectFont(font);
}

}  // namespace wayband::headless
