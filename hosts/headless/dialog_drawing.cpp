#include "headless/dialog_drawing.h"

#include <algorithm>
#include <cmath>

#include "platform/system_colors.h"
#include "platform/text/logical_font.h"
#include "platform/text/text_output.h"
#include "platform/twips.h"

namespace wayband::headless {

namespace {

using platform::Point;
using platform::Rect;

// Window frame and caption bar, pixels.
constexpr int32_t kFrame = 3;
constexpr int32_t kCaptionHeight = 18;
constexpr int32_t kCloseBoxWidth = 16;
constexpr int32_t kCloseBoxHeight = 14;
// Check lists: entry height, check box side, the text's offset from the entry's left.
constexpr int32_t kEntryHeight = 16;
constexpr int32_t kCheckSide = 13;
constexpr int32_t kEntryTextLeft = 18;
constexpr int32_t kListInset = 2;
// Text boxes: the text's distance from the left and right edges.
constexpr int32_t kTextBoxInset = 4;
// Screen dots per inch the point size converts at (the twips per pixel set the layout).
constexpr double kPointsPerInch = 72.0;
constexpr double kTwipsPerInch = 1440.0;

class Painter {
 public:
  Painter(platform::DrawingContext& dc, const DialogSnapshot& dialog, Point at, double tppX,
          double tppY)
      : dc_(dc), dialog_(dialog), at_(at), tppX_(tppX), tppY_(tppY) {}

  void Paint() {
    const platform::Size size = DialogWindowSize(dialog_, tppX_, tppY_);
    const Rect window{at_.x, at_.y, at_.x + size.cx, at_.y + size.cy};
    Fill(window, platform::COLOR_BTNFACE);
    Raised(window, platform::COLOR_3DLIGHT);
    PaintCaption(window);
    client_ = {window.left + kFrame, window.top + kFrame + kCaptionHeight, window.right - kFrame,
               window.bottom - kFrame};
    PaintItems();
  }

  // The client area alone, its top-left corner at `at`.
  void PaintClient() {
    const platform::Size size = DialogClientSize(dialog_, tppX_, tppY_);
    client_ = {at_.x, at_.y, at_.x + size.cx, at_.y + size.cy};
    Fill(client_, platform::COLOR_BTNFACE);
    PaintItems();
  }

 private:
  void PaintItems() {
    const platform::Font font = dc_.SelectFont(platform::CreateFontIndirect(DialogFont(false)));
    const platform::BackgroundMode mode = dc_.SetBkMode(platform::BackgroundMode::kTransparent);
    const platform::ColorRef color = dc_.TextColor();
    for (size_t i = 0; i < dialog_.items.size(); ++i) {
      const bool enabled = i < dialog_.enabled.size() ? dialog_.enabled[i] : true;
      PaintItemInFont(i, enabled);
    }
    dc_.SetTextColor(color);
    dc_.SetBkMode(mode);
    dc_.SelectFont(font);
  }

  // An item with a face of its own is drawn in it at the dialog's size.
  void PaintItemInFont(size_t i, bool enabled) {
    const host::DialogItem& item = dialog_.items[i];
    if (item.fontName.empty()) return PaintItem(i, enabled);
    const platform::Font font =
        dc_.SelectFont(platform::CreateFontIndirect(DialogFont(false, item.fontName)));
    PaintItem(i, enabled);
    dc_.SelectFont(font);
  }

  platform::LogFont DialogFont(bool bold, const std::string& faceName = {}) const {
    platform::LogFont font;
    const double dotsPerInch = kTwipsPerInch / tppY_;
    font.lfHeight = -static_cast<int32_t>(
        platform::RoundToLong(dialog_.fontSize * dotsPerInch / kPointsPerInch));
    font.lfWeight = bold ? platform::FW_BOLD : platform::FW_NORMAL;
    platform::SetFaceName(font, faceName.empty() ? dialog_.fontName : faceName);
    return font;
  }

  Rect ItemRect(const host::DialogItem& item) const {
    const int32_t left = client_.left + platform::TwipsToPixels(item.left, tppX_);
    const int32_t top = client_.top + platform::TwipsToPixels(item.top, tppY_);
    return {left, top, left + platform::TwipsToPixels(item.width, tppX_),
            top + platform::TwipsToPixels(item.height, tppY_)};
  }

  void Fill(const Rect& r, int colorIndex) {
    platform::FillRect(dc_, r, platform::CreateSolidBrush(platform::GetSysColor(colorIndex)));
  }
  void FillColor(const Rect& r, platform::ColorRef color) {
    platform::FillRect(dc_, r, platform::CreateSolidBrush(color));
  }

  // Two one-pixel edges: `topLeft` along the top and left, `bottomRight` along the others.
  void Edge(const Rect& r, int topLeft, int bottomRight) {
    Fill({r.left, r.top, r.right, r.top + 1}, topLeft);
    Fill({r.left, r.top, r.left + 1, r.bottom}, topLeft);
    Fill({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    Fill({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  }
  static Rect Inset(const Rect& r, int32_t by) {
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
  }
  void Raised(const Rect& r, int outerLight) {
    Edge(r, outerLight, platform::COLOR_3DDKSHADOW);
    Edge(Inset(r, 1), platform::COLOR_BTNHIGHLIGHT, platform::COLOR_BTNSHADOW);
  }
  void Sunken(const Rect& r) {
    Edge(r, platform::COLOR_BTNSHADOW, platform::COLOR_BTNHIGHLIGHT);
    Edge(Inset(r, 1), platform::COLOR_3DDKSHADOW, platform::COLOR_3DLIGHT);
  }

  void Text(const std::string& text, Rect r, uint32_t format, platform::ColorRef color) {
    dc_.SetTextColor(color);
    platform::DrawTextW(&dc_, text, &r, format);
  }

  void PaintCaption(const Rect& window) {
    const Rect bar{window.left + kFrame, window.top + kFrame, window.right - kFrame,
                   window.top + kFrame + kCaptionHeight - 1};
    const auto vertex = [](int32_t x, int32_t y, platform::ColorRef c) {
      constexpr int kShift = 8;
      return platform::TriVertex{x,
                                 y,
                                 static_cast<uint16_t>(platform::GetRValue(c) << kShift),
                                 static_cast<uint16_t>(platform::GetGValue(c) << kShift),
                                 static_cast<uint16_t>(platform::GetBValue(c) << kShift),
                                 0};
    };
    const platform::TriVertex vertices[] = {
        vertex(bar.left, bar.top, platform::GetSysColor(platform::COLOR_ACTIVECAPTION)),
        vertex(bar.right, bar.bottom,
               platform::GetSysColor(platform::COLOR_GRADIENTACTIVECAPTION))};
    const platform::GradientRect rect{0, 1};
    platform::GradientFill(dc_, vertices, {&rect, 1}, platform::GradientMode::GRADIENT_FILL_RECT_H);

    const platform::Font font = dc_.SelectFont(platform::CreateFontIndirect(DialogFont(true)));
    const platform::BackgroundMode mode = dc_.SetBkMode(platform::BackgroundMode::kTransparent);
    Text(dialog_.caption, {bar.left + 2, bar.top, bar.right - kCloseBoxWidth - 4, bar.bottom},
         platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_NOPREFIX |
             platform::DT_END_ELLIPSIS,
         platform::GetSysColor(platform::COLOR_CAPTIONTEXT));
    dc_.SetBkMode(mode);
    dc_.SelectFont(font);

    // The close box: a small raised button with a cross.
    const int32_t top = bar.top + (bar.Height() - kCloseBoxHeight) / 2;
    const Rect box{bar.right - 2 - kCloseBoxWidth, top, bar.right - 2, top + kCloseBoxHeight};
    Fill(box, platform::COLOR_BTNFACE);
    Raised(box, platform::COLOR_BTNHIGHLIGHT);
    const platform::ColorRef ink = platform::GetSysColor(platform::COLOR_BTNTEXT);
    const int32_t cx = box.left + 4;
    const int32_t cy = box.top + 3;
    constexpr int32_t kCross = 7;
    for (int32_t i = 0; i < kCross; ++i) {
      FillColor({cx + i, cy + i, cx + i + 2, cy + i + 1}, ink);
      FillColor({cx + kCross - 1 - i, cy + i, cx + kCross + 1 - i, cy + i + 1}, ink);
    }
  }

  void PaintItem(size_t i, bool enabled) {
    const host::DialogItem& item = dialog_.items[i];
    const Rect r = ItemRect(item);
    const platform::ColorRef text = platform::GetSysColor(platform::COLOR_BTNTEXT);
    switch (item.kind) {
      case host::DialogItemKind::kLabel:
        Text(item.caption, {r.left, r.top, client_.right, client_.bottom},
             platform::DT_SINGLELINE | platform::DT_NOCLIP, text);
        break;
      case host::DialogItemKind::kEtchedRule:
        Fill({r.left, r.top, r.right, r.top + 1}, platform::COLOR_BTNSHADOW);
        Fill({r.left, r.bottom, r.right, r.bottom + 1}, platform::COLOR_BTNHIGHLIGHT);
        break;
      case host::DialogItemKind::kCheckList:
        PaintCheckList(r);
        break;
      case host::DialogItemKind::kButton:
        PaintButton(item, r, enabled);
        break;
      case host::DialogItemKind::kTextBox:
        PaintTextBox(r, i < dialog_.texts.size() ? dialog_.texts[i] : std::string());
        break;
      case host::DialogItemKind::kPicture:
        PaintPicture(r, i < dialog_.images.size() ? dialog_.images[i] : nullptr);
        break;
    }
  }

  void PaintTextBox(const Rect& r, const std::string& text) {
    Fill(r, platform::COLOR_WINDOW);
    Sunken(r);
    Text(text, {r.left + kTextBoxInset, r.top, r.right - kTextBoxInset, r.bottom},
         platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_NOPREFIX,
         platform::GetSysColor(platform::COLOR_WINDOWTEXT));
  }

  // The model's pixels from the item's top-left corner, clipped to the item.
  void PaintPicture(const Rect& r, const platform::BitmapHandle& image) {
    if (!image) return;
    const platform::Size size = platform::GetBitmapSize(image.get());
    const auto source = platform::DrawingContext::CreateCompatible(&dc_);
    source->SelectBitmap(image);
    platform::BitBlt(dc_, r.left, r.top, std::min(size.cx, r.Width()),
                     std::min(size.cy, r.Height()), source.get(), 0, 0, platform::SRCCOPY);
  }

  void PaintCheckList(const Rect& r) {
    Fill(r, platform::COLOR_WINDOW);
    Sunken(r);
    const Rect inner = Inset(r, kListInset);
    for (size_t i = 0; i < dialog_.entries.size(); ++i) {
      const int32_t top = inner.top + static_cast<int32_t>(i) * kEntryHeight;
      if (top + kEntryHeight > inner.bottom) break;
      const Rect entry{inner.left, top, inner.right, top + kEntryHeight};
      const bool current = static_cast<int32_t>(i) == dialog_.current;
      PaintCheckBox({entry.left + 1, top + 1, entry.left + 1 + kCheckSide, top + 1 + kCheckSide},
                    dialog_.entries[i].ticked);
      Rect textBox{entry.left + kEntryTextLeft, top, entry.right, entry.bottom};
      platform::ColorRef color = platform::GetSysColor(platform::COLOR_WINDOWTEXT);
      if (current) {
        Rect measured = textBox;
        platform::DrawTextW(
            &dc_, dialog_.entries[i].text, &measured,
            platform::DT_SINGLELINE | platform::DT_NOPREFIX | platform::DT_CALCRECT);
        const Rect band{textBox.left, top, std::min(textBox.right, measured.right + 4),
                        entry.bottom};
        Fill(band, platform::COLOR_HIGHLIGHT);
        color = platform::GetSysColor(platform::COLOR_HIGHLIGHTTEXT);
      }
      textBox.left += 2;
      Text(dialog_.entries[i].text, textBox,
           platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_NOPREFIX |
               platform::DT_END_ELLIPSIS,
           color);
    }
  }

  void PaintCheckBox(const Rect& box, bool ticked) {
    Fill(box, platform::COLOR_WINDOW);
    Sunken(box);
    if (!ticked) return;
    // The tick: a short stroke down to the right, then a long one up to the right, three
    // pixels thick.
    const platform::ColorRef ink = platform::GetSysColor(platform::COLOR_WINDOWTEXT);
    const int32_t x = box.left + 3;
    const int32_t y = box.top + 5;
    constexpr int32_t kShort = 3;
    constexpr int32_t kLong = 4;
    constexpr int32_t kThick = 3;
    for (int32_t i = 0; i < kShort; ++i)
      FillColor({x + i, y + i, x + i + 1, y + i + kThick}, ink);
    for (int32_t i = 0; i < kLong; ++i)
      FillColor({x + kShort + i, y + kShort - 2 - i, x + kShort + i + 1, y + kShort + 1 - i}, ink);
  }

  void PaintButton(const host::DialogItem& item, const Rect& r, bool enabled) {
    Fill(r, platform::COLOR_BTNFACE);
    Rect face = r;
    if (item.isDefault) {
      FillColor({r.left, r.top, r.right, r.top + 1}, 0);
      FillColor({r.left, r.bottom - 1, r.right, r.bottom}, 0);
      FillColor({r.left, r.top, r.left + 1, r.bottom}, 0);
      FillColor({r.right - 1, r.top, r.right, r.bottom}, 0);
      face = Inset(r, 1);
    }
    Raised(face, platform::COLOR_BTNHIGHLIGHT);
    constexpr uint32_t kFormat =
        platform::DT_SINGLELINE | platform::DT_CENTER | platform::DT_VCENTER;
    if (enabled) {
      Text(item.caption, face, kFormat, platform::GetSysColor(platform::COLOR_BTNTEXT));
      return;
    }
    // Disabled: etched, a highlight copy one pixel down and right under the grey text.
    Text(item.caption, {face.left + 1, face.top + 1, face.right + 1, face.bottom + 1}, kFormat,
         platform::GetSysColor(platform::COLOR_BTNHIGHLIGHT));
    Text(item.caption, face, kFormat, platform::GetSysColor(platform::COLOR_BTNSHADOW));
  }

  platform::DrawingContext& dc_;
  const DialogSnapshot& dialog_;
  Point at_;
  double tppX_;
  double tppY_;
  Rect client_;
};

bool UsableDensity(double twipsPerPixelX, double twipsPerPixelY) {
  return twipsPerPixelX >= 1.0 && twipsPerPixelY >= 1.0 && std::isfinite(twipsPerPixelX) &&
         std::isfinite(twipsPerPixelY);
}

}  // namespace

platform::Size DialogClientSize(const DialogSnapshot& dialog, double twipsPerPixelX,
                                double twipsPerPixelY) {
  return {platform::TwipsToPixels(dialog.clientWidth, twipsPerPixelX),
          platform::TwipsToPixels(dialog.clientHeight, twipsPerPixelY)};
}

platform::Size DialogWindowSize(const DialogSnapshot& dialog, double twipsPerPixelX,
                                double twipsPerPixelY) {
  const platform::Size client = DialogClientSize(dialog, twipsPerPixelX, twipsPerPixelY);
  return {client.cx + 2 * kFrame, client.cy + 2 * kFrame + kCaptionHeight};
}

void DrawDialog(platform::DrawingContext& dc, const DialogSnapshot& dialog, Point at,
                double twipsPerPixelX, double twipsPerPixelY) {
  if (!UsableDensity(twipsPerPixelX, twipsPerPixelY)) return;
  Painter(dc, dialog, at, twipsPerPixelX, twipsPerPixelY).Paint();
}

void DrawDialogClient(platform::DrawingContext& dc, const DialogSnapshot& dialog, Point at,
                      double twipsPerPixelX, double twipsPerPixelY) {
  if (!UsableDensity(twipsPerPixelX, twipsPerPixelY)) return;
  Painter(dc, dialog, at, twipsPerPixelX, twipsPerPixelY).PaintClient();
}

}  // namespace wayband::headless
