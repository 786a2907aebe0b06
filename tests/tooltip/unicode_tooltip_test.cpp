// CUnicodeToolTip and its tip window: one window per object, one tool per window, tool
// texts and the records the tip window keeps; and when it shows a tool's text, in timelines
// of the mouse resting on, leaving and pressing the tool's window and of text updates, on a
// manual clock, with the mouse moved through the headless host.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>

#include "headless/headless_host.h"
#include "interaction/unicode_tooltip.h"
#include "platform/event_loop.h"
#include "platform/tooltip/tip_timing.h"
#include "platform/tooltip/tooltip_windows.h"
#include "render/scheme/color_xp.h"

namespace wayband::interaction {
namespace {

using namespace std::chrono_literals;
static_assert(platform::kTipInitialDelay == 500ms && platform::kTipAutoPopDelay == 5000ms,
              "the timelines' times");

class TooltipTest : public ::testing::Test {
 protected:
  TooltipTest()
      : loop_(std::make_unique<platform::ManualClock>()),
        form_(host_.CreateForm("Form1", {100, 100, 500, 400})),
        strip_(host_.Windows().CreateWindow(form_, {10, 200, 210, 226}, true, "ctlToolbar")),
        other_(host_.Windows().CreateWindow(form_, {10, 10, 210, 190}, true, "Other")),
        tip_(host_.Windows()) {}

  static platform::TooltipWindows& Tips() { return platform::TooltipWindows::Instance(); }
  // A screen point inside the strip, `dx` pixels from its left end, and one in the other.
  static platform::Point OnStrip(int32_t dx = 20) { return {110 + dx, 310}; }
  static platform::Point OnOther() { return {150, 150}; }
  // The tip window made and the strip registered with `text`.
  void AttachToStrip(std::string_view text) {
    ASSERT_TRUE(tip_.CreateTip(form_));
    ASSERT_TRUE(tip_.AddTool(strip_, text));
  }
  void Advance(platform::Duration duration) { loop_.AdvanceClock(duration); }
  bool TipShown() const { return !Tips().ShownTips().empty(); }
  platform::TipDisplay Current() { return *host_.Tips().Current(); }

  // Plays a timeline of steps: "m20" moves the mouse 20 pixels into the strip ("m-" into the
  // other window), "w500" waits 500 ms, "t:Mail" sets the strip's text ("t:" none), "d" and
  // "u" press and release, "r" removes the strip's tool. A step ending "=Mail" then expects
  // that tip on show, "=" none.
  void Play(const std::string& timeline) {
    std::istringstream steps(timeline);
    for (std::string step; steps >> step;) {
      const size_t check = step.find('=');
      const std::string action = step.substr(0, check), arg = action.substr(1);
      if (action[0] == 'm') host_.MouseMove(arg == "-" ? OnOther() : OnStrip(std::stoi(arg)));
      if (action[0] == 'w') Advance(std::chrono::milliseconds(std::stoi(arg)));
      if (action[0] == 't') tip_.UpdateToolText(strip_, arg.substr(1));
      if (action[0] == 'd') host_.MouseDown(OnStrip(), host::kLeftButton);
      if (action[0] == 'u') host_.MouseUp(OnStrip(), host::kLeftButton);
      EXPECT_TRUE(action[0] != 'r' || tip_.RemoveTool(strip_));
      if (check != std::string::npos) {
        EXPECT_EQ(TipShown() ? Current().text : "", step.substr(check + 1)) << "at " << step;
      }
    }
  }

  platform::EventLoop loop_;
  headless::HeadlessHost host_;
  host::WindowHandle form_, strip_, other_;
  CUnicodeToolTip tip_;
};

TEST_F(TooltipTest, ShowsAfterTheMouseRestsForTheInitialDelayWhichEveryMoveStartsAgain) {
  AttachToStrip("Mail");
  Play("m20 w300 m25 w499= w1=Mail");
  const platform::TipDisplay shown = Current();
  EXPECT_EQ(std::make_tuple(shown.tipWindow, shown.toolWindow, shown.position),
            std::make_tuple(tip_.Window(), strip_, platform::Point{OnStrip(25).x, 330}));
  Play("m60=Mail");  // moving on the shown tip's tool keeps it where it is
  EXPECT_EQ(host_.Tips().Shown().size(), 1u);
}

// After an automatic pop or a press the tip stays hidden until the mouse leaves or the
// text changes (the same text is no new tip); removing the tool hides it.
TEST_F(TooltipTest, AutoPopsAndPressesHideUntilTheMouseLeavesOrTheTextChanges) {
  AttachToStrip("Mail");
  Play("m20 w5499=Mail w1= m40 t:Mail w1000= t:Calendar w500=Calendar");
  Play("d= u m30 w500= t:Mail w500=Mail r=");
}

TEST_F(TooltipTest, NewTextReplacesAShownTipAtTheCursorAndEmptyTextHidesIt) {
  AttachToStrip("");
  Play("m20 w1000= t:Mail w500=Mail m60 t:Calendar=Calendar");
  EXPECT_EQ(std::make_pair(host_.Tips().Shown().size(), Current().position.x),
            std::make_pair(size_t{2}, OnStrip(60).x));
  Play("w4999=Calendar t:=");      // its time started again
  EXPECT_EQ(tip_.ToolCount(), 1);  // the tool stays
}

TEST_F(TooltipTest, ReleasingTheObjectHidesItsTipAndEndsItsTimers) {
  auto tip = std::make_unique<CUnicodeToolTip>(host_.Windows());
  ASSERT_TRUE(tip->CreateTip(form_));
  ASSERT_TRUE(tip->AddTool(strip_, "Mail"));
  Play("m20 w500=Mail");
  tip.reset();
  EXPECT_FALSE(TipShown());
  EXPECT_EQ(host_.Tips().HideCount(), 1u);
  Advance(platform::kTipAutoPopDelay);
}

using namespace std::string_literals;

TEST_F(TooltipTest, WithoutATipWindowEveryOperationDoesNothing) {
  tip_.UpdateToolText(strip_, "Mail");
  EXPECT_EQ(std::make_tuple(tip_.AddTool(strip_, "Mail"), tip_.FindTool(strip_, true).has_value(),
                            tip_.RemoveTool(strip_), tip_.ToolCount(), tip_.ToolText(strip_),
                            tip_.Window()),
            std::make_tuple(false, false, false, 0, "", host::kNoWindow));
}

TEST_F(TooltipTest, CreateTipMakesOneWindowWithShadowFromXpOnWhichReleasingDestroys) {
  const size_t before = Tips().TipWindowCount();
  host::WindowHandle window;
  {
    CUnicodeToolTip tip(host_.Windows());
    ASSERT_TRUE(tip.CreateTip(form_));
    window = tip.Window();
    ASSERT_TRUE(tip.CreateTip(strip_));
    EXPECT_EQ(std::make_tuple(tip.Window(), Tips().TipWindowCount(), Tips().Owner(window),
                              Tips().Title(window)),  // no title is ever sent
              std::make_tuple(window, before + 1, form_, ""));
    const uint32_t classStyle = Tips().GetClassLong(window, platform::GCL_STYLE);
    EXPECT_TRUE(classStyle & platform::CS_SAVEBITS);  // added to, not replaced
    EXPECT_EQ((classStyle & platform::CS_DROPSHADOW) != 0, render::IsXPOrLater());
    { CUnicodeToolTip never(host_.Windows()); }  // never created: destroys nothing
    EXPECT_TRUE(Tips().IsTipWindow(window));
  }
  EXPECT_FALSE(Tips().IsTipWindow(window));
  EXPECT_EQ(Tips().TipWindowCount(), before);
}

TEST_F(TooltipTest, AddToolRegistersAWindowOnceAndRemoveToolOnlyThatWindowsTool) {
  AttachToStrip("Mail");
  EXPECT_FALSE(tip_.AddTool(strip_, "Calendar"));
  EXPECT_EQ(tip_.ToolText(strip_), "Mail");
  const auto record = tip_.FindTool(strip_, false);  // no text asked for
  ASSERT_TRUE(record);
  EXPECT_EQ(std::make_tuple(record->cbSize, record->uFlags, record->hwnd, record->uId, record->rect,
                            record->text),
            std::make_tuple(44u, 0x111u, strip_, platform::ToolIdOfWindow(strip_),
                            platform::Rect{0, 0, 200, 26}, ""));
  EXPECT_TRUE(tip_.AddTool(other_, "Other"));
  EXPECT_EQ(tip_.ToolCount(), 2);
  EXPECT_FALSE(tip_.FindTool(form_, false));
  tip_.UpdateToolText(form_, "no tool");  // nothing happens
  EXPECT_EQ(tip_.ToolCount(), 2);
  EXPECT_TRUE(tip_.RemoveTool(strip_));
  EXPECT_FALSE(tip_.RemoveTool(strip_));
  EXPECT_EQ(tip_.ToolText(strip_) + tip_.ToolText(other_), "Other");
  EXPECT_TRUE(tip_.AddTool(strip_, "again"));
}

TEST_F(TooltipTest, ToolTextsAreUtf8AndStopAtAnEmbeddedNul) {
  AttachToStrip("Mail\0Junk"s);
  EXPECT_EQ(tip_.ToolText(strip_), "Mail");
  const std::string utf8 = "Kalender \xE2\x80\x94 \xD0\x9F\xD0\xBE\xD1\x87\xD1\x82\xD0\xB0";
  tip_.UpdateToolText(strip_, utf8);
  EXPECT_EQ(tip_.ToolText(strip_), utf8);
  tip_.UpdateToolText(strip_, "\0Junk"s);
  EXPECT_EQ(tip_.ToolText(strip_), "");
  tip_.UpdateToolText(strip_, "  spaced  ");  // the terminating NUL is found: no trimming
  EXPECT_EQ(tip_.ToolText(strip_), "  spaced  ");
  // A buffer is cut at its first NUL; without one, spaces are trimmed.
  const std::pair<std::string, std::string> buffers[] = {{"Mail\0\0\0"s, "Mail"},
                                                         {" Mail \0  "s, " Mail "},
                                                         {"\0Mail"s, ""},
                                                         {"  Mail  ", "Mail"},
                                                         {"\tMail ", "\tMail"},
                                                         {"    ", ""},
                                                         {"", ""}};
  for (const auto& [buffer, text] : buffers)
    EXPECT_EQ(ToolTextFromBuffer(buffer), text) << buffer;
}

// The tip window's side of enumeration: the caller's buffer gets the text and a NUL, cut
// to fit without splitting a character; records of another size are refused.
TEST_F(TooltipTest, EnumerationFillsTheCallersBuffer) {
  AttachToStrip("\xC3\xA9t\xC3\xA9");  // 5 bytes
  const host::WindowHandle window = tip_.Window();
  const auto enumerate = [&](std::string buffer) {
    platform::ToolInfo info;
    info.text = std::move(buffer);
    EXPECT_TRUE(Tips().EnumTools(window, 0, info));
    return info.text;
  };
  EXPECT_EQ(enumerate(std::string(8, '*')), "\xC3\xA9t\xC3\xA9\0**"s);
  EXPECT_EQ(enumerate(std::string(5, '*')), "\xC3\xA9t\0*"s);  // no half character
  EXPECT_EQ(enumerate(std::string(1, '*')), "\0"s);
  EXPECT_EQ(enumerate(""), "");
  platform::ToolInfo info;
  info.cbSize = 40;
  EXPECT_FALSE(Tips().EnumTools(window, 0, info));
  EXPECT_FALSE(Tips().AddTool(window, info));
  info.cbSize = platform::kToolInfoSize;
  EXPECT_FALSE(Tips().EnumTools(window, 1, info));
}

}  // namespace
}  // namespace wayband::interaction
