// The installation's host in the installer's windows: questions and messages in dialogs 500
// and 400, the status and percentage lines of the main dialog, folders, the Start Menu
// shortcut and the Freedb information dialog.
#pragma once

#include <windows.h>

#include "setup/installer.h"

class WindowSetupHost final : public bw::setup::SetupHost {
 public:
  explicit WindowSetupHost(HWND mainDialog) : dialog_(mainDialog) {}

  bool Ask(const std::string& question) override;
  void ShowMessage(const std::string& text) override;
  void ShowStatus(const std::string& text) override;
  void ShowPercent(const std::string& text) override;
  void SetBusy(bool busy) override;
  bool FolderExists(const std::string& folder) override;
  bool CreateFolder(const std::string& folder) override;
  bool CreateShortcut(const bw::setup::ShortcutRequest& shortcut) override;
  bw::setup::FreedbContact AskFreedbContact(const bw::setup::FreedbContact& offered) override;

 private:
  void ShowLine(int id, const std::string& text);
  HWND dialog_;
  HCURSOR previousCursor_ = nullptr;
};
