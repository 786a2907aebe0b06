// A child strip: a child window that a control owns on its own surface (the toolbar strip
// `ctlToolbar` and the splitter strip `ctlSplitBar`). The host creates it from the
// control's design and keeps its geometry. Positions and sizes are twips in the control's
// client area and read back exactly as set; the window itself sits at the nearest pixels.
// A strip docked to the top or bottom edge always spans the control's full width and
// follows the control's size; its height stays as set.
#pragma once

#include <cstdint>
#include <string>

#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "platform/host/scale_mode.h"
#include "platform/host/window_system.h"

namespace wayband::host {

// Docking, numbered as the platform's Align property.
enum class StripAlign : int16_t { kNone = 0, kTop = 1, kBottom = 2 };

// Stacking moves, numbered as the platform's ZOrder argument.
enum class ZOrderPosition : int16_t { kBringToFront = 0, kSendToBack = 1 };

// What a control's design says about one strip.
struct StripDesign {
  std::string name;
  StripAlign align = StripAlign::kNone;
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
  ScaleMode scaleMode = ScaleMode::kTwips;
  MousePointer mousePointer = MousePointer::kDefault;
  bool visible = true;
  // The colour Cls clears the strip to (a colour value; button face unless set).
  uint32_t backColor = 0x8000000F;
};

class ChildStrip {
 public:
  virtual ~ChildStrip() = default;

  virtual const std::string& Name() const = 0;
  virtual WindowHandle hWnd() const = 0;

  virtual double Left() const = 0;
  virtual double Top() const = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  // Moves and sizes the strip; a docked strip keeps its edge and full width and takes
  // only the height. False, and nothing changes, for a negative width or height.
  virtual bool Move(double left, double top, double width, double height) = 0;
  virtual bool SetTop(double top) = 0;
  virtual bool SetWidth(double width) = 0;
  virtual bool SetHeight(double height) = 0;

  // The client area in the strip's own scale units.
  virtual ScaleMode GetScaleMode() const = 0;
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;

  virtual StripAlign Align() const = 0;
  virtual void SetAlign(StripAlign align) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void ZOrder(ZOrderPosition position) = 0;
  virtual MousePointer GetMousePointer() const = 0;
  virtual void SetMousePointer(MousePointer pointer) = 0;

  // The strip's own drawing context, kept by the host between frames like the control's
  // (ControlSite::hDC): the strip's client area in pixels; null while it has no area.
  virtual platform::DrawingContext* hDC() = 0;
  // Cls: clears the strip's image to its back colour.
  virtual void Cls() = 0;
  // The control has drawn a frame of `frame` pixels at the context's origin: the host
  // shows it.
  virtual void Present(platform::Size frame) = 0;
};

}  // namespace wayband::host
