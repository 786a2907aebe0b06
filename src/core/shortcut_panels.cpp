// The collection handle: checks that its control and the control's window still exist,
// then forwards to the control.
#include "wayband/shortcut_panels.h"

#include "core/control_core.h"

namespace wayband {

std::shared_ptr<core::ControlCore> ShortcutPanels::Control() const {
  auto control = control_.lock();
  if (!control || !control->Alive() || !control->Site()->Windows().IsWindow(window_)) {
    return nullptr;
  }
  return control;
}

std::optional<ShortcutPanel> ShortcutPanels::Add(const Variant& Key, const Variant& KeyBefore,
                                                 const std::string& sCaption,
                                                 const std::string& IconKey) {
  const auto control = Control();
  return control ? control->AddPanel(Key, KeyBefore, sCaption, IconKey) : std::nullopt;
}

void ShortcutPanels::Clear() {
  if (const auto control = Control()) control->ClearPanels();
}

int32_t ShortcutPanels::Count() const {
  const auto control = Control();
  return control ? control->PanelCount() : 0;
}

std::optional<ShortcutPanel> ShortcutPanels::Item(const Variant& Key) const {
  const auto control = Control();
  return control ? control->ItemPanel(Key) : std::nullopt;
}

void ShortcutPanels::Remove(const Variant& Key) {
  if (const auto control = Control()) control->RemovePanel(Key);
}

}  // namespace wayband
