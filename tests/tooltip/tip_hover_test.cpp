// When the tip window shows a tool's text: the mouse resting on the tool's window for the
// initial delay, on the manual clock, with the mouse moved through the headless host.
#include "tooltip_fixture.h"

namespace wayband::interaction {
namespace {

TEST_F(TooltipTest, ShowsAfterTheMouseRestsForTheInitialDelayWhichEveryMoveStartsAgain) {
  AttachToStrip("Mail");
  host_.MouseMove(OnStrip(20));
  Advance(300ms);
  host_.MouseMove(OnStrip(25));
  Advance(kDelay - 1ms);
  EXPECT_FALSE(TipShown());
  Advance(1ms);
  ASSERT_EQ(host_.Tips().Shown().size(), 1u);
  const platform::TipDisplay& shown = host_.Tips().Shown().front();
  EXPECT_EQ(shown.text, "Mail");
  EXPECT_EQ(shown.tipWindow, tip_.Window());
  EXPECT_EQ(shown.toolWindow, strip_);
  EXPECT_EQ(shown.position, (platform::Point{OnStrip(25).x, OnStrip().y + 20}));
  EXPECT_EQ(Current(), shown);
  host_.MouseMove(OnStrip(60));  // moving on the shown tip's tool keeps it where it is
  EXPECT_EQ(host_.Tips().Shown().size(), 1u);
  EXPECT_TRUE(TipShown());
}

TEST_F(TooltipTest, HidesWhenTheMouseLeavesTheToolWindowAndShowsAgainWhenItComesBack) {
  AttachToStrip("Mail");
  host_.MouseMove(OnStrip());
  Advance(kDelay);
  ASSERT_TRUE(TipShown());
  host_.MouseMove(OnOther());
  EXPECT_FALSE(TipShown());
  EXPECT_EQ(host_.Tips().HideCount(), 1u);
  Advance(kDelay);
  EXPECT_FALSE(TipShown());  // the other window has no tool
  host_.MouseMove(OnStrip());
  Advance(kDelay);
  EXPECT_TRUE(TipShown());
  EXPECT_EQ(host_.Tips().Shown().size(), 2u);
}

TEST_F(TooltipTest, AutoPopsAndPressesHideUntilTheMouseLeavesOrTheTextChanges) {
  AttachToStrip("Mail");
  host_.MouseMove(OnStrip());
  Advance(kDelay + platform::kTipAutoPopDelay - 1ms);
  ASSERT_TRUE(TipShown());
  Advance(1ms);
  EXPECT_FALSE(TipShown());
  host_.MouseMove(OnStrip(40));
  tip_.UpdateToolText(strip_, "Mail");  // the same text is no new tip
  Advance(kDelay * 2);
  EXPECT_FALSE(TipShown());
  tip_.UpdateToolText(strip_, "Calendar");  // a different one is
  Advance(kDelay);
  ASSERT_TRUE(TipShown());
  EXPECT_EQ(Current().text, "Calendar");
  host_.MouseDown(OnStrip(), host::kLeftButton);
  EXPECT_FALSE(TipShown());
  host_.MouseUp(OnStrip(), host::kLeftButton);
  host_.MouseMove(OnStrip(30));
  Advance(kDelay);
  EXPECT_FALSE(TipShown());
  tip_.UpdateToolText(strip_, "Mail");
  Advance(kDelay);
  ASSERT_TRUE(TipShown());
  EXPECT_TRUE(tip_.RemoveTool(strip_));  // removing the tool hides its tip
  EXPECT_FALSE(TipShown());
}

TEST_F(TooltipTest, NewTextReplacesAShownTipAtTheCursorAndEmptyTextHidesIt) {
  AttachToStrip("");
  host_.MouseMove(OnStrip(20));
  Advance(kDelay * 2);
  EXPECT_TRUE(host_.Tips().Shown().empty());  // empty text shows nothing
  tip_.UpdateToolText(strip_, "Mail");
  Advance(kDelay);
  ASSERT_TRUE(TipShown());
  host_.MouseMove(OnStrip(60));
  tip_.UpdateToolText(strip_, "Calendar");
  ASSERT_EQ(host_.Tips().Shown().size(), 2u);
  EXPECT_EQ(Current().text, "Calendar");
  EXPECT_EQ(Current().position.x, OnStrip(60).x);
  Advance(platform::kTipAutoPopDelay - 1ms);  // its time starts again
  EXPECT_TRUE(TipShown());
  tip_.UpdateToolText(strip_, "");
  EXPECT_FALSE(TipShown());
  EXPECT_EQ(tip_.ToolCount(), 1);  // the tool stays
}

TEST_F(TooltipTest, ReleasingTheObjectHidesItsTipAndEndsItsTimers) {
  auto tip = std::make_unique<CUnicodeToolTip>(host_.Windows());
  ASSERT_TRUE(tip->CreateTip(form_));
  ASSERT_TRUE(tip->AddTool(strip_, "Mail"));
  host_.MouseMove(OnStrip());
  Advance(kDelay);
  ASSERT_TRUE(TipShown());
  tip.reset();
  EXPECT_FALSE(TipShown());
  EXPECT_EQ(host_.Tips().HideCount(), 1u);
  Advance(platform::kTipAutoPopDelay);
}

}  // namespace
}  // namespace wayband::interaction
