// The CD Player panel's Query button: lends the freedb query the panel of the moment and the
// disc in the drive. The query itself (CDDBP or HTTP, the busy buttons) is the freedb client's.
#include "cd/cd_player_panel.h"
#include "cd/cd_player_panel_internal.h"
#include "freedb/query_controller.h"
#include "shell/texts.h"

namespace {

void RefreshAfterStore() {
  if (g_cdPlayerPanel == nullptr) return;
  CdPlayerPanel& panel = *g_cdPlayerPanel;
  ReloadTitles(panel);
  ShowDiscTitle(panel);
  UpdateEntryCaption(panel);
  const bw::CdDevice* device = CdDeviceOrNull();
  if (device != nullptr && panel.playState == bw::PlayState::kPlaying) {
    ShowTrackTitle(panel, device->CurrentTrack());
  }
}

void SetIdle(bool idle) {
  if (g_cdPlayerPanel == nullptr) return;
  g_cdPlayerPanel->idle = idle;
  InvalidateRect(GetDlgItem(g_cdPlayerPanel->window, IDC_CD_QUERY), nullptr, FALSE);
}

}  // namespace

void StartOrStopFreedbQuery(CdPlayerPanel& panel) {
  const bw::CdDevice* device = CdDeviceOrNull();
  if (device == nullptr || !device->IsOpen() || panel.playState == bw::PlayState::kEmpty) return;
  bw::freedb::QueryPanel host;
  host.window = [] { return CdPlayerPanelWindow(); };
  host.afterStore = RefreshAfterStore;
  host.runningChanged = [](bool running) { SetIdle(!running); };
  bw::freedb::QueryDisc disc;
  disc.toc = device->Toc();
  disc.discId = device->DiscId();
  bw::freedb::StartOrStopQuery(host, disc);
}

void ShowQueryOfEarlierPanel(CdPlayerPanel& panel) {
  const bool running = bw::freedb::IsQueryRunning();
  panel.idle = !running;
  if (!running) return;
  SetControlText(panel.window, IDC_CD_QUERY_LABEL_UPPER, kTextQueryLabelRunningUpper);
  SetControlText(panel.window, IDC_CD_QUERY_LABEL_LOWER, kTextQueryLabelRunningLower);
}

int TransportCellShift() { return bw::freedb::TransportCellShift(); }
