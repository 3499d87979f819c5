// The CD Player panel's state and the functions its files share. Only the panel's own files
// include this header.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "cd/cd_device.h"
#include "cd/cd_player_panel_play_state.h"
#include "cddb/database.h"
#include "cddb/disc_entry.h"
#include "resources/resource.h"
#include "shell/hover.h"
#include "shell/skinned_dialog.h"
#include "shell/toggle_table.h"

inline constexpr UINT_PTR kCdStatusTimerId = 1;
inline constexpr UINT kCdStatusTimerPeriodMs = 1000;
// One-shot: the CD animation starts this long after playback was first seen, so a thread
// told to stop a moment before has ended.
inline constexpr UINT_PTR kCdAnimationDelayTimerId = 2;
inline constexpr UINT kCdAnimationDelayMs = 400;
// The last parameter of command 3310 from other programs: 6969 in its high word.
inline constexpr WORD kPlayRequestMarker = 6969;

// Values that outlive the panel: it is made afresh whenever its tab is chosen.
struct CdPlayerKeptState {
  int highlightIndex = 0;  // (current track - 1) mod 15
  int trackPage = 0;
  bool autoQueryPending = false;  // an automatic query came due while no panel existed
};
extern CdPlayerKeptState g_cdPlayerKept;

// The panel's state; the panel host owns it while the panel exists. The panel's files reach
// it through the functions below, which take it by reference.
class CdPlayerPanel : public SkinnedDialog {
 public:
  CdPlayerPanel();

  HoverTable& Hover() { return Chrome().Hover(); }

  bw::PlayState playState = bw::PlayState::kUnknown;
  bw::PlayState previousPlayState = bw::PlayState::kUnknown;  // before the last change
  bool repeatTrack = false;
  bool repeatDisc = false;
  bool dragging = false;  // the user moves the position bar: polling leaves the displays
  int32_t previewSeconds = 0;
  bool loadLabelShown = false;  // label 3340 reads "Load"
  bool animationStopped = true;
  // Cleared while a freedb query runs.
  bool idle = true;
  std::unique_ptr<bw::TitleTable> titles = std::make_unique<bw::TitleTable>();
  // The repeat switches keep their highlighted image while on.
  ToggleTable toggles{IDC_CD_REPEAT_TRACK, IDC_CD_REPEAT_DISC};
  int hoverLabelButton = -1;  // track button whose title label 3338 shows, or -1
  int litTrackButton = -1;    // track button drawn lit (the current track on this page), or -1

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnHoverTimer() override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;
};

// The panel while it is the main window's current panel, else null.
CdPlayerPanel* LiveCdPlayerPanel();

// --- context: the device, the drive, the catalogue ---
bw::CdDevice* CdDeviceOrNull();
const std::string& CdDriveRoot();
bw::Database ProgramCatalogue();
bw::DiscProfile CurrentDiscProfile();
bool IsCurrentDiscInCatalogue();

// --- displays (cd_player_panel_display.cpp) ---
void SetControlText(HWND panel, int id, const std::string& text);
void ShowControl(HWND panel, int id, bool visible);
void ClearDisplays(CdPlayerPanel& panel);
void ShowDiscLength(CdPlayerPanel& panel);
void ShowDiscTitle(CdPlayerPanel& panel);
void ShowTrackTitle(CdPlayerPanel& panel, int track);
// Number, title, disc title, "0:00", the length at the bar's end and in 3348, the bar's range.
void ShowTrackStart(CdPlayerPanel& panel, int track);
void SetPositionBarRange(CdPlayerPanel& panel, int track);
void ShowTimes(CdPlayerPanel& panel, int track, int32_t secondsIntoTrack);
void UpdateEntryCaption(CdPlayerPanel& panel);
void ReloadTitles(CdPlayerPanel& panel);
void SetEjectLabel(CdPlayerPanel& panel, bool load);
void ShowEjectButton(CdPlayerPanel& panel);

// --- track buttons (cd_player_panel_track_buttons.cpp) ---
void LayOutTrackButtons(CdPlayerPanel& panel);
void MoveHighlight(int track);
void StepTrackPage(CdPlayerPanel& panel, int step);

// --- skinned buttons and hover (cd_player_panel_buttons.cpp) ---
void BuildPanelHoverTable(CdPlayerPanel& panel);
void OnPanelHoverTimer(CdPlayerPanel& panel);
bool DrawPanelButton(CdPlayerPanel& panel, const DRAWITEMSTRUCT& item);
void SetRepeat(CdPlayerPanel& panel, int buttonId, bool on);

// --- status poll (cd_player_panel_status.cpp) ---
void OnStatusTimer(CdPlayerPanel& panel);

// --- commands (cd_player_panel_commands.cpp) ---
void OnPanelCommand(CdPlayerPanel& panel, int id, LPARAM lParam);
// The retry question when the device is not open; answers whether it is open now.
bool EnsureCdDeviceOpen(HWND owner);

// --- position bar (cd_player_panel_position_bar.cpp) ---
void OnPositionBarScroll(CdPlayerPanel& panel, WPARAM wParam);

// --- CD animation (cd_player_panel_animation.cpp) ---
void PlaceCdAnimation(CdPlayerPanel& panel);
void OnPlaybackSeen(CdPlayerPanel& panel);
void OnAnimationDelayTimer(CdPlayerPanel& panel);
void MarkCdAnimationStopped(CdPlayerPanel& panel);
void PaintCdPanelPictures(CdPlayerPanel& panel, HDC dc);
// After the options dialog: the frame shown or hidden as the setting says (a hidden one stops
// the animation), and the animation placed in it again.
void ApplyCdAnimationSetting(CdPlayerPanel& panel);

// --- freedb query (cd_player_panel_query.cpp) ---
// A new panel while a query runs takes over the busy buttons and the query's texts.
// Query button (3309): starts a query, or stops the running one.
void StartOrStopFreedbQuery(CdPlayerPanel& panel);
// A new panel while a query runs: not idle, and the labels read "Query" / "Stop".
void ShowQueryOfEarlierPanel(CdPlayerPanel& panel);
// How far the busy-buttons animation has moved the transport buttons' pictures.
int TransportCellShift();
