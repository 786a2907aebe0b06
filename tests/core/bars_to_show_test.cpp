// BarsToShow: clamping to the visible panels and to MaxBars, the splitter-drag toggle,
// what panel changes assign, and automatic hiding on resize.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "core/layout_math.h"

namespace wayband::testing {
namespace {

class BarsToShow : public ControlFixture {};

TEST(MaxBarsArithmetic, ControlHeightInToolbarHeightsLessThreeRoundedHalfToEven) {
  EXPECT_EQ(core::MaxBarsFor(400, 33), 9);  // 12.12 - 3
  EXPECT_EQ(core::MaxBarsFor(99, 33), 0);
  EXPECT_EQ(core::MaxBarsFor(60, 33), -1);  // -1.18
  EXPECT_EQ(core::MaxBarsFor(181, 33), 2);  // 2.48
  EXPECT_EQ(core::MaxBarsFor(115, 46), 0);  // -0.5 rounds to the even 0
  EXPECT_EQ(core::MaxBarsFor(161, 46), 0);  // 0.5 rounds to the even 0
  EXPECT_EQ(core::MaxBarsFor(207, 46), 2);  // 1.5 rounds to the even 2
  EXPECT_FALSE(core::MaxBarsFor(400, 0));
  EXPECT_EQ(core::BarsTopFor(300, 3), 205);
  EXPECT_EQ(core::BarsTopFor(300, 0), 301);
}

TEST_F(BarsToShow, NewControlShowsOneBarAndTheFirstAddTurnsItIntoZero) {
  EXPECT_EQ(bar->BarsToShow(), 1);
  AddPanels(1);
  EXPECT_EQ(bar->BarsToShow(), 0);
  EXPECT_TRUE(SplitBar().Visible());
  AddPanels(1);
  EXPECT_EQ(bar->BarsToShow(), 0);  // a stored 0 becomes 1 and is assigned as 0 again
  bar->SetBarsToShow(2);
  AddPanels(1);
  EXPECT_EQ(bar->BarsToShow(), 2);  // any other value stays
}

TEST_F(BarsToShow, ClampsToVisiblePanelsAndIgnoresNegativeValues) {
  AddPanels(4);
  bar->SetBarsToShow(10);
  EXPECT_EQ(bar->BarsToShow(), 4);
  EXPECT_EQ(State().MaxBars, 4);
  bar->SetBarsToShow(-1);
  EXPECT_EQ(bar->BarsToShow(), 4);
  Panels().Item(1)->SetVisible(false);
  EXPECT_EQ(bar->BarsToShow(), 3);
}

TEST_F(BarsToShow, MaxBarsLimitsTheCountOnAFourHundredPixelControl) {
  AddPanels(12);
  bar->SetBarsToShow(11);
  EXPECT_EQ(State().MaxBars, 9);
  EXPECT_EQ(bar->BarsToShow(), 9);
}

TEST_F(BarsToShow, AShortControlStoresZeroOrANegativeCount) {
  AddPanels(3);
  bar->SetAutoHide(false);
  ResizePixels(200, 99);
  bar->SetBarsToShow(3);
  EXPECT_EQ(bar->BarsToShow(), 0);
  ResizePixels(200, 60);
  bar->SetBarsToShow(3);
  EXPECT_EQ(bar->BarsToShow(), -1);
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

TEST_F(BarsToShow, OnlyEverySecondAssignmentTakesEffectDuringASplitterDrag) {
  AddPanels(5);
  bar->SetBarsToShow(2);
  Core().MutableState().SplitterDragging = true;
  bar->SetBarsToShow(3);
  EXPECT_EQ(bar->BarsToShow(), 2);
  bar->SetBarsToShow(3);
  EXPECT_EQ(bar->BarsToShow(), 3);
  bar->SetBarsToShow(4);
  EXPECT_EQ(bar->BarsToShow(), 3);
  Core().MutableState().SplitterDragging = false;
  bar->SetBarsToShow(4);
  EXPECT_EQ(bar->BarsToShow(), 4);
}

TEST_F(BarsToShow, APollingControlRemembersEveryAssignedCount) {
  AddPanels(5);
  bar->SetBarsToShow(3);
  EXPECT_EQ(State().PreferredBarCount, 0);
  Core().MutableState().PollingNeeded = true;
  bar->SetBarsToShow(4);
  EXPECT_EQ(State().PreferredBarCount, 4);
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
}

TEST_F(BarsToShow, WithoutAutoHideAResizeKeepsTheCount) {
  AddPanels(10);
  bar->SetAutoHide(false);
  bar->SetBarsToShow(8);
  ResizePixels(200, 300);
  EXPECT_EQ(bar->BarsToShow(), 8);
}

TEST_F(BarsToShow, ANewControlThatIsResizedReturnsToItsPreferredCountOfZero) {
  AddPanels(3);
  bar->SetBarsToShow(3);
  ResizePixels(200, 500);
  EXPECT_EQ(bar->BarsToShow(), 0);
}

}  // namespace
}  // namespace wayband::testing
