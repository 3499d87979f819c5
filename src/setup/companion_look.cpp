// The companion programs' look.
#include "setup/companion_look.h"

#include <commctrl.h>

#include "shell/look_and_feel.h"
#include "shell/skins.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kPaletteIcon = 1;
constexpr int kHighColourIcon = 2;

UniqueModule user32Library;

}  // namespace

void StartCompanionLook(HINSTANCE instance, const std::string& helpFile) {
  g_instance = instance;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  {
    WindowDc screen(nullptr);
    const int bits = GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES);
    g_highColour = bits >= 9;
    g_largeFonts = GetDeviceCaps(screen.Get(), LOGPIXELSX) == 120 &&
                   GetDeviceCaps(screen.Get(), LOGPIXELSY) == 120;
  }
  g_helpFilePath = helpFile;
  user32Library.Reset(LoadLibraryA("user32.dll"));
  g_animateWindow = user32Library ? reinterpret_cast<AnimateWindowFunction>(reinterpret_cast<void*>(
                                        GetProcAddress(user32Library.Get(), "AnimateWindow")))
                                  : nullptr;
  CreateEntryFieldBrush();
  LoadSkins();
}

void EndCompanionLook() {
  DeleteSkins();
  ReleaseSoundEffect();
  g_animateWindow = nullptr;
  user32Library.Reset();
  g_entryFieldBrush.Reset();
}

std::string CompanionProgramPath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length < sizeof path ? length : 0);
}

void SetCompanionIcon(HWND window) {
  HICON icon = LoadIconA(g_instance, MAKEINTRESOURCEA(g_highColour ? kHighColourIcon : kPaletteIcon));
  if (icon == nullptr) return;
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}
