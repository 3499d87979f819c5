// The program-wide values of the look and feel.
#include "shell/look_and_feel.h"

#include "shell/program_state.h"

HINSTANCE g_instance = nullptr;
bool g_highColour = true;
bool g_largeFonts = false;
HMODULE g_animationLibrary = nullptr;
AnimateWindowFunction g_animateWindow = nullptr;
std::string g_helpFilePath;
UniqueBrush g_entryFieldBrush;
UniquePalette g_programPalette;
Animation g_animations[kAnimationRecordCount];

void CreateEntryFieldBrush() {
  g_entryFieldBrush.Reset(CreateSolidBrush(
      GetSysColor(g_settings.main.entryFieldColorization ? COLOR_BTNFACE : COLOR_WINDOW)));
}

HBRUSH EntryFieldColours(HDC dc) {
  const bool face = g_settings.main.entryFieldColorization;
  SetTextColor(dc, GetSysColor(face ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(face ? COLOR_BTNFACE : COLOR_WINDOW));
  return g_entryFieldBrush.Get() != nullptr ? g_entryFieldBrush.Get()
                                            : GetSysColorBrush(face ? COLOR_BTNFACE : COLOR_WINDOW);
}
