// The L-shaped outline of the main window.
#include <gtest/gtest.h>

#include "shell/window_outline.h"

namespace {

// Even-odd test of a pixel centre against the polygon, as ALTERNATE filling does.
bool Inside(const std::array<OutlinePoint, 7>& polygon, int px, int py) {
  const double x = px + 0.5;
  const double y = py + 0.5;
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const OutlinePoint a = polygon[i];
    const OutlinePoint b = polygon[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / double(b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside;
}

TEST(ShellWindowShape, PolygonRunsAroundTheNotch) {
  const auto polygon = NotchedWindowPolygon(500, 400, 380, 330);
  const std::array<OutlinePoint, 7> expected = {
      {{0, 0}, {500, 0}, {500, 330}, {380, 330}, {380, 400}, {0, 400}, {0, 0}}};
  EXPECT_EQ(polygon, expected);
}

TEST(ShellWindowShape, NotchIsCutAndTheRestKept) {
  const auto polygon = NotchedWindowPolygon(500, 400, 380, 330);
  const struct {
    int x, y;
  } pixels[] = {{0, 0},     {499, 0},   {499, 329}, {379, 399}, {0, 399},
                {379, 329}, {380, 330}, {499, 399}, {450, 350}, {380, 329}};
  for (const auto& p : pixels) {
    const bool expected = p.x < 380 || p.y < 330;
    EXPECT_EQ(Inside(polygon, p.x, p.y), expected) << p.x << "," << p.y;
  }
}

TEST(ShellWindowShape, EdgeLinesLieOnTheLastPixelsInside) {
  const int w = 500, h = 400, x = 380, y = 330;
  const auto polygon = NotchedWindowPolygon(w, h, x, y);
  const NotchEdge edge = NotchEdgeLines(w, h, x, y);
  for (const OutlineLine& line : {edge.darkHorizontal, edge.darkVertical,
                                  edge.shadowHorizontal, edge.shadowVertical}) {
    EXPECT_TRUE(line.from.x == line.to.x || line.from.y == line.to.y);
    EXPECT_TRUE(Inside(polygon, line.from.x, line.from.y));
    // The last pixel drawn is one short of `to`.
    const int lastX = line.to.x - (line.to.x > line.from.x ? 1 : 0);
    const int lastY = line.to.y - (line.to.y > line.from.y ? 1 : 0);
    EXPECT_TRUE(Inside(polygon, lastX, lastY));
  }
  // The dark line is the outermost: one pixel further out is outside.
  EXPECT_FALSE(Inside(polygon, x + 10, edge.darkHorizontal.from.y + 1));
  EXPECT_FALSE(Inside(polygon, edge.darkVertical.from.x + 1, y + 10));
  EXPECT_EQ(edge.shadowHorizontal.from.y, edge.darkHorizontal.from.y - 1);
  EXPECT_EQ(edge.shadowVertical.from.x, edge.darkVertical.from.x - 1);
}

TEST(ShellWindowShape, UsableNotch) {
  EXPECT_TRUE(IsUsableNotch(500, 400, 380, 330));
  EXPECT_FALSE(IsUsableNotch(500, 400, 0, 0));
  EXPECT_FALSE(IsUsableNotch(500, 400, 500, 330));
  EXPECT_FALSE(IsUsableNotch(500, 400, 380, 400));
}

}  // namespace
