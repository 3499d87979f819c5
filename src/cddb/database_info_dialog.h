// Database Information (dialog 2320): the catalogue file's name, last change and size, and the
// number of entries and tracks with their total playing time. It only reads: a missing file
// shows zeros and is not created.
#pragma once

#include <windows.h>

#include <string>

struct DatabaseInfoInput {
  std::string catalogueFolder;  // the folder of brindwax.dat
};

void RunDatabaseInfoDialog(HWND owner, const DatabaseInfoInput& input);
