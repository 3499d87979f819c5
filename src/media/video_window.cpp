// The floating video window.
#include "media/video_window.h"

#include "media/media_panel_internal.h"
#include "media/video_geometry.h"
#include "shell/look_and_feel.h"
#include "shell/program_state.h"

namespace {

constexpr char kVideoWindowClass[] = "Brindlewax Video Window";

// What carries over from one window to the next within a run.
struct VideoWindowState {
  HWND window = nullptr;
  POINT keptPosition = {0, 0};
  bw::PixelSize keptSize;  // the last window's client size; 0 when none
  bw::PixelSize videoSize;
  float aspectRatio = 0.0f;
};
VideoWindowState g_video;

bw::WindowFrameMetrics FrameMetrics() {
  return {GetSystemMetrics(SM_CXSIZEFRAME), GetSystemMetrics(SM_CYSIZEFRAME),
          GetSystemMetrics(SM_CYCAPTION)};
}

void FitPicture(HWND window, int clientWidth, int clientHeight) {
  if (g_video.aspectRatio <= 0.0f || !g_mediaPlayback.device.IsOpen()) return;
  const bw::PixelRect picture =
      bw::FitPicture({clientWidth, clientHeight}, g_video.aspectRatio,
                     g_settings.main.maintainVideoAspectRatio);
  // The device moves its picture window and scales the frames into it.
  (void)g_mediaPlayback.device.ShowPictureIn(
      RECT{picture.left, picture.top, picture.left + picture.width, picture.top + picture.height});
  g_video.videoSize = {picture.width, picture.height};
}

void KeepGeometry(HWND window) {
  if (IsIconic(window) || IsZoomed(window)) return;
  RECT client{}, outer{};
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  g_video.keptSize = {client.right, client.bottom};
  g_video.keptPosition = {outer.left, outer.top};
}

LRESULT CALLBACK VideoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) FitPicture(window, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        // Closing stops playback; the stop routine then destroys the window.
        if (MediaPanel* panel = LiveMediaPanel()) {
          PostMessageA(panel->Window(), WM_COMMAND, panel->Id(IDC_MEDIA_STOP), 0);
        } else {
          DestroyVideoWindow();
        }
        return 0;
      }
      break;
    case WM_DESTROY:
      KeepGeometry(window);
      if (g_video.window == window) g_video.window = nullptr;
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void DeclareClass() {
  WNDCLASSA declared = {};
  declared.style = CS_HREDRAW | CS_VREDRAW;
  declared.lpfnWndProc = VideoWindowProc;
  declared.hInstance = g_instance;
  declared.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  declared.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  declared.lpszClassName = kVideoWindowClass;
  if (g_mainWindow != nullptr) {
    declared.hIcon = reinterpret_cast<HICON>(GetClassLongPtrA(g_mainWindow, GCLP_HICON));
  }
  // Declared for every video; a repeated declaration fails harmlessly.
  RegisterClassA(&declared);
}

int Zoom() { return g_settings.main.videoZoomFactor; }

}  // namespace

HWND CreateVideoWindow(const std::string& title) {
  DestroyVideoWindow();
  DeclareClass();
  g_video.aspectRatio = 0.0f;
  if (!g_settings.main.maintainVideoWindowSize) g_video.keptSize = {};
  DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  int width = CW_USEDEFAULT, height = CW_USEDEFAULT;
  int left = g_video.keptPosition.x, top = g_video.keptPosition.y;
  if (Zoom() == bw::kZoomFullScreen) {
    style |= WS_MAXIMIZE;
    left = top = CW_USEDEFAULT;
  } else {
    const bw::PixelSize client = bw::VideoClientSize({}, Zoom(), true, g_video.keptSize);
    const bw::PixelSize outer = bw::VideoWindowSize(client, FrameMetrics());
    width = outer.width;
    height = outer.height;
  }
  g_video.window = CreateWindowExA(0, kVideoWindowClass, title.c_str(), style, left, top, width,
                                   height, nullptr, nullptr, g_instance, nullptr);
  return g_video.window;
}

void SizeVideoWindowForSource(SIZE source) {
  if (g_video.window == nullptr || Zoom() == bw::kZoomFullScreen) return;
  const bw::PixelSize client =
      bw::VideoClientSize({source.cx, source.cy}, Zoom(),
                          g_settings.main.maintainVideoWindowSize, g_video.keptSize);
  const bw::PixelSize outer = bw::VideoWindowSize(client, FrameMetrics());
  SetWindowPos(g_video.window, nullptr, g_video.keptPosition.x, g_video.keptPosition.y,
               outer.width, outer.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void StartVideoWindowPicture(SIZE source) {
  if (g_video.window == nullptr) return;
  g_video.aspectRatio = bw::AspectRatio({source.cx, source.cy});
  RECT client{};
  GetClientRect(g_video.window, &client);
  InvalidateRect(g_video.window, nullptr, TRUE);
  PostMessageA(g_video.window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void DestroyVideoWindow() {
  if (g_video.window != nullptr) DestroyWindow(g_video.window);
  g_video.window = nullptr;
}

HWND LiveVideoWindow() { return g_video.window; }
