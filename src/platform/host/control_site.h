// The host contract: what an embedding host gives a control and what the control gives
// back. A host creates one site per control instance and keeps it alive for as long as
// the control object exists. Everything runs on the host's user-interface thread.
//
// Given by the host: ambient properties, the host-kept properties of the control (colours,
// font, enabled state, window handle, scale mode and size), the extenders of the controls
// it contains, its parent object, its child strips, the window system and the screen's
// twips per pixel. Given back by the control: property-changed notifications (by name, or
// all at once), events with by-reference arguments, requests to let the host process
// pending messages, the callbacks the host runs on resize and show, and modal dialogs.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "platform/host/child_strip.h"
#include "platform/host/contained_control.h"
#include "platform/host/modal_dialog.h"
#include "platform/host/scale_mode.h"
#include "platform/host/window_system.h"
#include "wayband/std_font.h"
#include "wayband/variant.h"

namespace wayband::host {

// What the host tells the control.
class ControlCallbacks {
 public:
  virtual ~ControlCallbacks() = default;
  // The control's size changed (the docked strips already follow it).
  virtual void Resize() = 0;
  // The control is being shown.
  virtual void Show() = 0;
};

// The object that contains the control: a form (with its window) or another control.
struct ParentObject {
  enum class Kind { kNone, kForm, kControl };
  Kind kind = Kind::kNone;
  WindowHandle hWnd = kNoWindow;
  std::string name;
};

class ControlSite {
 public:
  virtual ~ControlSite() = default;

  // --- Ambient properties ---------------------------------------------------------------
  // True in a running application, false in a form designer.
  virtual bool AmbientUserMode() const = 0;
  virtual std::shared_ptr<StdFont> AmbientFont() const = 0;
  virtual std::string AmbientDisplayName() const = 0;

  // --- Host-kept properties of the control ------------------------------------------------
  virtual uint32_t BackColor() const = 0;
  virtual void SetBackColor(uint32_t color) = 0;
  virtual uint32_t ForeColor() const = 0;
  virtual void SetForeColor(uint32_t color) = 0;
  // The host keeps its own font object: assigning a font gives it that font's attributes
  // (the object the host reports keeps its identity). A null font changes nothing.
  virtual std::shared_ptr<StdFont> Font() const = 0;
  virtual void SetFont(const std::shared_ptr<StdFont>& font) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual WindowHandle hWnd() const = 0;
  virtual ScaleMode GetScaleMode() const = 0;
  virtual void SetScaleMode(ScaleMode mode) = 0;
  // The client area in the scale mode's units (twips unless the scale mode says otherwise).
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  // The screen's twips per pixel (15 at 96 dots per inch).
  virtual double TwipsPerPixelX() const = 0;
  virtual double TwipsPerPixelY() const = 0;

  // --- What the control gives back ------------------------------------------------------
  // The named property changed (a designer marks the form modified).
  virtual void PropertyChanged(std::string_view name) = 0;
  // Every property may have changed.
  virtual void AllPropertiesChanged() = 0;
  // An event of the control; the host's handlers may change the arguments, which are
  // passed by reference.
  virtual void RaiseEvent(std::string_view name, int32_t dispid, std::span<Variant> args) = 0;
  // Lets the host process pending window messages (its handlers may run meanwhile).
  virtual void DoEvents() = 0;
  // Registers the control's callbacks (null: none). The control clears them before it goes.
  virtual void Attach(ControlCallbacks* callbacks) = 0;

  // --- The control's window image -------------------------------------------------------
  // The drawing context of the control's own window: its client area in pixels, which the
  // host keeps between frames, so what the control draws stays until it draws again. Null
  // while the window has no area. The context's state (font, colours, modes) persists too.
  virtual platform::DrawingContext* hDC() = 0;
  // The control has drawn a frame of `frame` pixels at the context's origin: the host
  // shows it (a host that composes windows on its own schedule repaints them now).
  virtual void Present(platform::Size frame) = 0;

  // --- Containment ----------------------------------------------------------------------
  // The controls whose container is this control, in the host's order.
  virtual std::vector<std::shared_ptr<ContainedControl>> ContainedControls() const = 0;
  virtual ParentObject Parent() const = 0;
  // Creates one of the control's child strips (owned by the site, valid while it lives).
  virtual ChildStrip* CreateChildStrip(const StripDesign& design) = 0;
  virtual WindowSystem& Windows() = 0;

  // --- Dialogs --------------------------------------------------------------------------
  // Shows `dialog` modally over the control's form and returns once it is closed (a host
  // that cannot show it closes it). The host's other handlers may run meanwhile.
  virtual void ShowModal(ModalDialog& dialog) = 0;
};

}  // namespace wayband::host
