// The CD Player panel's commands: play, pause, stop, the skips and track buttons, paging, the
// repeat switches, eject and load, and the Add/Edit and Garnish dialogs; and playing a track,
// which the main window also asks for.
#include "cd/cd_player_panel.h"
#include "cd/cd_player_panel_internal.h"
#include "cd/cd_player_panel_tracks.h"
#include "cddb/disc_info_dialog.h"
#include "cddb/garnish_dialog.h"
#include "shell/dialog_chrome.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/question_box.h"
#include "shell/texts.h"

namespace {

bool IsOpen() {
  const bw::CdDevice* device = CdDeviceOrNull();
  return device != nullptr && device->IsOpen();
}

int TrackCount() {
  const bw::CdDevice* device = CdDeviceOrNull();
  return device != nullptr ? device->Toc().trackCount : 0;
}

int CurrentTrack() {
  const bw::CdDevice* device = CdDeviceOrNull();
  return device != nullptr ? device->CurrentTrack() : 0;
}

// The automatic freedb query starts when a disc the catalogue does not know is played.
void RequestAutomaticQuery() {
  if (!g_settings.main.autoCddbQuery || IsCurrentDiscInCatalogue()) return;
  if (CdPlayerPanel* live = LiveCdPlayerPanel()) {
    PostMessageA(live->Window(), WM_COMMAND, IDC_CD_QUERY, 0);
  } else {
    g_cdPlayerKept.autoQueryPending = true;
  }
}

// Play (3310): resumes a pause; otherwise the track another program asked for (6969 in the
// high word of the last parameter, the track in the low word) or the current one.
void OnPlay(CdPlayerPanel& panel, LPARAM lParam) {
  bw::CdDevice* device = CdDeviceOrNull();
  if (device == nullptr) return;
  // A closed device shows Empty; the retry question comes before the state counts.
  if (device->IsOpen() && !bw::AcceptsPlayCommands(panel.playState)) return;
  if (device->IsOpen() && device->IsPaused()) {
    device->Resume();
    return;
  }
  int track = CurrentTrack() >= 1 ? CurrentTrack() : 1;
  if (HIWORD(lParam) == kPlayRequestMarker && LOWORD(lParam) >= 1 && LOWORD(lParam) <= 99) {
    track = LOWORD(lParam);
  }
  PlayCdTrack(panel.Window(), track);
}

void OnPause(CdPlayerPanel& panel) {
  if (!EnsureCdDeviceOpen(panel.Window())) return;
  bw::CdDevice& device = *CdDeviceOrNull();
  if (device.IsPaused()) {
    device.Resume();
    SetPositionBarRange(panel, device.CurrentTrack());
  } else if (device.QueryMode() == bw::CdMode::kPlaying) {
    device.Pause();
  }
}

void OnStop(CdPlayerPanel& panel) {
  if (IsOpen() && panel.playState == bw::PlayState::kEmpty) return;
  SetControlText(panel.Window(), IDC_CD_QUERY_STATUS, "");
  SetRepeat(panel, IDC_CD_REPEAT_TRACK, false);
  SetRepeat(panel, IDC_CD_REPEAT_DISC, false);
  if (!EnsureCdDeviceOpen(panel.Window())) return;
  CdDeviceOrNull()->Stop();
}

void OnSkipBack(CdPlayerPanel& panel) {
  if (!IsOpen()) {
    PlayCdTrack(panel.Window(), 1);
    return;
  }
  if (!bw::AcceptsPlayCommands(panel.playState)) return;
  const bw::Tmsf position = CdDeviceOrNull()->QueryPosition();
  PlayCdTrack(panel.Window(), bw::TrackForSkipBack(CurrentTrack(), position.seconds, TrackCount()));
}

void OnSkipForward(CdPlayerPanel& panel) {
  if (!IsOpen() || !bw::AcceptsPlayCommands(panel.playState)) return;
  PlayCdTrack(panel.Window(), bw::TrackForSkipForward(CurrentTrack(), TrackCount()));
}

void OnTrackButton(CdPlayerPanel& panel, int id) {
  if (!IsOpen() || !bw::AcceptsPlayCommands(panel.playState)) return;
  const int track = bw::TrackForButton(g_cdPlayerKept.trackPage, id - IDC_CD_TRACK_FIRST);
  if (track <= TrackCount()) PlayCdTrack(panel.Window(), track);
}

void OnPage(CdPlayerPanel& panel, int step) {
  if (panel.playState == bw::PlayState::kEmpty) return;
  StepTrackPage(panel, step);
}

void OnAddEntry(CdPlayerPanel& panel) {
  if (!panel.idle) return;
  if (IsOpen() && !bw::AcceptsPlayCommands(panel.playState)) return;
  if (!IsOpen()) {
    if (!EnsureCdDeviceOpen(panel.Window())) return;
    CdDeviceOrNull()->SetPaused(false);
  }
  DiscInfoInput input;
  if (const bw::CdDevice* device = CdDeviceOrNull()) {
    input.toc = device->Toc();
    input.discId = device->DiscId();
  }
  input.catalogueFolder = g_programFolder;
  RunDiscInfoDialog(panel.Window(), input);
  // The dialog may have added the disc or changed its titles.
  ReloadTitles(panel);
  UpdateEntryCaption(panel);
  ShowDiscTitle(panel);
  if (panel.playState == bw::PlayState::kPlaying) ShowTrackTitle(panel, CurrentTrack());
}

void OnGarnish(CdPlayerPanel& panel) {
  if (!panel.idle) return;
  RunGarnishDialog(panel.Window(), GarnishInput{g_programFolder});
  // The tools may have changed the catalogue: its titles are read again.
  if (bw::CdDevice* device = CdDeviceOrNull()) device->ReadTableOfContents();
  ReloadTitles(panel);
  if (panel.playState == bw::PlayState::kPlaying) {
    ShowTrackTitle(panel, CurrentTrack());
    ShowDiscTitle(panel);
  }
}

void OnEjectOrLoad(CdPlayerPanel& panel) {
  bw::CdDevice* device = CdDeviceOrNull();
  if (device == nullptr || !panel.idle) return;
  if (bw::EjectButtonLoads(panel.playState, panel.previousPlayState, device->CanEject(),
                           panel.loadLabelShown)) {
    device->Load();
    return;
  }
  ParentHoverPause pause(panel.Window());
  device->Eject(CdDriveRoot());
  panel.previousPlayState = bw::PlayState::kUnknown;
  SetEjectLabel(panel, true);
}

}  // namespace

bool EnsureCdDeviceOpen(HWND owner) {
  bw::CdDevice* device = CdDeviceOrNull();
  if (device == nullptr) return false;
  if (device->IsOpen()) return true;
  if (!AskQuestion(owner, kTextCdOpenRetryQuestion)) return false;
  if (device->Open(CdDriveRoot())) device->ReadTableOfContents();
  if (CdPlayerPanel* live = LiveCdPlayerPanel()) ShowEjectButton(*live);
  if (!device->IsOpen()) {
    ShowMessage(owner, kTextCdStillCannotOpen);
    return false;
  }
  if (CdPlayerPanel* live = LiveCdPlayerPanel()) {
    ReloadTitles(*live);
    LayOutTrackButtons(*live);
  }
  return true;
}

void PlayCdTrack(HWND owner, int track) {
  if (!EnsureCdDeviceOpen(owner)) return;
  bw::CdDevice& device = *CdDeviceOrNull();
  if (track < 1 || track > 99) track = 1;
  device.SetPaused(false);
  device.SetCurrentTrack(track);
  MoveHighlight(track);
  // A failure goes to the MCI error report.
  device.PlayTrack(track);
  if (CdPlayerPanel* live = LiveCdPlayerPanel()) ShowTrackStart(*live, track);
  RequestAutomaticQuery();
}

void OnPanelCommand(CdPlayerPanel& panel, int id, LPARAM lParam) {
  switch (id) {
    case IDC_CD_PLAY: OnPlay(panel, lParam); break;
    case IDC_CD_PAUSE: OnPause(panel); break;
    case IDC_CD_STOP: OnStop(panel); break;
    case IDC_CD_SKIP_BACK: OnSkipBack(panel); break;
    case IDC_CD_SKIP_FORWARD: OnSkipForward(panel); break;
    case IDC_CD_PAGE_DOWN: OnPage(panel, +1); break;
    case IDC_CD_PAGE_UP: OnPage(panel, -1); break;
    case IDC_CD_REPEAT_TRACK: SetRepeat(panel, id, !panel.repeatTrack); break;
    case IDC_CD_REPEAT_DISC: SetRepeat(panel, id, !panel.repeatDisc); break;
    case IDC_CD_QUERY: StartOrStopFreedbQuery(panel); break;
    case IDC_CD_ADD_ENTRY: OnAddEntry(panel); break;
    case IDC_CD_GARNISH: OnGarnish(panel); break;
    case IDC_CD_EJECT: OnEjectOrLoad(panel); break;
    default:
      if (id >= IDC_CD_TRACK_FIRST && id <= IDC_CD_TRACK_LAST) OnTrackButton(panel, id);
      break;
  }
}
