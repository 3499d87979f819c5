// The per-file buttons of the media panels (Info, Copy, Rename, Move, Editor, Delete) and
// Browse and Search: each stops playback first and works on the selection.
#include <string>
#include <vector>

#include "media/media_panel_internal.h"
#include "media/media_panel_texts.h"
#include "shell/animation.h"
#include "shell/hover.h"
#include "shell/message_box.h"
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

}  // namespace

void OnFileAction(MediaPanel& panel, int audioId) {
  if (audioId == IDC_MEDIA_BROWSE || audioId == IDC_MEDIA_SEARCH) {
    OnBrowseOrSearch(panel, audioId);
    return;
  }
  RunStopRoutine(&panel);
  const bool hovering = StopHoverTimer(panel.Window());
  const std::vector<int> selection = ReadSelection(panel);
  if (selection.empty()) ShowMessage(panel.Window(), NothingSelectedText(audioId));
  if (hovering) StartHoverTimer(panel.Window());
}
