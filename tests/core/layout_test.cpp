// The control's layout: the rows of the panel-area table, where the selected panel's child
// and the strips go, and BarsToShow (clamping to the visible panels and to MaxBars, what
// panel changes assign, automatic hiding on resize).
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "control_fixture.h"
#include "core/layout_math.h"

namespace wayband::testing {
namespace {

TEST(PanelAreaTable, EveryRowWithTheToolbarAtTheBottomAndOnTop) {
  const double stack = 350 * 15 + 80 - 105 - 900 - 50;  // toolbar on top
  const std::tuple<bool, double, int32_t, double, core::TwipsRect> cases[] = {
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
  for (const auto& [onTop, splitTop, barsTop, tpp, area] : cases) {
    const core::PanelAreaGeometry g{onTop, 3000,    6000, onTop ? 0.0 : 5504, 496, splitTop,
                                    105,   barsTop, tpp};
    EXPECT_EQ(core::PanelAreaFor(g), area) << onTop << " " << splitTop << " " << tpp;
  }
}

class Arrangement : public ControlFixture {
 protected:
  void SetUp() override {
    AddPanels(4);
    Panels().Item(1)->SetPanel(child1);
    Panels().Item(2)->SetPanel(child2);
    bar->SetBarsToShow(3);
  }
  std::array<double, 4> Place(const headless::HeadlessControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
  }
  std::shared_ptr<headless::HeadlessControl> child1 = AddChild("Child1"), child2 = AddChild("C2");
};

TEST_F(Arrangement, TheSelectedChildFillsThePanelAreaAboveTheSplitterAndTheOthersHide) {
  // 400 pixels: the toolbar starts at 5504 twips (row 366); three bars start at row 271.
  EXPECT_EQ(std::make_tuple(State().BarsTop, Toolbar().Top(), SplitBar().Top()),
            std::make_tuple(271, 5504.0, 271 * 15 + 8 - 105.0));
  EXPECT_EQ(Place(*child1), (std::array{20.0, 426.0, 2970.0, 3544.0}));
  EXPECT_FALSE(child2->Visible());
  auto stray = AddChild("Stray");  // a child of no panel
  stray->SetContainer(site->hWnd());
  Panels().Item(2)->SetSelected(true);
  EXPECT_EQ(std::make_tuple(child1->Visible(), child2->Visible(), stray->Visible()),
            std::make_tuple(false, true, false));
  EXPECT_EQ(Place(*child2), Place(*child1));
  Panels().Item(3)->SetSelected(true);  // without a child: the shown child stays
  EXPECT_TRUE(child2->Visible());
}

TEST_F(Arrangement, TheSplitterParksOnTheToolbarWithoutBarsAndATopToolbarPutsTheChild60Down) {
  bar->SetBarsToShow(0);
  EXPECT_EQ(std::make_tuple(State().BarsTop, SplitBar().Top(), child1->Height()),
            std::make_tuple(367, 5404.0, 6000 - 496 - 105 - 28 * 15.0));  // 100 above the toolbar
  bar->SetBarsToShow(3);
  bar->SetToolbarOnTop(true);
  EXPECT_EQ(std::make_tuple(Toolbar().Top(), State().BarsTop), std::make_tuple(0.0, 400 - 95));
  for (int bars : {1, 4}) {
    bar->SetBarsToShow(bars);
    EXPECT_EQ(host.Windows().GetLocalRect(child1->hWnd()).top, 60) << bars;
  }
}

TEST_F(Arrangement, DetachingOrRemovingAPanelHidesItsChildAndKeepsItInTheControl) {
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
  EXPECT_EQ(std::make_pair(core::BarsTopFor(300, 3), core::BarsTopFor(300, 0)),
            std::make_pair(205, 301));
}

using BarsToShow = ControlFixture;

TEST_F(BarsToShow, ANewControlShowsOneBarTheFirstAddMakesItZeroAndRemovesCorrectIt) {
  EXPECT_EQ(bar->BarsToShow(), 1);
  AddPanels(1);
  EXPECT_EQ(bar->BarsToShow(), 0);
  AddPanels(1);
  EXPECT_EQ(bar->BarsToShow(), 0);  // a stored 0 becomes 1 and is assigned as 0 again
  bar->SetBarsToShow(2);
  AddPanels(3);
  EXPECT_EQ(bar->BarsToShow(), 2);  // any other value stays
  Panels().Remove(5);
  EXPECT_EQ(bar->BarsToShow(), 1);  // removing lowers the count by one
  Panels().Remove(1);
  EXPECT_EQ(bar->BarsToShow(), 1);  // 0 with panels left becomes 1
  ResizePixels(200, 500);           // a new control returns to its preferred count: 0
  EXPECT_EQ(bar->BarsToShow(), 0);
}

TEST_F(BarsToShow, ClampsToVisiblePanelsAndMaxBarsAndIgnoresNegativeValues) {
  AddPanels(4);
  bar->SetBarsToShow(10);
  EXPECT_EQ(std::make_pair(bar->BarsToShow(), State().MaxBars), std::make_pair(4, 4));
  bar->SetBarsToShow(-1);
  EXPECT_EQ(bar->BarsToShow(), 4);
  Panels().Item(1)->SetVisible(false);
  EXPECT_EQ(bar->BarsToShow(), 3);
  AddPanels(8);
  bar->SetBarsToShow(11);  // 400 pixels hold nine
  EXPECT_EQ(std::make_pair(bar->BarsToShow(), State().MaxBars), std::make_pair(9, 9));
  bar->SetAutoHide(false);
  for (const auto& [height, stored] : {std::pair{99, 0}, {60, -1}}) {
    ResizePixels(200, height);  // a short control stores zero or a negative count
    bar->SetBarsToShow(3);
    EXPECT_EQ(bar->BarsToShow(), stored) << height;
  }
}

TEST_F(BarsToShow, AutoHideLimitsTheBarsOnResizeAndGrowingBringsThemBack) {
  AddPanels(10);
  Core().MutableState().PreferredBarCount = 8;
  ResizePixels(210, 400);
  // (12.12 - 3 rounded) - 3, and MaxBars recomputed by the setter that stored it.
  EXPECT_EQ(std::make_pair(bar->BarsToShow(), State().MaxBars), std::make_pair(6, 9));
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
