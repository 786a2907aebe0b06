// The headless host: geometry from twips at several screen densities, docking, the window
// under a point, and the record of notifications.
#include "headless/headless_host.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace wayband::headless {
namespace {

using host::MousePointer;
using host::StripAlign;
using platform::Rect;

ControlSpec Spec(std::string name, double left, double top, double width, double height) {
  ControlSpec spec;
  spec.name = std::move(name);
  std::tie(spec.left, spec.top, spec.width, spec.height) = std::tie(left, top, width, height);
  return spec;
}

class HeadlessHostTest : public ::testing::TestWithParam<double> {};

TEST_P(HeadlessHostTest, ControlsAndDockedStripsSitAtTheirTwipsRectanglesInPixels) {
  const double tpp = GetParam();
  HostSettings settings;
  settings.twipsPerPixelX = settings.twipsPerPixelY = tpp;
  HeadlessHost host(settings);
  const auto form = host.CreateForm("Form1", {100, 50, 500, 650});
  auto* site = host.AddSite(form, "Bar", 30 * tpp, 20 * tpp, 200 * tpp, 400 * tpp);
  EXPECT_EQ(host.Windows().GetWindowRect(site->hWnd()), (Rect{130, 70, 330, 470}));
  EXPECT_EQ(std::make_pair(site->ScaleWidth(), site->ScaleHeight()),
            std::make_pair(200 * tpp, 400 * tpp));
  host::StripDesign design;
  design.name = "strip";
  design.align = StripAlign::kBottom;
  design.height = 33 * tpp;
  auto* strip = site->CreateChildStrip(design);
  EXPECT_EQ(std::make_pair(strip->Top(), strip->Width()), std::make_pair(367 * tpp, 200 * tpp));
  site->Resize(300 * tpp, 500 * tpp);
  EXPECT_EQ(std::make_pair(strip->Top(), strip->Width()), std::make_pair(467 * tpp, 300 * tpp));
  strip->SetAlign(StripAlign::kTop);
  EXPECT_EQ(host.Windows().GetLocalRect(strip->hWnd()), (Rect{0, 0, 300, 33}));
}

INSTANTIATE_TEST_SUITE_P(ScreenDensities, HeadlessHostTest, ::testing::Values(15.0, 12.0, 10.0));

TEST(HeadlessHost, GeometryReadsBackAsSetAndTheWindowUnderAPointFollowsVisibilityAndOrder) {
  HeadlessHost host;
  const auto form = host.CreateForm("Form1", {0, 0, 400, 400});
  auto back = host.AddControl(form, Spec("Back", 0, 0, 3000, 3000));
  auto front = host.AddControl(form, Spec("Front", 7, 8, 300, 200));
  EXPECT_TRUE(front->Move(1003, 29, 1500, 750));
  EXPECT_FALSE(front->Move(0, 0, 100, -1));  // negative sizes are refused
  EXPECT_EQ(std::make_pair(front->Left(), front->Height()), std::make_pair(1003.0, 750.0));
  auto& windows = host.Windows();
  EXPECT_EQ(windows.GetLocalRect(front->hWnd()), (Rect{66, 1, 166, 51}));
  const std::pair<platform::Point, host::WindowHandle> under[] = {{{100, 20}, front->hWnd()},
                                                                  {{20, 20}, back->hWnd()},
                                                                  {{300, 300}, form},
                                                                  {{500, 500}, host::kNoWindow}};
  for (const auto& [point, window] : under)
    EXPECT_EQ(windows.WindowFromPoint(point), window) << point.x << "," << point.y;
  back->ZOrder(host::ZOrderPosition::kBringToFront);
  EXPECT_EQ(windows.WindowFromPoint({100, 20}), back->hWnd());
  back->SetVisible(false);
  EXPECT_EQ(windows.WindowFromPoint({100, 20}), front->hWnd());
  // A child of a hidden window is not visible either, and not under any point.
  auto inner = host.AddControl(back->hWnd(), Spec("Inner", 0, 0, 150, 150));
  EXPECT_FALSE(windows.IsWindowVisible(inner->hWnd()));
  EXPECT_NE(windows.WindowFromPoint({5, 5}), inner->hWnd());
}

TEST(HeadlessHost, SitesKnowTheirParentAndContainedControls) {
  HeadlessHost host;
  const auto form = host.CreateForm("Form1", {0, 0, 400, 400});
  auto* outer = host.AddSite(form, "Outer", 0, 0, 3000, 3000);
  auto* inner = host.AddSite(outer->hWnd(), "Inner", 0, 0, 1500, 1500);
  EXPECT_EQ(std::make_pair(outer->Parent().kind, outer->Parent().hWnd),
            std::make_pair(host::ParentObject::Kind::kForm, form));
  EXPECT_EQ(std::make_pair(inner->Parent().kind, inner->Parent().name),
            std::make_pair(host::ParentObject::Kind::kControl, std::string("Outer")));
  auto text = host.AddControl(form, Spec("Text1", 0, 0, 300, 300));
  EXPECT_TRUE(text->SetContainer(outer->hWnd()));
  EXPECT_EQ(outer->ContainedControls().size(), 2u);  // with the inner site's extender
  EXPECT_EQ(host.Windows().GetParent(text->hWnd()), outer->hWnd());
  host.RemoveControl(text->Identity());
  EXPECT_EQ(outer->ContainedControls().size(), 1u);
  EXPECT_FALSE(text->SetVisible(true));  // cut off the host
}

TEST(HeadlessHost, RecordsNotificationsEventsAndPointerChangesAndKeepsItsFont) {
  HeadlessHost host;
  auto* site = host.AddSite(host.CreateForm("Form1", {0, 0, 400, 400}), "Bar1", 0, 0, 3000, 3000);
  site->PropertyChanged("BarsToShow");
  site->AllPropertiesChanged();
  site->SetEventHandler([](std::string_view, int32_t, std::span<Variant> args) {
    args[0] = Variant(true);  // by reference
  });
  Variant args[] = {Variant(false)};
  site->RaiseEvent("PanelResize", 4, args);
  host.Windows().SetMousePointer(site->hWnd(), MousePointer::kSizeNS);
  const HostRecord& record = host.Record();
  ASSERT_EQ(record.propertyChanges.size(), 2u);
  EXPECT_EQ(record.propertyChanges[0], (PropertyChangeRecord{"Bar1", "BarsToShow", false}));
  EXPECT_TRUE(record.propertyChanges[1].all);
  EXPECT_EQ(std::make_pair(record.events.at(0).args[0], args[0]),
            std::make_pair(Variant(true), Variant(true)));
  EXPECT_EQ(record.pointerChanges.back(),
            (PointerChangeRecord{site->hWnd(), MousePointer::kSizeNS}));
  host.Record().Clear();
  EXPECT_TRUE(host.Record().events.empty());
  // Assigning a font copies it into the host's own, which stays.
  const auto before = site->Font();
  auto given = std::make_shared<StdFont>();
  given->SetName("Courier");
  site->SetFont(given);
  site->SetFont(nullptr);
  EXPECT_EQ(site->Font(), before);
  EXPECT_EQ(site->Font()->Name(), "Courier");
}

}  // namespace
}  // namespace wayband::headless
