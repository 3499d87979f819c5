// The CD Player panel's dialog procedure: creation in its fixed order, the timers, drawing,
// help and the end of the panel.
#include "cd/cd_player_panel.h"

#include <memory>

#include "cd/cd_player_panel_internal.h"
#include "shell/animation.h"
#include "shell/default_panels.h"
#include "shell/panel_host.h"
#include "shell/program_mode.h"
#include "shell/program_state.h"
#include "shell/shell_hooks.h"
#include "base/win32_handles.h"

namespace {

// Help contexts of the panel's controls (control id, context; ended by 0, 0).
const DWORD kCdPanelHelpIds[] = {
    IDC_CD_REPEAT_TRACK, 13307, IDC_CD_REPEAT_DISC, 13308, IDC_CD_QUERY, 13309,
    IDC_CD_PLAY, 13310, IDC_CD_PAUSE, 13311, IDC_CD_STOP, 13312,
    IDC_CD_SKIP_BACK, 13313, IDC_CD_SKIP_FORWARD, 13314, IDC_CD_ADD_ENTRY, 13315,
    IDC_CD_GARNISH, 13316, IDC_CD_EJECT, 13317, IDC_CD_PAGE_DOWN, 13333,
    IDC_CD_PAGE_UP, 13334, IDC_CD_POSITION_BAR, 13396, 0, 0};

CdPlayerPanel* GetPanel(HWND window) {
  return reinterpret_cast<CdPlayerPanel*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void ShowPausedTrack(CdPlayerPanel& panel, const bw::CdDevice& device) {
  const int track = device.CurrentTrack();
  ShowTrackStart(panel, track);
  ShowDiscLength(panel);
}

void OnInitDialog(HWND window) {
  auto owned = std::make_unique<CdPlayerPanel>();
  CdPlayerPanel& panel = *owned;
  panel.window = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owned.release()));
  g_cdPlayerPanel = &panel;
  bw::CdDevice* device = CdDeviceOrNull();

  // 1. The title slots of the disc in the drive.
  ReloadTitles(panel);
  // 2. Mode, repeat switches (both off), media playback stopped, idle, no state seen yet.
  g_settings.main.mode = kModeCdPlayer;
  if (Hooks().stopMediaPlayback) Hooks().stopMediaPlayback();
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
  // 8. The animation frame, the hover table and its timer.
  ShowControl(window, IDC_CD_ANIMATION, g_settings.main.cdAnimation);
  BuildPanelHoverTable(panel);
  StartHoverTimer(window);
  // 9. An automatic query that came due while no panel existed.
  if (g_cdPlayerKept.autoQueryPending) {
    g_cdPlayerKept.autoQueryPending = false;
    PostMessageA(window, WM_COMMAND, IDC_CD_QUERY, 0);
  }
  // 10. The disc length (the badge in frame 1111 is painted with the panel).
  ShowDiscLength(panel);
  if (device != nullptr) {
    device->SetTableOfContentsListener([] {
      if (g_cdPlayerPanel == nullptr) return;
      ShowDiscTitle(*g_cdPlayerPanel);
      UpdateEntryCaption(*g_cdPlayerPanel);
    });
  }
}

void OnDestroy(HWND window, CdPlayerPanel* panel) {
  KillTimer(window, kCdStatusTimerId);
  KillTimer(window, kCdAnimationDelayTimerId);
  StopHoverTimer(window);
  if (bw::CdDevice* device = CdDeviceOrNull()) device->SetTableOfContentsListener(nullptr);
  // The disc plays on under another tab; its animation has nowhere to go.
  Animation& animation = g_animations[kAnimationCdPlayer];
  StopAnimationAndWait(animation);
  animation.target.store(nullptr);
  if (g_cdPlayerPanel == panel) g_cdPlayerPanel = nullptr;
}

void OnTimer(CdPlayerPanel& panel, UINT_PTR id) {
  if (id == kCdStatusTimerId) {
    OnStatusTimer(panel);
  } else if (id == kHoverTimerId) {
    OnPanelHoverTimer(panel);
  } else if (id == kCdAnimationDelayTimerId) {
    OnAnimationDelayTimer(panel);
  }
}

void OnHelp(CdPlayerPanel& panel, const HELPINFO& info) {
  if (info.iContextType == HELPINFO_WINDOW && !g_helpFilePath.empty()) {
    WinHelpA(static_cast<HWND>(info.hItemHandle), g_helpFilePath.c_str(), HELP_WM_HELP,
             reinterpret_cast<ULONG_PTR>(kCdPanelHelpIds));
  }
  panel.hover.Clear(panel.window);
}

void OnContextMenu(CdPlayerPanel& panel, HWND control) {
  if (!g_helpFilePath.empty()) {
    WinHelpA(control, g_helpFilePath.c_str(), HELP_CONTEXTMENU,
             reinterpret_cast<ULONG_PTR>(kCdPanelHelpIds));
  }
  panel.hover.Clear(panel.window);
}

}  // namespace

INT_PTR CALLBACK CdPlayerPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OnInitDialog(window);
    return TRUE;
  }
  CdPlayerPanel* panel = GetPanel(window);
  if (panel == nullptr) return FALSE;
  switch (message) {
    case WM_TIMER:
      OnTimer(*panel, wParam);
      return TRUE;
    case WM_COMMAND:
      OnPanelCommand(*panel, LOWORD(wParam), lParam);
      return TRUE;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(window, IDC_CD_POSITION_BAR)) {
        OnPositionBarScroll(*panel, wParam);
      }
      return TRUE;
    case WM_DRAWITEM:
      return DrawPanelButton(*panel, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE
                                                                                        : FALSE;
    case WM_PAINT: {
      PaintDc paint(window);
      PaintCdPanelPictures(*panel, paint.Get());
      return TRUE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return reinterpret_cast<INT_PTR>(EntryFieldColours(reinterpret_cast<HDC>(wParam)));
    case WM_HELP:
      OnHelp(*panel, *reinterpret_cast<const HELPINFO*>(lParam));
      return TRUE;
    case WM_CONTEXTMENU:
      OnContextMenu(*panel, reinterpret_cast<HWND>(wParam));
      return TRUE;
    case WM_DESTROY:
      OnDestroy(window, panel);
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      delete panel;
      return FALSE;
    default:
      return FALSE;
  }
}

HWND CdPlayerPanelWindow() { return g_cdPlayerPanel != nullptr ? g_cdPlayerPanel->window : nullptr; }
