// A scene: what wayband-render sets up and draws. Read from a JSON file:
//
//   {
//     "desktop": "Styled NormalColor",      // a desktop preset (default shown)
//     "twipsPerPixel": 15,                  // the screen's density (default 15)
//     "size": {"width": 200, "height": 400},// the control's client size in pixels
//     "userMode": true,                     // false: as seen in a form designer
//     "form": "saved.form.json",            // load the control from a form file
//     "icons": [{"key": "mail", "file": "assets/mail.ico"}],
//     "panels": [{"key": "mail", "caption": "Mail", "iconKey": "mail",
//                 "control": {"label": "Inbox"}, "selected": true,
//                 "BackColor1": "#FFCC00", "Visible": true, ...}],
//     "initialProperties": {"BarPicture": "assets/sand.bmp"},
//     "properties": {"BarsToShow": 3, "BackColor": "#336699", ...},
//     "steps": [{"resize": {"width": 240, "height": 500}},
//               {"set": {"RightToLeft": true}}, {"select": "mail"},
//               {"hover": {"x": 40, "y": 300}}, {"wait": 600}]
//   }
//
// The mouse, clock and dialog steps are described in interaction_steps.h, the desktop and
// form steps in desktop_steps.h, and panels holding a NorvaleContainer in
// container_scene.h.
//
// With "form", the control loads its stored properties and icons from the form file's
// control "Wayband1" (or its first control of type Wayband) instead of taking the defaults
// of a new control; what the file holds that cannot be read is reported as warnings.
// "initialProperties" are assigned before the panels are added, as properties stored with a
// form are; "properties" after them, so that BarsToShow can count the panels. Panel entries
// take the panel interface's property names besides their own keys. Each step changes the scene and
// is rendered on its own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "container_scene.h"
#include "desktop_steps.h"
#include "interaction_steps.h"
#include "property_values.h"

namespace wayband::render_tool {

struct PanelScene {
  std::string key;
  std::string caption;
  std::string iconKey;
  std::vector<Assignment> properties;
  bool selected = false;
  // The panel's child control: a placeholder, or a NorvaleContainer (container_scene.h).
  std::optional<Placeholder> control;
  std::optional<ContainerScene> container;
};

struct Step {
  enum class Kind { kResize, kSet, kSelect, kMouse, kWait, kOptions, kDesktop };
  Kind kind = Kind::kSet;
  int32_t width = 0;  // kResize, pixels
  int32_t height = 0;
  std::vector<Assignment> properties;                 // kSet
  std::string panelKey;                               // kSelect
  MouseStep mouse;                                    // kMouse
  int32_t milliseconds = 0;                           // kWait
  std::vector<headless::DialogAction> dialogActions;  // kOptions
  DesktopStep desktop;                                // kDesktop
  std::string pointer;
};

struct Scene {
  std::string desktop;
  double twipsPerPixel = 0.0;
  int32_t width = 0;
  int32_t height = 0;
  bool userMode = true;
  std::filesystem::path form;  // empty: a new control
  std::string formPointer;
  std::vector<IconScene> icons;
  std::vector<Assignment> initialProperties;
  std::vector<PanelScene> panels;
  std::vector<Assignment> properties;
  std::vector<Step> steps;
};

// Largest scene file read, bytes.
inline constexpr uintmax_t kMaxSceneFileBytes = uintmax_t{4} << 20;
// Largest control side, pixels.
inline constexpr int32_t kMaxControlSide = 4096;

// The "desktop" preset and "twipsPerPixel" members of a scene object, or their defaults.
std::string ReadDesktop(const SceneReader& reader, const Field& object);
double ReadTwipsPerPixel(const SceneReader& reader, const Field& object);

// Reads a scene; throws SceneError for a file that cannot be read or whose content is
// wrong. `reader` must outlive the scene's use of locations (it names the file).
Scene ReadScene(const SceneReader& reader, const std::filesystem::path& sceneDirectory,
                const Warn& warn);

// Reads the file and parses it with locations.
LocatedJson LoadSceneDocument(const std::filesystem::path& file);

}  // namespace wayband::render_tool
