#include "platform/desktop_settings.h"

#include <algorithm>
#include <utility>

#include "platform/desktop_presets.h"

namespace wayband::platform {

AppearanceValue AppearanceName(std::string name) {
  name.push_back('\0');
  return AppearanceValue{AppearanceValue::Status::kPresent, std::move(name)};
}

DesktopChange CompareDesktopStates(const DesktopState& before, const DesktopState& after) {
  DesktopChange changes = DesktopChange::kNone;
  if (before.colorDepth != after.colorDepth || before.logicalDpi != after.logicalDpi) {
    changes = changes | DesktopChange::kDisplay;
  }
  if (before.sysColors != after.sysColors) changes = changes | DesktopChange::kSysColors;
  if (before.version != after.version || before.appearance != after.appearance) {
    changes = changes | DesktopChange::kSettings;
  }
  if (before.visualStylesLibraryLoads != after.visualStylesLibraryLoads ||
      before.appStyled != after.appStyled || before.visualStyle != after.visualStyle ||
      before.windowsWithoutStyle != after.windowsWithoutStyle) {
    changes = changes | DesktopChange::kVisualStyle;
  }
  return changes;
}

// --- DesktopSubscription -------------------------------------------------------------------

DesktopSubscription::DesktopSubscription(DesktopSubscription&& other) noexcept
    : settings_(std::exchange(other.settings_, nullptr)), id_(std::exchange(other.id_, 0)) {}

DesktopSubscription& DesktopSubscription::operator=(DesktopSubscription&& other) noexcept {
  if (this != &other) {
    Reset();
    settings_ = std::exchange(other.settings_, nullptr);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

void DesktopSubscription::Reset() {
  if (settings_ != nullptr) settings_->Unsubscribe(id_);
  settings_ = nullptr;
  id_ = 0;
}

// --- DesktopSettings -----------------------------------------------------------------------

DesktopSettings::DesktopSettings() : state_(DefaultDesktopState()) {}

void DesktopSettings::Assign(DesktopState state) {
  const DesktopChange changes = CompareDesktopStates(state_, state);
  state_ = std::move(state);
  if (changes != DesktopChange::kNone) Notify(changes);
}

template <typename Edit>
void DesktopSettings::Modify(Edit edit) {
  DesktopState next = state_;
  edit(next);
  Assign(std::move(next));
}

void DesktopSettings::SetVersion(const OsVersion& version) {
  Modify([&](DesktopState& s) { s.version = version; });
}

void DesktopSettings::SetSysColor(int index, ColorRef color) {
  if (index < 0 || index >= kSysColorCount) return;
  Modify([&](DesktopState& s) { s.sysColors[static_cast<size_t>(index)] = color; });
}

void DesktopSettings::SetSysColors(const SysColorTable& colors) {
  Modify([&](DesktopState& s) { s.sysColors = colors; });
}

void DesktopSettings::SetAppearance(AppearanceValue value) {
  Modify([&](DesktopState& s) { s.appearance = std::move(value); });
}

void DesktopSettings::SetAppStyled(bool styled) {
  Modify([&](DesktopState& s) { s.appStyled = styled; });
}

void DesktopSettings::SetVisualStylesLibraryLoads(bool loads) {
  Modify([&](DesktopState& s) { s.visualStylesLibraryLoads = loads; });
}

void DesktopSettings::SetVisualStyle(std::optional<VisualStyle> style) {
  Modify([&](DesktopState& s) { s.visualStyle = std::move(style); });
}

void DesktopSettings::SetWindowsWithoutStyle(std::vector<int32_t> windows) {
  Modify([&](DesktopState& s) { s.windowsWithoutStyle = std::move(windows); });
}

void DesktopSettings::SetColorDepth(int bitsPerPixel) {
  Modify([&](DesktopState& s) { s.colorDepth = bitsPerPixel; });
}

void DesktopSettings::SetLogicalDpi(int dpi) {
  Modify([&](DesktopState& s) { s.logicalDpi = dpi; });
}

DesktopSubscription DesktopSettings::Subscribe(DesktopListener listener) {
  const uint64_t id = nextId_++;
  listeners_.push_back(Listener{id, std::make_shared<DesktopListener>(std::move(listener))});
  return DesktopSubscription(this, id);
}

void DesktopSettings::Unsubscribe(uint64_t id) {
  std::erase_if(listeners_, [id](const Listener& l) { return l.id == id; });
}

void DesktopSettings::Notify(DesktopChange changes) {
  // A listener may subscribe or unsubscribe others (or itself) while it runs: walk a
  // snapshot and skip whoever left in the meantime; newcomers hear the next change.
  const std::vector<Listener> snapshot = listeners_;
  for (const Listener& listener : snapshot) {
    const bool stillSubscribed =
        std::any_of(listeners_.begin(), listeners_.end(),
                    [&](const Listener& l) { return l.id == listener.id; });
    if (stillSubscribed && *listener.callback) (*listener.callback)(changes);
  }
}

// --- The process-wide settings -------------------------------------------------------------

DesktopSettings& CurrentDesktop() {
  static DesktopSettings settings;
  return settings;
}

void SetCurrentDesktop(DesktopState state) {
  CurrentDesktop().Assign(std::move(state));
}

}  // namespace wayband::platform
