// Export to Text File (dialog 2000): chosen items of every catalogue entry written into
// export.txt in a folder of the user's choice, as lines or as comma-separated text, in file
// order or sorted by artist.
#pragma once

#include <windows.h>

#include <string>

struct ExportDialogInput {
  std::string catalogueFolder;  // the folder of brindwax.dat, which is the program folder
};

void RunExportDialog(HWND owner, const ExportDialogInput& input);
