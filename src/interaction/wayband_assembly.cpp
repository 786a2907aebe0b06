// Creating and destroying the public Wayband control: the core, then the interaction that
// drives it with the mouse. The assembly lives here, at the top of the library's layers,
// because the core must not know the layer above it.
#include "core/control_core.h"
#include "interaction/control_interaction.h"
#include "wayband/wayband_control.h"

namespace wayband {

Wayband::Wayband(host::ControlSite& site)
    : core_(std::make_shared<core::ControlCore>(site, *this)) {
  core_->Create();
  core_->SetInput(std::make_unique<interaction::ControlInteraction>(*core_));
}

Wayband::~Wayband() {
  core_->Destroy();
}

}  // namespace wayband
