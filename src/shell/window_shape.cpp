// Region and notch edge of the main window.
#include "shell/window_shape.h"

#include <array>

#include "resources/resource.h"
#include "base/win32_handles.h"
#include "shell/window_outline.h"

namespace {

struct Geometry {
  int width = 0;
  int height = 0;
  int notchX = 0;
  int notchY = 0;
  POINT clientOffset = {0, 0};  // client origin in window coordinates
};

bool MeasureWindow(HWND mainWindow, Geometry& geometry) {
  RECT window;
  RECT marker;
  HWND notch = GetDlgItem(mainWindow, IDC_MAIN_NOTCH);
  if (notch == nullptr || !GetWindowRect(mainWindow, &window) || !GetWindowRect(notch, &marker)) {
    return false;
  }
  POINT client = {0, 0};
  ClientToScreen(mainWindow, &client);
  geometry.width = window.right - window.left;
  geometry.height = window.bottom - window.top;
  geometry.notchX = marker.left - window.left;
  geometry.notchY = marker.top - window.top;
  geometry.clientOffset = {client.x - window.left, client.y - window.top};
  return IsUsableNotch(geometry.width, geometry.height, geometry.notchX, geometry.notchY);
}

void DrawLine(HDC dc, const OutlineLine& line) {
  MoveToEx(dc, line.from.x, line.from.y, nullptr);
  LineTo(dc, line.to.x, line.to.y);
}

// Draws the edge in window coordinates on a DC whose origin is `origin` in the window.
void DrawEdge(HDC dc, const Geometry& geometry, POINT origin) {
  const NotchEdge edge =
      NotchEdgeLines(geometry.width, geometry.height, geometry.notchX, geometry.notchY);
  POINT previousOrigin;
  SetViewportOrgEx(dc, -origin.x, -origin.y, &previousOrigin);
  {
    UniquePen shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    SelectedObject selected(dc, shadow.Get());
    DrawLine(dc, edge.shadowHorizontal);
    DrawLine(dc, edge.shadowVertical);
  }
  {
    UniquePen dark(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW)));
    SelectedObject selected(dc, dark.Get());
    DrawLine(dc, edge.darkHorizontal);
    DrawLine(dc, edge.darkVertical);
  }
  SetViewportOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
}

}  // namespace

void ApplyWindowShape(HWND mainWindow) {
  Geometry geometry;
  if (!MeasureWindow(mainWindow, geometry)) return;
  const auto outline =
      NotchedWindowPolygon(geometry.width, geometry.height, geometry.notchX, geometry.notchY);
  std::array<POINT, outline.size()> points;
  for (size_t i = 0; i < outline.size(); ++i) points[i] = {outline[i].x, outline[i].y};
  HRGN region = CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE);
  // On success the system owns the region.
  if (region != nullptr && SetWindowRgn(mainWindow, region, TRUE) == 0) DeleteObject(region);
}

void PaintNotchEdge(HWND mainWindow, HDC clientDc) {
  Geometry geometry;
  if (MeasureWindow(mainWindow, geometry)) DrawEdge(clientDc, geometry, geometry.clientOffset);
}

void PaintNotchFrame(HWND mainWindow) {
  Geometry geometry;
  if (!MeasureWindow(mainWindow, geometry)) return;
  // The window DC reaches over the frame; it goes back with ReleaseDC like GetDC's.
  struct FrameDc {
    HWND window;
    HDC dc;
    ~FrameDc() {
      if (dc != nullptr) ReleaseDC(window, dc);
    }
  } frame{mainWindow, GetWindowDC(mainWindow)};
  if (frame.dc != nullptr) DrawEdge(frame.dc, geometry, POINT{0, 0});
}
