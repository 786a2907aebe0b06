// One-pixel pens: the end point is not drawn, axis-parallel lines are exact, sloped lines
// round their minor offsets and outlines close.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;
using Pixels = std::set<std::pair<int, int>>;

constexpr uint32_t kInk = 0x00102030;

class Lines : public ::testing::Test {
 protected:
  Lines() { dst.dc->SelectPen(CreatePen(ColorFromPixel(kInk))); }
  // Draws the polyline through `points` on a cleared surface; returns the inked pixels.
  Pixels Draw(const std::vector<Point>& points) {
    dst.Fill(0);
    Point previous{-1, -1};
    MoveToEx(*dst.dc, points[0].x, points[0].y, &previous);
    EXPECT_EQ(previous, last_);
    for (auto p = points.begin() + 1; p != points.end(); ++p) {
      EXPECT_TRUE(LineTo(*dst.dc, p->x, p->y));
      EXPECT_EQ(dst.dc->CurrentPosition(), *p);
    }
    last_ = points.back();
    Pixels inked;
    for (int y = 0; y < dst.bitmap->height(); ++y) {
      for (int x = 0; x < dst.bitmap->width(); ++x) {
        if (dst.At(x, y) == kInk) inked.insert({x, y});
      }
    }
    return inked;
  }
  Surface dst{8, 6, 32};
  Point last_{0, 0};  // where the current position is left
};

TEST_F(Lines, EachLineStopsBeforeItsEndPoint) {
  const std::pair<std::vector<Point>, Pixels> cases[] = {
      {{{1, 2}, {5, 2}}, {{1, 2}, {2, 2}, {3, 2}, {4, 2}}},
      {{{5, 2}, {1, 2}}, {{5, 2}, {4, 2}, {3, 2}, {2, 2}}},
      {{{3, 0}, {3, 3}}, {{3, 0}, {3, 1}, {3, 2}}},
      {{{3, 3}, {3, 0}}, {{3, 3}, {3, 2}, {3, 1}}},
      {{{2, 2}, {2, 2}}, {}},
      {{{0, 0}, {3, 3}}, {{0, 0}, {1, 1}, {2, 2}}},
      // Minor offsets round(t * 1 / 4) with halves away from the start: 0, 0, 1, 1.
      {{{0, 0}, {4, 1}}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
      {{{1, 5}, {2, 1}}, {{1, 5}, {1, 4}, {2, 3}, {2, 2}}},
      // The outline of the 3 x 3 square at (1, 1), drawn as the rectangle-outline helper does.
      {{{1, 3}, {1, 1}, {3, 1}, {3, 3}, {1, 3}},
       {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}},
      {{{-100, -100}, {-50, 3}}, {}}};
  for (const auto& [points, inked] : cases)
    EXPECT_EQ(Draw(points), inked) << points[0].x << "," << points[0].y;
}

TEST_F(Lines, NullPensAndMissingBitmapsOnlyMoveAndMonochromePensTakeTheNearestColour) {
  dst.dc->SelectPen(Pen{});
  MoveToEx(*dst.dc, 0, 0, nullptr);
  EXPECT_TRUE(LineTo(*dst.dc, 5, 0));
  EXPECT_EQ(dst.Differing(0), 0);
  DrawingContext& screen = DrawingContext::Screen();
  const Point before = screen.CurrentPosition();
  EXPECT_FALSE(LineTo(screen, 3, 3));
  MoveToEx(screen, before.x, before.y, nullptr);
  Surface mono(8, 1, 1);
  mono.dc->SelectPen(CreatePen(RGB(255, 255, 255)));
  MoveToEx(*mono.dc, 1, 0, nullptr);
  LineTo(*mono.dc, 4, 0);
  EXPECT_EQ(mono.Byte0(), 0x70);
}

}  // namespace
}  // namespace wayband::platform
