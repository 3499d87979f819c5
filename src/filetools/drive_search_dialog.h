// The drive search (2600, "Search for Audio files on drive C:" and its siblings): walks every
// folder of one drive and lists the folders holding files of one kind; the user picks one.
// Opened by the folder browser's Search.
#pragma once

#include <windows.h>

#include <string>

#include "filetools/drive_search.h"
#include "filetools/search_kind.h"

struct DriveSearchInput {
  std::string drive;  // "C:", upper case
  bw::SearchKind kind = bw::SearchKind::kAudio;
};

// `cancelled` is false when the user chose OK or double-clicked a result; `folder` is then the
// picked folder, or `unchangedFolder` when nothing was selected.
bw::DriveSearchOutcome RunDriveSearchDialog(HWND owner, const DriveSearchInput& input,
                                            const std::string& unchangedFolder);
