// Geometry of the main window's L shape.
#include "shell/window_outline.h"

std::array<OutlinePoint, 7> NotchedWindowPolygon(int width, int height, int notchX, int notchY) {
  return {{{0, 0},
           {width, 0},
           {width, notchY},
           {notchX, notchY},
           {notchX, height},
           {0, height},
           {0, 0}}};
}

// A polygon region holds the pixels left of and above its right and bottom
// edges, so the last rows and columns inside the notch are y - 1 and x - 1.
NotchEdge NotchEdgeLines(int width, int height, int notchX, int notchY) {
  NotchEdge edge;
  edge.darkHorizontal = {{notchX - 1, notchY - 1}, {width, notchY - 1}};
  edge.darkVertical = {{notchX - 1, notchY - 1}, {notchX - 1, height}};
  edge.shadowHorizontal = {{notchX - 2, notchY - 2}, {width - 1, notchY - 2}};
  edge.shadowVertical = {{notchX - 2, notchY - 2}, {notchX - 2, height}};
  return edge;
}

bool IsUsableNotch(int width, int height, int notchX, int notchY) {
  return notchX >= 2 && notchY >= 2 && notchX < width && notchY < height;
}
