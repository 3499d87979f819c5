// The Path Setup folder browser (200): the program's one folder chooser. A caller names its
// kind through BrowserCaller, gives its starting folder and, for the EXE and media kinds, the
// list box the browser refills live from the folder being browsed:
//
//   FolderBrowserRequest request;
//   request.caller.exeSelection = true;
//   request.startingFolder = folderOfTheProgram;
//   request.callerList = GetDlgItem(Window(), IDC_VOLUME_MIXER_PROGRAMS);
//   const FolderBrowserResult chosen = RunFolderBrowser(Window(), request);
//   if (chosen.accepted) ... chosen.folder ...
//
// The caller plays its own Browse sound first; its hover timer is paused by the entry.
#pragma once

#include <windows.h>

#include <string>

#include "filetools/folder_browser.h"

struct FolderBrowserRequest {
  // Which caller opens the browser. The mode is always the program's current mode: whatever
  // the caller puts there is replaced.
  bw::BrowserCaller caller;
  // Put into the kind's buffer before the browser opens (destination, EXE, export/HTML); the
  // media kinds start at the mode's media folder and ignore it. Empty: the kind's buffer keeps
  // what it holds, and an empty buffer starts at the audio folder.
  std::string startingFolder;
  // The caller's list box refilled live for the EXE and media kinds; refilled from the
  // starting folder on Cancel.
  HWND callerList = nullptr;
  // A media panel's Search: the drive search opens at once.
  bool searchMode = false;
};

struct FolderBrowserResult {
  bool accepted = false;  // OK (or a folder picked in the drive search)
  std::string folder;     // the chosen folder, ending in "\"; empty unless accepted
};

// Runs dialog 200 modally. On OK the media kinds have their media folder set and the EXE
// kind the program's EXE folder; the caller's list already shows the chosen folder's files.
FolderBrowserResult RunFolderBrowser(HWND owner, const FolderBrowserRequest& request);

// The program's shared buffers of the calling protocol: the browsed folder, the starting
// folders of the destination, EXE and export/HTML kinds, and the accepted and search-mode
// flags. RunFolderBrowser keeps the protocol; callers read the EXE or destination folder here
// to start where the user was last time.
bw::FolderBrowserBuffers& ProgramFolderBrowserBuffers();
