// When the tip window shows a tool's text: the mouse resting on the tool's window for the
// initial delay, on the manual clock, with the mouse moved through the headless host.
#include <memory>

#include "platform/tooltip/tip_timing.h"
#include "tooltip_fixture.h"

namespace wayband::interaction {
namespace {

constexpr auto kJustBefore = platform::kTipInitialDelay - 1ms;

TEST_F(TooltipTest, ShowsAfterTheMouseRestsForTheInitialDelay) {
  AttachToStrip("Mail");
  host_.MouseMove(OnStrip());
  Advance(kJustBefore);
  EXPECT_FALSE(TipShown());
  Advance(1ms);
  ASSERT_EQ(host_.Tips().Shown().size(), 1u);
  const platform::TipDisplay& shown = host_.Tips().Shown().front();
  EXPECT_EQ(shown.text, "Mail");
  EXPECT_EQ(shown.tipWindow, tip_.Window());
  EXPECT_EQ(shown.toolWindow, strip_);
  EXPECT_EQ(shown.position, (platform::Point{OnStrip().x, OnStrip().y + 20}));
  EXPECT_EQ(host_.Tips().Current(), shown);
}

TEST_F(TooltipTest, EveryMoveStartsTheDelayAgain) {
  AttachToStrip("Mail");
  host_.MouseMove(OnStrip(20));
  Advance(300ms);
  host_.MouseMove(OnStrip(25));
  Advance(kJustBefore);
  EXPECT_FALSE(TipShown());
  Advance(1ms);
  ASSERT_TRUE(TipShown());
  EXPECT_EQ(host_.Tips().Current()->position.x, OnStrip(25).x);
  host_.MouseMove(OnStrip(60));  // moving on the shown tip's tool keeps it where it is
  EXPECT_EQ(host_.Tips().Shown().size(), 1u);
  EXPECT_TRUE(TipShown());
}

TEST_F(TooltipTest, HidesWhenTheMouseLeavesTheToolWindow) {
  AttachToStrip("Mail");
  host_.MouseMove(OnStrip());
  Advance(platform::kTipInitialDelay);
  ASSERT_TRUE(TipShown());
  host_.MouseMove(OnOther());
  EXPECT_FALSE(TipShown());
  EXPECT_EQ(host_.Tips().HideCount(), 1u);
  Advance(platform::kTipInitialDelay);
  EXPECT_FALSE(TipShown());  // the other window has no tool

  host_.MouseMove(OnStrip());  // coming back shows it again after the delay
  Advance(platform::kTipInitialDelay);
  EXPECT_TRUE(TipShown());
  EXPECT_EQ(host_.Tips().Shown().size(), 2u);
}

TEST_F(TooltipTest, AutoPopsAndStaysHiddenUntilTheMouseLeaves) {
  AttachToStrip("Mail");
  host_.MouseMove(OnStrip());
  Advance(platform::kTipInitialDelay + platform::kTipAutoPopDelay - 1ms);
  ASSERT_TRUE(TipShown());
  Advance(1ms);
  EXPECT_FALSE(TipShown());

  host_.MouseMove(OnStrip(40));
  tip_.UpdateToolText(strip_, "Mail");  // the same text is no new tip
  Advance(platform::kTipInitialDelay * 2);
  EXPECT_FALSE(TipShown());

  tip_.UpdateToolText(strip_, "Calendar");  // a different one is
  Advance(platform::kTipInitialDelay);
  ASSERT_TRUE(TipShown());
  EXPECT_EQ(host_.Tips().Current()->text, "Calendar");
}

TEST_F(TooltipTest, EmptyTextShowsNothingAndHidesAShownTip) {
  AttachToStrip("");
  host_.MouseMove(OnStrip());
  Advance(platform::kTipInitialDelay * 2);
  EXPECT_FALSE(TipShown());
  EXPECT_TRUE(host_.Tips().Shown().empty());

  tip_.UpdateToolText(strip_, "Mail");
  Advance(platform::kTipInitialDelay);
  ASSERT_TRUE(TipShown());

  tip_.UpdateToolText(strip_, "");
  EXPECT_FALSE(TipShown());
  EXPECT_EQ(tip_.ToolCount(), 1);  // the tool stays
  EXPECT_EQ(tip_.ToolText(strip_), "");
}

TEST_F(TooltipTest, NewTextOnAShownTipReplacesItAtTheCursor) {
  AttachToStrip("Mail");
  host_.MouseMove(OnStrip(20));
  Advance(platform::kTipInitialDelay);
  host_.MouseMove(OnStrip(60));
  tip_.UpdateToolText(strip_, "Calendar");
  ASSERT_EQ(host_.Tips().Shown().size(), 2u);
  EXPECT_EQ(host_.Tips().Current()->text, "Calendar");
  EXPECT_EQ(host_.Tips().Current()->position.x, OnStrip(60).x);

  Advance(platform::kTipAutoPopDelay - 1ms);  // its time starts again
  EXPECT_TRUE(TipShown());
}

TEST_F(TooltipTest, PressOrRemovingTheToolHides) {
  AttachToStrip("Mail");
  host_.MouseMove(OnStrip());
  Advance(platform::kTipInitialDelay);
  host_.MouseDown(OnStrip(), host::kLeftButton);
  EXPECT_FALSE(TipShown());
  host_.MouseUp(OnStrip(), host::kLeftButton);
  host_.MouseMove(OnStrip(30));
  Advance(platform::kTipInitialDelay);
  EXPECT_FALSE(TipShown());  // quiet until the mouse leaves

  tip_.UpdateToolText(strip_, "Calendar");
  Advance(platform::kTipInitialDelay);
  ASSERT_TRUE(TipShown());
  EXPECT_TRUE(tip_.RemoveTool(strip_));
  EXPECT_FALSE(TipShown());
}

TEST_F(TooltipTest, ReleasingTheObjectHidesItsTip) {
  auto tip = std::make_unique<CUnicodeToolTip>(host_.Windows());
  ASSERT_TRUE(tip->CreateTip(form_));
  ASSERT_TRUE(tip->AddTool(strip_, "Mail"));
  host_.MouseMove(OnStrip());
  Advance(platform::kTipInitialDelay);
  ASSERT_TRUE(TipShown());
  tip.reset();
  EXPECT_FALSE(TipShown());
  EXPECT_EQ(host_.Tips().HideCount(), 1u);
  Advance(platform::kTipAutoPopDelay);  // its timers are gone with it
}

}  // namespace
}  // namespace wayband::interaction
