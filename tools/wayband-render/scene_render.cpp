#include "scene_render.h"

#include "platform/desktop_presets.h"

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
  }
}

imaging::CDib32 SceneRenderer::Render() {
  return ComposeWindowImage(*control_, host_, placeholders_);
}

}  // namespace wayband::render_tool
