// The uninstaller's entry: one window at a time, the look of the main program, COM for the
// shell link, and the main window. The help file is the installation's own, beside it.
#include <windows.h>
#include <objbase.h>

#include "setup/companion_look.h"
#include "setup/install_files.h"
#include "uninstall/removal.h"
#include "uninstall/uninstall_dialog.h"
#include "uninstall/uninstall_texts.h"

namespace {

// A window of the dialog class titled "Uninstall Brindlewax" already open is brought forward.
bool HandOverToOpenWindow() {
  HWND open = FindWindowA(MAKEINTATOM(32770), bw::uninstall::kWindowTitle);
  if (open == nullptr) return false;
  if (IsIconic(open)) ShowWindow(open, SW_RESTORE);
  SetForegroundWindow(open);
  BringWindowToTop(open);
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  if (HandOverToOpenWindow()) return 0;
  const HRESULT com = CoInitialize(nullptr);
  StartCompanionLook(instance, bw::uninstall::ProgramFolderOf(CompanionProgramPath()) + bw::setup::kHelpFile);
  const int exitCode = RunUninstallWindow(showCommand);
  EndCompanionLook();
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}
