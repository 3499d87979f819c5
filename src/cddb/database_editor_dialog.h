// Compact Disc Database Editor (dialog 2200): every stored entry by its entry number, each
// text and code corrected and saved in place, entries deleted, and the search's hits shown
// with the focus on the field that matched.
#pragma once

#include <windows.h>

#include <string>

struct DatabaseEditorInput {
  std::string catalogueFolder;  // the folder of brindwax.dat
  bool openSearchAtOnce = false;  // Garnish's Search Database: the search opens at once
};

void RunDatabaseEditorDialog(HWND owner, const DatabaseEditorInput& input);
