// Database Sorter (dialog 2400): Start puts the catalogue in ascending artist order and writes
// it anew; the status line tells each step.
#pragma once

#include <windows.h>

#include <string>

struct SorterInput {
  std::string catalogueFolder;  // the folder of brindwax.dat
};

void RunSorterDialog(HWND owner, const SorterInput& input);
