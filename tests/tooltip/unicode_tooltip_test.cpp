// CUnicodeToolTip: one tip window per object, one tool per window, tool texts and the
// records the tip window keeps.
#include <string>

#include "render/scheme/color_xp.h"
#include "tooltip_fixture.h"

namespace wayband::interaction {
namespace {

using namespace std::string_literals;

TEST_F(TooltipTest, WithoutATipWindowEveryOperationDoesNothing) {
  EXPECT_FALSE(tip_.AddTool(strip_, "Mail"));
  tip_.UpdateToolText(strip_, "Mail");
  EXPECT_FALSE(tip_.FindTool(strip_, true));
  EXPECT_FALSE(tip_.RemoveTool(strip_));
  EXPECT_EQ(tip_.ToolCount(), 0);
  EXPECT_EQ(tip_.ToolText(strip_), "");
  EXPECT_EQ(tip_.Window(), host::kNoWindow);
}

TEST_F(TooltipTest, CreateTipMakesOneWindowWithShadowFromXpOnWhichReleasingDestroys) {
  const size_t before = Tips().TipWindowCount();
  host::WindowHandle window;
  {
    CUnicodeToolTip tip(host_.Windows());
    ASSERT_TRUE(tip.CreateTip(form_));
    window = tip.Window();
    ASSERT_TRUE(tip.CreateTip(strip_));
    EXPECT_EQ(tip.Window(), window);
    EXPECT_EQ(Tips().TipWindowCount(), before + 1);
    EXPECT_EQ(Tips().Owner(window), form_);
    EXPECT_EQ(Tips().Title(window), "");  // no title is ever sent
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
  const auto record = tip_.FindTool(strip_, false);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->cbSize, 44u);
  EXPECT_EQ(record->uFlags, 0x111u);
  EXPECT_EQ(record->hwnd, strip_);
  EXPECT_EQ(record->uId, platform::ToolIdOfWindow(strip_));
  EXPECT_EQ(record->rect, (platform::Rect{0, 0, 200, 26}));
  EXPECT_EQ(record->text, "");  // no text asked for
  EXPECT_TRUE(tip_.AddTool(other_, "Other"));
  EXPECT_EQ(tip_.ToolCount(), 2);
  EXPECT_FALSE(tip_.FindTool(form_, false));
  tip_.UpdateToolText(form_, "no tool");  // nothing happens
  EXPECT_EQ(tip_.ToolCount(), 2);
  EXPECT_TRUE(tip_.RemoveTool(strip_));
  EXPECT_FALSE(tip_.RemoveTool(strip_));
  EXPECT_EQ(tip_.ToolText(strip_), "");
  EXPECT_EQ(tip_.ToolText(other_), "Other");
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
