// The CD Player panel: creation in its fixed order, the timers, drawing and the end of the
// panel.
#include "cd/cd_player_panel.h"

#include <memory>

#include "cd/cd_player_panel_internal.h"
#include "base/win32_handles.h"
#include "shell/animation.h"
#include "shell/look_and_feel.h"
#include "shell/panel_host.h"
#include "shell/program_mode.h"
#include "shell/program_state.h"

namespace {

constexpr auto kCdPanelHelpIds = MakeHelpIds(
    IDC_CD_REPEAT_TRACK, IDC_CD_REPEAT_DISC, IDC_CD_QUERY, IDC_CD_PLAY, IDC_CD_PAUSE, IDC_CD_STOP,
    IDC_CD_SKIP_BACK, IDC_CD_SKIP_FORWARD, IDC_CD_ADD_ENTRY, IDC_CD_GARNISH, IDC_CD_EJECT,
    IDC_CD_PAGE_DOWN, IDC_CD_PAGE_UP, IDC_CD_POSITION_BAR);

// The panel draws its own buttons (their pictures follow its state) and builds its own hover
// table; the chores give it help, the hover timer and the entry-field colours.
DialogChores CdPanelChores() {
  DialogChores chores;
  chores.helpIds = kCdPanelHelpIds.data();
  chores.animateOpening = false;
  chores.entryFieldColours = true;
  return chores;
}

void ShowPausedTrack(CdPlayerPanel& panel, const bw::CdDevice& device) {
  const int track = device.CurrentTrack();
  ShowTrackStart(panel, track);
  ShowDiscLength(panel);
}

}  // namespace

CdPlayerPanel::CdPlayerPanel() : SkinnedDialog(CdPanelChores()) {}

void CdPlayerPanel::OnInitDialog() {
  CdPlayerPanel& panel = *this;
  HWND window = Window();
  bw::CdDevice* device = CdDeviceOrNull();

  // 1. The title slots of the disc in the drive.
  ReloadTitles(panel);
  // 2. Mode, repeat switches (both off), idle, no state seen yet. (Media files do not play
  // while this panel is shown: their panels stop playback when they go.)
  g_settings.main.mode = kModeCdPlayer;
  ShowQueryOfEarlierPanel(panel);  // idle unless a query runs on from an earlier panel
  const bool paused = device != nullptr && device->IsPaused();
  if (!paused) {
    if (device != nullptr) device->SetCurrentTrack(0);
    g_cdPlayerKept.highlightIndex = 0;
  }
  // 3. Displays: empty, or the paused track.
  ClearDisplays(panel);
  if (paused) ShowPausedTrack(panel, *device);
  // 4. Place and the CD animation.
  const POINT origin = PanelOrigin();
  SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PlaceCdAnimation(panel);
  // 5. The status poll.
  SetTimer(window, kCdStatusTimerId, kCdStatusTimerPeriodMs, nullptr);
  panel.animationStopped = true;
  // 6. Track buttons and Eject.
  LayOutTrackButtons(panel);
  ShowEjectButton(panel);
  // 7. "Add Entry" or "Edit Entry".
  UpdateEntryCaption(panel);
  // 8. The animation frame and the hover table (its timer starts with the chores).
  ShowControl(window, IDC_CD_ANIMATION, g_settings.main.cdAnimation);
  BuildPanelHoverTable(panel);
  // 9. An automatic query that came due while no panel existed.
  if (g_cdPlayerKept.autoQueryPending) {
    g_cdPlayerKept.autoQueryPending = false;
    PostMessageA(window, WM_COMMAND, IDC_CD_QUERY, 0);
  }
  // 10. The disc length (the badge in frame 1111 is painted with the panel).
  ShowDiscLength(panel);
  if (device != nullptr) {
    device->SetTableOfContentsListener([] {
      CdPlayerPanel* live = LiveCdPlayerPanel();
      if (live == nullptr) return;
      ShowDiscTitle(*live);
      UpdateEntryCaption(*live);
    });
  }
}

void CdPlayerPanel::OnDestroy() {
  HWND window = Window();
  KillTimer(window, kCdStatusTimerId);
  KillTimer(window, kCdAnimationDelayTimerId);
  if (bw::CdDevice* device = CdDeviceOrNull()) device->SetTableOfContentsListener(nullptr);
  // The disc plays on under another tab; its animation has nowhere to go.
  Animation& animation = g_animations[kAnimationCdPlayer];
  StopAnimationAndWait(animation);
  animation.target.store(nullptr);
}

void CdPlayerPanel::OnTimer(UINT_PTR id) {
  if (id == kCdStatusTimerId) {
    OnStatusTimer(*this);
  } else if (id == kCdAnimationDelayTimerId) {
    OnAnimationDelayTimer(*this);
  }
}

void CdPlayerPanel::OnHoverTimer() { OnPanelHoverTimer(*this); }

bool CdPlayerPanel::OnDrawItem(const DRAWITEMSTRUCT& item) { return DrawPanelButton(*this, item); }

void CdPlayerPanel::OnCommand(int id, int, HWND control) {
  if (id == IDM_PANEL_PLACE_ANIMATION) {
    ApplyCdAnimationSetting(*this);
    return;
  }
  // Other programs' play requests carry their track in the last parameter.
  OnPanelCommand(*this, id, reinterpret_cast<LPARAM>(control));
}

std::optional<INT_PTR> CdPlayerPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == Item(IDC_CD_POSITION_BAR)) {
        OnPositionBarScroll(*this, wParam);
      }
      return TRUE;
    case WM_PAINT: {
      PaintDc paint(Window());
      PaintCdPanelPictures(*this, paint.Get());
      return TRUE;
    }
    default:
      return std::nullopt;
  }
}

std::unique_ptr<SkinnedDialog> CreateCdPlayerPanel() { return std::make_unique<CdPlayerPanel>(); }
