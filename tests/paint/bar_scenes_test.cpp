// Whole controls painted in the looks a user meets: the styled, plain and high-contrast
// looks with bars in every state, host colours, right-to-left and centred captions, a
// disabled control and toolbar buttons. With WAYBAND_BAR_SCENES set to a folder, the
// scenes are written there side by side as bar_scenes.png (twice enlarged) for looking at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/control_fixture.h"
#include "paint_support.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "render/paint/bar_colors.h"
#include "render/scheme/scheme_update.h"

namespace wayband::testing {
namespace {

class BarScenes : public ControlFixture {
 protected:
  ~BarScenes() override { platform::SetCurrentDesktop(saved_); }

 private:
  platform::DesktopState saved_ = platform::CurrentDesktop().State();
};

TEST_F(BarScenes, LooksHostColoursAlignmentsAndButtons) {
  // Seven panels: four large bars (selected, hot, pressed, normal) and three buttons.
  const std::pair<const char*, platform::ColorRef> panels[] = {
      {"Mail", platform::RGB(220, 60, 40)},
      {"Calendar", platform::RGB(40, 150, 60)},
      {"Contacts with a very long caption", platform::RGB(50, 90, 220)},
      {"Tasks", platform::RGB(230, 170, 20)},
      {"Notes", platform::RGB(150, 60, 190)},
      {"Folders", platform::RGB(20, 170, 180)},
      {"Shortcuts", platform::RGB(120, 120, 120)}};
  for (const auto& [caption, colour] : panels) {
    const std::string key = "icon" + std::to_string(Panels().Count());
    Core().MutableState().Icons.Add(MakeDiscIcon(key, colour));
    Panels().Add("P" + key, {}, caption, key);
  }
  bar->SetBarsToShow(4);
  int32_t hover = 2;
  // The scene on `preset` after `setup` as it is seen: the control's surface with the
  // toolbar strip's surface over its bottom.
  const auto scene = [&](std::string_view preset, const std::function<void()>& setup) {
    platform::SetCurrentDesktop(*platform::FindDesktopPreset(preset));
    render::UpdateColorScheme(Core().MutableState().Palette, State().WindowHandle);
    for (core::PanelRecord& record : Core().MutableState().panels.Records())
      record.iBarImageStale = core::kBarImageStale;
    bar->SetHoverColor(render::kNoColorChosen);
    setup();
    Core().MutableState().HoverIndex = hover;
    Core().MutableState().PressedIndex = 3;
    Core().Refresh();
    imaging::CDib32 seen = ClearedSurface(200, 400, 0);
    Core().ControlSurface().PaintTo(seen.hDC());
    Core().ToolbarSurface().PaintTo(seen.hDC(), 0, 366);
    return seen;
  };
  constexpr std::string_view kStyled = platform::kPresetStyledNormalColor;
  std::vector<imaging::CDib32> scenes;
  scenes.push_back(scene(kStyled, [] {}));
  scenes.push_back(scene("Windows Standard", [] {}));
  scenes.push_back(scene(kStyled, [&] {
    bar->SetBackColor(0x8C5A28);  // RGB(40, 90, 140)
    bar->SetHoverColor(0x2AA0F0);
  }));
  scenes.push_back(scene(kStyled, [&] {
    bar->SetBackColor(render::kNoColorChosen);
    bar->SetRightToLeft(true);
  }));
  scenes.push_back(scene(kStyled, [&] {
    bar->SetRightToLeft(false);
    bar->SetCenter(true);
  }));
  scenes.push_back(scene("High Contrast Black", [&] { bar->SetCenter(false); }));
  scenes.push_back(scene(kStyled, [&] {
    bar->SetEnabled(false);
    hover = 6;  // the hot button
  }));

  const char* folder = std::getenv("WAYBAND_BAR_SCENES");
  if (folder == nullptr) GTEST_SKIP() << "set WAYBAND_BAR_SCENES to a folder";
  imaging::CDib32 sheet =
      ClearedSurface(208 * static_cast<int32_t>(scenes.size()), 400, platform::RGB(255, 255, 255));
  for (size_t i = 0; i < scenes.size(); ++i)
    scenes[i].PaintTo(sheet.hDC(), static_cast<int32_t>(i) * 208, 0);
  EXPECT_TRUE(WritePng(sheet, std::filesystem::path(folder) / "bar_scenes.png", 2));
}

}  // namespace
}  // namespace wayband::testing
