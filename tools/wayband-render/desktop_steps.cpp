#include "desktop_steps.h"

#include "platform/desktop_presets.h"

namespace wayband::render_tool {

std::string PresetNames() {
  std::string names;
  for (std::string_view name : platform::DesktopPresetNames())
    names += (names.empty() ? "\"" : ", \"") + std::string(name) + "\"";
  return names;
}

std::string ReadDesktopName(const SceneReader& r, const Field& field) {
  std::string name = r.String(field, "desktop");
  if (!platform::FindDesktopPreset(name))
    r.Fail(field, "unknown desktop \"" + name + "\"; presets are " + PresetNames());
  return name;
}

std::optional<DesktopStep> ReadDesktopStep(const SceneReader& r, const std::string& kind,
                                           const Field& body) {
  if (kind == "desktop")
    return DesktopStep{DesktopStep::Action::kDesktop, ReadDesktopName(r, body)};
  if (kind != "sizeMove") return std::nullopt;
  if (!r.Boolean(body, "sizeMove")) r.Fail(body, "\"sizeMove\" takes true");
  return DesktopStep{DesktopStep::Action::kSizeMove, {}};
}

}  // namespace wayband::render_tool
