// The list of one folder's programs in the editor and volume-mixer selections: filled with the
// folder's "*.exe" files, its label naming the folder, and Browse choosing another folder in
// the folder browser's EXE kind, which refills the list live while the user browses.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

class ProgramFolderList {
 public:
  ProgramFolderList(int listId, int labelId) : listId_(listId), labelId_(labelId) {}

  // Shows the programs of `folder` in the list of `dialog`.
  void Show(HWND dialog, const std::string& folder);
  // Runs the folder browser from the folder shown; answers whether the user took a folder
  // (the list then shows its programs, else those of the folder it showed before).
  bool Browse(HWND dialog);
  // The selected program's full path; none when nothing is selected.
  std::optional<std::string> SelectedProgram(HWND dialog) const;

  const std::string& Folder() const { return folder_; }

 private:
  void ShowLabel(HWND dialog) const;

  int listId_;
  int labelId_;
  std::string folder_;  // ends in "\"
};

// The folder a selection first lists: that of `programPath` when it has one (a folder since
// removed lists nothing, and Browse goes on from there), else the folder browsed last in the
// program's EXE kind, else the system folder, where the system's own tools lie.
std::string FirstProgramFolder(const std::string& programPath);
