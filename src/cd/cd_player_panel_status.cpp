// The CD Player panel's once-a-second poll: the play state and what its changes start, a disc
// coming or going, the main window's title, and the displays while a disc plays.
#include <string>

#include "cd/cd_player_panel.h"
#include "cd/cd_player_panel_internal.h"
#include "cd/cd_player_panel_times.h"
#include "shell/program_state.h"
#include "shell/texts.h"

namespace {

void SetMainWindowTitle(const std::string& title) {
  if (g_mainWindow == nullptr) return;
  char current[512] = "";
  GetWindowTextA(g_mainWindow, current, sizeof current);
  if (title != current) SetWindowTextA(g_mainWindow, title.c_str());
}

// While a disc plays and the main window is minimised, its title names the track. Otherwise
// the window keeps the program's title, by which a second copy of the program finds it.
void UpdateMainWindowTitle(CdPlayerPanel& panel, int track) {
  const bool minimised = g_mainWindow != nullptr && IsIconic(g_mainWindow);
  std::string title;
  if (panel.playState == bw::PlayState::kPlaying && minimised && track >= 1 &&
      track <= bw::TitleTable::kSlots) {
    title = panel.titles->Get(track - 1);
  }
  SetMainWindowTitle(title.empty() ? std::string(kTextProgramTitle)
                                   : title + kTextTitleSeparator + kTextProgramTitle);
}

// Reaching Ready: the end of the disc (or a stop) repeats, or the panel settles on the disc.
void OnReady(CdPlayerPanel& panel, bw::ReadyAction action, bw::CdDevice& device) {
  switch (action) {
    case bw::ReadyAction::kReplayCurrentTrack:
      PlayCdTrack(panel.Window(), device.CurrentTrack());
      break;
    case bw::ReadyAction::kPlayFirstTrack:
      PlayCdTrack(panel.Window(), 1);
      break;
    case bw::ReadyAction::kRefreshDisc:
      ClearDisplays(panel);
      ShowDiscLength(panel);
      ShowDiscTitle(panel);
      device.ReadTableOfContents();
      ReloadTitles(panel);
      break;
    case bw::ReadyAction::kNone:
      break;
  }
}

void ShowPlayStateChange(CdPlayerPanel& panel, bw::PlayState now, bw::CdDevice& device) {
  SetControlText(panel.Window(), IDC_CD_PLAY_STATE, bw::PlayStateText(now));
  panel.previousPlayState = panel.playState;
  panel.playState = now;
  const bw::PlayStateChange change = bw::DecidePlayStateChange(
      panel.previousPlayState, now, device.CanEject(), panel.repeatTrack, panel.repeatDisc);
  if (change.ejectLabel != bw::EjectLabel::kUnchanged) {
    SetEjectLabel(panel, change.ejectLabel == bw::EjectLabel::kLoad);
  }
  OnReady(panel, change.readyAction, device);
  if (change.showDiscLength) ShowDiscLength(panel);
}

// A disc came in: read it afresh. Answers false when the disc went away (the tick ends).
bool FollowMediaPresence(CdPlayerPanel& panel, bw::CdDevice& device) {
  const bool wasPresent = device.MediaPresent();
  const bool present = device.QueryMediaPresent();
  if (present && !wasPresent) {
    panel.dragging = false;
    device.SetPaused(false);
    device.Close();
    device.Open(CdDriveRoot());
    device.ReadTableOfContents();
    ReloadTitles(panel);
    LayOutTrackButtons(panel);
    ShowDiscLength(panel);
    ShowEjectButton(panel);
  } else if (!present && wasPresent) {
    device.SetPaused(false);
    ClearDisplays(panel);
    SetScrollPos(GetDlgItem(panel.Window(), IDC_CD_POSITION_BAR), SB_CTL, 0, TRUE);
    // With the disc gone the read finds no tracks: the track and page counts become 0.
    device.ReadTableOfContents();
    panel.titles->Clear();
    LayOutTrackButtons(panel);
    return false;
  }
  return true;
}

void UpdatePlayingDisplays(CdPlayerPanel& panel, bw::CdDevice& device) {
  const bw::Tmsf position = device.QueryPosition();
  if (position.track != device.CurrentTrack() && position.track >= 1) {
    device.SetCurrentTrack(position.track);
    if (panel.repeatTrack) {
      // The new track has run for less than 3 seconds, so "<< Skip" goes back to the
      // repeated one.
      PostMessageA(panel.Window(), WM_COMMAND, IDC_CD_SKIP_BACK, 0);
      return;
    }
    ShowTrackStart(panel, position.track);
    MoveHighlight(position.track);
  }
  if (panel.dragging) return;
  const int32_t intoTrack = position.minutes * 60 + position.seconds;
  ShowTimes(panel, device.CurrentTrack(), intoTrack);
  SetScrollPos(GetDlgItem(panel.Window(), IDC_CD_POSITION_BAR), SB_CTL, intoTrack, TRUE);
}

}  // namespace

void OnStatusTimer(CdPlayerPanel& panel) {
  bw::CdDevice* device = CdDeviceOrNull();
  if (device == nullptr) return;

  const bw::CdMode mode = device->IsOpen() ? device->QueryMode() : bw::CdMode::kNotReady;
  const bw::PlayState now = bw::DerivePlayState(mode, device->IsPaused(), device->IsDataDisc());
  if (now == bw::PlayState::kEmpty) {
    device->SetCurrentTrack(1);
    panel.titles->Clear();
  }
  if (now == bw::PlayState::kPlaying) {
    OnPlaybackSeen(panel);
  } else {
    MarkCdAnimationStopped(panel);
  }

  if (now != panel.playState) ShowPlayStateChange(panel, now, *device);
  UpdateMainWindowTitle(panel, device->CurrentTrack());

  if (device->IsOpen() && !FollowMediaPresence(panel, *device)) return;
  if (panel.playState == bw::PlayState::kPlaying) UpdatePlayingDisplays(panel, *device);
}
