// The program lists of the selections.
#include "filetools/program_folder_list.h"

#include "filetools/filetools_texts.h"
#include "filetools/folder_browser_dialog.h"
#include "filetools/folder_browser_lists.h"
#include "shell/file_list.h"

void ProgramFolderList::Show(HWND dialog, const std::string& folder) {
  folder_ = bw::WithTrailingSeparator(folder);
  bw::RefillFileList(GetDlgItem(dialog, listId_), folder_, {"*.exe"});
  ShowLabel(dialog);
}

void ProgramFolderList::ShowLabel(HWND dialog) const {
  SetDlgItemTextA(dialog, labelId_, (kTextProgramsIn + folder_).c_str());
}

bool ProgramFolderList::Browse(HWND dialog) {
  FolderBrowserRequest request;
  request.caller.exeSelection = true;
  request.startingFolder = folder_;
  request.callerList = GetDlgItem(dialog, listId_);
  const FolderBrowserResult chosen = RunFolderBrowser(dialog, request);
  if (!chosen.accepted) return false;
  folder_ = chosen.folder;
  ShowLabel(dialog);
  return true;
}

std::optional<std::string> ProgramFolderList::SelectedProgram(HWND dialog) const {
  HWND list = GetDlgItem(dialog, listId_);
  const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return std::nullopt;
  const std::string name = bw::ListLineText(list, static_cast<int>(index));
  if (name.empty()) return std::nullopt;
  return folder_ + name;
}

std::string FirstProgramFolder(const std::string& programPath) {
  const std::size_t separator = programPath.find_last_of("\\/");
  if (separator != std::string::npos) return programPath.substr(0, separator + 1);
  const std::string& browsed = ProgramFolderBrowserBuffers().exeFolder;
  if (!browsed.empty()) return browsed;
  char system[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(system, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return bw::WithTrailingSeparator(system);
  return "C:\\";
}
