// wayband-render end to end, in process: wrong scenes name their file and line and exit
// with 2; a scene renders PNGs of the control's size, one more per step; --state writes
// the snapshot; missing icon and picture files only warn.
#include <png.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "render_tool.h"

namespace wayband::render_tool {
namespace {

namespace fs = std::filesystem;

class RenderTool : public ::testing::Test {
 protected:
  RenderTool() : dir_(fs::path(::testing::TempDir()) / UniqueName()) {
    fs::create_directories(dir_);
  }
  ~RenderTool() override { fs::remove_all(dir_); }

  static std::string UniqueName() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name =
        std::string("wayband-render-") + test->test_suite_name() + "-" + test->name();
    for (char& c : name)
      if (c == '/') c = '_';
    return name;
  }

  fs::path Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name) << text;
    return dir_ / name;
  }

  int Run(std::vector<std::string> args) {
    std::vector<std::string_view> views(args.begin(), args.end());
    out_.str("");
    err_.str("");
    return RunRenderTool(views, out_, err_);
  }

  // Width and height of a PNG file, or (0, 0).
  static std::pair<uint32_t, uint32_t> PngSize(const fs::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {0, 0};
    const std::pair size{image.width, image.height};
    png_image_free(&image);
    return size;
  }

  // The RGB pixels of a PNG file, rows from the top; empty when it cannot be read.
  static std::vector<uint8_t> PngRgb(const fs::path& path, uint32_t* width) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) pixels.clear();
    *width = image.width;
    return pixels;
  }

  fs::path dir_;
  std::ostringstream out_;
  std::ostringstream err_;
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
  const fs::path scene = Write("scene.json", c.text);
  EXPECT_EQ(Run({scene.string(), (dir_ / "out.png").string()}), kExitBadInput);
  const std::string err = err_.str();
  EXPECT_NE(err.find(scene.string() + ":" + std::to_string(c.line) + ":"), std::string::npos)
      << err;
  EXPECT_NE(err.find(c.message), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(dir_ / "out.png"));
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, RenderToolBadScene,
    ::testing::Values(
        BadScene{"Syntax", "{\n  \"size\": {\"width\": 10,\n  }\n}\n", 3, "syntax error"},
        BadScene{"Truncated", "{\n  \"panels\": [\n", 3, "unexpected end of input"},
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
                 "no panel has the key \"b\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RenderTool, MissingSceneAndBadCommandLinesExitWith2) {
  EXPECT_EQ(Run({(dir_ / "none.json").string(), (dir_ / "out.png").string()}), kExitBadInput);
  EXPECT_NE(err_.str().find("none.json: cannot read the scene file"), std::string::npos);
  EXPECT_EQ(Run({"only-one.json"}), kExitBadInput);
  EXPECT_EQ(Run({"--frames", "a.json", "b.png"}), kExitBadInput);
  EXPECT_EQ(Run({"a.json", "b.png", "--state"}), kExitBadInput);
}

TEST_F(RenderTool, RendersOnePngAtTheControlsSizeAndOneMorePerStep) {
  const fs::path scene = Write("scene.json", R"({
    "size": {"width": 180, "height": 360},
    "panels": [{"key": "a", "caption": "A", "control": {"label": "View A"}, "selected": true},
               {"key": "b", "caption": "B"}],
    "properties": {"BarsToShow": 2, "AutoHide": false},
    "steps": [{"resize": {"width": 220, "height": 300}}, {"set": {"ToolbarOnTop": true}}]
  })");
  const fs::path out = dir_ / "scene.png";
  ASSERT_EQ(Run({scene.string(), out.string()}), kExitRendered) << err_.str();
  EXPECT_EQ(PngSize(out), (std::pair<uint32_t, uint32_t>{180, 360}));
  EXPECT_EQ(PngSize(dir_ / "scene-1.png"), (std::pair<uint32_t, uint32_t>{220, 300}));
  EXPECT_EQ(PngSize(dir_ / "scene-2.png"), (std::pair<uint32_t, uint32_t>{220, 300}));
  EXPECT_FALSE(fs::exists(dir_ / "scene-3.png"));
}

TEST_F(RenderTool, StateWritesTheSnapshotBesideThePng) {
  const fs::path scene = Write("scene.json", R"({
    "desktop": "Windows Standard",
    "panels": [{"key": "a", "caption": "Mail"}, {"key": "b", "caption": "Notes"},
               {"key": "c", "caption": "Tasks", "Visible": false}],
    "properties": {"BarsToShow": 2, "AutoHide": false, "BackColor": "#336699"}
  })");
  const fs::path state = dir_ / "state.json";
  ASSERT_EQ(Run({"--state", state.string(), scene.string(), (dir_ / "s.png").string()}),
            kExitRendered)
      << err_.str();
  const auto json = nlohmann::json::parse(std::ifstream(state));
  for (const char* field :
       {"BarsTop", "MaxBars", "PreferredBarCount", "SelectedIndex", "HoverIndex", "PressedIndex",
        "SplitterDragging", "LastSplitterTop", "BarPadding", "UserMode", "PollingNeeded",
        "ToolbarDirty", "AnimationEnabled", "completedFramePasses", "ctlToolbar", "ctlSplitBar",
        "containedControls"}) {
    EXPECT_TRUE(json.contains(field)) << field;
  }
  EXPECT_EQ(json["BarsToShow"], 2);
  EXPECT_EQ(json["SchemePalette"].size(), 44u);
  ASSERT_EQ(json["panels"].size(), 3u);
  EXPECT_EQ(json["panels"][1]["sCaption"], "Notes");
  EXPECT_EQ(json["panels"][2]["bVisible"], false);
  EXPECT_EQ(json["panels"][1]["rcItem"]["top"].get<int>(), json["BarsTop"].get<int>() + 32);
  EXPECT_EQ(json["ctlToolbar"]["pixels"]["right"], 200);
}

// The selected panel's child control is drawn as its placeholder where the host placed
// it, and the splitter strip shows what was painted into its window.
TEST_F(RenderTool, ChildControlsAndStripsAreComposedAtTheirWindows) {
  const fs::path scene = Write("scene.json", R"({
    "panels": [{"key": "a", "caption": "A", "selected": true,
                "control": {"label": "", "color": "#00FF00"}}, {"key": "b"}],
    "properties": {"BarsToShow": 2, "AutoHide": false, "BackColor": "#FF0000"}
  })");
  const fs::path state = dir_ / "state.json";
  ASSERT_EQ(Run({"--state", state.string(), scene.string(), (dir_ / "out.png").string()}),
            kExitRendered);
  uint32_t width = 0;
  const std::vector<uint8_t> rgb = PngRgb(dir_ / "out.png", &width);
  ASSERT_FALSE(rgb.empty());
  const auto at = [&](int x, int y) {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + static_cast<size_t>(x)) * 3];
    return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
  };
  const auto json = nlohmann::json::parse(std::ifstream(state));
  const auto& child = json["containedControls"][0]["geometry"]["pixels"];
  const int cx = (child["left"].get<int>() + child["right"].get<int>()) / 2;
  const int cy = (child["top"].get<int>() + child["bottom"].get<int>()) / 2;
  EXPECT_EQ(at(cx, cy), 0x00FF00u);
  EXPECT_NE(at(cx, child["bottom"].get<int>() + 1), 0x00FF00u);
  // The splitter is painted from BackColor darkened: red, never the empty black.
  const auto& split = json["ctlSplitBar"]["pixels"];
  const uint32_t splitter = at(split["left"].get<int>() + 2, split["top"].get<int>() + 1);
  EXPECT_NE(splitter, 0u);
  EXPECT_EQ(splitter & 0x00FFFFu, 0u) << std::hex << splitter;
}

TEST_F(RenderTool, MissingIconAndPictureFilesWarnAndTheRenderGoesOn) {
  const fs::path scene = Write("scene.json", R"({
    "icons": [{"key": "mail", "file": "no-such.ico"}],
    "panels": [{"key": "a", "caption": "A", "iconKey": "mail"}],
    "properties": {
      "BackgroundPicture": "no-such.bmp"}
  })");
  ASSERT_EQ(Run({scene.string(), (dir_ / "out.png").string()}), kExitRendered) << err_.str();
  EXPECT_NE(err_.str().find(scene.string() + ":2: icon file"), std::string::npos) << err_.str();
  EXPECT_NE(err_.str().find(scene.string() + ":5: picture file"), std::string::npos) << err_.str();
  EXPECT_TRUE(fs::exists(dir_ / "out.png"));
}

}  // namespace
}  // namespace wayband::render_tool
