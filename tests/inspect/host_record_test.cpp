// The headless host's record: each entry points into its kind's list, frames are found per
// window and read pixel by pixel.
#include <gtest/gtest.h>

#include "headless/host_record.h"

namespace wayband::testing {
namespace {

using headless::RecordEntry;
using headless::RecordKind;

TEST(HostRecord, FramesAreFoundPerWindowAndReadPixelByPixel) {
  headless::HostRecord record;
  record.Add(headless::PresentedFrameRecord{7, 2, 1, {0xFF000001, 0xFF000002}});
  record.Add(headless::PresentedFrameRecord{8, 1, 1, {0xFF000003}});
  record.Add(headless::MessageBoxRecord{"Wayband1", "Not square", "Import", 16, 1});
  record.Add(headless::PresentedFrameRecord{7, 2, 1, {0xFF000004, 0xFF000005}});
  ASSERT_EQ(record.FramesOf(7).size(), 2u);
  EXPECT_EQ(record.order.back(), (RecordEntry{RecordKind::kPresentedFrame, 2}));
  EXPECT_EQ(record.LastFrameOf(7)->Pixel(1, 0), 0xFF000005u);
  EXPECT_EQ(record.LastFrameOf(7)->Pixel(2, 0), 0u);
  EXPECT_EQ(record.LastFrameOf(9), nullptr);
  // A frame whose pixels fall short of its size reads 0 where they are missing.
  record.Add(headless::PresentedFrameRecord{9, 4, 4, {1}});
  EXPECT_EQ(record.LastFrameOf(9)->Pixel(3, 3), 0u);
}

}  // namespace
}  // namespace wayband::testing
