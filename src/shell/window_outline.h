// The L-shaped outline of the main window: the region polygon and the lines
// of the 3D edge painted along the notch, all in window coordinates.
#pragma once

#include <array>

struct OutlinePoint {
  int x = 0;
  int y = 0;
  bool operator==(const OutlinePoint& other) const { return x == other.x && y == other.y; }
};

struct OutlineLine {
  OutlinePoint from;  // first pixel
  OutlinePoint to;    // one past the last pixel, as LineTo draws
};

// The window is width x height; (notchX, notchY) is the inner corner of the
// notch cut out of its bottom-right (the top-left corner of the hidden marker
// control). The polygon runs (0,0), (W,0), (W,y), (x,y), (x,H), (0,H), (0,0).
std::array<OutlinePoint, 7> NotchedWindowPolygon(int width, int height, int notchX, int notchY);

// The two-line edge along the notch: the outer line in the dark-shadow colour
// on the last pixels inside the region, the inner one in the shadow colour
// one pixel further in. Each colour has a horizontal and a vertical line.
struct NotchEdge {
  OutlineLine darkHorizontal;
  OutlineLine darkVertical;
  OutlineLine shadowHorizontal;
  OutlineLine shadowVertical;
};
NotchEdge NotchEdgeLines(int width, int height, int notchX, int notchY);

// A notch corner that leaves both arms of the L at least two pixels wide, or
// the window unshaped when the marker lies outside it.
bool IsUsableNotch(int width, int height, int notchX, int notchY);
