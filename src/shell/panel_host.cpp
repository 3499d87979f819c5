// Creating and switching the main window's panels.
#include "shell/panel_host.h"

#include <commctrl.h>

#include <memory>

#include "resources/resource.h"
#include "shell/default_panels.h"
#include "shell/program_state.h"
#include "shell/texts.h"

namespace {

constexpr int kPanelTemplateIds[kPanelCount] = {IDD_AUDIO_PANEL, IDD_MIDI_PANEL, IDD_VIDEO_PANEL,
                                                IDD_CD_PANEL};
constexpr const char* kTabTexts[kPanelCount] = {kTextTabAudio, kTextTabMidi, kTextTabVideo,
                                                kTextTabCdPlayer};

DLGPROC g_panelProcs[kPanelCount] = {};
// The host record of the one main window; its address is kept in the window's user data.
std::unique_ptr<PanelHost> g_panelHost;

const DLGTEMPLATE* LockPanelTemplate(int id) {
  HRSRC resource = FindResourceA(g_instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
  if (resource == nullptr) return nullptr;
  HGLOBAL loaded = LoadResource(g_instance, resource);
  return loaded != nullptr ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

}  // namespace

void RegisterPanelProc(int tabIndex, DLGPROC proc) {
  if (tabIndex >= 0 && tabIndex < kPanelCount) g_panelProcs[tabIndex] = proc;
}

DLGPROC PanelProc(int tabIndex) {
  if (tabIndex < 0 || tabIndex >= kPanelCount) return nullptr;
  if (g_panelProcs[tabIndex] != nullptr) return g_panelProcs[tabIndex];
  return tabIndex == kCdPlayerTab ? DefaultCdPanelProc : DefaultMediaPanelProc;
}

void BuildPanelHost(HWND mainWindow, HWND tabs, bool largeFonts) {
  g_panelHost = std::make_unique<PanelHost>();
  PanelHost* host = g_panelHost.get();
  host->tabs = tabs;
  host->origin = largeFonts ? POINT{13, 38} : POINT{9, 30};
  for (int i = 0; i < kPanelCount; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kTabTexts[i]);
    SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    host->templates[i] = LockPanelTemplate(kPanelTemplateIds[i]);
  }
  SetWindowLongPtrA(mainWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
}

void FreePanelHost(HWND mainWindow) {
  PanelHost* host = GetPanelHost(mainWindow);
  if (host == nullptr) return;
  if (host->panel != nullptr) DestroyWindow(host->panel);
  SetWindowLongPtrA(mainWindow, GWLP_USERDATA, 0);
  g_panelHost.reset();
}

PanelHost* GetPanelHost(HWND mainWindow) {
  if (mainWindow == nullptr) return nullptr;
  return reinterpret_cast<PanelHost*>(GetWindowLongPtrA(mainWindow, GWLP_USERDATA));
}

void DestroyPanel(HWND mainWindow) {
  PanelHost* host = GetPanelHost(mainWindow);
  if (host == nullptr || host->panel == nullptr) return;
  HWND panel = host->panel;
  host->panel = nullptr;
  DestroyWindow(panel);
}

HWND ShowPanel(HWND mainWindow, int tabIndex) {
  PanelHost* host = GetPanelHost(mainWindow);
  if (host == nullptr || tabIndex < 0 || tabIndex >= kPanelCount) return nullptr;
  DestroyPanel(mainWindow);
  if (SendMessageA(host->tabs, TCM_GETCURSEL, 0, 0) != tabIndex) {
    SendMessageA(host->tabs, TCM_SETCURSEL, tabIndex, 0);
  }
  if (host->templates[tabIndex] == nullptr) return nullptr;
  HWND panel = CreateDialogIndirectParamA(g_instance, host->templates[tabIndex], mainWindow,
                                          PanelProc(tabIndex), 0);
  host->panel = panel;
  if (panel == nullptr) return nullptr;
  SetWindowPos(panel, HWND_TOP, host->origin.x, host->origin.y, 0, 0, SWP_NOSIZE);
  ShowWindow(panel, SW_SHOW);
  return panel;
}

HWND CurrentPanel() {
  PanelHost* host = GetPanelHost(g_mainWindow);
  return host != nullptr ? host->panel : nullptr;
}

POINT PanelOrigin() {
  PanelHost* host = GetPanelHost(g_mainWindow);
  return host != nullptr ? host->origin : POINT{9, 30};
}
