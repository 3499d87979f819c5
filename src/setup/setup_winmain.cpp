// The installer's entry: the look of the main program, COM for the shell link, and the main
// dialog. The help file lies beside the installer, with the files it installs.
#include <windows.h>
#include <objbase.h>

#include "setup/companion_look.h"
#include "setup/install_files.h"
#include "setup/install_paths.h"
#include "setup/setup_main_dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const HRESULT com = CoInitialize(nullptr);
  StartCompanionLook(instance, bw::setup::FolderOfProgram(CompanionProgramPath()) + bw::setup::kHelpFile);
  RunSetupMainDialog();
  EndCompanionLook();
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
