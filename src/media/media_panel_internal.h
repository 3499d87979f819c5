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

// The window a file plays in: a media panel, or the large-video dialog with labels, a bar and
// buttons of its own. The shared playback routines reach its controls by the Audio panel's ids.
class PlaybackWindow : public SkinnedDialog {
 public:
  // This window's id of an Audio panel control (30xx); 0 when it has no such control.
  virtual int Id(int audioId) const = 0;
  // Null when the window has no such control.
  HWND Control(int audioId) const;
  void SetText(int audioId, const std::string& text) const;

  void RedrawSwitches();
  void StartPositionTimer();
  void KillPositionTimer();
  // The Audio and MIDI panels' animation runs while a file plays; other windows have none.
  virtual void StartPlaybackAnimation() {}
  virtual void StopPlaybackAnimation() {}

 protected:
  using SkinnedDialog::SkinnedDialog;
  // The repeat and sound switches show their state; the other buttons as the chrome draws them.
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
};

class MediaPanel : public PlaybackWindow {
 public:
  explicit MediaPanel(int mode);

  int Mode() const { return mode_; }
  int Id(int audioId) const override { return MediaControlId(mode_, audioId); }
  HWND List() const { return Control(IDC_MEDIA_LIST); }
  std::string Text(int audioId) const { return ItemText(Id(audioId)); }
  void Show(int audioId, bool visible) const { ShowItem(Id(audioId), visible); }
  bool IsVideo() const;
  bool HasAnimation() const;  // Audio and MIDI with their animation setting on

  void StartPlaybackAnimation() override;
  void StopPlaybackAnimation() override;

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
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
void OnStopButton(MediaPanel& panel);
void OnPositionTimer(MediaPanel& panel);
// The buttons the large-video dialog shares with the panels.
void OnPauseButton(PlaybackWindow& window);
void OnSkip(PlaybackWindow& window);
void OnRepeatSwitch(PlaybackWindow& window);
void OnSoundSwitch(PlaybackWindow& window);
// A paused file plays on from where it stands: "Playing" and the position timer.
void ResumePlayback(PlaybackWindow& window);
// The stop routine: the device closed, the displays cleared, the animations told to stop.
void RunStopRoutine(PlaybackWindow* window);
// A failing MCI command: repeat off, the timer killed, playback stopped, the report shown.
void ReportMediaError(PlaybackWindow& window, MCIERROR error);
// A start with a media file has played it: the program ends once the current message is done.
void EndPlayAndExitRunSoon();
void StartPanelAnimation(MediaPanel& panel);
void StopPanelAnimation(const MediaPanel& panel);
void PlacePanelAnimation(MediaPanel& panel);
void PaintPanelAnimation(MediaPanel& panel, HDC dc);

// --- video (media_panel_video.cpp) ---
// Opens and starts the next queued video; answers whether the position timer is to run (a
// device is open, or the large-video dialog has left files to start).
bool StartNextVideo(MediaPanel& panel);
// The video device is open in the window's picture host: the time format, the sound switch,
// the position display set up from the length, and playing from the start.
MCIERROR StartOpenedVideo(PlaybackWindow& window);
void HideDockedVideo(PlaybackWindow& window);

// --- position display and bar (media_panel_position.cpp) ---
void SetUpPositionDisplay(PlaybackWindow& window, std::uint32_t length);
void ClearPositionDisplay(PlaybackWindow& window);
void UpdatePositionDisplay(PlaybackWindow& window);
void ShowPositionAtEnd(PlaybackWindow& window);
void OnPositionBarScroll(PlaybackWindow& window, WPARAM wParam);

// --- per-file actions (media_panel_file_actions.cpp) ---
void OnFileAction(MediaPanel& panel, int audioId);
