#include "page_scene.h"

#include <memory>

#include "headless/dialog_drawing.h"
#include "platform/desktop_presets.h"
#include "platform/event_loop.h"
#include "scene.h"
#include "wayband/wayband_control.h"

namespace wayband::render_tool {
namespace {

using headless::PageAction;

constexpr const char* kActionKinds =
    "\"typeKey\", \"browse\", \"cancelBrowse\", \"click\", \"page\", \"clickPreview\", "
    "\"deleteAll\", \"apply\" and \"close\"";
// The strip is 5055 twips wide; clicks beyond a generous bound are mistakes.
constexpr int64_t kMaxPreviewX = 4096;

PageScene::Edits ReadEdits(const SceneReader& r, const Field& field) {
  const std::string name = r.String(field, "edits");
  if (name == "Wayband") return PageScene::Edits::kWayband;
  if (name == "InternalAlphaImg") return PageScene::Edits::kInternalAlphaImg;
  if (name == "none") return PageScene::Edits::kNone;
  r.Fail(field,
         "edits must be \"Wayband\", \"InternalAlphaImg\" or \"none\", not \"" + name + "\"");
}

std::vector<PageAction> ReadBrowse(const SceneReader& r, const Field& body,
                                   const std::filesystem::path& directory) {
  std::vector<PageAction> actions;
  std::string file;
  if (body.value.is_object()) {
    r.ExpectOnlyKeys(body, {"file", "key"}, "a browse");
    const auto fileField = r.Member(body, "file");
    if (!fileField) r.Fail(body, "a browse needs a \"file\"");
    file = r.String(*fileField, "the file to browse to");
    if (auto key = r.Member(body, "key"))
      actions.push_back({PageAction::Kind::kTypeKey, r.String(*key, "the key"), 0, true});
  } else {
    file = r.String(body, "the file to browse to");
  }
  actions.push_back({PageAction::Kind::kBrowse, (directory / file).string(), 0, true});
  return actions;
}

std::vector<PageAction> ReadAction(const SceneReader& r, const Field& field,
                                   const std::filesystem::path& directory) {
  r.ExpectObject(field, "an action");
  if (field.value.size() != 1) r.Fail(field, "an action has one key: " + std::string(kActionKinds));
  const std::string kind = field.value.begin().key();
  const Field body = *r.Member(field, kind);
  if (kind == "browse") return ReadBrowse(r, body, directory);
  if (kind == "typeKey") return {{PageAction::Kind::kTypeKey, r.String(body, "the key"), 0, true}};
  if (kind == "click") return {{PageAction::Kind::kClick, r.String(body, "the button"), 0, true}};
  if (kind == "page") {
    const std::string way = r.String(body, "page");
    if (way != "next" && way != "previous") r.Fail(body, "page is \"next\" or \"previous\"");
    return {{PageAction::Kind::kClick,
             way == "next" ? proppage::kCmdNavNext : proppage::kCmdNavPrevious, 0, true}};
  }
  if (kind == "clickPreview") {
    const auto x = static_cast<int32_t>(r.Integer(body, "clickPreview", 0, kMaxPreviewX));
    return {{PageAction::Kind::kClickPreview, "", x, true}};
  }
  if (kind == "deleteAll")
    return {{PageAction::Kind::kDeleteAll, "", 0, r.Boolean(body, "deleteAll")}};
  const std::pair<const char*, PageAction::Kind> flags[] = {
      {"cancelBrowse", PageAction::Kind::kCancelBrowse},
      {"apply", PageAction::Kind::kApply},
      {"close", PageAction::Kind::kClose}};
  for (const auto& [name, actionKind] : flags) {
    if (kind != name) continue;
    if (!r.Boolean(body, name)) return {};
    return {{actionKind, "", 0, true}};
  }
  r.Fail(field, "unknown action \"" + kind + "\"; actions are " + kActionKinds);
}

}  // namespace

bool IsPageScene(const SceneReader& reader) {
  const Field root = reader.Root();
  return root.value.is_object() && reader.Member(root, "iconPage").has_value();
}

PageScene ReadPageScene(const SceneReader& reader, const std::filesystem::path& sceneDirectory) {
  const Field root = reader.Root();
  reader.ExpectOnlyKeys(root, {"iconPage"}, "an icon-page scene");
  const Field page = *reader.Member(root, "iconPage");
  reader.ExpectObject(page, "iconPage");
  reader.ExpectOnlyKeys(page, {"desktop", "twipsPerPixel", "edits", "actions"}, "iconPage");
  PageScene scene;
  scene.desktop = ReadDesktop(reader, page);
  scene.twipsPerPixel = ReadTwipsPerPixel(reader, page);
  if (auto edits = reader.Member(page, "edits")) scene.edits = ReadEdits(reader, *edits);
  if (auto actions = reader.Member(page, "actions")) {
    reader.ExpectArray(*actions, "actions");
    for (size_t i = 0; i < actions->value.size(); ++i)
      scene.actions.push_back(ReadAction(reader, reader.Element(*actions, i), sceneDirectory));
  }
  return scene;
}

struct PageRenderer::Parts {
  explicit Parts(const PageScene& scene)
      : twipsPerPixel(scene.twipsPerPixel),
        loop(std::make_unique<platform::ManualClock>()),
        host(Settings(scene)),
        designer(host) {}

  static headless::HostSettings Settings(const PageScene& scene) {
    // The desktop must be chosen before the edited control reads its colour scheme.
    platform::SetCurrentDesktop(*platform::FindDesktopPreset(scene.desktop));
    headless::HostSettings settings;
    settings.twipsPerPixelX = settings.twipsPerPixelY = scene.twipsPerPixel;
    settings.userMode = false;  // a form designer
    return settings;
  }

  double twipsPerPixel;
  platform::EventLoop loop;
  headless::HeadlessHost host;
  std::unique_ptr<Wayband> bar;
  std::shared_ptr<proppage::InternalAlphaImg> holder;
  headless::IconPageDesigner designer;
};

PageRenderer::PageRenderer(const PageScene& scene) : parts_(std::make_unique<Parts>(scene)) {
  Parts& p = *parts_;
  switch (scene.edits) {
    case PageScene::Edits::kWayband: {
      const host::WindowHandle form = p.host.CreateForm("Form1", {0, 0, 240, 400});
      p.bar = std::make_unique<Wayband>(*p.host.AddSite(form, "Wayband1", 0, 0, 3000, 6000));
      p.bar->InitProperties();
      p.designer.Select(p.bar.get());
      break;
    }
    case PageScene::Edits::kInternalAlphaImg:
      p.holder = std::make_shared<proppage::InternalAlphaImg>();
      p.designer.Select(p.holder);
      break;
    case PageScene::Edits::kNone:
      p.designer.Select(std::monostate{});
      break;
  }
}

PageRenderer::~PageRenderer() {
  parts_.reset();
  platform::SetCurrentDesktop(platform::DefaultDesktopState());
}

void PageRenderer::Apply(const std::vector<headless::PageAction>& actions) {
  for (const PageAction& action : actions)
    parts_->designer.Perform(action);
}

imaging::CDib32 PageRenderer::Render() const {
  const headless::DialogSnapshot page = parts_->designer.Snapshot();
  const double tpp = parts_->twipsPerPixel;
  const platform::Size size = headless::DialogClientSize(page, tpp, tpp);
  imaging::CDib32 image;
  if (!image.Create(size.cx, size.cy)) return image;
  headless::DrawDialogClient(*image.hDC(), page, {0, 0}, tpp, tpp);
  return image;
}

}  // namespace wayband::render_tool

namespace wayband::render_tool {

nlohmann::ordered_json PageRenderer::State() const {
  const proppage::prpImage& page = parts_->designer.Page();
  nlohmann::ordered_json json;
  json["page"] = page.Page();
  json["selectedX"] = page.SelectedX();
  json["selectedKey"] = page.SelectedKey();
  json["keyText"] = page.KeyText();
  json["deleteAllPending"] = page.DeleteAllPending();
  json["changesMarked"] = parts_->designer.ChangesMarked();
  nlohmann::ordered_json enabled = nlohmann::ordered_json::object();
  for (const host::DialogItem& item : page.Items()) {
    if (item.kind == host::DialogItemKind::kButton)
      enabled[item.name] = page.ItemEnabled(item.name);
  }
  json["enabled"] = std::move(enabled);
  nlohmann::ordered_json keys = nlohmann::ordered_json::array();
  if (const proppage::IconHolder* edited = page.Edited(); edited && edited->Icons()) {
    for (const imaging::CIconBytes& icon : edited->Icons()->Items())
      keys.push_back(icon.Key());
  }
  json["icons"] = std::move(keys);
  return json;
}

}  // namespace wayband::render_tool
