// The start-up splash window.
#include "shell/splash_window.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "base/win32_handles.h"

namespace {

constexpr const char* kSplashClass = "Brindlewax Logo";
constexpr int kSplashBitmapId = 20;
constexpr int kProgramPaletteId = 2100;
constexpr int kProgramPaletteEntries = 256;

struct SplashState {
  UniqueBitmap bitmap;
  UniquePalette palette;  // 256-colour mode only
  SIZE size{};
};

// There is one splash window at a time; its bitmap lives until the window is closed.
std::unique_ptr<SplashState> splashState;

// The 256-entry palette of RCDATA 2100: red, green, blue per entry.
UniquePalette LoadProgramPalette(HINSTANCE instance) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(kProgramPaletteId), RT_RCDATA);
  if (found == nullptr) return UniquePalette();
  HGLOBAL loaded = LoadResource(instance, found);
  const auto* rgb = static_cast<const std::uint8_t*>(loaded != nullptr ? LockResource(loaded) : nullptr);
  DWORD size = SizeofResource(instance, found);
  if (rgb == nullptr || size < 3 * kProgramPaletteEntries) return UniquePalette();
  std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * kProgramPaletteEntries);
  auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = kProgramPaletteEntries;
  for (int i = 0; i < kProgramPaletteEntries; ++i) {
    palette->palPalEntry[i] = PALETTEENTRY{rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2], 0};
  }
  return UniquePalette(CreatePalette(palette));
}

void Paint(HWND window, const SplashState& state) {
  PaintDc paint(window);
  SelectedPalette palette(paint.Get(), state.palette.Get());
  UniqueMemoryDc memory(CreateCompatibleDC(paint.Get()));
  if (!memory) return;
  SelectedObject bitmap(memory.Get(), state.bitmap.Get());
  BitBlt(paint.Get(), 0, 0, state.size.cx, state.size.cy, memory.Get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK SplashProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<SplashState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrA(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
      break;
    case WM_PAINT:
      if (state != nullptr) {
        Paint(window, *state);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterSplashClass(HINSTANCE instance) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, kSplashClass, &existing)) return true;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = SplashProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_WAIT);
  windowClass.lpszClassName = kSplashClass;
  return RegisterClassA(&windowClass) != 0;
}

}  // namespace

HWND ShowSplashWindow(HINSTANCE instance, bool highColour) {
  if (!RegisterSplashClass(instance)) return nullptr;
  auto state = std::make_unique<SplashState>();
  // A DIB section keeps the bitmap's own colours for the palette to map.
  state->bitmap.Reset(static_cast<HBITMAP>(
      LoadImageA(instance, MAKEINTRESOURCEA(kSplashBitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP info = {};
  if (!state->bitmap || GetObjectA(state->bitmap.Get(), sizeof info, &info) == 0) return nullptr;
  state->size = SIZE{info.bmWidth, info.bmHeight};
  if (!highColour) state->palette = LoadProgramPalette(instance);
  int x = (GetSystemMetrics(SM_CXSCREEN) - info.bmWidth) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - info.bmHeight) / 2;
  HWND splash = CreateWindowExA(WS_EX_TOOLWINDOW, kSplashClass, "", WS_POPUP, x, y, info.bmWidth,
                                info.bmHeight, nullptr, nullptr, instance, state.get());
  if (splash == nullptr) return nullptr;
  splashState = std::move(state);
  ShowWindow(splash, SW_SHOWNORMAL);
  UpdateWindow(splash);  // the message loop is not running yet
  return splash;
}

void CloseSplashWindow(HWND splash) {
  if (splash != nullptr && IsWindow(splash)) DestroyWindow(splash);
  splashState.reset();
}
