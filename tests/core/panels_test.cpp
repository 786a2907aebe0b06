// The panel collection: what Add accepts as Key and KeyBefore, how Item and Remove resolve
// numbers, numeric strings and case-sensitive keys, which panel stays selected through
// adds, removes, moves and hiding, and handles that never dangle once their panel or
// control is gone (also when the host destroys the control while it calls out).
#include <gtest/gtest.h>

#include <tuple>

#include "control_fixture.h"
#include "wayband/error.h"

namespace wayband::testing {
namespace {

using Strings = std::vector<std::string>;
using PanelKeys = ControlFixture;

TEST_F(PanelKeys, NumericDuplicateAndObjectKeysAddNothingAndKeysAreCaseSensitive) {
  for (const Variant& key : {Variant(5), Variant("5"), Variant(" 2.5 "), Variant(true),
                             Variant(std::make_shared<StdFont>())}) {
    EXPECT_FALSE(Panels().Add(key)) << key.ToText().value_or("object");
  }
  ASSERT_TRUE(Panels().Add("a", {}, "lower"));
  ASSERT_TRUE(Panels().Add("A", {}, "upper"));
  EXPECT_FALSE(Panels().Add("a"));
  EXPECT_EQ(std::make_tuple(Panels().Count(), Panels().Item("a")->Caption(),
                            Panels().Item("A")->Caption(), Panels().Item("MAIL").has_value()),
            std::make_tuple(2, "lower", "upper", false));
}

TEST_F(PanelKeys, GeneratedKeysFollowIdsThatAreNeverReusedNorCheckedAgainstKeysInUse) {
  for (int i = 0; i < 5; ++i)
    Panels().Add();
  Panels().Remove(5);
  EXPECT_EQ(Panels().Add()->Key(), "C6");
  Panels().Add("C8");
  const auto generated = Panels().Add();
  EXPECT_EQ(std::make_tuple(generated->Key(), generated->Index(), Panels().Item("C8")->Index()),
            std::make_tuple("C8", 7, 6));  // Item finds the first match
}

TEST_F(PanelKeys, KeyBeforeBelowOneInsertsFirstBeyondCountAppendsAndNeedsPanelsWhenNumeric) {
  EXPECT_FALSE(Panels().Add("a", 1));
  EXPECT_FALSE(Panels().Add("a", 0));
  EXPECT_FALSE(Panels().Add("a", std::make_shared<StdFont>()));
  Panels().Add("a", "b");  // a string that matches nothing appends
  Panels().Add("b");
  for (const auto& [key, before] : {std::pair<const char*, Variant>{"x", 0},
                                    {"y", -3},
                                    {"z", 99},
                                    {"w", "no such key"},
                                    {"v", "b"},
                                    {"u", "2"}}) {
    Panels().Add(key, before);  // "2" is numeric: position 2
  }
  EXPECT_EQ(Keys(), (Strings{"y", "u", "x", "a", "v", "b", "z", "w"}));
}

TEST_F(PanelKeys, ItemAndRemoveTakeNumbersAndNumericStringsAsIndicesAndIgnoreTheRest) {
  AddPanels(3);
  EXPECT_EQ(Panels().Item("2")->Key(), "P2");
  EXPECT_EQ(Panels().Item(2.5)->Key(), "P2");  // half to even
  EXPECT_EQ(Panels().Item(int16_t{3})->Key(), "P3");
  // Out of range, not convertible, an object; empty is the number 0.
  for (const Variant& index : {Variant(0), Variant(4), Variant(-1), Variant(1e12),
                               Variant(std::make_shared<StdFont>()), Variant(), Variant("P9")}) {
    EXPECT_FALSE(Panels().Item(index)) << index.ToText().value_or("object");
    Panels().Remove(index);
  }
  Panels().Remove("2");
  Panels().Remove("P3");
  EXPECT_EQ(Keys(), (Strings{"P1"}));
  Panels().Remove("P1");
  try {
    Panels().Item(1);
    FAIL() << "no error raised";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 9);  // Item on an empty collection
  }
}

class Selection : public ControlFixture {
 protected:
  int32_t SelectedIndex() { return State().panels.SelectedIndex(); }
};

TEST_F(Selection, TheFirstPanelAddedIsSelectedAndRemovingKeepsTheSamePanelWherePossible) {
  AddPanels(5);
  EXPECT_EQ(SelectedKey(), "P1");
  Panels().Item("P3")->SetSelected(true);
  // Before the selection, after it, the selected middle one (the one moving into its
  // place is selected), the selected last one (the new last), the only one.
  for (const auto& [removed, selected] :
       {std::pair{"P1", "P3"}, {"P5", "P3"}, {"P3", "P4"}, {"P4", "P2"}, {"P2", ""}}) {
    Panels().Remove(removed);
    EXPECT_EQ(SelectedKey(), selected) << removed;
  }
  EXPECT_EQ(SelectedIndex(), 0);
}

TEST_F(Selection, HidingOrRemovingTheSelectedPanelSelectsTheFirstVisibleOne) {
  AddPanels(3);
  Panels().Item("P2")->SetSelected(true);
  // The first panel is a candidate, then the search passes hidden ones, then none is left.
  for (const auto& [hidden, selected] : {std::pair{"P2", "P1"}, {"P1", "P3"}, {"P3", ""}}) {
    Panels().Item(hidden)->SetVisible(false);
    EXPECT_EQ(SelectedKey(), selected) << hidden;
  }
  Panels().Clear();
  AddPanels(3);
  Panels().Item("P1")->SetVisible(false);
  Panels().Item("P3")->SetSelected(true);
  Panels().Item("P2")->SetVisible(false);
  Panels().Remove("P3");  // P2 (hidden) moves into the selection and is replaced
  EXPECT_EQ(SelectedIndex(), 0);
}

TEST_F(Selection, MovingTheSelectedPanelLeavesTheSelectionWithThePosition) {
  AddPanels(3);
  Panels().Item("P2")->SetIndex(3);
  Panels().Item("P2")->SetIndex(1);  // into the selected position, which stays selected
  Panels().Item("P1")->SetIndex(3);
  EXPECT_EQ(std::make_tuple(SelectedIndex(), Keys()),
            std::make_tuple(1, Strings{"P2", "P3", "P1"}));
  const uint64_t before = Passes();
  Panels().Item("P2")->SetIndex(7);  // out of range: nothing moves, the control refreshes
  EXPECT_EQ(std::make_tuple(Passes(), Keys()),
            std::make_tuple(before + 1, Strings{"P2", "P3", "P1"}));
}

TEST_F(Selection, SelectedBarIgnoresHiddenDisabledAndMissingPanelsButSelectedDoesNot) {
  AddPanels(3);
  auto hidden = Panels().Item("P2"), disabled = Panels().Item("P3");
  hidden->SetVisible(false);
  disabled->SetEnabled(false);
  for (const std::optional<ShortcutPanel>& refused : {hidden, disabled, {}}) {
    bar->SetSelectedBar(refused);
    EXPECT_EQ(SelectedKey(), "P1");
  }
  disabled->SetEnabled(true);
  bar->SetSelectedBar(disabled);
  EXPECT_EQ(SelectedKey(), "P3");
  hidden->SetSelected(false);  // assigning False selects too, hidden or not
  EXPECT_EQ(SelectedKey(), "P2");
}

class HandleLifetime : public ControlFixture {
 protected:
  static void ExpectEmpty(ShortcutPanel& panel) {
    EXPECT_EQ(std::make_tuple(panel.Caption(), panel.Key(), panel.Index(), panel.BackColor1(),
                              panel.Visible(), panel.Enabled(), panel.Selected(), panel.Panel()),
              std::make_tuple("", "", 0, 0u, false, false, false, nullptr));
  }
  static void WriteEverything(ShortcutPanel& panel) {
    panel.SetCaption("x");
    panel.SetBackColor1(1);
    panel.SetIconKey("k");
    panel.SetIndex(1);
    panel.SetSelected(true);
    panel.SetTag("t");
    panel.SetVisible(false);
    panel.SetEnabled(false);
    panel.SetPanel(nullptr);
  }
};

TEST_F(HandleLifetime, HandlesOfOnePanelAgreeAndOnceItIsRemovedReadEmptyAndIgnoreWrites) {
  AddPanels(2);
  auto first = *Panels().Item("P2"), second = *Panels().Item(2), removed = *Panels().Item(1);
  first.SetCaption("Renamed");
  Panels().Remove("P1");
  EXPECT_EQ(std::make_tuple(second.Caption(), second.Index(), second.Selected()),
            std::make_tuple("Renamed", 1, true));
  ExpectEmpty(removed);
  const uint64_t before = Passes();
  WriteEverything(removed);
  EXPECT_EQ(std::make_tuple(Passes(), Keys()), std::make_tuple(before, Strings{"P2"}));
}

TEST_F(HandleLifetime, HandlesOutliveTheirControl) {
  AddPanels(2);
  auto panel = *Panels().Item(1);
  auto panels = Panels();
  auto selected = bar->SelectedBar();
  bar.reset();
  ExpectEmpty(panel);
  ExpectEmpty(*selected);
  WriteEverything(panel);
  EXPECT_EQ(panels.Count(), 0);
  EXPECT_FALSE(panels.Add("new"));
  EXPECT_FALSE(panels.Item(1));  // no error 9 from a collection whose control is gone
  panels.Remove(1);
  panels.Clear();
}

TEST_F(HandleLifetime, TheCollectionChecksThatTheControlWindowStillExists) {
  AddPanels(1);
  host.Windows().DestroyWindow(site->hWnd());
  EXPECT_EQ(Panels().Count(), 0);
  EXPECT_FALSE(Panels().Item(1));
}

TEST_F(HandleLifetime, TheHostMayDestroyTheControlWhileAddLetsItProcessMessages) {
  AddPanels(1);
  loop.PostTask([this] { bar.reset(); });
  auto added = Panels().Add("late");
  ASSERT_TRUE(added);  // Add still returns its handle
  EXPECT_EQ(bar, nullptr);
  ExpectEmpty(*added);
}

TEST_F(HandleLifetime, TheHostMayDestroyTheControlInsideAnEventHandler) {
  AddPanels(2);
  int calls = 0;
  bar->BarClick.Connect([&](ShortcutPanel& panel) {
    EXPECT_EQ(panel.Key(), "P2");
    ++calls, bar.reset();
  });
  auto core = core::CoreAccess::Shared(*bar);
  core->RaisePanelEvent(core::PanelEvent::kBarClick, 2);
  EXPECT_EQ(std::make_tuple(calls, core->Alive()), std::make_tuple(1, false));
  EXPECT_TRUE(host.Record().events.empty());  // the host had the control destroyed first
}

}  // namespace
}  // namespace wayband::testing
