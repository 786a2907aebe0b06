// An icon-page scene: the design-time icon page shown by the headless designer over a
// control it edits, driven by scripted actions. Read from a JSON file:
//
//   {"iconPage": {
//     "desktop": "Styled NormalColor",   // a desktop preset (default shown)
//     "twipsPerPixel": 15,               // the screen's density (default 15)
//     "edits": "Wayband",                // or "InternalAlphaImg", or "none"
//     "actions": [
//       {"typeKey": "mail"},                             // text into the key box
//       {"browse": "assets/mail.ico"},                   // Browse, choosing the file
//       {"browse": {"file": "assets/web.ico", "key": "web"}},  // the key typed first
//       {"cancelBrowse": true},                          // Browse, the dialog cancelled
//       {"click": "cmdDeleteIcon"},                      // a button by its name
//       {"page": "next"},                                // or "previous": the arrows
//       {"clickPreview": 60},                            // the strip, pixels from its left
//       {"deleteAll": true},                             // Delete All, answered Yes (false: No)
//       {"apply": true}, {"close": true}]}}              // the designer's Apply, closing
//
// The page is rendered before the actions and after each: OUTPUT.png, OUTPUT-1.png ...
// (with --state, the page's state as STATE.json, STATE-1.json ...).
// Files are named relative to the scene's folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "headless/icon_page_designer.h"
#include "imaging/dib32.h"
#include "scene_reader.h"

namespace wayband::render_tool {

struct PageScene {
  enum class Edits { kWayband, kInternalAlphaImg, kNone };
  std::string desktop;
  double twipsPerPixel = 0.0;
  Edits edits = Edits::kWayband;
  // Each scripted action is one or two of the designer's actions (a key typed, then a
  // browse), rendered once after all of them.
  std::vector<std::vector<headless::PageAction>> actions;
};

// True for a document whose root holds "iconPage".
bool IsPageScene(const SceneReader& reader);

// Reads the scene; throws SceneError for content that is wrong.
PageScene ReadPageScene(const SceneReader& reader, const std::filesystem::path& sceneDirectory);

// The page over its edited control in the headless host, on the scene's desktop.
class PageRenderer {
 public:
  explicit PageRenderer(const PageScene& scene);
  ~PageRenderer();
  PageRenderer(const PageRenderer&) = delete;
  PageRenderer& operator=(const PageRenderer&) = delete;

  void Apply(const std::vector<headless::PageAction>& actions);
  // The page's client area as the designer shows it.
  imaging::CDib32 Render() const;
  // The page's state: the set shown, the selection, the key box, a pending Delete All,
  // the changes marked, each button's enabled state and the edited store's keys.
  nlohmann::ordered_json State() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace wayband::render_tool
