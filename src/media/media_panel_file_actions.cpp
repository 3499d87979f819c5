// The per-file buttons of the media panels (Info, Copy, Rename, Move, Editor, Delete) and
// Browse and Search: each stops playback first and works on the selection.
#include <string>
#include <vector>

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

// Browse and Search: playback ends, and a queue the timer still drives is given up.
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
}

bw::MediaInfoKind InfoKindOf(const MediaPanel& panel) {
  if (panel.Mode() == kModeMidi) return bw::MediaInfoKind::kMidi;
  if (panel.Mode() == kModeVideo) return bw::MediaInfoKind::kVideo;
  return bw::MediaInfoKind::kAudio;
}

// Info: the information dialog of each selected file in list order; the panel is disabled
// while the series runs.
void ShowFileInformation(MediaPanel& panel, const std::vector<int>& selection) {
  MediaInfoSeriesInput input;
  input.kind = InfoKindOf(panel);
  input.panel = panel.Window();
  const std::string& folder = *MediaFolder(panel.Mode(), g_settings.main);
  for (int index : selection) input.paths.push_back(folder + ListText(panel, index));
  if (!selection.empty()) g_mediaPlayback.currentFileName = ListText(panel, selection.front());
  RunMediaInfoSeries(panel.Window(), input);
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
  }
  if (hovering) StartHoverTimer(panel.Window());
}
