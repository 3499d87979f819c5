// The media panels' file list: the refresh with the list filters, the folder from the
// location edit or a drop, the selection, and the file a start names.
#include <algorithm>
#include <string>
#include <vector>

#include "base/win32_handles.h"
#include "media/media_folder_path.h"
#include "media/media_panel_internal.h"
#include "media/media_panel_texts.h"
#include "shell/file_list.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/texts.h"

namespace {

std::string& FolderOf(const MediaPanel& panel) { return *MediaFolder(panel.Mode(), g_settings.main); }

// The folder is entered as it is checked, and stays the current folder afterwards.
bool MakeCurrentFolder(const std::string& folder) {
  return SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

// A valid folder becomes the kind's folder and is listed; an invalid one is refused with the
// message and the edit shows the folder it had.
void TakeFolder(MediaPanel& panel, const std::string& text) {
  std::optional<std::string> folder = bw::NormaliseMediaFolder(text, MakeCurrentFolder);
  if (!folder) {
    panel.SetText(IDC_MEDIA_LOCATION, FolderOf(panel));
    ShowMessage(panel.Window(), kTextInvalidPath);
    return;
  }
  FolderOf(panel) = *folder;
  RefreshMediaFileList(panel);
}

}  // namespace

void RefreshMediaFileList(MediaPanel& panel) {
  const std::string& folder = FolderOf(panel);
  panel.SetText(IDC_MEDIA_LOCATION, folder);
  RunStopRoutine(&panel);
  HWND list = panel.List();
  if (!g_mediaPlayback.listAlreadyFilled) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    // Each pattern sets the list's extent to its own widest name; the widest of all stays.
    WPARAM widest = 0;
    for (const std::string& pattern : MediaFilePatterns(panel.Mode(), g_settings.main)) {
      bw::FillFileList(list, (folder + pattern).c_str());
      widest = std::max<WPARAM>(widest, SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0));
    }
    SendMessageA(list, LB_SETHORIZONTALEXTENT, widest, 0);
  }
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  panel.SetText(IDC_MEDIA_COUNT, FileCountText(panel.Mode(), count));
}

void OnLocationEdited(MediaPanel& panel) {
  const std::string typed = panel.Text(IDC_MEDIA_LOCATION);
  if (typed == FolderOf(panel)) return;
  TakeFolder(panel, typed);
}

void OnFilesDropped(MediaPanel& panel, HDROP drop) {
  char item[bw::kDroppedItemLimit + 1] = {};
  const UINT length = DragQueryFileA(drop, 0, item, sizeof item);
  DragFinish(drop);
  if (length == 0) return;
  const bool isFolder = MakeCurrentFolder(item);
  TakeFolder(panel, bw::DroppedItemFolderText(item, isFolder));
}

std::vector<int> ReadSelection(const MediaPanel& panel) {
  HWND list = panel.List();
  const LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
  if (count == LB_ERR || count <= 0) return {};
  std::vector<int> selection(static_cast<std::size_t>(count));
  const LRESULT read = SendMessageA(list, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                    reinterpret_cast<LPARAM>(selection.data()));
  selection.resize(read == LB_ERR ? 0 : static_cast<std::size_t>(read));
  std::sort(selection.begin(), selection.end());
  return selection;
}

std::string ListText(const MediaPanel& panel, int index) {
  HWND list = panel.List();
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR || length < 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

std::string ListedName(const std::string& path, const std::string& listText) {
  WIN32_FIND_DATAA found = {};
  UniqueFindHandle find(FindFirstFileA(path.c_str(), &found));
  return find ? std::string(found.cFileName) : listText;
}

void SelectAllFiles(MediaPanel& panel) {
  if (GetFocus() == panel.Control(IDC_MEDIA_LOCATION)) return;
  SendMessageA(panel.List(), LB_SETSEL, TRUE, -1);
}

void SelectCommandLineFile(MediaPanel& panel) {
  HWND list = panel.List();
  const std::string& name = g_commandLine.mediaFileName;
  // The listing holds the file under its own case when the filters show its kind; the entry
  // is added only when they do not, so no other file's entry is touched.
  LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(name.c_str()));
  if (index == LB_ERR) {
    index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (index == LB_ERR || index == LB_ERRSPACE) return;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    panel.SetText(IDC_MEDIA_COUNT, FileCountText(panel.Mode(), count));
  }
  SendMessageA(list, LB_SETSEL, FALSE, -1);
  SendMessageA(list, LB_SETSEL, TRUE, index);
  PostMessageA(panel.Window(), WM_COMMAND, panel.Id(IDC_MEDIA_PLAY), 0);
}
