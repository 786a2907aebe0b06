// Whole controls painted in the looks a user meets: the styled and plain looks with bars in
// every state, host colours, right-to-left and centred captions, a disabled control and
// toolbar buttons. With WAYBAND_BAR_SCENES set to a folder, the scenes are written there
// as bar_scenes.png (twice enlarged) and one by one as bar_scene_<n>.png (three times
// enlarged) for looking at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "core/control_fixture.h"
#include "imaging/byte_array3.h"
#include "imaging/icon_sizes.h"
#include "paint_support.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "render/paint/bar_colors.h"
#include "render/scheme/scheme_update.h"

namespace wayband::testing {
namespace {

using platform::ColorRef;

// A disc icon with a soft edge, in one colour, at 16 and 24 pixels.
imaging::CIconBytes DiscIcon(const std::string& key, ColorRef color) {
  imaging::CIconBytes icon;
  icon.SetKey(key);
  for (const int32_t sizeIndex : {0, 1}) {
    const int32_t size = imaging::IconPixels(sizeIndex);
    imaging::ByteArray3 bytes(4, size, size);
    const double centre = size / 2.0;
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size; ++x) {
        const double d = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
        const double coverage = std::clamp(centre - 1.0 - d, 0.0, 1.0);
        const double shade = 1.0 - 0.4 * (y / static_cast<double>(size));
        bytes.At(0, x, y) = static_cast<uint8_t>(platform::GetBValue(color) * shade);
        bytes.At(1, x, y) = static_cast<uint8_t>(platform::GetGValue(color) * shade);
        bytes.At(2, x, y) = static_cast<uint8_t>(platform::GetRValue(color) * shade);
        bytes.At(3, x, y) = static_cast<uint8_t>(255 * coverage);
      }
    }
    icon.SetBytes(sizeIndex, imaging::kKind32Bit, bytes);
  }
  return icon;
}

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
      Core().MutableState().Icons.Add(DiscIcon(key, colours[i]));
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
  scenes.push_back(Scene(kStyled, [&] {
    bar->SetCenter(false);
    bar->SetEnabled(false);
    hover = 6;  // the hot button
  }));

  // Right-to-left moves the icons to the right end of the bars.
  const int32_t firstBar = State().BarsTop;
  EXPECT_NE(ColorAt(scenes[0], 8 + 12, firstBar + 16), ColorAt(scenes[3], 8 + 12, firstBar + 16));
  EXPECT_EQ(ColorAt(scenes[0], 8 + 12, firstBar + 16),
            ColorAt(scenes[3], 200 - 34 + 12, firstBar + 16));

  if (const char* folder = std::getenv("WAYBAND_BAR_SCENES")) {
    const int32_t width = scenes[0].Width();
    const int32_t top = firstBar - 8;
    const int32_t height = scenes[0].Height() - top;
    imaging::CDib32 sheet = ClearedSurface((width + 8) * static_cast<int32_t>(scenes.size()),
                                           height, platform::RGB(255, 255, 255));
    for (size_t i = 0; i < scenes.size(); ++i)
      scenes[i].PaintTo(sheet.hDC(), static_cast<int32_t>(i) * (width + 8), 0, width, height, 0,
                        top);
    EXPECT_TRUE(WritePng(sheet, std::filesystem::path(folder) / "bar_scenes.png", 2));
    for (size_t i = 0; i < scenes.size(); ++i) {
      imaging::CDib32 one = ClearedSurface(width, height, 0);
      scenes[i].PaintTo(one.hDC(), 0, 0, width, height, 0, top);
      const std::string name = "bar_scene_" + std::to_string(i) + ".png";
      EXPECT_TRUE(WritePng(one, std::filesystem::path(folder) / name, 3));
    }
  }
}

}  // namespace
}  // namespace wayband::testing
