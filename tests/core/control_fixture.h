// A Wayband control on a form of the headless host, on a manual-clock event loop so that
// no timer ticks unless a test moves the clock.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/core_access.h"
#include "headless/headless_host.h"
#include "platform/event_loop.h"
#include "wayband/wayband_control.h"

namespace wayband::testing {

inline headless::HostSettings SettingsWithTwipsPerPixel(double twipsPerPixel) {
  headless::HostSettings settings;
  settings.twipsPerPixelX = settings.twipsPerPixelY = twipsPerPixel;
  return settings;
}

class ControlFixture : public ::testing::Test {
 protected:
  explicit ControlFixture(double twipsPerPixel = 15.0)
      : loop(std::make_unique<platform::ManualClock>()),
        host(SettingsWithTwipsPerPixel(twipsPerPixel)),
        tpp(twipsPerPixel),
        form(host.CreateForm("Form1", {0, 0, 600, 800})),
        site(host.AddSite(form, "Wayband1", 0, 0, 200 * tpp, 400 * tpp)),
        bar(std::make_unique<Wayband>(*site)) {
    bar->InitProperties();
    site->Show();
  }

  core::ControlCore& Core() { return core::CoreAccess::Of(*bar); }
  const core::ControlState& State() { return Core().State(); }
  ShortcutPanels Panels() { return bar->WaybandPanels(); }
  uint64_t Passes() { return State().CompletedFramePasses; }
  host::ChildStrip& Toolbar() { return *Core().ctlToolbar(); }
  host::ChildStrip& SplitBar() { return *Core().ctlSplitBar(); }

  // Adds n panels keyed "P1".."Pn" with captions "Panel 1".."Panel n".
  void AddPanels(int n) {
    for (int i = 1; i <= n; ++i) {
      const std::string number = std::to_string(Panels().Count() + 1);
      Panels().Add("P" + number, {}, "Panel " + number);
    }
  }
  // The keys of the panels in order, and the selected panel's key ("" when none is).
  std::vector<std::string> Keys() {
    std::vector<std::string> keys;
    for (int32_t i = 1; i <= Panels().Count(); ++i)
      keys.push_back(Panels().Item(i)->Key());
    return keys;
  }
  std::string SelectedKey() {
    const auto selected = bar->SelectedBar();
    return selected ? selected->Key() : "";
  }
  // Resizes the control to width x height pixels.
  void ResizePixels(int width, int height) { site->Resize(width * tpp, height * tpp); }
  std::shared_ptr<headless::HeadlessControl> AddChild(const std::string& name,
                                                      const std::string& typeName = "PictureBox") {
    headless::ControlSpec spec;
    spec.name = name;
    spec.typeName = typeName;
    spec.width = 50 * tpp;
    spec.height = 50 * tpp;
    if (typeName == host::kContainerTypeName) spec.enabled = true;
    return host.AddControl(form, spec);
  }

  // First: the control's timers run on the loop that is current when it is created.
  platform::EventLoop loop;
  headless::HeadlessHost host;
  double tpp;
  host::WindowHandle form;
  headless::HeadlessSite* site;
  std::unique_ptr<Wayband> bar;
};

}  // namespace wayband::testing
