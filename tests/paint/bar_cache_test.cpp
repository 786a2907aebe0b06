// The paint caches (bar images, bar and header faces, caption layouts, prepared icons) never show
// what a fresh paint would not: after each change of what a bar shows, the frame painted with the
// caches equals the frame painted without them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "core/control_fixture.h"
#include "core/icon_import.h"
#include "paint_support.h"
#include "platform/desktop_presets.h"
#include "platform/paint_caches.h"
#include "platform/system_colors.h"

namespace wayband::testing {
namespace {

struct CacheCase {
  const char* change;
  std::function<void(Wayband&, headless::HeadlessSite&)> apply;
};

class BarCache : public ControlFixture, public ::testing::WithParamInterface<CacheCase> {
 protected:
  BarCache() {
    platform::SetCurrentDesktop(platform::DefaultDesktopState());
    core::IconStoreOf(Core()).Add(SolidIcon("red", platform::RGB(200, 0, 0)));
    AddPanels(5);
    bar->SetBarsToShow(3);
  }
  ~BarCache() override {
    platform::SetCurrentDesktop(platform::DefaultDesktopState());
    platform::SetPaintCachesEnabled(true);
  }

  std::vector<uint32_t> Frame(bool cacheOn) {
    Core().MutableState().BarImageCacheEnabled = cacheOn;
    platform::SetPaintCachesEnabled(cacheOn);
    Core().Refresh();
    const SurfaceView view = bar->InspectSurface(InspectedSurface::kControl);
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < view.Height(); ++y) {
      for (int32_t x = 0; x < view.Width(); ++x)
        pixels.push_back(view.Rgb(x, y));
    }
    return pixels;
  }
};

TEST_P(BarCache, AFrameFromTheCacheEqualsAFreshOne) {
  Frame(true);  // every normal bar is cached now
  GetParam().apply(*bar, *site);
  const std::vector<uint32_t> cached = Frame(true);  // before the fresh frame drops the caches
  EXPECT_EQ(cached, Frame(false)) << GetParam().change;
}

void ShowIn(headless::HeadlessSite& site, const char* preset) {
  platform::SetCurrentDesktop(*platform::FindDesktopPreset(preset));
  site.Show();  // a first show re-reads the scheme
}

// The bar shows the icon (now prepared), then its images change under the same key.
void ReplaceIconBytes(Wayband& bar, headless::HeadlessSite&) {
  core::ControlCore& core = core::CoreAccess::Of(bar);
  bar.WaybandPanels().Item(2)->SetIconKey("red");
  core.Refresh();
  const imaging::CIconBytes blue = SolidIcon("red", platform::RGB(0, 0, 200));
  imaging::CIconBytes* red = core::IconStoreOf(core).Find("red");
  for (int32_t size = 0; size < imaging::kIconSizeCount; ++size)
    red->SetBytes(size, imaging::kKind32Bit, blue.GetBytes(size, imaging::kKind32Bit));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, BarCache,
    ::testing::Values(
        CacheCase{"scheme", [](Wayband&, auto& s) { ShowIn(s, "High Contrast Black"); }},
        CacheCase{"plain look", [](Wayband&, auto& s) { ShowIn(s, "Windows Standard"); }},
        CacheCase{"system colour",
                  [](Wayband&, auto& s) {
                    platform::CurrentDesktop().SetSysColor(platform::COLOR_BTNSHADOW, 0xFF);
                    s.Show();
                  }},
        CacheCase{"BarPicture",
                  [](Wayband& b, auto&) { b.SetBarPicture(SolidPicture(8, 8, 0x00FF00, 0)); }},
        CacheCase{"font",
                  [](Wayband& b, auto&) {
                    auto font = std::make_shared<StdFont>();
                    font->SetSize(12);
                    b.SetFont(font);
                  }},
        CacheCase{"caption", [](Wayband& b, auto&) { b.WaybandPanels().Item(2)->SetCaption("X"); }},
        CacheCase{"icon", [](Wayband& b, auto&) { b.WaybandPanels().Item(2)->SetIconKey("red"); }},
        CacheCase{"panel colour",
                  [](Wayband& b, auto&) { b.WaybandPanels().Item(2)->SetBackColor2(0x0000FF); }},
        CacheCase{"BackColor", [](Wayband& b, auto&) { b.SetBackColor(0x00336699); }},
        CacheCase{"Enabled", [](Wayband& b, auto&) { b.SetEnabled(false); }},
        CacheCase{"panel enabled",
                  [](Wayband& b, auto&) { b.WaybandPanels().Item(1)->SetEnabled(false); }},
        CacheCase{"icon bytes replaced", ReplaceIconBytes},
        CacheCase{"hover",
                  [](Wayband& b, auto&) { core::CoreAccess::Of(b).MutableState().HoverIndex = 1; }},
        CacheCase{"hover and back",
                  [](Wayband& b, auto&) {
                    core::ControlCore& core = core::CoreAccess::Of(b);
                    const int32_t hover = core.State().HoverIndex;
                    core.MutableState().HoverIndex = 1;
                    core.Refresh();
                    core.MutableState().HoverIndex = hover;
                  }},
        CacheCase{"Center", [](Wayband& b, auto&) { b.SetCenter(true); }},
        CacheCase{"RightToLeft", [](Wayband& b, auto&) { b.SetRightToLeft(true); }},
        CacheCase{"EmptyPanelCaption",
                  [](Wayband& b, auto&) { b.SetEmptyPanelCaption("Nothing"); }},
        CacheCase{"resize", [](Wayband&, auto& s) { s.Resize(3000, 5000); }},
        CacheCase{"hover picture",
                  [](Wayband& b, auto&) {
                    b.SetBarHoverPicture(SolidPicture(4, 4, 0x0000FF, 0));
                    core::CoreAccess::Of(b).MutableState().HoverIndex = 2;
                  }},
        CacheCase{"SelectedFont",
                  [](Wayband& b, auto&) {
                    auto font = std::make_shared<StdFont>();
                    font->SetBold(true);
                    b.SetSelectedFont(font);
                  }},
        CacheCase{"panel ForeColor",
                  [](Wayband& b, auto&) { b.WaybandPanels().Item(2)->SetForeColor(0x00FF00); }},
        CacheCase{"header caption",
                  [](Wayband& b, auto&) { b.WaybandPanels().Item(1)->SetCaption("Y"); }},
        CacheCase{"header icon",
                  [](Wayband& b, auto&) { b.WaybandPanels().Item(1)->SetIconKey("red"); }},
        CacheCase{"HeaderPicture",
                  [](Wayband& b, auto&) { b.SetHeaderPicture(SolidPicture(4, 4, 0xFF00FF, 0)); }},
        CacheCase{"HeaderForeColor", [](Wayband& b, auto&) { b.SetHeaderForeColor(0x0000FF); }},
        // Captions taller than their bars are painted in place.
        CacheCase{"caption taller than the bar",
                  [](Wayband& b, auto&) {
                    auto font = std::make_shared<StdFont>();
                    font->SetSize(40);
                    b.SetFont(font);
                  }}),
    [](const auto& info) {
      std::string name = info.param.change;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });

}  // namespace
}  // namespace wayband::testing
