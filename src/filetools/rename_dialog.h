// Rename (700, "Rename Files"): one dialog for each selected file in turn, with the file's
// name to edit; Skip goes on to the next file, Cancel ends the series.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct RenameInput {
  std::vector<std::string> files;  // full paths, in list order
};

struct RenameResult {
  int renamed = 0;  // files that have a new name: the panel's list is stale
};

RenameResult RunRenameDialog(HWND owner, const RenameInput& input);
