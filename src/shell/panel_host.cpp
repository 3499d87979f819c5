// Creating and switching the main window's panels.
#include "shell/panel_host.h"

#include <commctrl.h>

#include "resources/resource.h"
#include "shell/look_and_feel.h"
#include "shell/texts.h"

namespace {

constexpr int kPanelTemplateIds[kPanelCount] = {IDD_AUDIO_PANEL, IDD_MIDI_PANEL, IDD_VIDEO_PANEL,
                                                IDD_CD_PANEL};
constexpr const char* kTabTexts[kPanelCount] = {kTextTabAudio, kTextTabMidi, kTextTabVideo,
                                                kTextTabCdPlayer};

const DLGTEMPLATE* LockPanelTemplate(int id) {
  HRSRC resource = FindResourceA(g_instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
  if (resource == nullptr) return nullptr;
  HGLOBAL loaded = LoadResource(g_instance, resource);
  return loaded != nullptr ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

}  // namespace

void PanelHost::Build(HWND mainWindow, HWND tabs, bool largeFonts, const ProgramParts& parts) {
  mainWindow_ = mainWindow;
  tabs_ = tabs;
  origin_ = largeFonts ? POINT{13, 38} : POINT{9, 30};
  for (int i = 0; i < kPanelCount; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kTabTexts[i]);
    SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    templates_[i] = LockPanelTemplate(kPanelTemplateIds[i]);
    factories_[i] = parts.panels[i];
  }
}

int PanelHost::SelectedTab() const {
  return static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
}

void PanelHost::DestroyPanel() {
  // The panel is no longer current while it goes, and its state outlives its window.
  std::unique_ptr<SkinnedDialog> panel = std::move(panel_);
  if (panel != nullptr && panel->Window() != nullptr) DestroyWindow(panel->Window());
}

HWND PanelHost::Show(int tabIndex) {
  if (tabIndex < 0 || tabIndex >= kPanelCount) return nullptr;
  DestroyPanel();
  if (SelectedTab() != tabIndex) SendMessageA(tabs_, TCM_SETCURSEL, tabIndex, 0);
  if (templates_[tabIndex] == nullptr || factories_[tabIndex] == nullptr) return nullptr;
  panel_ = factories_[tabIndex]();
  HWND panel = CreateModelessDialog(mainWindow_, templates_[tabIndex], *panel_);
  if (panel == nullptr) {
    panel_.reset();
    return nullptr;
  }
  SetWindowPos(panel, HWND_TOP, origin_.x, origin_.y, 0, 0, SWP_NOSIZE);
  ShowWindow(panel, SW_SHOW);
  return panel;
}
