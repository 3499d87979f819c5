// The media panels' shared playback state and the functions their files share. Only the
// panels' own files include this header.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "media/media_device_mci.h"
#include "media/play_queue.h"
#include "media/position_scale.h"
#include "resources/resource.h"
#include "shell/media_kinds.h"
#include "shell/skinned_dialog.h"

inline constexpr UINT_PTR kPositionTimerId = 1;

// One set for the three panels: only one panel exists and only one device is open at a time.
struct MediaPlayback {
  bw::MediaDevice device;
  bool paused = false;
  bw::PlayQueue queue;
  bool repeat = false;  // the repeat switch; not stored
  bool muted = false;   // the Video panel's sound switch; not stored
  bool userScrolling = false;
  bw::PositionScale scale;
  bool framesMode = false;       // the video's positions are frames
  bool pauseBeforeSeek = false;  // .mov and .mpg pause before every seek
  bool timerRunning = false;
  // The folder browser filled the list already; the next refresh only updates the texts.
  bool listAlreadyFilled = false;
  // The list text of the file a per-file dialog works on.
  std::string currentFileName;
};
extern MediaPlayback g_mediaPlayback;

class MediaPanel : public SkinnedDialog {
 public:
  explicit MediaPanel(int mode);

  int Mode() const { return mode_; }
  // The id in this panel of an Audio panel control (30xx).
  int Id(int audioId) const { return MediaControlId(mode_, audioId); }
  HWND Control(int audioId) const { return Item(Id(audioId)); }
  HWND List() const { return Control(IDC_MEDIA_LIST); }
  void SetText(int audioId, const std::string& text) const { SetItemText(Id(audioId), text); }
  std::string Text(int audioId) const { return ItemText(Id(audioId)); }
  void Show(int audioId, bool visible) const { ShowItem(Id(audioId), visible); }
  bool IsVideo() const;
  bool HasAnimation() const;  // Audio and MIDI with their animation setting on

  void RedrawSwitches();
  void StartPositionTimer();
  void KillPositionTimer();

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;

  int mode_;
};

// The panel while it is the main window's current media panel, else null.
MediaPanel* LiveMediaPanel();

// --- the file list and the folder (media_panel_list.cpp) ---
void RefreshMediaFileList(MediaPanel& panel);
// The location edit lost the focus: a changed text becomes the folder, or "Invalid path!".
void OnLocationEdited(MediaPanel& panel);
void OnFilesDropped(MediaPanel& panel, HDROP drop);
// The selected entries in list order, however many there are.
std::vector<int> ReadSelection(const MediaPanel& panel);
std::string ListText(const MediaPanel& panel, int index);
// The name the folder's listing gives the file, or the list text when it cannot be found.
std::string ListedName(const std::string& path, const std::string& listText);
void SelectAllFiles(MediaPanel& panel);
// A start with a media file: its entry selected (added when the list lacks it), Play posted.
void SelectCommandLineFile(MediaPanel& panel);

// --- playback (media_panel_playback.cpp) ---
void OnPlay(MediaPanel& panel);
void OnPauseButton(MediaPanel& panel);
void OnStopButton(MediaPanel& panel);
void OnSkip(MediaPanel& panel);
void OnRepeatSwitch(MediaPanel& panel);
void OnSoundSwitch(MediaPanel& panel);
void OnPositionTimer(MediaPanel& panel);
// The stop routine: the device closed, the displays cleared, the animations told to stop.
void RunStopRoutine(MediaPanel* panel);
// A failing MCI command: repeat off, the timer killed, playback stopped, the report shown.
void ReportMediaError(MediaPanel& panel, MCIERROR error);
void StartPanelAnimation(MediaPanel& panel);
void StopPanelAnimation(const MediaPanel& panel);
void PlacePanelAnimation(MediaPanel& panel);
void PaintPanelAnimation(MediaPanel& panel, HDC dc);

// --- video (media_panel_video.cpp) ---
// Opens and starts the next queued video; answers whether a device is open.
bool StartNextVideo(MediaPanel& panel);
void HideDockedVideo(MediaPanel& panel);

// --- position display and bar (media_panel_position.cpp) ---
void SetUpPositionDisplay(MediaPanel& panel, std::uint32_t length);
void ClearPositionDisplay(MediaPanel& panel);
void UpdatePositionDisplay(MediaPanel& panel);
void ShowPositionAtEnd(MediaPanel& panel);
void OnPositionBarScroll(MediaPanel& panel, WPARAM wParam);

// --- per-file actions (media_panel_file_actions.cpp) ---
void OnFileAction(MediaPanel& panel, int audioId);
