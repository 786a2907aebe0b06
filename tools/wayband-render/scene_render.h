// Sets a scene up in the headless host and renders it: the control on a form, its icons,
// panels with placeholder child controls and properties; then, step by step, the scene's
// changes. The event loop runs on a manual clock, so no timer ticks and every render of a
// scene is the same; "wait" steps move that clock.
#pragma once

#include <memory>
#include <optional>

#include <nlohmann/json.hpp>

#include "container_render.h"
#include "headless/headless_host.h"
#include "imaging/dib32.h"
#include "platform/event_loop.h"
#include "scene.h"
#include "wayband/form_file.h"
#include "wayband/wayband_control.h"
#include "window_image.h"

namespace wayband::render_tool {

class SceneRenderer {
 public:
  // Chooses the scene's desktop preset for the process, then creates the control, shown,
  // and sets the scene up. Throws SceneError when the control refuses a value.
  SceneRenderer(const Scene& scene, const SceneReader& reader, Warn warn);
  ~SceneRenderer();
  SceneRenderer(const SceneRenderer&) = delete;
  SceneRenderer& operator=(const SceneRenderer&) = delete;

  void Apply(const Step& step);
  // What the screen shows: the control's windows, a tooltip that is up, and after an
  // "options" step the dialog as it was just before it closed.
  imaging::CDib32 Render();
  WaybandInspection Inspect() const { return control_->Inspect(); }
  // The events the control raised since the last call, oldest first, and forgets them.
  nlohmann::ordered_json TakeEvents();
  Wayband& Control() { return *control_; }
  // The form the control was loaded from (empty for a new control) with the control's
  // properties as they are now under its name.
  Form SavedForm() const;

 private:
  // Reads the scene's form file; false when it holds no bar control.
  bool LoadForm();
  void LoadIcons();
  void Mouse(const MouseStep& step);
  void ShowOptions(const std::vector<headless::DialogAction>& actions);
  void AddPanel(const PanelScene& panel);
  // Assigns each value through the interface description.
  template <typename Object>
  void Assign(Object& object, const std::vector<Assignment>& assignments);

  const Scene& scene_;
  const SceneReader& reader_;
  Warn warn_;
  platform::EventLoop loop_;
  headless::HeadlessHost host_;
  host::WindowHandle form_;
  headless::HeadlessSite* site_;
  std::unique_ptr<Wayband> control_;
  Placeholders placeholders_;
  // The containers of the panels, destroyed before the host.
  std::vector<ContainerInstance> containers_;
  // The dialog the last step showed, as it was just before it closed.
  std::optional<headless::DialogSnapshot> dialog_;
  // What the control's windows showed at that moment.
  std::optional<imaging::CDib32> dialogBackdrop_;
  Form storedForm_;
};

}  // namespace wayband::render_tool
