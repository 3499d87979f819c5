// The CD Player panel's Query button: the freedb query runs on while panels come and go, so
// the panel lends it a host that lives as long as the program and speaks to the panel of the
// moment. The query itself (CDDBP or HTTP) is the freedb client's; the rotating transport
// buttons while it runs are the panel's.
#include "cd/cd_player_panel.h"
#include "cd/cd_player_panel_busy_buttons.h"
#include "cd/cd_player_panel_internal.h"
#include "freedb/query_controller.h"
#include "shell/texts.h"

namespace {

class PanelQueryHost : public bw::freedb::QueryHost {
 public:
  int CellShift() const { return busyButtons_.Shift(); }
  void AdoptPanel(HWND panel) { busyButtons_.Retarget(panel); }

  HWND DialogOwner() override {
    CdPlayerPanel* panel = LiveCdPlayerPanel();
    return panel != nullptr ? panel->Window() : nullptr;
  }

  void ShowStatus(const std::string& text) override {
    if (HWND panel = DialogOwner()) SetControlText(panel, IDC_CD_QUERY_STATUS, text);
  }

  void ShowRunningLabels(bool running) override {
    HWND panel = DialogOwner();
    if (panel == nullptr) return;
    SetControlText(panel, IDC_CD_QUERY_LABEL_UPPER,
                   running ? kTextQueryLabelRunningUpper : kTextQueryLabelIdleUpper);
    SetControlText(panel, IDC_CD_QUERY_LABEL_LOWER,
                   running ? kTextQueryLabelRunningLower : kTextQueryLabelIdleLower);
  }

  void RunningChanged(bool running) override {
    if (running) {
      busyButtons_.Start(DialogOwner());
    } else {
      busyButtons_.Stop();
    }
    CdPlayerPanel* panel = LiveCdPlayerPanel();
    if (panel == nullptr) return;
    panel->idle = !running;
    InvalidateRect(GetDlgItem(panel->Window(), IDC_CD_QUERY), nullptr, FALSE);
  }

  void AfterStore() override {
    CdPlayerPanel* panel = LiveCdPlayerPanel();
    if (panel == nullptr) return;
    ReloadTitles(*panel);
    ShowDiscTitle(*panel);
    UpdateEntryCaption(*panel);
    const bw::CdDevice* device = CdDeviceOrNull();
    if (device != nullptr && panel->playState == bw::PlayState::kPlaying) {
      ShowTrackTitle(*panel, device->CurrentTrack());
    }
  }

 private:
  bw::BusyButtonsAnimation busyButtons_;
};

PanelQueryHost& QueryHost() {
  static PanelQueryHost host;
  return host;
}

}  // namespace

void StartOrStopFreedbQuery(CdPlayerPanel& panel) {
  const bw::CdDevice* device = CdDeviceOrNull();
  if (device == nullptr || !device->IsOpen() || panel.playState == bw::PlayState::kEmpty) return;
  bw::freedb::QueryDisc disc;
  disc.toc = device->Toc();
  disc.discId = device->DiscId();
  bw::freedb::StartOrStopQuery(QueryHost(), disc);
}

void ShowQueryOfEarlierPanel(CdPlayerPanel& panel) {
  const bool running = bw::freedb::IsQueryRunning();
  panel.idle = !running;
  if (!running) return;
  QueryHost().AdoptPanel(panel.Window());
  QueryHost().ShowRunningLabels(true);
}

int TransportCellShift() { return QueryHost().CellShift(); }
