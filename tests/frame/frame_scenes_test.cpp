// Scenes of the whole control as it shows on screen, written as PNG files for looking at
// when WAYBAND_FRAME_SCENES names a directory (skipped otherwise).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "frame_fixture.h"
#include "platform/system_colors.h"

namespace wayband::testing {
namespace {

struct Scene {
  const char* name;
  std::string_view preset;
  void (*setUp)(Wayband& bar);
};

constexpr uint32_t kSteelBlue = 0xB48246;  // RGB(70, 130, 180)

const Scene kScenes[] = {
    {"styled_blue", platform::kPresetStyledNormalColor, [](Wayband&) {}},
    {"plain_classic", "Windows Standard", [](Wayband&) {}},
    {"high_contrast", "High Contrast Black", [](Wayband&) {}},
    {"back_color", platform::kPresetStyledNormalColor,
     [](Wayband& bar) { bar.SetBackColor(kSteelBlue); }},
    {"toolbar_on_top", platform::kPresetStyledNormalColor,
     [](Wayband& bar) { bar.SetToolbarOnTop(true); }},
    {"disabled", platform::kPresetStyledNormalColor, [](Wayband& bar) { bar.SetEnabled(false); }},
};

class FrameScene : public FrameFixture, public ::testing::WithParamInterface<Scene> {
 protected:
  FrameScene() : FrameFixture(GetParam().preset) {}
};

TEST_P(FrameScene, WritesThePng) {
  const char* directory = std::getenv("WAYBAND_FRAME_SCENES");
  if (directory == nullptr) GTEST_SKIP() << "set WAYBAND_FRAME_SCENES to a directory";
  static constexpr platform::ColorRef kColors[] = {
      platform::RGB(220, 60, 50),  platform::RGB(40, 150, 70),  platform::RGB(40, 90, 200),
      platform::RGB(230, 160, 30), platform::RGB(140, 60, 170), platform::RGB(30, 160, 170)};
  for (int i = 0; i < 6; ++i) {
    Core().MutableState().Icons.Add(MakeDiscIcon("I" + std::to_string(i + 1), kColors[i]));
  }
  AddPanels(6, 3);
  for (int i = 1; i <= 6; ++i)
    bar->WaybandPanels().Item(i)->SetIconKey("I" + std::to_string(i));
  Select(2);
  GetParam().setUp(*bar);
  Core().MutableState().HoverIndex = 3;
  Refresh();
  const std::filesystem::path path =
      std::filesystem::path(directory) / (std::string(GetParam().name) + ".png");
  EXPECT_TRUE(WritePng(ComposeScreen(host, site->hWnd()), path)) << path;

  // The same control without panels.
  bar->WaybandPanels().Clear();
  EXPECT_TRUE(
      WritePng(ComposeScreen(host, site->hWnd()),
               std::filesystem::path(directory) / (std::string(GetParam().name) + "_empty.png")));
}

INSTANTIATE_TEST_SUITE_P(Looks, FrameScene, ::testing::ValuesIn(kScenes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wayband::testing
