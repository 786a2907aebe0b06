// The scene steps that change the program's surroundings while it runs:
//
//   {"desktop": "High Contrast Black"}   the user switches the desktop to another preset;
//                                        the forms hear of it as the system tells them
//   {"sizeMove": true}                   the user starts to move or size the form
#pragma once

#include <optional>
#include <string>

#include "scene_reader.h"

namespace wayband::render_tool {

struct DesktopStep {
  enum class Action { kDesktop, kSizeMove };
  Action action = Action::kDesktop;
  std::string preset;  // kDesktop
};

// The names of the desktop presets, quoted and separated by commas, for messages.
std::string PresetNames();
// A desktop preset's name; fails for an unknown one.
std::string ReadDesktopName(const SceneReader& r, const Field& field);

// The step when `kind` names one of these; nothing for other kinds.
std::optional<DesktopStep> ReadDesktopStep(const SceneReader& r, const std::string& kind,
                                           const Field& body);

}  // namespace wayband::render_tool
