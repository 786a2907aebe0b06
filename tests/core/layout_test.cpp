// The control's layout: the rows of the panel-area table, where the selected panel's child
// and the strips go, and BarsToShow (clamping to the visible panels and to MaxBars, the
// splitter-drag toggle, what panel changes assign, automatic hiding on resize).
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "control_fixture.h"
#include "core/layout_math.h"

namespace wayband::testing {
namespace {

using core::TwipsRect;

TEST(PanelAreaTable, EveryRowWithTheToolbarAtTheBottomAndOnTop) {
  struct Case {
    bool onTop;
    double splitTop;
    int32_t barsTop;
    double tpp;
    TwipsRect area;
  };
  const double stack = 350 * 15 + 80 - 105 - 900 - 50;  // toolbar on top
  const Case cases[] = {
      // Room: the splitter is well above the toolbar and below the header.
      {false, 3968, 271, 15, {20, 426, 2970, 271 * 15 - 496 + 80 - 105}},
      // Near the top: 495 twips is 33 pixels, not below the 33-pixel header; 34 is.
      {false, 495, 40, 15, {20, -50, 2970, 0}},
      {false, 510, 40, 15, {20, 426, 2970, 40 * 15 - 496 + 80 - 105}},
      // Down on the toolbar (TT - 100 <= ST).
      {false, 5404, 367, 15, {20, 426, 2970, 6000 - 496 - 105 - 28 * 15}},
      {false, 5403, 367, 15, {20, 426, 2970, 367 * 15 - 496 + 80 - 105}},
      {true, 5145, 350, 15, {20, 900, 2970, stack}},
      {true, 495, 40, 15, {20, 900, 2970, 0}},
      // The splitter at the bottom (SH - 100 <= ST) keeps the stack height, whatever its row.
      {true, 5900, 350, 15, {20, 900, 2970, stack}},
      // The top follows the screen density: 60 pixels rounded half to even.
      {true, 4000, 300, 12, {20, 720, 2970, 300 * 12 + 80 - 105 - 720 - 50}},
      {true, 4000, 300, 12.5, {20, 750, 2970, 3750 + 80 - 105 - 750 - 50}}};
  for (const Case& c : cases) {
    const core::PanelAreaGeometry g{c.onTop, 3000,      6000, c.onTop ? 0.0 : 5504, 496, c.splitTop,
                                    105,     c.barsTop, c.tpp};
    EXPECT_EQ(core::PanelAreaFor(g), c.area) << c.onTop << " " << c.splitTop << " " << c.tpp;
  }
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
  std::shared_ptr<headless::HeadlessControl> child1, child2;
};

TEST_F(Arrangement, TheSelectedChildFillsThePanelAreaAboveTheSplitterAndTheOthersHide) {
  // 400 pixels: the toolbar starts at 5504 twips (row 366); three bars start at row 271.
  EXPECT_EQ(State().BarsTop, 271);
  EXPECT_DOUBLE_EQ(Toolbar().Top(), 5504);
  EXPECT_DOUBLE_EQ(SplitBar().Top(), 271 * 15 + 8 - 105);
  EXPECT_EQ(State().LastSplitterTop, 3968);
  EXPECT_TRUE(child1->Visible());
  EXPECT_FALSE(child2->Visible());
  EXPECT_EQ((std::array{child1->Left(), child1->Top(), child1->Width(), child1->Height()}),
            (std::array{20.0, 426.0, 2970.0, 3544.0}));
  auto stray = AddChild("Stray");  // a child of no panel
  stray->SetContainer(site->hWnd());
  Panels().Item(2)->SetSelected(true);
  EXPECT_TRUE(child2->Visible());
  EXPECT_FALSE(child1->Visible());
  EXPECT_FALSE(stray->Visible());
  EXPECT_DOUBLE_EQ(child2->Top(), 426);
  Panels().Item(3)->SetSelected(true);  // without a child: the shown child stays
  EXPECT_TRUE(child2->Visible());
}

TEST_F(Arrangement, TheSplitterParksOnTheToolbarWithoutBarsAndATopToolbarPutsTheChild60Down) {
  bar->SetBarsToShow(0);
  EXPECT_EQ(State().BarsTop, 367);
  EXPECT_DOUBLE_EQ(SplitBar().Top(), 5404);  // 100 twips above the toolbar
  EXPECT_DOUBLE_EQ(child1->Height(), 6000 - 496 - 105 - 28 * 15);
  bar->SetBarsToShow(3);
  bar->SetToolbarOnTop(true);
  EXPECT_DOUBLE_EQ(Toolbar().Top(), 0);
  EXPECT_EQ(State().BarsTop, 400 - 95);
  for (int bars : {1, 2, 4}) {
    bar->SetBarsToShow(bars);
    EXPECT_EQ(host.Windows().GetLocalRect(child1->hWnd()).top, 60) << bars;
  }
}

TEST_F(Arrangement, AChildThatDoesNotFitKeepsItsSizeButIsShown) {
  bar->SetAutoHide(false);
  ResizePixels(200, 60);  // the panel area's height comes out negative
  const double heightBefore = child1->Height();
  bar->SetBarsToShow(0);
  EXPECT_TRUE(child1->Visible());
  EXPECT_DOUBLE_EQ(child1->Height(), heightBefore);
}

TEST_F(Arrangement, DetachingOrRemovingAPanelHidesItsChildAndKeepsItInTheControl) {
  EXPECT_EQ(Panels().Item(1)->Panel(), child1);
  EXPECT_EQ(Panels().Item(3)->Panel(), nullptr);
  Panels().Item(1)->SetPanel(nullptr);
  EXPECT_EQ(Panels().Item(1)->Panel(), nullptr);
  EXPECT_FALSE(child1->Visible());
  host.RemoveControl(child2->Identity());
  EXPECT_EQ(Panels().Item(2)->Panel(), nullptr);  // no longer contained
  Panels().Item(3)->SetPanel(child1);
  Panels().Item(3)->SetSelected(true);
  ASSERT_TRUE(child1->Visible());
  Panels().Remove(3);
  EXPECT_FALSE(child1->Visible());
  EXPECT_EQ(child1->Container(), site->hWnd());
  EXPECT_EQ(site->ContainedControls().size(), 1u);
}

TEST(MaxBarsArithmetic, ControlHeightInToolbarHeightsLessThreeRoundedHalfToEven) {
  const std::tuple<int32_t, int32_t, int32_t> cases[] = {
      {400, 33, 9}, {99, 33, 0},  {60, 33, -1},   // 12.12 - 3, 0, -1.18
      {181, 33, 2},                               // 2.48
      {115, 46, 0}, {161, 46, 0}, {207, 46, 2}};  // -0.5, 0.5 and 1.5: to the even neighbour
  for (const auto& [height, toolbar, maxBars] : cases)
    EXPECT_EQ(core::MaxBarsFor(height, toolbar), maxBars) << height << " / " << toolbar;
  EXPECT_FALSE(core::MaxBarsFor(400, 0));
  EXPECT_EQ(core::BarsTopFor(300, 3), 205);
  EXPECT_EQ(core::BarsTopFor(300, 0), 301);
}

using BarsToShow = ControlFixture;

TEST_F(BarsToShow, ANewControlShowsOneBarAndTheFirstAddTurnsItIntoZero) {
  EXPECT_EQ(bar->BarsToShow(), 1);
  AddPanels(1);
  EXPECT_EQ(bar->BarsToShow(), 0);
  EXPECT_TRUE(SplitBar().Visible());
  AddPanels(1);
  EXPECT_EQ(bar->BarsToShow(), 0);  // a stored 0 becomes 1 and is assigned as 0 again
  bar->SetBarsToShow(2);
  AddPanels(1);
  EXPECT_EQ(bar->BarsToShow(), 2);  // any other value stays
  ResizePixels(200, 500);           // a new control returns to its preferred count: 0
  EXPECT_EQ(bar->BarsToShow(), 0);
}

TEST_F(BarsToShow, ClampsToVisiblePanelsAndMaxBarsAndIgnoresNegativeValues) {
  AddPanels(4);
  bar->SetBarsToShow(10);
  EXPECT_EQ(bar->BarsToShow(), 4);
  EXPECT_EQ(State().MaxBars, 4);
  bar->SetBarsToShow(-1);
  EXPECT_EQ(bar->BarsToShow(), 4);
  Panels().Item(1)->SetVisible(false);
  EXPECT_EQ(bar->BarsToShow(), 3);
  AddPanels(8);
  bar->SetBarsToShow(11);  // 400 pixels hold nine
  EXPECT_EQ(State().MaxBars, 9);
  EXPECT_EQ(bar->BarsToShow(), 9);
  // A short control stores zero or a negative count.
  bar->SetAutoHide(false);
  for (const auto& [height, stored] : {std::pair{99, 0}, {60, -1}}) {
    ResizePixels(200, height);
    bar->SetBarsToShow(3);
    EXPECT_EQ(bar->BarsToShow(), stored) << height;
  }
}

TEST_F(BarsToShow, RemoveLowersTheCountByOneAndCorrectsIt) {
  AddPanels(5);
  bar->SetBarsToShow(3);
  Panels().Remove(5);
  EXPECT_EQ(bar->BarsToShow(), 2);
  bar->SetBarsToShow(1);
  Panels().Remove(1);  // 0 with panels left becomes 1
  EXPECT_EQ(bar->BarsToShow(), 1);
}

TEST_F(BarsToShow, OnlyEverySecondAssignmentTakesEffectDuringADragAndAPollerRemembersEach) {
  AddPanels(5);
  bar->SetBarsToShow(2);
  Core().MutableState().SplitterDragging = true;
  for (const auto& [assigned, shown] : {std::pair{3, 2}, {3, 3}, {4, 3}}) {
    bar->SetBarsToShow(assigned);
    EXPECT_EQ(bar->BarsToShow(), shown);
  }
  Core().MutableState().SplitterDragging = false;
  bar->SetBarsToShow(4);
  EXPECT_EQ(bar->BarsToShow(), 4);
  EXPECT_EQ(State().PreferredBarCount, 0);
  Core().MutableState().PollingNeeded = true;
  bar->SetBarsToShow(1);
  EXPECT_EQ(State().PreferredBarCount, 1);
}

TEST_F(BarsToShow, AutoHideLimitsTheBarsOnResizeAndGrowingBringsThemBack) {
  AddPanels(10);
  Core().MutableState().PreferredBarCount = 8;
  ResizePixels(210, 400);
  EXPECT_EQ(bar->BarsToShow(), 6);  // (12.12 - 3 rounded) - 3
  EXPECT_EQ(State().MaxBars, 9);    // recomputed by the setter that stored 6
  ResizePixels(200, 600);
  EXPECT_EQ(bar->BarsToShow(), 8);
  ResizePixels(200, 150);  // 4.55 - 3 rounds to 2, less 3: -1, and the setter ignores it
  EXPECT_EQ(bar->BarsToShow(), 2);
  bar->SetAutoHide(false);  // without it a resize keeps the count
  ResizePixels(200, 400);
  bar->SetBarsToShow(8);
  ResizePixels(200, 300);
  EXPECT_EQ(bar->BarsToShow(), 8);
}

}  // namespace
}  // namespace wayband::testing
