// What the control core needs from the code that drives it with the mouse (the
// interaction layer, which sits above the core and installs itself after creation): the
// hit test that each refresh runs at the last recorded mouse position, detaching from the
// control's windows when the control goes, and its share of the inspection snapshot.
#pragma once

#include "wayband/inspection.h"

namespace wayband::core {

class ControlInput {
 public:
  virtual ~ControlInput() = default;
  // The refresh's hit test at the last mouse position: after the bars are painted, before
  // the chevron is, so that the chevron is drawn in the hover state it leaves. It may
  // raise BarHover, whose handlers may do anything to the control.
  virtual void HitTestLastPosition() = 0;
  // The control is being destroyed: no more input reaches it from its windows.
  virtual void Detach() = 0;
  // Fills the fields of the snapshot that the input keeps outside the control state.
  virtual void Inspect(WaybandInspection& out) const = 0;
};

}  // namespace wayband::core
