// Whole controls painted in the looks a user meets: the styled, plain and high-contrast
// looks with bars in every state, host colours, right-to-left and centred captions, a
// disabled control and toolbar buttons. With WAYBAND_BAR_SCENES set to a folder, the scenes are
// written there side by side as bar_scenes.png (twice enlarged) for looking at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "core/control_fixture.h"
#include "paint_support.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "render/paint/bar_colors.h"
#include "render/scheme/scheme_update.h"

namespace wayband::testing {
namespace {

using platform::ColorRef;

class BarScenes : public ControlFixture {
 protected:
  ~BarScenes() override { platform::SetCurrentDesktop(saved_); }

  // Seven panels: four large bars (selected, hot, pressed, normal) and three buttons, one
  // of them hot while the mouse is over it.
  void Populate() {
    const ColorRef colours[] = {platform::RGB(220, 60, 40),  platform::RGB(40, 150, 60),
                                platform::RGB(50, 90, 220),  platform::RGB(230, 170, 20),
                                platform::RGB(150, 60, 190), platform::RGB(20, 170, 180),
                                platform::RGB(120, 120, 120)};
    const char* captions[] = {"Mail",     "Calendar", "Contacts with a very long caption",
                              "Tasks",    "Notes",    "Folders",
                              "Shortcuts"};
    for (int i = 0; i < 7; ++i) {
      const std::string key = "icon" + std::to_string(i);
      Core().MutableState().Icons.Add(MakeDiscIcon(key, colours[i]));
      Panels().Add("P" + std::to_string(i + 1), {}, captions[i], key);
    }
    bar->SetBarsToShow(4);
  }

  // Paints the scene on `preset` after `setup`, and returns the control as it is seen:
  // the control's surface with the toolbar strip's surface over its bottom.
  imaging::CDib32 Scene(std::string_view preset, const std::function<void()>& setup) {
    platform::SetCurrentDesktop(*platform::FindDesktopPreset(preset));
    render::UpdateColorScheme(Core().MutableState().Palette, State().WindowHandle);
    for (core::PanelRecord& record : Core().MutableState().panels.Records())
      record.iBarImageStale = core::kBarImageStale;
    bar->SetHoverColor(render::kNoColorChosen);
    setup();
    Core().MutableState().HoverIndex = hover;
    Core().MutableState().PressedIndex = pressed;
    Core().Refresh();
    const imaging::CDib32& main = Core().ControlSurface();
    const imaging::CDib32& strip = Core().ToolbarSurface();
    imaging::CDib32 seen = ClearedSurface(main.Width(), main.Height(), 0);
    main.PaintTo(seen.hDC());
    strip.PaintTo(seen.hDC(), 0, 366);
    return seen;
  }

  int32_t hover = 2;
  int32_t pressed = 3;

 private:
  platform::DesktopState saved_ = platform::CurrentDesktop().State();
};

TEST_F(BarScenes, LooksHostColoursAlignmentsAndButtons) {
  Populate();
  constexpr std::string_view kStyled = platform::kPresetStyledNormalColor;
  constexpr std::string_view kPlain = "Windows Standard";
  std::vector<imaging::CDib32> scenes;
  scenes.push_back(Scene(kStyled, [] {}));
  scenes.push_back(Scene(kPlain, [] {}));
  scenes.push_back(Scene(kStyled, [&] {
    bar->SetBackColor(0x8C5A28);  // RGB(40, 90, 140)
    bar->SetHoverColor(0x2AA0F0);
  }));
  scenes.push_back(Scene(kStyled, [&] {
    bar->SetBackColor(0x8000000F);
    bar->SetRightToLeft(true);
  }));
  scenes.push_back(Scene(kStyled, [&] {
    bar->SetRightToLeft(false);
    bar->SetCenter(true);
  }));
  scenes.push_back(Scene("High Contrast Black", [&] { bar->SetCenter(false); }));
  scenes.push_back(Scene(kStyled, [&] {
    bar->SetEnabled(false);
    hover = 6;  // the hot button
  }));

  const char* folder = std::getenv("WAYBAND_BAR_SCENES");
  if (folder == nullptr) GTEST_SKIP() << "set WAYBAND_BAR_SCENES to a folder";
  const int32_t width = scenes[0].Width();
  const int32_t height = scenes[0].Height();
  imaging::CDib32 sheet = ClearedSurface((width + 8) * static_cast<int32_t>(scenes.size()), height,
                                         platform::RGB(255, 255, 255));
  for (size_t i = 0; i < scenes.size(); ++i)
    scenes[i].PaintTo(sheet.hDC(), static_cast<int32_t>(i) * (width + 8), 0);
  EXPECT_TRUE(WritePng(sheet, std::filesystem::path(folder) / "bar_scenes.png", 2));
}

}  // namespace
}  // namespace wayband::testing
