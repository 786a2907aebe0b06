// The headless host: geometry from twips at several screen densities, docking, the window
// under a point, mouse routing with capture, and the record of notifications.
#include "headless/headless_host.h"

#include <gtest/gtest.h>

#include <vector>

namespace wayband::headless {
namespace {

using host::MousePointer;
using host::StripAlign;
using platform::Point;
using platform::Rect;

struct RecordingSink : host::MouseInputSink {
  struct Call {
    char kind;
    int16_t button;
    float x;
    float y;
  };
  void MouseDown(int16_t b, int16_t, float x, float y) override { calls.push_back({'d', b, x, y}); }
  void MouseMove(int16_t b, int16_t, float x, float y) override { calls.push_back({'m', b, x, y}); }
  void MouseUp(int16_t b, int16_t, float x, float y) override { calls.push_back({'u', b, x, y}); }
  std::vector<Call> calls;
};

ControlSpec Spec(std::string name, double left, double top, double width, double height) {
  ControlSpec spec;
  spec.name = std::move(name);
  spec.left = left;
  spec.top = top;
  spec.width = width;
  spec.height = height;
  return spec;
}

class HeadlessHostTest : public ::testing::TestWithParam<double> {};

TEST_P(HeadlessHostTest, ControlsSitAtTheirTwipsRectanglesInPixels) {
  const double tpp = GetParam();
  HostSettings settings;
  settings.twipsPerPixelX = settings.twipsPerPixelY = tpp;
  HeadlessHost host(settings);
  const auto form = host.CreateForm("Form1", {100, 50, 500, 650});
  auto* site = host.AddSite(form, "Bar", 30 * tpp, 20 * tpp, 200 * tpp, 400 * tpp);
  ASSERT_NE(site, nullptr);
  EXPECT_EQ(host.Windows().GetWindowRect(site->hWnd()), (Rect{130, 70, 330, 470}));
  EXPECT_DOUBLE_EQ(site->ScaleWidth(), 200 * tpp);
  EXPECT_DOUBLE_EQ(site->ScaleHeight(), 400 * tpp);

  host::StripDesign design;
  design.name = "strip";
  design.align = StripAlign::kBottom;
  design.height = 33 * tpp;
  auto* strip = site->CreateChildStrip(design);
  EXPECT_DOUBLE_EQ(strip->Top(), 367 * tpp);
  EXPECT_DOUBLE_EQ(strip->Width(), 200 * tpp);
  site->Resize(300 * tpp, 500 * tpp);
  EXPECT_DOUBLE_EQ(strip->Top(), 467 * tpp);
  EXPECT_DOUBLE_EQ(strip->Width(), 300 * tpp);
  strip->SetAlign(StripAlign::kTop);
  EXPECT_DOUBLE_EQ(strip->Top(), 0.0);
  EXPECT_EQ(host.Windows().GetLocalRect(strip->hWnd()), (Rect{0, 0, 300, 33}));
}

INSTANTIATE_TEST_SUITE_P(ScreenDensities, HeadlessHostTest, ::testing::Values(15.0, 12.0, 10.0));

TEST(HeadlessHost, GeometryReadsBackAsSetAndNegativeSizesAreRefused) {
  HeadlessHost host;
  const auto form = host.CreateForm("Form1", {0, 0, 400, 400});
  auto control = host.AddControl(form, Spec("Text1", 7, 8, 300, 200));
  EXPECT_TRUE(control->Move(1003, 29, 1500, 750));
  EXPECT_DOUBLE_EQ(control->Left(), 1003);
  EXPECT_EQ(host.Windows().GetLocalRect(control->hWnd()), (Rect{66, 1, 166, 51}));
  EXPECT_FALSE(control->Move(0, 0, 100, -1));
  EXPECT_DOUBLE_EQ(control->Height(), 750);
}

TEST(HeadlessHost, WindowUnderPointFollowsVisibilityAndStackingOrder) {
  HeadlessHost host;
  const auto form = host.CreateForm("Form1", {0, 0, 400, 400});
  auto back = host.AddControl(form, Spec("Back", 0, 0, 3000, 3000));
  auto front = host.AddControl(form, Spec("Front", 0, 0, 1500, 1500));
  auto& windows = host.Windows();
  EXPECT_EQ(windows.WindowFromPoint({50, 50}), front->hWnd());
  EXPECT_EQ(windows.WindowFromPoint({150, 150}), back->hWnd());
  EXPECT_EQ(windows.WindowFromPoint({300, 300}), form);
  EXPECT_EQ(windows.WindowFromPoint({500, 500}), host::kNoWindow);
  back->ZOrder(host::ZOrderPosition::kBringToFront);
  EXPECT_EQ(windows.WindowFromPoint({50, 50}), back->hWnd());
  back->SetVisible(false);
  EXPECT_EQ(windows.WindowFromPoint({50, 50}), front->hWnd());
  EXPECT_FALSE(windows.IsWindowVisible(back->hWnd()));
  // A child of a hidden window is not visible either, and not under any point.
  auto inner = host.AddControl(back->hWnd(), Spec("Inner", 0, 0, 150, 150));
  EXPECT_FALSE(windows.IsWindowVisible(inner->hWnd()));
  EXPECT_NE(windows.WindowFromPoint({5, 5}), inner->hWnd());
}

TEST(HeadlessHost, MouseInputReachesTheWindowUnderThePointInTwipsAndHonoursCapture) {
  HeadlessHost host;
  const auto form = host.CreateForm("Form1", {10, 10, 410, 410});
  auto left = host.AddControl(form, Spec("Left", 0, 0, 1500, 1500));
  auto right = host.AddControl(form, Spec("Right", 1500, 0, 1500, 1500));
  RecordingSink leftSink, rightSink;
  host.Windows().SetMouseInputSink(left->hWnd(), &leftSink);
  host.Windows().SetMouseInputSink(right->hWnd(), &rightSink);
  host.MouseDown({15, 20}, host::kLeftButton);
  host.MouseMove({130, 20}, host::kLeftButton);  // over Right, but Left holds the capture
  host.MouseUp({130, 20}, host::kLeftButton);
  host.MouseMove({130, 20});
  ASSERT_EQ(leftSink.calls.size(), 3u);
  EXPECT_EQ(leftSink.calls[0].kind, 'd');
  EXPECT_FLOAT_EQ(leftSink.calls[0].x, 75.0f);
  EXPECT_FLOAT_EQ(leftSink.calls[0].y, 150.0f);
  EXPECT_FLOAT_EQ(leftSink.calls[1].x, 1800.0f);
  EXPECT_EQ(leftSink.calls[2].kind, 'u');
  ASSERT_EQ(rightSink.calls.size(), 1u);
  EXPECT_FLOAT_EQ(rightSink.calls[0].x, 300.0f);
  EXPECT_EQ(host.Windows().GetCursorPos(), (Point{130, 20}));
}

TEST(HeadlessHost, SitesKnowTheirParentAndContainedControls) {
  HeadlessHost host;
  const auto form = host.CreateForm("Form1", {0, 0, 400, 400});
  auto* outer = host.AddSite(form, "Outer", 0, 0, 3000, 3000);
  auto* inner = host.AddSite(outer->hWnd(), "Inner", 0, 0, 1500, 1500);
  EXPECT_EQ(outer->Parent().kind, host::ParentObject::Kind::kForm);
  EXPECT_EQ(outer->Parent().hWnd, form);
  EXPECT_EQ(inner->Parent().kind, host::ParentObject::Kind::kControl);
  EXPECT_EQ(inner->Parent().name, "Outer");

  auto text = host.AddControl(form, Spec("Text1", 0, 0, 300, 300));
  EXPECT_EQ(outer->ContainedControls().size(), 1u);  // the inner site's extender
  EXPECT_TRUE(text->SetContainer(outer->hWnd()));
  EXPECT_EQ(outer->ContainedControls().size(), 2u);
  EXPECT_EQ(host.Windows().GetParent(text->hWnd()), outer->hWnd());
  host.RemoveControl(text->Identity());
  EXPECT_EQ(outer->ContainedControls().size(), 1u);
  EXPECT_FALSE(text->SetVisible(true));  // cut off the host
}

TEST(HeadlessHost, RecordsNotificationsEventsAndPointerChanges) {
  HeadlessHost host;
  const auto form = host.CreateForm("Form1", {0, 0, 400, 400});
  auto* site = host.AddSite(form, "Bar1", 0, 0, 3000, 3000);
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
  ASSERT_EQ(record.events.size(), 1u);
  EXPECT_EQ(record.events[0].args[0], Variant(true));
  EXPECT_EQ(args[0], Variant(true));
  EXPECT_EQ(record.pointerChanges.back(),
            (PointerChangeRecord{site->hWnd(), MousePointer::kSizeNS}));
  host.Record().Clear();
  EXPECT_TRUE(host.Record().events.empty());
}

TEST(HeadlessHost, HostFontKeepsItsIdentityWhenAssigned) {
  HeadlessHost host;
  const auto form = host.CreateForm("Form1", {0, 0, 400, 400});
  auto* site = host.AddSite(form, "Bar1", 0, 0, 3000, 3000);
  const auto before = site->Font();
  auto given = std::make_shared<StdFont>();
  given->SetName("Courier");
  given->SetBold(true);
  site->SetFont(given);
  EXPECT_EQ(site->Font(), before);
  EXPECT_EQ(site->Font()->Name(), "Courier");
  site->SetFont(nullptr);
  EXPECT_EQ(site->Font()->Name(), "Courier");
}

}  // namespace
}  // namespace wayband::headless
