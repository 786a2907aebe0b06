// Where the selected panel's child control goes: every row of the arrangement table with
// the toolbar at the bottom and on top, and the placement of the splitter strip.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "core/layout_math.h"

namespace wayband::testing {
namespace {

using core::PanelAreaFor;
using core::PanelAreaGeometry;
using core::TwipsRect;

PanelAreaGeometry Geometry(bool onTop, double splitTop, int32_t barsTop) {
  PanelAreaGeometry g;
  g.toolbarOnTop = onTop;
  g.scaleWidth = 3000;
  g.scaleHeight = 6000;
  g.toolbarTop = onTop ? 0 : 5504;
  g.toolbarHeight = 496;
  g.splitTop = splitTop;
  g.splitHeight = 105;
  g.barsTop = barsTop;
  g.twipsPerPixelY = 15;
  return g;
}

TEST(ArrangementTable, ToolbarAtTheBottom) {
  // Room: the splitter is well above the toolbar and below the header.
  EXPECT_EQ(PanelAreaFor(Geometry(false, 3968, 271)),
            (TwipsRect{20, 426, 2970, 271 * 15 - 496 + 80 - 105}));
  // The splitter is near the top: 495 twips is 33 pixels, not below the 33-pixel header.
  EXPECT_EQ(PanelAreaFor(Geometry(false, 495, 40)), (TwipsRect{20, -50, 2970, 0}));
  EXPECT_EQ(PanelAreaFor(Geometry(false, 510, 40)).top, 426);  // 34 pixels: room again
  // The splitter is down on the toolbar (TT - 100 <= ST).
  EXPECT_EQ(PanelAreaFor(Geometry(false, 5404, 367)),
            (TwipsRect{20, 426, 2970, 6000 - 496 - 105 - 28 * 15}));
  EXPECT_EQ(PanelAreaFor(Geometry(false, 5403, 367)).height, 367 * 15 - 496 + 80 - 105);
}

TEST(ArrangementTable, ToolbarOnTop) {
  const double stack = 350 * 15 + 80 - 105 - 900 - 50;
  EXPECT_EQ(PanelAreaFor(Geometry(true, 5145, 350)), (TwipsRect{20, 900, 2970, stack}));
  EXPECT_EQ(PanelAreaFor(Geometry(true, 495, 40)), (TwipsRect{20, 900, 2970, 0}));
  // The splitter at the bottom (SH - 100 <= ST) keeps the stack height, whatever its row.
  EXPECT_EQ(PanelAreaFor(Geometry(true, 5900, 350)), (TwipsRect{20, 900, 2970, stack}));
}

TEST(ArrangementTable, PanelTopFollowsTheScreenDensityWhenTheToolbarIsOnTop) {
  PanelAreaGeometry g = Geometry(true, 4000, 300);
  g.twipsPerPixelY = 12;
  EXPECT_EQ(PanelAreaFor(g).top, 720);
  g.twipsPerPixelY = 12.5;  // 750 exactly
  EXPECT_EQ(PanelAreaFor(g).top, 750);
}

class Arrangement : public ControlFixture {
 protected:
  void SetUp() override {
    AddPanels(4);
    child1 = AddChild("Child1");
    child2 = AddChild("Child2");
    Panels().Item(1)->SetPanel(child1);
    Panels().Item(2)->SetPanel(child2);
    bar->SetBarsToShow(3);
  }
  std::shared_ptr<headless::HeadlessControl> child1;
  std::shared_ptr<headless::HeadlessControl> child2;
};

TEST_F(Arrangement, SelectedChildFillsThePanelAreaAboveTheSplitter) {
  // 400 pixels: the toolbar starts at 5504 twips (row 366); three bars start at row 271.
  EXPECT_EQ(State().BarsTop, 271);
  EXPECT_DOUBLE_EQ(Toolbar().Top(), 5504);
  EXPECT_DOUBLE_EQ(SplitBar().Top(), 271 * 15 + 8 - 105);
  EXPECT_DOUBLE_EQ(SplitBar().Left(), 15);
  EXPECT_DOUBLE_EQ(SplitBar().Width(), 2975);
  EXPECT_EQ(State().LastSplitterTop, 3968);
  EXPECT_EQ(child1->Container(), site->hWnd());
  EXPECT_TRUE(child1->Visible());
  EXPECT_FALSE(child2->Visible());
  EXPECT_DOUBLE_EQ(child1->Left(), 20);
  EXPECT_DOUBLE_EQ(child1->Top(), 426);
  EXPECT_DOUBLE_EQ(child1->Width(), 2970);
  EXPECT_DOUBLE_EQ(child1->Height(), 3544);
}

TEST_F(Arrangement, SelectingAnotherPanelSwapsTheChildren) {
  Panels().Item(2)->SetSelected(true);
  EXPECT_TRUE(child2->Visible());
  EXPECT_FALSE(child1->Visible());
  EXPECT_DOUBLE_EQ(child2->Top(), 426);
  // A panel without a child leaves the shown child where it is.
  Panels().Item(3)->SetSelected(true);
  EXPECT_TRUE(child2->Visible());
}

TEST_F(Arrangement, ChildrenOfNoPanelAreHiddenToo) {
  auto stray = AddChild("Stray");
  stray->SetContainer(site->hWnd());
  Panels().Item(2)->SetSelected(true);
  EXPECT_FALSE(stray->Visible());
}

TEST_F(Arrangement, SplitterDownOnTheToolbarWithNoBars) {
  bar->SetBarsToShow(0);
  EXPECT_EQ(State().BarsTop, 367);
  EXPECT_DOUBLE_EQ(SplitBar().Top(), 5404);  // parked 100 twips above the toolbar
  EXPECT_DOUBLE_EQ(child1->Height(), 6000 - 496 - 105 - 28 * 15);
}

TEST_F(Arrangement, ToolbarOnTopPlacesTheChildSixtyPixelsDownAtAnyBarCount) {
  bar->SetToolbarOnTop(true);
  EXPECT_DOUBLE_EQ(Toolbar().Top(), 0);
  EXPECT_DOUBLE_EQ(Toolbar().Width(), 3000);
  EXPECT_EQ(State().BarsTop, 400 - 95);
  EXPECT_DOUBLE_EQ(SplitBar().Top(), 305 * 15 - 105);
  for (int bars : {1, 2, 4}) {
    bar->SetBarsToShow(bars);
    EXPECT_DOUBLE_EQ(child1->Top(), 900) << bars;
    EXPECT_EQ(host.Windows().GetLocalRect(child1->hWnd()).top, 60) << bars;
  }
  bar->SetToolbarOnTop(false);
  EXPECT_DOUBLE_EQ(Toolbar().Top(), 5504);
}

TEST_F(Arrangement, AChildThatDoesNotFitKeepsItsSizeButIsShown) {
  bar->SetAutoHide(false);
  ResizePixels(200, 60);  // the panel area's height comes out negative
  const double heightBefore = child1->Height();
  bar->SetBarsToShow(0);
  EXPECT_TRUE(child1->Visible());
  EXPECT_DOUBLE_EQ(child1->Height(), heightBefore);
}

TEST_F(Arrangement, RemovingAPanelHidesItsChildAndKeepsItInTheControl) {
  Panels().Remove(1);
  EXPECT_FALSE(child1->Visible());
  EXPECT_EQ(child1->Container(), site->hWnd());
  EXPECT_EQ(site->ContainedControls().size(), 2u);
}

TEST_F(Arrangement, PanelReturnsTheAssignedControlAndNullDetachesIt) {
  EXPECT_EQ(Panels().Item(1)->Panel(), child1);
  EXPECT_EQ(Panels().Item(3)->Panel(), nullptr);
  Panels().Item(1)->SetPanel(nullptr);
  EXPECT_EQ(Panels().Item(1)->Panel(), nullptr);
  EXPECT_FALSE(child1->Visible());
  host.RemoveControl(child2->Identity());
  EXPECT_EQ(Panels().Item(2)->Panel(), nullptr);  // no longer contained
}

class ArrangementAtOtherDensities : public ControlFixture,
                                    public ::testing::WithParamInterface<double> {
 protected:
  ArrangementAtOtherDensities() : ControlFixture(GetParam()) {}
};

TEST_P(ArrangementAtOtherDensities, BarsAndChildrenKeepTheirPixelLayout) {
  AddPanels(3);
  auto child = AddChild("Child");
  Panels().Item(1)->SetPanel(child);
  bar->SetBarsToShow(3);
  const int32_t toolbarHeight = platform::TwipsToPixels(Toolbar().Height(), tpp);
  EXPECT_EQ(toolbarHeight, static_cast<int32_t>((16 + 32 * tpp) / tpp));
  const int32_t toolbarRow = platform::TwipsToPixels(Toolbar().Top(), tpp);
  EXPECT_EQ(State().BarsTop, toolbarRow - 95);
  const platform::Rect childRect = host.Windows().GetLocalRect(child->hWnd());
  EXPECT_LE(childRect.left, 2);
  // The child ends just above the splitter, which ends half a pixel into the first bar.
  EXPECT_LE(childRect.bottom, State().BarsTop);
  EXPECT_GE(childRect.bottom, State().BarsTop - 12);
  EXPECT_LE(childRect.top, 35);
  EXPECT_EQ(Panels().Item(3)->Index(), 3);
  EXPECT_EQ(State().panels.At(3)->rcItem.bottom, State().BarsTop + 96);
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, ArrangementAtOtherDensities,
                         ::testing::Values(15.0, 12.0, 10.0));

}  // namespace
}  // namespace wayband::testing
