// Copy and move (800, "Copy Files" / "Move Files"): the selected files of a media panel, the
// destination folder (typed, or chosen in the folder browser's destination kind) and, on
// OK, the job with its "File Already Exists!" questions. The last destination of each kind
// and operation is kept in the settings file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "filetools/file_transfer.h"

struct CopyMoveInput {
  bw::TransferOperation operation = bw::TransferOperation::kCopy;
  int mode = 50;                   // the panel's mode: 50 Audio, 51 MIDI, 52 Video
  std::vector<std::string> files;  // full paths, in list order
};

struct CopyMoveResult {
  bool filesChanged = false;  // something was copied or moved: the panel's list is stale
};

// Nothing happens for an empty selection.
CopyMoveResult RunCopyMoveDialog(HWND owner, const CopyMoveInput& input);
