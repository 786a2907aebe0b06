#include "scene_render.h"

#include <chrono>

#include "overlays.h"
#include "platform/desktop_presets.h"
#include "platform/twips.h"

namespace wayband::render_tool {

namespace {

headless::HostSettings SettingsOf(const Scene& scene) {
  headless::HostSettings settings;
  settings.twipsPerPixelX = settings.twipsPerPixelY = scene.twipsPerPixel;
  settings.userMode = scene.userMode;
  return settings;
}

// The desktop must be chosen before the control reads its colour scheme at creation.
const Scene& WithDesktop(const Scene& scene) {
  platform::SetCurrentDesktop(*platform::FindDesktopPreset(scene.desktop));
  return scene;
}

// The control's name on its form, and in form files.
constexpr const char* kFormControlName = "Wayband1";

// The form is a little larger than the control, which sits at its top-left corner.
constexpr int32_t kFormMargin = 16;

}  // namespace

SceneRenderer::SceneRenderer(const Scene& scene, const SceneReader& reader, Warn warn)
    : scene_(WithDesktop(scene)),
      reader_(reader),
      warn_(std::move(warn)),
      loop_(std::make_unique<platform::ManualClock>()),
      host_(SettingsOf(scene)),
      form_(
          host_.CreateForm("Form1", {0, 0, scene.width + kFormMargin, scene.height + kFormMargin})),
      site_(host_.AddSite(form_, kFormControlName, 0, 0, scene.width * scene.twipsPerPixel,
                          scene.height * scene.twipsPerPixel)),
      control_(std::make_unique<Wayband>(*site_)) {
  if (scene.form.empty() || !LoadForm()) control_->InitProperties();
  site_->Show();
  LoadIcons();
  Assign(*control_, scene.initialProperties);
  for (const PanelScene& panel : scene.panels)
    AddPanel(panel);
  Assign(*control_, scene.properties);
}

SceneRenderer::~SceneRenderer() {
  control_.reset();
  containers_.clear();
  platform::SetCurrentDesktop(platform::DefaultDesktopState());
}

bool SceneRenderer::LoadForm() {
  const std::string place = reader_.Place(scene_.formPointer);
  storedForm_ = ReadFormFile(scene_.form, [&](const FormDiagnostic& d) {
    std::string where =
        d.line > 0 ? scene_.form.string() + ":" + std::to_string(d.line) : scene_.form.string();
    if (!d.entry.empty()) where += ": " + d.entry;
    warn_(where + ": " + d.message);
  });
  const FormControl* stored = storedForm_.Find(kFormControlName);
  for (const FormControl& control : storedForm_.controls) {
    if (!stored && control.type == headless::kSiteTypeName) stored = &control;
  }
  if (!stored) {
    warn_(place + ": " + scene_.form.string() + " holds no " + headless::kSiteTypeName +
          " control; the control starts as a new one");
    return false;
  }
  control_->ReadProperties(stored->properties);
  return true;
}

Form SceneRenderer::SavedForm() const {
  Form form = storedForm_;
  control_->WriteProperties(form.Control(kFormControlName, headless::kSiteTypeName).properties);
  return form;
}

void SceneRenderer::LoadIcons() {
  for (const IconScene& icon : scene_.icons) {
    const std::string place = reader_.Place(icon.pointer);
    if (!std::filesystem::is_regular_file(icon.file)) {
      warn_(place + ": icon file " + icon.file.string() + " not found; \"" + icon.key +
            "\" is drawn without it");
      continue;
    }
    std::string file = icon.file.string();
    std::string key = icon.key;
    if (!control_->LoadIconImageFromFile(file, key)) {
      warn_(place + ": icon file " + icon.file.string() + " could not be imported; \"" + icon.key +
            "\" is drawn without it");
    }
  }
}

void SceneRenderer::AddPanel(const PanelScene& panel) {
  const Variant key = panel.key.empty() ? Variant() : Variant(panel.key);
  auto added = control_->WaybandPanels().Add(key, {}, panel.caption, panel.iconKey);
  if (!added) return;  // the scene's keys were checked; nothing else makes Add refuse
  if (panel.control) {
    headless::ControlSpec spec;
    spec.name = "Panel" + std::to_string(added->Index()) + "View";
    auto child = host_.AddControl(form_, spec);
    placeholders_[child->hWnd()] = {panel.control->label, panel.control->color};
    added->SetPanel(child);
  } else if (panel.container) {
    containers_.push_back(BuildContainer(host_, form_,
                                         "Panel" + std::to_string(added->Index()) + "Container",
                                         *panel.container, reader_, warn_, placeholders_));
    added->SetPanel(containers_.back().site->ExtenderRef());
  }
  Assign(*added, panel.properties);
  if (panel.selected) added->SetSelected(true);
}

template <typename Object>
void SceneRenderer::Assign(Object& object, const std::vector<Assignment>& assignments) {
  for (const Assignment& assignment : assignments) {
    if (!PutProperty(object, assignment.name, assignment.value)) {
      reader_.FailAt(assignment.pointer, "the control refused the value of " + assignment.name);
    }
  }
}

void SceneRenderer::Apply(const Step& step) {
  dialog_.reset();
  dialogBackdrop_.reset();
  switch (step.kind) {
    case Step::Kind::kResize:
      site_->Resize(step.width * scene_.twipsPerPixel, step.height * scene_.twipsPerPixel);
      break;
    case Step::Kind::kSet:
      Assign(*control_, step.properties);
      break;
    case Step::Kind::kSelect:
      if (auto panel = control_->WaybandPanels().Item(step.panelKey)) panel->SetSelected(true);
      break;
    case Step::Kind::kMouse:
      Mouse(step.mouse);
      break;
    case Step::Kind::kWait:
      loop_.AdvanceClock(std::chrono::milliseconds(step.milliseconds));
      break;
    case Step::Kind::kOptions:
      ShowOptions(step.dialogActions);
      break;
    case Step::Kind::kDesktop:
      if (step.desktop.action == DesktopStep::Action::kSizeMove) {
        host_.StartSizeMove(form_);
      } else {
        // The forms hear of the switch as the system would tell them.
        platform::SetCurrentDesktop(*platform::FindDesktopPreset(step.desktop.preset));
      }
      break;
  }
}

void SceneRenderer::Mouse(const MouseStep& step) {
  host::WindowHandle window = control_->hwnd();
  if (step.on != MouseStep::Window::kControl) {
    const char* name = step.on == MouseStep::Window::kToolbar ? "ctlToolbar" : "ctlSplitBar";
    if (const headless::HeadlessStrip* strip = site_->Strip(name)) window = strip->hWnd();
  }
  const platform::Rect rect = host_.Windows().GetWindowRect(window);
  const auto at = [&](int64_t x, int64_t y) {
    return platform::Point{platform::ClampToLong(rect.left + x),
                           platform::ClampToLong(rect.top + y)};
  };
  using Action = MouseStep::Action;
  const platform::Point from = at(step.x, step.y);
  switch (step.action) {
    case Action::kHover:
      host_.MouseMove(from, step.button);
      break;
    case Action::kPress:
      host_.MouseDown(from, step.button);
      break;
    case Action::kRelease:
      host_.MouseUp(from, step.button);
      break;
    case Action::kClick:
      host_.MouseDown(from, step.button);
      host_.MouseUp(from, step.button);
      break;
    case Action::kDrag: {
      host_.MouseDown(from, step.button);
      platform::Point to = from;
      for (int32_t i = 1; i <= step.moves; ++i) {
        to = at(step.x + (int64_t{step.toX} - step.x) * i / step.moves,
                step.y + (int64_t{step.toY} - step.y) * i / step.moves);
        host_.MouseMove(to, step.button);
      }
      host_.MouseUp(to, step.button);
      break;
    }
  }
}

void SceneRenderer::ShowOptions(const std::vector<headless::DialogAction>& actions) {
  headless::DialogHost& dialogs = host_.Dialogs();
  dialogs.Clear();
  dialogs.SetScript(actions);
  dialogs.SetCloseObserver([this](const headless::DialogSnapshot&) {
    dialogBackdrop_ = ComposeWindowImage(*control_, host_, placeholders_);
  });
  control_->ShowNavigationOptions();
  dialogs.SetCloseObserver(nullptr);
  if (!dialogs.Shown().empty()) dialog_ = dialogs.Shown().back();
}

nlohmann::ordered_json SceneRenderer::TakeEvents() {
  nlohmann::ordered_json events = nlohmann::ordered_json::array();
  for (const headless::EventRecord& event : host_.Record().events) {
    nlohmann::ordered_json entry{{"name", event.name}};
    for (const Variant& arg : event.args) {
      if (const auto* panel = arg.Get<Variant::PanelRef>(); panel && *panel) {
        entry["panel"] = {{"Index", (*panel)->Index()},
                          {"Key", (*panel)->Key()},
                          {"Caption", (*panel)->Caption()}};
      } else if (const auto flag = arg.ToBoolean()) {
        entry["bEnd"] = *flag;
      }
    }
    events.push_back(std::move(entry));
  }
  host_.Record().Clear();
  return events;
}

imaging::CDib32 SceneRenderer::Render() {
  imaging::CDib32 image = dialogBackdrop_ ? std::move(*dialogBackdrop_)
                                          : ComposeWindowImage(*control_, host_, placeholders_);
  dialogBackdrop_.reset();
  return WithOverlays(std::move(image), host_.Windows().GetWindowRect(control_->hwnd()),
                      host_.Tips().Current(), dialog_ ? &*dialog_ : nullptr, scene_.twipsPerPixel);
}

}  // namespace wayband::render_tool
