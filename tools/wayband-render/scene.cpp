#include "scene.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "color_values.h"
#include "container_scene.h"
#include "desktop_steps.h"
#include "platform/desktop_presets.h"
#include "platform/system_colors.h"
#include "platform/twips.h"

namespace wayband::render_tool {

namespace {

constexpr double kMaxTwipsPerPixel = 1440.0;  // one pixel per inch
constexpr int32_t kDefaultWidth = 200;
constexpr int32_t kDefaultHeight = 400;
// A placeholder looks like an empty child window: the window background colour.
constexpr uint32_t kPlaceholderColor = platform::SysColorRef(platform::COLOR_WINDOW);

constexpr const char* kStepKinds =
    "\"resize\", \"set\", \"select\", \"hover\", \"press\", \"release\", \"click\", "
    "\"drag\", \"wait\", \"options\", \"desktop\" and \"sizeMove\"";

struct Context {
  const SceneReader& reader;
  ValueContext values;
};

// {"width": w, "height": h} in pixels.
std::pair<int32_t, int32_t> ReadSize(const SceneReader& r, const Field& field) {
  r.ExpectObject(field, "size");
  r.ExpectOnlyKeys(field, {"width", "height"}, "a size");
  std::pair<int32_t, int32_t> size{kDefaultWidth, kDefaultHeight};
  if (auto w = r.Member(field, "width"))
    size.first = static_cast<int32_t>(r.Integer(*w, "width", 1, kMaxControlSide));
  if (auto h = r.Member(field, "height"))
    size.second = static_cast<int32_t>(r.Integer(*h, "height", 1, kMaxControlSide));
  return size;
}

std::optional<Field> PanelMember(const SceneReader& r, const Field& panel, std::string_view key) {
  for (const auto& [name, value] : panel.value.items()) {
    if (SameName(name, key)) return r.Member(panel, name);
  }
  return std::nullopt;
}

std::vector<PanelScene> ReadPanels(const Context& c, const Field& field) {
  const SceneReader& r = c.reader;
  r.ExpectArray(field, "panels");
  std::vector<PanelScene> panels;
  std::set<std::string> keys;
  for (size_t i = 0; i < field.value.size(); ++i) {
    const Field entry = r.Element(field, i);
    r.ExpectObject(entry, "a panel");
    PanelScene panel;
    if (auto key = PanelMember(r, entry, "key")) {
      panel.key = r.String(*key, "the panel key");
      if (Variant(panel.key).IsNumeric()) r.Fail(*key, "a panel key must not read as a number");
      if (!keys.insert(panel.key).second) {
        r.Fail(*key, "the panel key \"" + panel.key + "\" is used by an earlier panel");
      }
    }
    if (auto caption = PanelMember(r, entry, "caption"))
      panel.caption = r.String(*caption, "the caption");
    if (auto icon = PanelMember(r, entry, "iconKey"))
      panel.iconKey = r.String(*icon, "the icon key");
    if (auto selected = PanelMember(r, entry, "selected"))
      panel.selected = r.Boolean(*selected, "selected");
    if (auto control = PanelMember(r, entry, "control")) {
      panel.control = ReadPlaceholder(r, *control, panel.caption);
    }
    if (auto container = PanelMember(r, entry, "container")) {
      if (panel.control)
        r.Fail(*container, "a panel has a \"control\" or a \"container\", not both");
      panel.container = ReadContainerScene(c.values, *container);
    }
    // A panel's own keys; the rest are properties of the panel interface.
    panel.properties =
        ReadAssignments(c.values, entry, ShortcutPanelInterface(),
                        {"key", "caption", "iconKey", "selected", "control", "container"});
    panels.push_back(std::move(panel));
  }
  return panels;
}

Step ReadStep(const Context& c, const Field& entry, const std::set<std::string>& panelKeys) {
  const SceneReader& r = c.reader;
  r.ExpectObject(entry, "a step");
  if (entry.value.size() != 1) {
    r.Fail(entry, std::string("a step has exactly one of ") + kStepKinds);
  }
  const std::string kind = entry.value.begin().key();
  const Field body = *r.Member(entry, kind);
  Step step;
  step.pointer = entry.pointer;
  if (auto mouse = ReadMouseStep(r, kind, body)) {
    step.kind = Step::Kind::kMouse;
    step.mouse = *mouse;
  } else if (auto desktop = ReadDesktopStep(r, kind, body)) {
    step.kind = Step::Kind::kDesktop;
    step.desktop = *desktop;
  } else if (kind == "wait") {
    step.kind = Step::Kind::kWait;
    step.milliseconds = ReadWait(r, body);
  } else if (kind == "options") {
    step.kind = Step::Kind::kOptions;
    step.dialogActions = ReadDialogActions(r, body);
  } else if (kind == "resize") {
    step.kind = Step::Kind::kResize;
    std::tie(step.width, step.height) = ReadSize(r, body);
  } else if (kind == "set") {
    step.kind = Step::Kind::kSet;
    step.properties = ReadAssignments(c.values, body, WaybandInterface());
  } else if (kind == "select") {
    step.kind = Step::Kind::kSelect;
    step.panelKey = r.String(body, "the panel key to select");
    if (!panelKeys.contains(step.panelKey))
      r.Fail(body, "no panel has the key \"" + step.panelKey + "\"");
  } else {
    r.Fail(body, "unknown step \"" + kind + "\"; steps are " + kStepKinds);
  }
  return step;
}

}  // namespace

std::vector<IconScene> ReadIcons(const ValueContext& values, const Field& field) {
  const SceneReader& r = values.reader;
  r.ExpectArray(field, "icons");
  std::vector<IconScene> icons;
  for (size_t i = 0; i < field.value.size(); ++i) {
    const Field entry = r.Element(field, i);
    r.ExpectObject(entry, "an icon");
    r.ExpectOnlyKeys(entry, {"key", "file"}, "an icon");
    const auto key = r.Member(entry, "key");
    const auto file = r.Member(entry, "file");
    if (!key || !file) r.Fail(entry, "an icon needs a \"key\" and a \"file\"");
    const std::string keyText = r.String(*key, "the icon key");
    if (keyText.empty()) r.Fail(*key, "the icon key must not be empty");
    icons.push_back(
        {keyText, values.sceneDirectory / r.String(*file, "the icon file"), entry.pointer});
  }
  return icons;
}

Placeholder ReadPlaceholder(const SceneReader& r, const Field& field, const std::string& caption) {
  r.ExpectObject(field, "control");
  r.ExpectOnlyKeys(field, {"label", "color"}, "a child control placeholder");
  Placeholder placeholder{caption, kPlaceholderColor};
  if (auto label = r.Member(field, "label")) placeholder.label = r.String(*label, "the label");
  if (auto color = r.Member(field, "color")) {
    const auto value =
        color->value.is_string() ? ColorFromText(color->value.get<std::string>()) : std::nullopt;
    if (!value)
      r.Fail(*color, "the placeholder colour must be \"#RRGGBB\" or a system colour name");
    placeholder.color = *value;
  }
  return placeholder;
}

std::string ReadDesktop(const SceneReader& reader, const Field& object) {
  const auto desktop = reader.Member(object, "desktop");
  return desktop ? ReadDesktopName(reader, *desktop) : std::string(platform::kDefaultDesktopPreset);
}

double ReadTwipsPerPixel(const SceneReader& reader, const Field& object) {
  const auto tpp = reader.Member(object, "twipsPerPixel");
  return tpp ? reader.Number(*tpp, "twipsPerPixel", 1.0, kMaxTwipsPerPixel)
             : platform::kDefaultTwipsPerPixel;
}

Scene ReadScene(const SceneReader& reader, const std::filesystem::path& sceneDirectory,
                const Warn& warn) {
  const Context c{reader, {reader, sceneDirectory, warn}};
  const Field root = reader.Root();
  reader.ExpectObject(root, "a scene");
  reader.ExpectOnlyKeys(root,
                        {"desktop", "twipsPerPixel", "size", "userMode", "form", "icons",
                         "initialProperties", "panels", "properties", "steps"},
                        "a scene");
  Scene scene;
  scene.desktop = ReadDesktop(reader, root);
  scene.twipsPerPixel = ReadTwipsPerPixel(reader, root);
  std::tie(scene.width, scene.height) = std::pair{kDefaultWidth, kDefaultHeight};
  if (auto size = reader.Member(root, "size"))
    std::tie(scene.width, scene.height) = ReadSize(reader, *size);
  if (auto userMode = reader.Member(root, "userMode"))
    scene.userMode = reader.Boolean(*userMode, "userMode");
  if (auto form = reader.Member(root, "form")) {
    scene.form = sceneDirectory / reader.String(*form, "form");
    scene.formPointer = form->pointer;
  }
  if (auto icons = reader.Member(root, "icons")) scene.icons = ReadIcons(c.values, *icons);
  if (auto initial = reader.Member(root, "initialProperties")) {
    scene.initialProperties = ReadAssignments(c.values, *initial, WaybandInterface());
  }
  if (auto panels = reader.Member(root, "panels")) scene.panels = ReadPanels(c, *panels);
  if (auto properties = reader.Member(root, "properties")) {
    scene.properties = ReadAssignments(c.values, *properties, WaybandInterface());
  }
  if (auto steps = reader.Member(root, "steps")) {
    reader.ExpectArray(*steps, "steps");
    std::set<std::string> panelKeys;
    for (const PanelScene& panel : scene.panels)
      panelKeys.insert(panel.key);
    for (size_t i = 0; i < steps->value.size(); ++i)
      scene.steps.push_back(ReadStep(c, reader.Element(*steps, i), panelKeys));
  }
  return scene;
}

LocatedJson LoadSceneDocument(const std::filesystem::path& file) {
  const std::string name = file.string();
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(file, error);
  if (error) throw SceneError(name, {}, "cannot read the scene file: " + error.message());
  if (size > kMaxSceneFileBytes) {
    throw SceneError(
        name, {}, "the scene file is larger than " + std::to_string(kMaxSceneFileBytes) + " bytes");
  }
  std::ifstream in(file, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) throw SceneError(name, {}, "cannot read the scene file");
  return ParseLocatedJson(text, name);
}

}  // namespace wayband::render_tool
