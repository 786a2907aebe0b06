// A host program as a user writes it: a control on a form, panels with child controls, a
// resize, selections, and every property read back through the interface description.
#include <gtest/gtest.h>

#include "headless/headless_host.h"
#include "platform/event_loop.h"
#include "wayband/wayband.h"

namespace wayband {
namespace {

TEST(HostProgram, CreatesAControlAddsPanelsResizesSelectsAndReadsBack) {
  platform::EventLoop loop(std::make_unique<platform::ManualClock>());
  headless::HeadlessHost host;
  const auto form = host.CreateForm("Form1", {0, 0, 640, 480});
  headless::HeadlessSite* site = host.AddSite(form, "Wayband1", 0, 0, 3000, 6000);
  Wayband bar(*site);
  bar.InitProperties();
  site->Show();
  bar.SetAutoHide(false);
  for (const char* name : {"Mail", "Calendar", "Contacts", "Tasks"}) {
    headless::ControlSpec spec;
    spec.name = std::string(name) + "View";
    bar.WaybandPanels().Add(name, {}, name)->SetPanel(host.AddControl(form, spec));
  }
  site->Resize(3300, 7200);
  bar.SetBarsToShow(3);
  bar.WaybandPanels().Item("Contacts")->SetSelected(true);

  EXPECT_EQ(bar.SelectedBar()->Caption(), "Contacts");
  EXPECT_EQ(bar.BarsToShow(), 3);
  const auto contacts = bar.SelectedBar()->Panel();
  EXPECT_TRUE(contacts->Visible());
  EXPECT_FALSE(bar.WaybandPanels().Item("Mail")->Panel()->Visible());
  EXPECT_DOUBLE_EQ(contacts->Width(), 3300 - 30);
  for (const auto& member : WaybandInterface().members) {
    if (member.kind == MemberKind::kProperty) {
      EXPECT_TRUE(GetProperty(bar, member.name)) << member.name;
    }
  }
  EXPECT_GT(host.Record().propertyChanges.size(), 0u);
}

}  // namespace
}  // namespace wayband
