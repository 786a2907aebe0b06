// wayband-render end to end, in process: wrong scenes name their file and line and exit
// with 2; a scene renders PNGs of the control's size, one more per step, and missing icon
// and picture files only warn; --state writes the snapshot.
#include <png.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/paint_caches.h"
#include "render_tool.h"

namespace wayband::render_tool {
namespace {

namespace fs = std::filesystem;

class RenderTool : public ::testing::Test {
 protected:
  // A folder of this process's own: ctest runs the tests as processes side by side.
  RenderTool()
      : dir_(fs::path(::testing::TempDir()) / ("wayband-render-" + std::to_string(getpid()))) {
    fs::create_directories(dir_);
  }
  ~RenderTool() override { fs::remove_all(dir_); }
  fs::path Write(const std::string& text) {
    std::ofstream(dir_ / "scene.json") << text;
    return dir_ / "scene.json";
  }
  int Run(std::vector<std::string> args) {
    std::vector<std::string_view> views(args.begin(), args.end());
    out_.str("");
    err_.str("");
    return RunRenderTool(views, out_, err_);
  }
  bool Warned(const std::string& text) const { return err_.str().find(text) != std::string::npos; }
  // The RGB pixels of a PNG file, rows from the top, and its size; empty when unreadable.
  struct Png {
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> rgb;
    uint32_t At(int x, int y) const {
      const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + static_cast<size_t>(x)) * 3];
      return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    }
  };
  static Png ReadPng(const fs::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    Png png;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return png;
    image.format = PNG_FORMAT_RGB;
    png.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, png.rgb.data(), 0, nullptr)) return Png{};
    png.width = image.width;
    png.height = image.height;
    return png;
  }

  fs::path dir_;
  std::ostringstream out_, err_;
};

struct BadScene {
  const char* name;
  const char* text;
  int line;
  const char* message;
};

// Nesting far deeper than any scene needs.
const std::string kDeepScene = std::string(100, '[') + std::string(100, ']');

class RenderToolBadScene : public RenderTool, public ::testing::WithParamInterface<BadScene> {};

TEST_P(RenderToolBadScene, NamesFileLineAndProblemAndExitsWith2) {
  const BadScene c = GetParam();
  const fs::path scene = Write(c.text);
  EXPECT_EQ(Run({scene.string(), (dir_ / "out.png").string()}), kExitBadInput);
  EXPECT_TRUE(Warned(scene.string() + ":" + std::to_string(c.line) + ":")) << err_.str();
  EXPECT_TRUE(Warned(c.message)) << err_.str();
  EXPECT_FALSE(fs::exists(dir_ / "out.png"));
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, RenderToolBadScene,
    ::testing::Values(
        BadScene{"Syntax", "{\n  \"size\": {\"width\": 10,\n  }\n}\n", 3, "syntax error"},
        BadScene{"TooDeep", kDeepScene.c_str(), 1, "nested more than 64 deep"},
        BadScene{"DuplicateKey", "{\n \"userMode\": true,\n \"userMode\": false\n}", 3,
                 "given twice"},
        BadScene{"UnknownTopKey", "{\n  \"size\": {},\n  \"colour\": 1\n}", 3,
                 "unknown key \"colour\""},
        BadScene{"UnknownProperty", "{\"properties\": {\n \"Center\": true,\n \"Centre\": true}}",
                 3, "\"Centre\" is not a property of _Wayband"},
        BadScene{"WrongType", "{\"properties\": {\n\n \"BarsToShow\": \"many\"}}", 3,
                 "BarsToShow must be a whole number"},
        BadScene{"BadColour", "{\"properties\": {\"BackColor\":\n \"#12345\"}}", 1,
                 "BackColor must be a colour"},
        BadScene{"ReadOnly", "{\"properties\": {\"hwnd\": 5}}", 1, "hwnd is read-only"},
        BadScene{"FontKey",
                 "{\"properties\": {\"Font\": {\n \"name\": \"Tahoma\",\n \"colour\": 1}}}", 3,
                 "unknown key \"colour\" in a font"},
        BadScene{"UnknownDesktop", "{\n\"desktop\": \"Lunar\"}", 2, "unknown desktop \"Lunar\""},
        BadScene{"SizeRange", "{\"size\": {\n\"width\": 0}}", 2, "width must be from 1 to 4096"},
        BadScene{"PanelProperty", "{\"panels\": [\n {\"key\": \"a\"},\n {\"BackColour1\": 1}]}", 3,
                 "\"BackColour1\" is not a property of _ShortcutPanel"},
        BadScene{"DuplicatePanelKey", "{\"panels\": [{\"key\": \"a\"},\n {\"key\": \"a\"}]}", 2,
                 "used by an earlier panel"},
        BadScene{"HoverStep", "{\"steps\": [\n {\"resize\": {}},\n {\"hover\": 1}]}", 3,
                 "a mouse step must be an object"},
        BadScene{"SelectUnknown",
                 "{\"panels\": [{\"key\": \"a\"}],\n \"steps\": [{\"select\": \"b\"}]}", 2,
                 "no panel has the key \"b\""},
        BadScene{"DesktopStep", "{\"steps\": [\n {\"desktop\": \"Lunar\"}]}", 2,
                 "unknown desktop \"Lunar\""},
        BadScene{"SizeMoveStep", "{\"steps\": [\n {\"sizeMove\": false}]}", 2, "takes true"},
        BadScene{"ContainerProperty",
                 "{\"panels\": [{\"container\": {\"properties\": {\n \"Colour\": 1}}}]}", 2,
                 "\"Colour\" is not a property of _NorvaleContainer"},
        BadScene{"PageAction", "{\"iconPage\": {\"actions\": [\n{\"type\": \"a\"}]}}", 2,
                 "unknown action \"type\""},
        BadScene{"PageWay", "{\"iconPage\": {\"actions\": [\n{\"page\": \"up\"}]}}", 2,
                 "page is \"next\" or \"previous\""},
        BadScene{"PageEdits", "{\"iconPage\": {\n\"edits\": \"Form\"}}", 2,
                 "edits must be \"Wayband\""},
        BadScene{"PageAndSize", "{\"iconPage\": {},\n\"size\": {}}", 2,
                 "unknown key \"size\" in an icon-page scene"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RenderTool, APageSceneRendersThePageBeforeAndAfterEachAction) {
  const fs::path ico =
      fs::path(__FILE__).parent_path() / ".." / ".." / "examples" / "assets" / "mail.ico";
  const fs::path scene = Write(R"({"iconPage": {"edits": "InternalAlphaImg", "actions": [
      {"browse": {"file": ")" + ico.string() +
                               R"(", "key": "mail"}},
      {"clickPreview": 10}, {"click": "cmdDeleteIcon"}]}})");
  ASSERT_EQ(Run({"--state", (dir_ / "s.json").string(), scene.string(), (dir_ / "p.png").string()}),
            kExitRendered)
      << err_.str();
  std::vector<Png> pages;
  for (const char* name : {"p.png", "p-1.png", "p-2.png", "p-3.png"}) {
    pages.push_back(ReadPng(dir_ / name));
    EXPECT_EQ(std::tie(pages.back().width, pages.back().height), std::tuple(369u, 240u)) << name;
  }
  EXPECT_NE(pages[1].rgb, pages[0].rgb);  // the icon
  EXPECT_NE(pages[2].rgb, pages[1].rgb);  // its selection
  const auto state = [&](const char* name) {
    return nlohmann::json::parse(std::ifstream(dir_ / name));
  };
  EXPECT_EQ(state("s-2.json")["selectedKey"], "mail");
  EXPECT_EQ(state("s-2.json")["icons"], nlohmann::json::array({"mail"}));
  EXPECT_EQ(state("s-3.json")["icons"], nlohmann::json::array());
}

TEST_F(RenderTool, AMissingSceneAndBadCommandLinesExitWith2) {
  EXPECT_EQ(Run({(dir_ / "none.json").string(), (dir_ / "out.png").string()}), kExitBadInput);
  EXPECT_TRUE(Warned("none.json: cannot read the scene file"));
  for (const auto& args : {std::vector<std::string>{"only-one.json"},
                           {"--frames", "a.json", "b.png"},
                           {"a.json", "b.png", "--state"}}) {
    EXPECT_EQ(Run(args), kExitBadInput) << args[0];
  }
}

// One PNG at the control's size and one more per step; missing icon and picture files
// only warn.
TEST_F(RenderTool, RendersOnePngAtTheControlsSizeAndOneMorePerStep) {
  const fs::path scene = Write(R"({
    "size": {"width": 180, "height": 360},
    "icons": [{"key": "mail", "file": "no-such.ico"}],
    "panels": [{"key": "a", "caption": "A", "control": {"label": "View A"}, "selected": true},
               {"key": "b", "caption": "B", "iconKey": "mail"}],
    "properties": {"BarsToShow": 2, "AutoHide": false, "BackgroundPicture": "no-such.bmp"},
    "steps": [{"resize": {"width": 220, "height": 300}}, {"set": {"ToolbarOnTop": true}}]
  })");
  ASSERT_EQ(Run({scene.string(), (dir_ / "scene.png").string()}), kExitRendered) << err_.str();
  EXPECT_TRUE(Warned(scene.string() + ":3: icon file")) << err_.str();
  EXPECT_TRUE(Warned(scene.string() + ":6: picture file")) << err_.str();
  for (const auto& [file, width, height] : {std::tuple{"scene.png", 180u, 360u},
                                            {"scene-1.png", 220u, 300u},
                                            {"scene-2.png", 220u, 300u}}) {
    const Png png = ReadPng(dir_ / file);
    EXPECT_EQ(std::make_pair(png.width, png.height), std::make_pair(width, height)) << file;
  }
  EXPECT_FALSE(fs::exists(dir_ / "scene-3.png"));
}

// The snapshot beside the PNG; the selected panel's child control is drawn as its
// placeholder where the host placed it, and the splitter strip shows what was painted into
// its window.
TEST_F(RenderTool, StateWritesTheSnapshotAndChildControlsAndStripsAreComposedAtTheirWindows) {
  const fs::path scene = Write(R"({
    "desktop": "Windows Standard",
    "panels": [{"key": "a", "caption": "Mail", "selected": true,
                "control": {"label": "", "color": "#00FF00"}},
               {"key": "b", "caption": "Notes"}, {"key": "c", "caption": "Tasks", "Visible": false}],
    "properties": {"BarsToShow": 2, "AutoHide": false, "BackColor": "#FF0000"}
  })");
  const fs::path state = dir_ / "state.json";
  ASSERT_EQ(Run({"--state", state.string(), scene.string(), (dir_ / "out.png").string()}),
            kExitRendered)
      << err_.str();
  const auto json = nlohmann::json::parse(std::ifstream(state));
  for (const char* field : {"BarsTop", "MaxBars", "SelectedIndex", "completedFramePasses"})
    EXPECT_TRUE(json.contains(field)) << field;
  EXPECT_EQ(json["BarsToShow"], 2);
  EXPECT_EQ(json["SchemePalette"].size(), 44u);
  ASSERT_EQ(json["panels"].size(), 3u);
  EXPECT_EQ(json["panels"][1]["sCaption"], "Notes");
  EXPECT_EQ(json["panels"][2]["bVisible"], false);
  EXPECT_EQ(json["panels"][1]["rcItem"]["top"].get<int>(), json["BarsTop"].get<int>() + 32);
  EXPECT_EQ(json["ctlToolbar"]["pixels"]["right"], 200);
  const Png png = ReadPng(dir_ / "out.png");
  ASSERT_FALSE(png.rgb.empty());
  const auto& child = json["containedControls"][0]["geometry"]["pixels"];
  const int cx = (child["left"].get<int>() + child["right"].get<int>()) / 2;
  const int cy = (child["top"].get<int>() + child["bottom"].get<int>()) / 2;
  EXPECT_EQ(png.At(cx, cy), 0x00FF00u);
  EXPECT_NE(png.At(cx, child["bottom"].get<int>() + 1), 0x00FF00u);
  // The splitter is painted from BackColor darkened: red, never the empty black.
  const auto& split = json["ctlSplitBar"]["pixels"];
  const uint32_t splitter = png.At(split["left"].get<int>() + 2, split["top"].get<int>() + 1);
  EXPECT_NE(splitter, 0u);
  EXPECT_EQ(splitter & 0x00FFFFu, 0u) << std::hex << splitter;
}

// Every example scene renders cleanly, the dialogs and overlays it shows included.
const fs::path kExamples = fs::path(__FILE__).parent_path() / ".." / ".." / "examples";

std::vector<std::string> ExampleScenes() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kExamples)) {
    if (entry.path().extension() == ".json") names.push_back(entry.path().stem().string());
  }
  std::ranges::sort(names);
  return names;
}

class ExampleScene : public RenderTool, public ::testing::WithParamInterface<std::string> {};

TEST_P(ExampleScene, RendersWithoutErrorsOrWarnings) {
  const fs::path scene = kExamples / (GetParam() + ".json");
  EXPECT_EQ(
      Run({"--state", (dir_ / "state.json").string(), scene.string(), (dir_ / "out.png").string()}),
      0);
  EXPECT_EQ(err_.str(), "");
  EXPECT_GT(ReadPng(dir_ / "out.png").width, 0u);
}

// The paint caches change no pixel: every PNG the scene writes (one per step) has the same
// bytes when it is rendered again with the caches off.
TEST_P(ExampleScene, WritesTheSameBytesWithThePaintCachesOff) {
  const fs::path scene = kExamples / (GetParam() + ".json");
  const auto render = [&](const char* folder) {
    fs::create_directories(dir_ / folder);
    EXPECT_EQ(Run({scene.string(), (dir_ / folder / "out.png").string()}), 0) << folder;
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir_ / folder)) {
      std::ifstream in(entry.path(), std::ios::binary);
      files[entry.path().filename().string()].assign(std::istreambuf_iterator<char>(in), {});
    }
    return files;
  };
  const auto cached = render("cached");
  platform::SetPaintCachesEnabled(false);
  const auto fresh = render("fresh");
  platform::SetPaintCachesEnabled(true);
  EXPECT_FALSE(cached.empty());
  EXPECT_TRUE(cached == fresh);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleScene, ::testing::ValuesIn(ExampleScenes()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::ranges::replace(name, '-', '_');
                           return name;
                         });

// A container in the selected panel shows its bar and placeholder; a desktop step repaints
// the control (loaded at run time, so hooked) and the container in the new scheme.
TEST_F(RenderTool, ContainersFollowADesktopSwitchWhileTheProgramRuns) {
  std::ofstream(dir_ / "plain.form.json")
      << R"({"format": "wayband-form", "version": 1, "controls": [)"
      << R"({"name": "Wayband1", "type": "Wayband", "properties": {}}]})";
  const fs::path scene = Write(R"({"form": "plain.form.json", "desktop": "Windows Standard",
    "panels": [{"key": "a", "caption": "Mail", "selected": true, "container": {
      "caption": "Inbox", "properties": {"AutoSizeControls": true},
      "controls": [{"label": "", "color": "#00FF00"}]}}, {"key": "b", "caption": "B"}],
    "properties": {"BarsToShow": 2, "AutoHide": false},
    "steps": [{"desktop": "High Contrast Black"}]})");
  ASSERT_EQ(Run({scene.string(), (dir_ / "out.png").string()}), kExitRendered) << err_.str();
  const Png before = ReadPng(dir_ / "out.png"), after = ReadPng(dir_ / "out-1.png");
  ASSERT_FALSE(before.rgb.empty() || after.rgb.empty());
  // The panel area starts below the header; the container's bar is its first 19 rows.
  const int barRow = 40, bottomBar = 400 - 40;
  EXPECT_NE(before.At(100, barRow), after.At(100, barRow));
  EXPECT_NE(before.At(100, bottomBar), after.At(100, bottomBar));
  EXPECT_EQ(after.At(100, 150), 0x00FF00u);
}

}  // namespace
}  // namespace wayband::render_tool
