// Wayband::ShowNavigationOptions: a new frmOptions for this one call, owned by the call,
// filled from the control and shown modally by the host. The control is changed only when
// the user confirms with OK.
#include "core/control_core.h"
#include "interaction/options_dialog.h"
#include "wayband/wayband_control.h"

namespace wayband {

void Wayband::ShowNavigationOptions() {
  // Held for the call: a host handler running during the modal loop may destroy the
  // control, which the dialog then finds gone.
  const std::shared_ptr<core::ControlCore> core = core_;
  if (!core->Alive()) return;
  try {
    interaction::frmOptions dialog(core);
    dialog.Fill();
    core->Site()->ShowModal(dialog);
  } catch (...) {
    // The call never fails; whatever went wrong ends it with the control as far as it got.
  }
}

}  // namespace wayband
