// Delete (500, "Delete Files"): the selected files under the question "Delete selected
// files?"; OK deletes them, Cancel deletes nothing.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DeleteInput {
  std::vector<std::string> files;  // full paths, in list order
};

struct DeleteResult {
  int deleted = 0;  // the panel's list is stale when this is not 0
};

// Nothing happens for an empty selection.
DeleteResult RunDeleteDialog(HWND owner, const DeleteInput& input);
