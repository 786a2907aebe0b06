#include "window_image.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi_objects.h"
#include "platform/system_colors.h"
#include "platform/text/text_output.h"

namespace wayband::render_tool {

namespace {

constexpr size_t kBytesPerPixel = 4;
// Placeholder boxes: a one-pixel frame in the shadow colour, the label in the window text
// colour, in the dialog font, inset from the frame.
constexpr int32_t kLabelInset = 4;

// Copies the view into the image with its top-left corner at (x, y), clipped.
void CopyView(const SurfaceView& view, int32_t x, int32_t y, imaging::CDib32& image) {
  const int32_t left = std::max(0, x);
  const int32_t right = std::min(image.Width(), x + view.Width());
  if (left >= right) return;
  const imaging::PixelView target = image.View();
  for (int32_t row = std::max(0, y); row < std::min(image.Height(), y + view.Height()); ++row) {
    const std::span<const uint8_t> source = view.Row(row - y);
    std::memcpy(target.Pixel(left, target.StoredRow(row)),
                source.data() + static_cast<size_t>(left - x) * kBytesPerPixel,
                static_cast<size_t>(right - left) * kBytesPerPixel);
  }
}

// What the window shows, or the surface when nothing was presented to it.
SurfaceView Shown(const headless::HeadlessHost& host, host::WindowHandle window,
                  SurfaceView surface) {
  const platform::Bitmap* image = host.WindowImage(window);
  if (!image || image->bitCount() != static_cast<int>(kBytesPerPixel * 8)) return surface;
  return SurfaceView(image->bits(), image->width(), image->height(),
                     static_cast<size_t>(image->stride()),
                     image->rowOrder() == platform::RowOrder::kBottomUp);
}

platform::ColorRef Translated(uint32_t color) {
  platform::ColorRef plain = 0;
  return platform::OleTranslateColor(color, &plain) ? plain : 0;
}

void DrawPlaceholder(const InspectedRect& r, const PlaceholderLook& look, imaging::CDib32& image) {
  platform::DrawingContext* dc = image.hDC();
  const platform::Rect box{r.left, r.top, r.right, r.bottom};
  platform::FillRect(*dc, box,
                     platform::CreateSolidBrush(platform::GetSysColor(platform::COLOR_BTNSHADOW)));
  platform::FillRect(*dc, {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1},
                     platform::CreateSolidBrush(Translated(look.color)));
  platform::Rect text{box.left + kLabelInset, box.top + kLabelInset, box.right - kLabelInset,
                      box.bottom - kLabelInset};
  dc->SetBkMode(platform::BackgroundMode::kTransparent);
  dc->SetTextColor(platform::GetSysColor(platform::COLOR_WINDOWTEXT));
  platform::DrawTextW(dc, look.label, &text,
                      platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE |
                          platform::DT_END_ELLIPSIS | platform::DT_NOPREFIX);
}

// A library control placed in the bar control (a NorvaleContainer): what its window shows
// at its place, then the placeholders placed on it, back to front.
void DrawLibraryControl(headless::HeadlessHost& host, host::WindowHandle window,
                        const InspectedRect& at, const Placeholders& placeholders,
                        imaging::CDib32& image) {
  CopyView(Shown(host, window, {}), at.left, at.top, image);
  const headless::VirtualWindows& windows = host.Windows();
  const auto children = windows.GetChildren(window);
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    const auto look = placeholders.find(*it);
    if (look == placeholders.end() || !windows.IsShown(*it)) continue;
    const platform::Rect local = windows.GetLocalRect(*it);
    DrawPlaceholder(
        {at.left + local.left, at.top + local.top, at.left + local.right, at.top + local.bottom},
        look->second, image);
  }
}

}  // namespace

imaging::CDib32 ComposeWindowImage(const Wayband& control, headless::HeadlessHost& host,
                                   const Placeholders& placeholders) {
  const WaybandInspection state = control.Inspect();
  imaging::CDib32 image;
  if (!image.Create(state.clientWidth, state.clientHeight)) return image;
  CopyView(Shown(host, control.hwnd(), control.InspectSurface(InspectedSurface::kControl)), 0, 0,
           image);

  std::map<host::WindowHandle, const InspectedControl*> contained;
  for (const InspectedControl& child : state.containedControls)
    contained[child.geometry.window] = &child;
  // Children come front first: draw them in reverse.
  const auto children = host.Windows().GetChildren(control.hwnd());
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    const host::WindowHandle window = *it;
    if (window == state.ctlToolbar.window && state.ctlToolbar.visible) {
      CopyView(Shown(host, window, control.InspectSurface(InspectedSurface::kToolbar)),
               state.ctlToolbar.pixels.left, state.ctlToolbar.pixels.top, image);
    } else if (window == state.ctlSplitBar.window && state.ctlSplitBar.visible) {
      CopyView(Shown(host, window, control.InspectSurface(InspectedSurface::kSplitter)),
               state.ctlSplitBar.pixels.left, state.ctlSplitBar.pixels.top, image);
    } else if (const auto child = contained.find(window);
               child != contained.end() && child->second->geometry.visible) {
      if (host.WindowImage(window)) {
        DrawLibraryControl(host, window, child->second->geometry.pixels, placeholders, image);
        continue;
      }
      const auto look = placeholders.find(window);
      DrawPlaceholder(
          child->second->geometry.pixels,
          look != placeholders.end() ? look->second : PlaceholderLook{child->second->name, 0},
          image);
    }
  }
  return image;
}

}  // namespace wayband::render_tool
