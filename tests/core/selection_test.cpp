// Which panel stays selected when panels are added, removed, moved, hidden and selected.
#include <gtest/gtest.h>

#include "control_fixture.h"

namespace wayband::testing {
namespace {

class Selection : public ControlFixture {
 protected:
  int32_t SelectedIndex() { return State().panels.SelectedIndex(); }
  std::string SelectedKey() {
    const auto selected = bar->SelectedBar();
    return selected ? selected->Key() : "";
  }
};

TEST_F(Selection, FirstPanelAddedBecomesSelected) {
  EXPECT_FALSE(bar->SelectedBar());
  AddPanels(3);
  EXPECT_EQ(SelectedKey(), "P1");
  EXPECT_TRUE(Panels().Item(1)->Selected());
  EXPECT_FALSE(Panels().Item(2)->Selected());
}

TEST_F(Selection, RemovingKeepsTheSamePanelSelectedWherePossible) {
  AddPanels(4);
  Panels().Item("P3")->SetSelected(true);
  Panels().Remove("P1");  // before the selection
  EXPECT_EQ(SelectedIndex(), 2);
  EXPECT_EQ(SelectedKey(), "P3");
  Panels().Remove("P4");  // after it
  EXPECT_EQ(SelectedKey(), "P3");
  Panels().Remove("P3");  // the selected last one: the new last is selected
  EXPECT_EQ(SelectedKey(), "P2");
  Panels().Remove("P2");
  EXPECT_EQ(SelectedIndex(), 0);
  EXPECT_FALSE(bar->SelectedBar());
}

TEST_F(Selection, RemovingTheSelectedMiddlePanelSelectsTheOneMovingIntoItsPlace) {
  AddPanels(3);
  Panels().Item(2)->SetSelected(true);
  Panels().Remove(2);
  EXPECT_EQ(SelectedKey(), "P3");
}

TEST_F(Selection, RemovingSelectsTheFirstVisiblePanelWhenTheSelectedIsHidden) {
  AddPanels(3);
  Panels().Item("P1")->SetVisible(false);
  Panels().Item("P3")->SetSelected(true);
  Panels().Item("P2")->SetVisible(false);
  Panels().Remove("P3");  // P2 (hidden) moves into the selection and is replaced
  EXPECT_EQ(SelectedIndex(), 0);
}

TEST_F(Selection, MovingTheSelectedPanelLeavesTheSelectionWithThePosition) {
  AddPanels(3);
  Panels().Item("P1")->SetIndex(3);
  EXPECT_EQ(SelectedIndex(), 1);
  EXPECT_EQ(SelectedKey(), "P2");
  EXPECT_EQ(Panels().Item("P1")->Index(), 3);
  Panels().Item("P1")->SetIndex(1);
  EXPECT_EQ(Panels().Item(2)->Key(), "P2");
  const uint64_t before = Passes();
  Panels().Item("P2")->SetIndex(7);  // out of range: nothing moves, the control refreshes
  EXPECT_EQ(Panels().Item(2)->Key(), "P2");
  EXPECT_EQ(Passes(), before + 1);
}

TEST_F(Selection, HidingTheSelectedPanelSelectsTheFirstVisibleOne) {
  AddPanels(3);
  Panels().Item("P2")->SetSelected(true);
  Panels().Item("P1")->SetVisible(false);
  EXPECT_EQ(SelectedKey(), "P2");
  Panels().Item("P2")->SetVisible(false);
  EXPECT_EQ(SelectedKey(), "P3");
  Panels().Item("P3")->SetVisible(false);
  EXPECT_EQ(SelectedIndex(), 0);
}

TEST_F(Selection, SelectedBarIgnoresHiddenDisabledAndMissingPanels) {
  AddPanels(3);
  auto hidden = Panels().Item("P2");
  hidden->SetVisible(false);
  bar->SetSelectedBar(hidden);
  EXPECT_EQ(SelectedKey(), "P1");
  auto disabled = Panels().Item("P3");
  disabled->SetEnabled(false);
  bar->SetSelectedBar(disabled);
  EXPECT_EQ(SelectedKey(), "P1");
  bar->SetSelectedBar(std::nullopt);
  EXPECT_EQ(SelectedKey(), "P1");
  disabled->SetEnabled(true);
  bar->SetSelectedBar(disabled);
  EXPECT_EQ(SelectedKey(), "P3");
}

TEST_F(Selection, AssigningFalseToSelectedSelectsToo) {
  AddPanels(2);
  Panels().Item(2)->SetSelected(false);
  EXPECT_EQ(SelectedKey(), "P2");
  // Disabled and hidden panels can be selected through Selected itself.
  Panels().Item(1)->SetEnabled(false);
  Panels().Item(1)->SetSelected(true);
  EXPECT_EQ(SelectedKey(), "P1");
}

}  // namespace
}  // namespace wayband::testing
