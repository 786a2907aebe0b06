// Which panels become large bars and which toolbar buttons, and the rcItem each gets:
// hidden panels, a full toolbar, buttons placed from the right or the left, and the
// chevron's reserve at the right end.
#include "core/bar_pass.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/control_fixture.h"

namespace wayband::testing {
namespace {

using core::BarPassGeometry;
using core::PanelRecord;
using platform::Rect;

std::vector<PanelRecord> Records(const std::vector<bool>& visible) {
  std::vector<PanelRecord> records(visible.size());
  for (size_t i = 0; i < visible.size(); ++i) {
    records[i].bVisible = visible[i];
    records[i].rcItem = {7, 7, 7, 7};  // stale rectangles must be cleared
    records[i].bInToolbar = true;
  }
  return records;
}

// Runs the bar pass over the records without targets: placement only.
int32_t Place(std::vector<PanelRecord>& records, const BarPassGeometry& g) {
  core::ControlState state;
  state.panels.Records() = std::move(records);
  const int32_t largeBars = core::RunBarPass(state, g, {}, {});
  records = std::move(state.panels.Records());
  return largeBars;
}

BarPassGeometry Geometry(int32_t barsToShow, int32_t toolbarWidth = 200) {
  return {.barsTop = 205,
          .barsToShow = barsToShow,
          .controlWidth = 200,
          .toolbarWidth = toolbarWidth,
          .buttonBottom = 31};
}

TEST(BarPlacement, LargeBarsStackFromBarsTopAndTheRestGoToTheToolbar) {
  auto records = Records({true, true, true});
  EXPECT_EQ(Place(records, Geometry(2)), 2);
  EXPECT_EQ(records[0].rcItem, (Rect{0, 205, 199, 237}));
  EXPECT_EQ(records[1].rcItem, (Rect{0, 237, 199, 269}));
  EXPECT_FALSE(records[0].bInToolbar);
  EXPECT_TRUE(records[2].bInToolbar);
  // Against the right end: 200 - 35 - 22 * 0, which reaches the chevron's 20 pixels.
  EXPECT_EQ(records[2].rcItem, Rect{});
}

TEST(BarPlacement, HiddenPanelsTakeNoSlotAnywhere) {
  auto records = Records({false, true, true});
  EXPECT_EQ(Place(records, Geometry(2)), 2);
  EXPECT_EQ(records[0].rcItem, Rect{});
  EXPECT_FALSE(records[0].bInToolbar);
  EXPECT_EQ(records[1].rcItem.top, 205);
  EXPECT_EQ(records[2].rcItem.top, 237);
  EXPECT_FALSE(records[2].bInToolbar);

  auto withHiddenButton = Records({true, false, true, true});
  Place(withHiddenButton, Geometry(1));
  EXPECT_FALSE(withHiddenButton[1].bInToolbar);
  EXPECT_EQ(withHiddenButton[2].rcItem, (Rect{143, 3, 165, 31}));  // rem = 1
  EXPECT_TRUE(withHiddenButton[3].bInToolbar);
}

TEST(BarPlacement, AFullToolbarPlacesButtonsFromTheLeftUpToItsCapacity) {
  // 200 pixels hold 8 buttons; ten candidates: placed from the left, 22 pixels apart.
  auto records = Records(std::vector<bool>(12, true));
  Place(records, Geometry(2));
  for (int t = 0; t < 7; ++t) {
    EXPECT_EQ(records[2 + t].rcItem, (Rect{22 * (t + 1) - 18, 3, 22 * (t + 1) + 4, 31})) << t;
  }
  EXPECT_TRUE(records[9].bInToolbar);  // the eighth reaches the chevron: not drawn
  EXPECT_EQ(records[9].rcItem, Rect{});
  EXPECT_FALSE(records[10].bInToolbar);  // beyond the capacity: shown nowhere
  EXPECT_FALSE(records[11].bInToolbar);
}

TEST(BarPlacement, OncePlacedFromTheLeftAllLaterButtonsFollow) {
  // Capacity 5: the first candidate has rem 5 >= 4 and starts from the left; later ones,
  // with rem below 4, keep going from the left.
  auto records = Records(std::vector<bool>(7, true));
  Place(records, Geometry(1, 115));
  EXPECT_EQ(records[1].rcItem.left, 4);
  EXPECT_EQ(records[4].rcItem.left, 70);
  EXPECT_EQ(records[5].rcItem, Rect{});  // left 92, right 114 >= 95
}

TEST(BarPlacement, NegativeOrZeroBarCountsSendEveryVisiblePanelToTheToolbar) {
  auto records = Records({true, true});
  EXPECT_EQ(Place(records, Geometry(-1)), 0);
  EXPECT_TRUE(records[0].bInToolbar);
  EXPECT_EQ(records[0].rcItem, (Rect{143, 3, 165, 31}));
}

TEST(BarPlacement, ANarrowToolbarHasNoButtons) {
  auto records = Records({true, true});
  Place(records, Geometry(0, 22));
  EXPECT_FALSE(records[0].bInToolbar);
  EXPECT_FALSE(records[1].bInToolbar);
}

class PlacementInTheControl : public ControlFixture {};

TEST_F(PlacementInTheControl, TheRefreshPlacesBarsAndButtonsOfTheLiveControl) {
  AddPanels(5);
  bar->SetBarsToShow(3);
  const auto& store = State().panels;
  EXPECT_EQ(State().BarsTop, 366 - 95);
  EXPECT_EQ(store.At(1)->rcItem, (Rect{0, 271, 199, 303}));
  EXPECT_EQ(store.At(3)->rcItem, (Rect{0, 335, 199, 367}));
  EXPECT_EQ(store.At(4)->rcItem, (Rect{143, 3, 165, 31}));
  EXPECT_TRUE(store.At(5)->bInToolbar);
  Panels().Item(2)->SetVisible(false);
  EXPECT_EQ(store.At(4)->rcItem.top, 335);
  EXPECT_FALSE(store.At(4)->bInToolbar);
  EXPECT_EQ(store.At(2)->rcItem, Rect{});
}

}  // namespace
}  // namespace wayband::testing
