#include "interaction_steps.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/host/window_system.h"

namespace wayband::render_tool {

namespace {

using Action = MouseStep::Action;

constexpr std::array<std::pair<std::string_view, Action>, 5> kActions{{
    {"hover", Action::kHover},
    {"press", Action::kPress},
    {"release", Action::kRelease},
    {"click", Action::kClick},
    {"drag", Action::kDrag},
}};
constexpr std::array<std::string_view, 5> kButtons{"cmdUp", "cmdDown", "cmdReset", "cmdOK",
                                                   "cmdCancel"};
constexpr const char* kList = "lstBars";
// Buttons as the handlers receive them: any sum of left, right and middle.
constexpr int64_t kMaxButton = 7;

int32_t Coordinate(const SceneReader& r, const Field& body, std::string_view key) {
  const auto field = r.Member(body, key);
  if (!field) r.Fail(body, "a mouse step needs \"" + std::string(key) + "\"");
  return static_cast<int32_t>(r.Integer(*field, key, -kMaxMouseOffset, kMaxMouseOffset));
}

MouseStep::Window ReadWindow(const SceneReader& r, const Field& body) {
  const auto on = r.Member(body, "on");
  if (!on) return MouseStep::Window::kControl;
  const std::string name = r.String(*on, "\"on\"");
  if (name == "control") return MouseStep::Window::kControl;
  if (name == "toolbar") return MouseStep::Window::kToolbar;
  if (name == "splitter") return MouseStep::Window::kSplitter;
  r.Fail(*on, "\"on\" is \"control\", \"toolbar\" or \"splitter\", not \"" + name + "\"");
}

}  // namespace

std::optional<MouseStep> ReadMouseStep(const SceneReader& r, const std::string& kind,
                                       const Field& body) {
  const auto found = std::find_if(kActions.begin(), kActions.end(),
                                  [&](const auto& entry) { return entry.first == kind; });
  if (found == kActions.end()) return std::nullopt;
  MouseStep step;
  step.action = found->second;
  r.ExpectObject(body, "a mouse step");
  if (step.action == Action::kDrag) {
    r.ExpectOnlyKeys(body, {"on", "x", "y", "toX", "toY", "moves", "button"}, "a drag");
    step.toX = Coordinate(r, body, "toX");
    step.toY = Coordinate(r, body, "toY");
    if (auto moves = r.Member(body, "moves"))
      step.moves = static_cast<int32_t>(r.Integer(*moves, "moves", 1, kMaxDragMoves));
  } else {
    r.ExpectOnlyKeys(body, {"on", "x", "y", "button"}, "a mouse step");
  }
  step.on = ReadWindow(r, body);
  step.x = Coordinate(r, body, "x");
  step.y = Coordinate(r, body, "y");
  step.button = step.action == Action::kHover ? 0 : host::kLeftButton;
  if (auto button = r.Member(body, "button"))
    step.button = static_cast<int16_t>(r.Integer(*button, "button", 0, kMaxButton));
  return step;
}

int32_t ReadWait(const SceneReader& r, const Field& body) {
  return static_cast<int32_t>(r.Integer(body, "the wait in milliseconds", 0, kMaxWait));
}

std::vector<headless::DialogAction> ReadDialogActions(const SceneReader& r, const Field& body) {
  using Kind = headless::DialogAction::Kind;
  r.ExpectArray(body, "the dialog's actions");
  std::vector<headless::DialogAction> actions;
  for (size_t i = 0; i < body.value.size(); ++i) {
    const Field entry = r.Element(body, i);
    if (entry.value.is_string()) {
      const std::string name = entry.value.get<std::string>();
      if (name == "close") {
        actions.push_back({Kind::kClose, {}, 0, false});
      } else if (std::find(kButtons.begin(), kButtons.end(), name) != kButtons.end()) {
        actions.push_back({Kind::kClickButton, name, 0, false});
      } else {
        r.Fail(entry, "unknown dialog action \"" + name +
                          "\"; buttons are cmdUp, cmdDown, cmdReset, cmdOK and cmdCancel");
      }
      continue;
    }
    r.ExpectObject(entry, "a dialog action");
    if (auto click = r.Member(entry, "click")) {
      r.ExpectOnlyKeys(entry, {"click"}, "a list click");
      actions.push_back({Kind::kClickEntry, kList,
                         static_cast<int32_t>(r.Integer(*click, "the entry", -1, INT16_MAX)),
                         false});
    } else if (auto tick = r.Member(entry, "tick")) {
      r.ExpectOnlyKeys(entry, {"tick", "value"}, "a tick");
      const auto value = r.Member(entry, "value");
      actions.push_back({Kind::kSetTicked, kList,
                         static_cast<int32_t>(r.Integer(*tick, "the entry", -1, INT16_MAX)),
                         value ? r.Boolean(*value, "value") : true});
    } else {
      r.Fail(entry, "a dialog action is a button name, \"close\", {\"click\": n} or {\"tick\": n}");
    }
  }
  return actions;
}

}  // namespace wayband::render_tool
