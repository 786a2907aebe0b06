// The headless host's record keeps every kind in order, says how the kinds interleave,
// finds the frames of one window, and clears.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/control_fixture.h"

namespace wayband::testing {
namespace {

using headless::RecordEntry;
using headless::RecordKind;
using HostRecordTest = ControlFixture;

TEST_F(HostRecordTest, KindsInterleaveInTheOrderTheControlReportedThem) {
  AddPanels(2);
  auto& record = host.Record();
  record.Clear();
  bar->SetLockSplitter(true);  // the splitter's pointer, then the notification
  Core().RaisePanelResize(false);
  record.Add(headless::MessageBoxRecord{"Wayband1", "Not square", "Import", 16, 1});
  // Frames the refresh presents interleave too, each pointing into its list; the rest keep
  // the order they happened in.
  std::vector<RecordEntry> others;
  for (const RecordEntry& entry : record.order) {
    if (entry.kind != RecordKind::kPresentedFrame) others.push_back(entry);
    EXPECT_TRUE(entry.kind != RecordKind::kPresentedFrame ||
                entry.index < record.presentedFrames.size());
  }
  EXPECT_EQ(others, (std::vector<RecordEntry>{{RecordKind::kPointerChange, 0},
                                              {RecordKind::kPropertyChange, 0},
                                              {RecordKind::kEvent, 0},
                                              {RecordKind::kMessageBox, 0}}));
  EXPECT_EQ(std::make_tuple(record.propertyChanges[0].name, record.events[0].name),
            std::make_tuple("LockSplitter", "PanelResize"));
  record.Clear();
  EXPECT_TRUE(record.order.empty() && record.propertyChanges.empty() && record.events.empty() &&
              record.messageBoxes.empty() && record.pointerChanges.empty());
}

TEST(HostRecord, FramesAreFoundPerWindowAndReadPixelByPixel) {
  headless::HostRecord record;
  record.Add(headless::PresentedFrameRecord{7, 2, 1, {0xFF000001, 0xFF000002}});
  record.Add(headless::PresentedFrameRecord{8, 1, 1, {0xFF000003}});
  record.Add(headless::PresentedFrameRecord{7, 2, 1, {0xFF000004, 0xFF000005}});
  ASSERT_EQ(record.FramesOf(7).size(), 2u);
  EXPECT_EQ(record.LastFrameOf(7)->Pixel(1, 0), 0xFF000005u);
  EXPECT_EQ(record.LastFrameOf(7)->Pixel(2, 0), 0u);
  EXPECT_EQ(record.LastFrameOf(9), nullptr);
  // A frame whose pixels fall short of its size reads 0 where they are missing.
  record.Add(headless::PresentedFrameRecord{9, 4, 4, {1}});
  EXPECT_EQ(record.LastFrameOf(9)->Pixel(3, 3), 0u);
}

}  // namespace
}  // namespace wayband::testing
