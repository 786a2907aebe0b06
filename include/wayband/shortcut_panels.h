// ShortcutPanels: a handle to the panel collection of a Wayband control (its WaybandPanels
// property). Before every operation it checks that the control and its window still
// exist; otherwise the operation does nothing and returns 0 or nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "wayband/shortcut_panel.h"
#include "wayband/variant.h"

namespace wayband {

class ShortcutPanels {
 public:
  // Adds a panel. Key: a non-numeric string unique among the panels (case-sensitive);
  // without one the panel gets "C" followed by its ID. KeyBefore: the key or index of the
  // panel to insert before (indices below 1 mean 1); otherwise the panel is appended.
  // Nothing is added (and nothing returned) for a numeric or duplicate Key or a KeyBefore
  // that cannot be resolved. Lets the host process pending messages before returning.
  std::optional<ShortcutPanel> Add(const Variant& Key = {}, const Variant& KeyBefore = {},
                                   const std::string& sCaption = {},
                                   const std::string& IconKey = {});
  void Clear();
  int32_t Count() const;
  // The panel at an index (a number or a numeric string such as "2") or with a key, or
  // nothing. Throws AutomationError 9 (subscript out of range) when there are no panels.
  std::optional<ShortcutPanel> Item(const Variant& Key) const;
  void Remove(const Variant& Key);

 private:
  friend class core::ControlCore;
  ShortcutPanels(std::weak_ptr<core::ControlCore> control, int32_t window)
      : control_(std::move(control)), window_(window) {}
  std::shared_ptr<core::ControlCore> Control() const;

  std::weak_ptr<core::ControlCore> control_;
  int32_t window_;
};

}  // namespace wayband
