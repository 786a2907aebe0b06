// The extender of a contained control: how a control sees another control that the host
// placed inside it (a panel's child control) or beside it on a form. Geometry is twips in
// the container's client area. Operations the control cannot perform report false and
// change nothing; callers ignore such failures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/host/child_strip.h"
#include "platform/host/window_system.h"

namespace wayband::host {

// Identity of a contained control: non-zero and unique among the host's controls for as
// long as the host runs.
using ControlIdentity = int32_t;
inline constexpr ControlIdentity kNoControl = 0;

// The type name of the library's container control.
inline constexpr const char* kContainerTypeName = "NorvaleContainer";

class ContainedControl {
 public:
  virtual ~ContainedControl() = default;

  virtual ControlIdentity Identity() const = 0;
  virtual std::string Name() const = 0;
  // The control's class name ("NorvaleContainer", "TextBox", ...).
  virtual std::string TypeName() const = 0;

  // The window of the control or form that contains this control.
  virtual WindowHandle Container() const = 0;
  // Moves the control into another container's client area, keeping its geometry.
  virtual bool SetContainer(WindowHandle container) = 0;

  virtual bool Visible() const = 0;
  virtual bool SetVisible(bool visible) = 0;
  virtual double Left() const = 0;
  virtual double Top() const = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  // False, and nothing changes, for a negative width or height.
  virtual bool Move(double left, double top, double width, double height) = 0;
  virtual bool ZOrder(ZOrderPosition position) = 0;

  // The control's own window; 0 for a windowless control.
  virtual WindowHandle hWnd() const = 0;
  // BackColor and Enabled, for controls that have them.
  virtual std::optional<uint32_t> BackColor() const = 0;
  virtual bool SetBackColor(uint32_t color) = 0;
  virtual std::optional<bool> Enabled() const = 0;
  virtual bool SetEnabled(bool enabled) = 0;

  // Controls that draw lines between their items (tree views) and have no BackColor: they
  // say so, take a background colour for their item area, and redraw their lines when
  // asked (which a control showing no lines ignores). Other controls keep these defaults.
  virtual bool HasLineStyle() const { return false; }
  virtual bool SetLineStyleBackground(uint32_t /*color*/) { return false; }
  virtual void RedrawLines() {}
};

}  // namespace wayband::host
