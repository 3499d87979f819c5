// The read-only list of the files a copy, move or delete is about to act on.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Fills `list` with the file names of `paths` in their order and lets it scroll sideways to
// the widest name.
void FillFileNameList(HWND list, const std::vector<std::string>& paths);
