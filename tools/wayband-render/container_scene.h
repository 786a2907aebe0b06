// A panel's child control may be a NorvaleContainer instead of a placeholder:
//
//   "container": {"caption": "Inbox",
//                 "icons": [{"key": "mail", "file": "assets/mail.ico"}],
//                 "properties": {"BarColor": "#336699", "AutoSizeControls": true,
//                                "IconSize": 2, "TopMargin": 10, "IconKey": "mail"},
//                 "controls": [{"label": "Messages", "color": "#FFFFFF"}]}
//
// The container takes the defaults of a new one, then its icons, its caption and its
// properties (the names of its interface description); each entry of "controls" is a
// placeholder placed on it, in order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "property_values.h"
#include "scene_reader.h"

namespace wayband::render_tool {

// A stand-in for a child control: a labelled box.
struct Placeholder {
  std::string label;
  uint32_t color = 0;  // a colour value; system references allowed
};

struct IconScene {
  std::string key;
  std::filesystem::path file;
  std::string pointer;
};

struct ContainerScene {
  std::string caption;
  std::vector<IconScene> icons;
  std::vector<Assignment> properties;
  std::vector<Placeholder> controls;
};

// The "icons" array of a scene or a container.
std::vector<IconScene> ReadIcons(const ValueContext& values, const Field& field);
// A placeholder object {"label", "color"}; the label defaults to `caption`.
Placeholder ReadPlaceholder(const SceneReader& r, const Field& field, const std::string& caption);
ContainerScene ReadContainerScene(const ValueContext& values, const Field& field);

}  // namespace wayband::render_tool
