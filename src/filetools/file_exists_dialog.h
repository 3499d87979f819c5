// "File Already Exists!" (900): what to do with a file of the same name in the destination
// folder of a copy or move: Overwrite, Skip, Overwrite All or Cancel.
#pragma once

#include <windows.h>

#include <string>

#include "filetools/file_transfer.h"

struct FileExistsInput {
  std::string source;  // full paths
  std::string target;
};

// Escape and the close button mean Cancel.
bw::ExistingFileChoice RunFileExistsDialog(HWND owner, const FileExistsInput& input);
