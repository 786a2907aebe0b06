// The navigation options dialog driven as a user would through the host's modal loop:
// the order and ticks OK applies, what Cancel leaves alone, the buttons' enabled states.
#include "interaction/options_dialog.h"
#include "mouse_fixture.h"

namespace wayband::testing {
namespace {

using Action = headless::DialogAction;
using Kind = headless::DialogAction::Kind;

Action Button(const char* name) {
  return {Kind::kClickButton, name, 0, false};
}
Action Entry(int32_t entry) {
  return {Kind::kClickEntry, "lstBars", entry, false};
}
Action Untick(int32_t entry) {
  return {Kind::kSetTicked, "lstBars", entry, false};
}

struct DialogCase {
  const char* name;
  int32_t select;  // selected panel before
  std::vector<Action> actions;
  const char* order;  // captions' numbers after, "-" after a hidden one
  int32_t selected;   // SelectedIndex after
};

class DialogCases : public MouseFixture, public ::testing::WithParamInterface<DialogCase> {
 protected:
  std::string Order() {
    std::string text;
    for (const core::PanelRecord& record : State().panels.Records())
      text += record.sCaption.substr(6) + (record.bVisible ? "" : "-");
    return text;
  }
};

TEST_P(DialogCases, ApplyOnlyOnOK) {
  const DialogCase& c = GetParam();
  Panels().Item(c.select)->SetSelected(true);
  host.Dialogs().SetScript(c.actions);
  bar->ShowNavigationOptions();
  EXPECT_EQ(Order(), c.order);
  EXPECT_EQ(State().panels.SelectedIndex(), c.selected);
  ASSERT_EQ(host.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(host.Dialogs().Shown()[0].caption, "Navigation Pane Options");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogCases,
    ::testing::Values(
        DialogCase{"OKWithoutChanges", 2, {Button("cmdOK")}, "123456", 2},
        DialogCase{"MoveDownTwice",
                   1,
                   {Button("cmdDown"), Button("cmdDown"), Button("cmdOK")},
                   "231456",
                   3},
        DialogCase{
            "MoveUpFromTheMiddle", 1, {Entry(3), Button("cmdUp"), Button("cmdOK")}, "124356", 1},
        DialogCase{"CancelAfterChanges",
                   1,
                   {Button("cmdDown"), Untick(2), Button("cmdCancel")},
                   "123456",
                   1},
        DialogCase{"CloseBoxAfterChanges", 1, {Button("cmdDown"), Untick(2)}, "123456", 1},
        DialogCase{"HiddenSelectionMovesOn", 3, {Untick(2), Button("cmdOK")}, "123-456", 4},
        DialogCase{
            "LastVisibleHandsBack", 6, {Untick(5), Untick(4), Button("cmdOK")}, "12345-6-", 1},
        DialogCase{
            "AllHiddenKeepsTheSelection",
            2,
            {Untick(0), Untick(1), Untick(2), Untick(3), Untick(4), Untick(5), Button("cmdOK")},
            "1-2-3-4-5-6-",
            2},
        DialogCase{"ResetRestoresCreationOrderAndTicks",
                   1,
                   {Untick(1), Button("cmdDown"), Button("cmdReset"), Button("cmdOK")},
                   "123456",
                   1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MouseFixture, ResetRestoresTheOrderOfAdding) {
  Panels().Item(6)->SetIndex(1);  // order now 6 1 2 3 4 5
  host.Dialogs().SetScript({Button("cmdReset"), Button("cmdOK")});
  bar->ShowNavigationOptions();
  EXPECT_EQ(State().panels.At(1)->sCaption, "Panel 1");
  EXPECT_EQ(State().panels.At(6)->sCaption, "Panel 6");
}

TEST_F(MouseFixture, MoveUpWalksAnEntryToTheTopAndDisablesItself) {
  interaction::frmOptions dialog(core::CoreAccess::Shared(*bar));
  dialog.Fill();
  EXPECT_FALSE(dialog.ItemEnabled("cmdUp"));
  dialog.ListClick(5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(dialog.ItemEnabled("cmdUp"));
    dialog.ClickButton("cmdUp");
  }
  EXPECT_EQ(dialog.Current(), 0);
  EXPECT_EQ(dialog.Entries()[0].text, "Panel 6");
  EXPECT_EQ(dialog.Entries()[0].itemData, 6);
  EXPECT_FALSE(dialog.ItemEnabled("cmdUp"));
  EXPECT_TRUE(dialog.ItemEnabled("cmdDown"));
  EXPECT_EQ(State().panels.At(1)->sCaption, "Panel 1");  // nothing applied before OK
}

TEST_F(MouseFixture, OnePanelDisablesEveryMoveAndOKAppliesItsTick) {
  Panels().Clear();
  AddPanels(1);
  interaction::frmOptions dialog(core::CoreAccess::Shared(*bar));
  dialog.Fill();
  for (const char* button : {"cmdUp", "cmdDown", "cmdReset"})
    EXPECT_FALSE(dialog.ItemEnabled(button)) << button;
  dialog.SetTicked("lstBars", 0, false);
  dialog.ClickButton("cmdOK");
  EXPECT_TRUE(dialog.Closed());
  EXPECT_FALSE(State().panels.At(1)->bVisible);
}

TEST_F(MouseFixture, ADialogWhoseControlWentOnlyCloses) {
  interaction::frmOptions dialog(core::CoreAccess::Shared(*bar));
  dialog.Fill();
  bar.reset();
  dialog.ClickButton("cmdOK");
  EXPECT_TRUE(dialog.Closed());
}

}  // namespace
}  // namespace wayband::testing
