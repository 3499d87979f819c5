// The main window's panels: the tab control, the four locked panel templates (Audio 3000,
// MIDI 3100, Video 3200, CD Player 3300) and the one panel shown, which is created afresh
// from its template whenever its tab is chosen.
#pragma once

#include <windows.h>

#include <memory>

#include "shell/program_parts.h"
#include "shell/skinned_dialog.h"

class PanelHost {
 public:
  // Adds the tabs "Audio", "MIDI", "Video", "CD Player", locks the panel templates and takes
  // the panel origin: (13, 38) with large fonts, (9, 30) otherwise.
  void Build(HWND mainWindow, HWND tabs, bool largeFonts, const ProgramParts& parts);

  // Selects the tab and creates its panel (the previous one is destroyed first).
  HWND Show(int tabIndex);
  void DestroyPanel();

  HWND Tabs() const { return tabs_; }
  int SelectedTab() const;
  HWND Panel() const { return panel_ != nullptr ? panel_->Window() : nullptr; }
  POINT Origin() const { return origin_; }

 private:
  HWND mainWindow_ = nullptr;
  HWND tabs_ = nullptr;
  POINT origin_ = {9, 30};
  const DLGTEMPLATE* templates_[kPanelCount] = {};
  PanelFactory factories_[kPanelCount] = {};
  std::unique_ptr<SkinnedDialog> panel_;  // the current panel, or none
};

// For the panels: the current panel window and the origin they place themselves at.
HWND CurrentPanel();
POINT PanelOrigin();
