// One-pixel pens: the end point is not drawn, axis-parallel lines are exact, outlines close.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

constexpr uint32_t kInk = 0x00102030;

std::set<std::pair<int, int>> InkedPixels(const Surface& s) {
  std::set<std::pair<int, int>> inked;
  for (int y = 0; y < s.bitmap->height(); ++y) {
    for (int x = 0; x < s.bitmap->width(); ++x) {
      if (s.At(x, y) == kInk) inked.insert({x, y});
    }
  }
  return inked;
}

class LineTest : public ::testing::Test {
 protected:
  LineTest() { dst.dc->SelectPen(CreatePen(ColorFromPixel(kInk))); }

  std::set<std::pair<int, int>> Draw(Point from, Point to) {
    dst.Fill(0);
    MoveToEx(*dst.dc, from.x, from.y, nullptr);
    EXPECT_TRUE(LineTo(*dst.dc, to.x, to.y));
    EXPECT_EQ(dst.dc->CurrentPosition(), to);
    return InkedPixels(dst);
  }

  Surface dst{8, 6, 32};
};

TEST_F(LineTest, AxisParallelLinesStopBeforeTheEndPoint) {
  using Pixels = std::set<std::pair<int, int>>;
  EXPECT_EQ(Draw({1, 2}, {5, 2}), (Pixels{{1, 2}, {2, 2}, {3, 2}, {4, 2}}));
  EXPECT_EQ(Draw({5, 2}, {1, 2}), (Pixels{{5, 2}, {4, 2}, {3, 2}, {2, 2}}));
  EXPECT_EQ(Draw({3, 0}, {3, 3}), (Pixels{{3, 0}, {3, 1}, {3, 2}}));
  EXPECT_EQ(Draw({3, 3}, {3, 0}), (Pixels{{3, 3}, {3, 2}, {3, 1}}));
  EXPECT_EQ(Draw({2, 2}, {2, 2}), Pixels{});
}

TEST_F(LineTest, SlopedLinesStepAlongTheMajorAxis) {
  using Pixels = std::set<std::pair<int, int>>;
  EXPECT_EQ(Draw({0, 0}, {3, 3}), (Pixels{{0, 0}, {1, 1}, {2, 2}}));
  // Minor offsets round(t * 1 / 4) with halves away from the start: 0, 0, 1, 1.
  EXPECT_EQ(Draw({0, 0}, {4, 1}), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  EXPECT_EQ(Draw({1, 5}, {2, 1}), (Pixels{{1, 5}, {1, 4}, {2, 3}, {2, 2}}));
}

TEST_F(LineTest, FourLinesDrawAClosedOutlineAroundTheCentre) {
  dst.Fill(0);
  // The outline of the 3 x 3 square at (1, 1), drawn as the rectangle-outline helper does.
  MoveToEx(*dst.dc, 1, 3, nullptr);
  LineTo(*dst.dc, 1, 1);
  LineTo(*dst.dc, 3, 1);
  LineTo(*dst.dc, 3, 3);
  LineTo(*dst.dc, 1, 3);
  const auto inked = InkedPixels(dst);
  EXPECT_EQ(inked.size(), 8u);
  EXPECT_EQ(inked.count({2, 2}), 0u);
  for (int y = 1; y <= 3; ++y) {
    for (int x = 1; x <= 3; ++x)
      EXPECT_EQ(inked.count({x, y}), (x == 2 && y == 2) ? 0u : 1u);
  }
}

TEST_F(LineTest, HugeCoordinatesAreClippedNotWalked) {
  const auto row = Draw({INT32_MIN, 4}, {INT32_MAX, 4});
  EXPECT_EQ(row.size(), 8u);
  const auto column = Draw({6, INT32_MAX}, {6, INT32_MIN});
  EXPECT_EQ(column.size(), 6u);
  // A nearly flat line across the whole range: the minor coordinate is exact far away.
  const auto diagonal = Draw({INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX});
  EXPECT_EQ(diagonal.size(), 6u);
  for (const auto& [x, y] : diagonal)
    EXPECT_EQ(x, y);
  EXPECT_TRUE(Draw({-100, -100}, {-50, 3}).empty());
}

TEST_F(LineTest, NullPensAndMissingBitmapsOnlyMove) {
  dst.Fill(0);
  dst.dc->SelectPen(Pen{});
  MoveToEx(*dst.dc, 0, 0, nullptr);
  EXPECT_TRUE(LineTo(*dst.dc, 5, 0));
  EXPECT_EQ(dst.Differing(0), 0);
  DrawingContext& screen = DrawingContext::Screen();
  const Point before = screen.CurrentPosition();
  EXPECT_FALSE(LineTo(screen, 3, 3));
  MoveToEx(screen, before.x, before.y, nullptr);
}

TEST_F(LineTest, MonochromePensUseTheNearestColour) {
  Surface mono(8, 1, 1);
  mono.dc->SelectPen(CreatePen(RGB(255, 255, 255)));
  MoveToEx(*mono.dc, 1, 0, nullptr);
  LineTo(*mono.dc, 4, 0);
  EXPECT_EQ(mono.bitmap->Row(0)[0], 0x70);
}

}  // namespace
}  // namespace wayband::platform
