// The per-file buttons of the media panels (Info, Copy, Rename, Move, Editor, Delete) and
// Browse and Search: each stops playback first and works on the selection.
#include <string>
#include <vector>

#include "filetools/copy_move_dialog.h"
#include "filetools/delete_dialog.h"
#include "filetools/editor_launch.h"
#include "filetools/folder_browser_dialog.h"
#include "filetools/rename_dialog.h"
#include "media/media_info_dialog.h"
#include "media/media_panel_internal.h"
#include "media/media_panel_texts.h"
#include "shell/animation.h"
#include "shell/hover.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundBrowse = 8;

const char* NothingSelectedText(int audioId) {
  switch (audioId) {
    case IDC_MEDIA_INFO: return kTextNoFilesInfo;
    case IDC_MEDIA_COPY: return kTextNoFilesCopy;
    case IDC_MEDIA_RENAME: return kTextNoFilesRename;
    case IDC_MEDIA_MOVE: return kTextNoFilesMove;
    case IDC_MEDIA_EDITOR: return kTextNoFilesEditor;
    default: return kTextNoFilesDelete;
  }
}

// Browse and Search: playback ends, a queue the timer still drives is given up, and the
// folder browser opens on the panel's folder (Search goes straight to the drive search). The
// browser refills the list as the user moves; a confirmed folder is the panel's from then on.
void OnBrowseOrSearch(MediaPanel& panel, int audioId) {
  RunStopRoutine(&panel);
  if (audioId == IDC_MEDIA_BROWSE) PlaySoundEffect(kSoundBrowse);
  MediaPlayback& playback = g_mediaPlayback;
  if (playback.timerRunning) {
    panel.KillPositionTimer();
    playback.queue.Abandon();
    panel.SetText(IDC_MEDIA_LEFT, kTextMediaZero);
    panel.SetText(IDC_MEDIA_NAME, kTextMediaStopped);
  }
  playback.listAlreadyFilled = false;
  StopPanelAnimation(panel);
  const bool hovering = StopHoverTimer(panel.Window());
  FolderBrowserRequest request;
  request.callerList = panel.List();
  request.searchMode = audioId == IDC_MEDIA_SEARCH;
  // Confirmed or cancelled (when it refilled the list from the starting folder), the refresh
  // shows the folder and the count that go with what the list holds.
  static_cast<void>(RunFolderBrowser(panel.Window(), request));
  RefreshMediaFileList(panel);
  if (hovering) StartHoverTimer(panel.Window());
}

bw::MediaInfoKind InfoKindOf(const MediaPanel& panel) {
  if (panel.Mode() == kModeMidi) return bw::MediaInfoKind::kMidi;
  if (panel.Mode() == kModeVideo) return bw::MediaInfoKind::kVideo;
  return bw::MediaInfoKind::kAudio;
}

// The full paths of the selected entries, in list order.
std::vector<std::string> SelectedPaths(const MediaPanel& panel, const std::vector<int>& selection) {
  const std::string& folder = *MediaFolder(panel.Mode(), g_settings.main);
  std::vector<std::string> paths;
  for (int index : selection) paths.push_back(folder + ListText(panel, index));
  return paths;
}

// Info: the information dialog of each selected file in list order; the panel is disabled
// while the series runs.
void ShowFileInformation(MediaPanel& panel, const std::vector<int>& selection) {
  MediaInfoSeriesInput input;
  input.kind = InfoKindOf(panel);
  input.panel = panel.Window();
  input.paths = SelectedPaths(panel, selection);
  if (!selection.empty()) g_mediaPlayback.currentFileName = ListText(panel, selection.front());
  RunMediaInfoSeries(panel.Window(), input);
}

// Copy, Move, Rename, Delete and Editor: the file tools work on the selected files; the list
// is read again when a tool changed the media folder.
void RunFileTool(MediaPanel& panel, int audioId, const std::vector<int>& selection) {
  const std::vector<std::string> paths = SelectedPaths(panel, selection);
  HWND owner = panel.Window();
  bool folderChanged = false;
  switch (audioId) {
    case IDC_MEDIA_COPY:
      RunCopyMoveDialog(owner, {bw::TransferOperation::kCopy, panel.Mode(), paths});
      break;
    case IDC_MEDIA_MOVE:
      folderChanged =
          RunCopyMoveDialog(owner, {bw::TransferOperation::kMove, panel.Mode(), paths}).filesChanged;
      break;
    case IDC_MEDIA_RENAME: folderChanged = RunRenameDialog(owner, {paths}).renamed > 0; break;
    case IDC_MEDIA_DELETE: folderChanged = RunDeleteDialog(owner, {paths}).deleted > 0; break;
    case IDC_MEDIA_EDITOR: LaunchEditor(owner, paths); break;
    default: break;
  }
  if (folderChanged) RefreshMediaFileList(panel);
}

}  // namespace

void OnFileAction(MediaPanel& panel, int audioId) {
  if (audioId == IDC_MEDIA_BROWSE || audioId == IDC_MEDIA_SEARCH) {
    OnBrowseOrSearch(panel, audioId);
    return;
  }
  RunStopRoutine(&panel);
  const bool hovering = StopHoverTimer(panel.Window());
  const std::vector<int> selection = ReadSelection(panel);
  if (selection.empty()) {
    ShowMessage(panel.Window(), NothingSelectedText(audioId));
  } else if (audioId == IDC_MEDIA_INFO) {
    ShowFileInformation(panel, selection);
  } else {
    RunFileTool(panel, audioId, selection);
  }
  if (hovering) StartHoverTimer(panel.Window());
}
