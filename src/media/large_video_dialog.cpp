// The large-video dialog: laid out for the picture, the device opened on the picture host, and
// the panel's position display, bar, switches and pause on the dialog's own controls.
#include "media/large_video_dialog.h"

#include "filetools/volume_mixer_dialog.h"
#include "media/media_panel_internal.h"
#include "media/media_panel_texts.h"
#include "media/video_geometry.h"
#include "shell/program_state.h"
#include "shell/skin_cells.h"
#include "shell/sound_effects.h"

namespace {

using skin::ButtonStyle;
namespace medium = skin::medium_sheet;

constexpr int kSoundStop = 9;
constexpr int kSoundVolume = 24;

// The switches draw their own state's picture: hovering only frames them.
constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_LARGE_VIDEO_PLAY, ButtonStyle::kMedium, medium::kCellPlay),
    Skinned(IDC_LARGE_VIDEO_STOP, ButtonStyle::kMedium, medium::kCellStop),
    Skinned(IDC_LARGE_VIDEO_PAUSE, ButtonStyle::kMedium, medium::kCellPause),
    Skinned(IDC_LARGE_VIDEO_VOLUME, ButtonStyle::kMedium, medium::kCellVolume),
    Skinned(IDC_LARGE_VIDEO_SKIP, ButtonStyle::kSmall, skin::small_sheet::kCellSkip),
    SkinnedButton{IDC_LARGE_VIDEO_REPEAT, ButtonStyle::kSmall, -1, 0, true},
    SkinnedButton{IDC_LARGE_VIDEO_SOUND, ButtonStyle::kSmall, -1, 0, true},
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_LARGE_VIDEO_PLAY, IDC_LARGE_VIDEO_STOP, IDC_LARGE_VIDEO_PAUSE, IDC_LARGE_VIDEO_VOLUME,
    IDC_LARGE_VIDEO_REPEAT, IDC_LARGE_VIDEO_SKIP, IDC_LARGE_VIDEO_SOUND,
    IDC_LARGE_VIDEO_POSITION_BAR, IDC_LARGE_VIDEO_START, IDC_LARGE_VIDEO_LENGTH,
    IDC_LARGE_VIDEO_POSITION, IDC_LARGE_VIDEO_STATE, IDC_LARGE_VIDEO_SELECTED_LABEL,
    IDC_LARGE_VIDEO_SELECTED, IDC_LARGE_VIDEO_LEFT_LABEL, IDC_LARGE_VIDEO_LEFT,
    IDC_LARGE_VIDEO_FRAME, IDC_LARGE_VIDEO_PICTURE);

class LargeVideoDialog : public PlaybackWindow {
 public:
  explicit LargeVideoDialog(const LargeVideoInput& input)
      : PlaybackWindow(DialogChores::For(kButtons, kHelpIds.data())), input_(input) {}

  int Id(int audioId) const override {
    switch (audioId) {
      case IDC_MEDIA_PLAY: return IDC_LARGE_VIDEO_PLAY;
      case IDC_MEDIA_STOP: return IDC_LARGE_VIDEO_STOP;
      case IDC_MEDIA_PAUSE: return IDC_LARGE_VIDEO_PAUSE;
      case IDC_MEDIA_REPEAT: return IDC_LARGE_VIDEO_REPEAT;
      case IDC_MEDIA_SKIP: return IDC_LARGE_VIDEO_SKIP;
      case IDC_MEDIA_SOUND: return IDC_LARGE_VIDEO_SOUND;
      case IDC_MEDIA_SELECTED: return IDC_LARGE_VIDEO_SELECTED;
      case IDC_MEDIA_LEFT: return IDC_LARGE_VIDEO_LEFT;
      case IDC_MEDIA_STATE: return IDC_LARGE_VIDEO_STATE;
      case IDC_MEDIA_POSITION_START: return IDC_LARGE_VIDEO_START;
      case IDC_MEDIA_POSITION_LENGTH: return IDC_LARGE_VIDEO_LENGTH;
      case IDC_MEDIA_POSITION: return IDC_LARGE_VIDEO_POSITION;
      case IDC_MEDIA_POSITION_BAR: return IDC_LARGE_VIDEO_POSITION_BAR;
      default: return 0;  // no name label, file list or docked area
    }
  }

 private:
  void OnInitDialog() override {
    MediaPlayback& playback = g_mediaPlayback;
    SetText(IDC_MEDIA_LEFT, std::to_string(playback.queue.LeftAfterNext()));
    SetWindowTextA(Window(), input_.title.c_str());
    LayOut();
    MCIERROR error = playback.device.OpenVideo(input_.devicePath, Item(IDC_LARGE_VIDEO_PICTURE));
    if (error != 0) {
      // Silently: the panel goes on with nothing left to play.
      KillPositionTimer();
      RunStopRoutine(this);
      End(IDCANCEL);
      return;
    }
    error = playback.device.ShowPictureIn(RECT{0, 0, input_.video.cx, input_.video.cy});
    if (error == 0) error = StartOpenedVideo(*this);
    if (error != 0) {
      ReportMediaError(*this, error);
      End(IDCANCEL);
      return;
    }
    SetText(IDC_MEDIA_SELECTED, std::to_string(playback.queue.SelectedCount()));
    SetText(IDC_MEDIA_STATE, kTextMediaPlaying);
    playback.queue.Advance();
    StartPositionTimer();
  }

  // At 0, 0 at the resource's size first; then grown for the picture and centred.
  void LayOut() {
    HWND window = Window();
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT outer = {};
    GetWindowRect(window, &outer);
    RECT marker = {};
    GetWindowRect(Item(IDC_LARGE_VIDEO_MARKER), &marker);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&marker), 2);
    bw::LargeVideoMetrics metrics;
    metrics.dialog = {outer.right - outer.left, outer.bottom - outer.top};
    metrics.markerLeft = marker.left;
    metrics.markerTop = marker.top;
    metrics.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    metrics.dialogFrameWidth = GetSystemMetrics(SM_CXDLGFRAME);
    metrics.dialogFrameHeight = GetSystemMetrics(SM_CYDLGFRAME);
    metrics.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const bw::LargeVideoLayout layout =
        bw::LayOutLargeVideo(metrics, {input_.video.cx, input_.video.cy});
    Place(IDC_LARGE_VIDEO_FRAME, layout.frame);
    Place(IDC_LARGE_VIDEO_PICTURE, layout.pictureHost);
    SetWindowPos(window, nullptr, layout.dialog.left, layout.dialog.top, layout.dialog.width,
                 layout.dialog.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void Place(int id, const bw::PixelRect& rect) const {
    SetWindowPos(Item(id), nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void OnCommand(int id, int, HWND) override {
    switch (id) {
      case IDC_LARGE_VIDEO_PLAY: OnPlay(); break;
      case IDC_LARGE_VIDEO_STOP:
      case IDCANCEL:  // closing the window
        OnStop();
        break;
      case IDC_LARGE_VIDEO_PAUSE: OnPauseButton(*this); break;
      case IDC_LARGE_VIDEO_VOLUME:
        PlaySoundEffect(kSoundVolume);
        StartVolumeMixer(Window());
        break;
      case IDC_LARGE_VIDEO_REPEAT: OnRepeatSwitch(*this); break;
      case IDC_LARGE_VIDEO_SKIP: OnSkip(*this); break;
      case IDC_LARGE_VIDEO_SOUND: OnSoundSwitch(*this); break;
      default: break;
    }
  }

  // Resumes a paused file; otherwise plays the file again from its start.
  void OnPlay() {
    MediaPlayback& playback = g_mediaPlayback;
    if (!playback.device.IsOpen()) return;
    if (playback.paused) {
      ResumePlayback(*this);
      return;
    }
    if (const MCIERROR error = playback.device.PlayFrom(0)) {
      ReportMediaError(*this, error);
      End(IDCANCEL);
      return;
    }
    SetText(IDC_MEDIA_STATE, kTextMediaPlaying);
    if (!playback.timerRunning) StartPositionTimer();
  }

  // Nothing more plays: the panel finds no file left to start.
  void OnStop() {
    MediaPlayback& playback = g_mediaPlayback;
    PlaySoundEffect(kSoundStop);
    KillPositionTimer();
    (void)playback.device.StopAndClose();
    playback.paused = false;
    playback.queue.Abandon();
    g_playAndExit = false;
    End(IDCANCEL);
  }

  void OnTimer(UINT_PTR id) override {
    if (id != kPositionTimerId) return;
    MediaPlayback& playback = g_mediaPlayback;
    if (playback.device.Mode() != bw::MediaMode::kStopped) {
      UpdatePositionDisplay(*this);
      return;
    }
    KillPositionTimer();
    if (!playback.paused) ShowPositionAtEnd(*this);
    if (playback.queue.HasFilesLeft() || g_playAndExit) {
      CloseAndEnd();
    } else if (playback.repeat && playback.queue.SelectedCount() == 1) {
      PostMessageA(Window(), WM_COMMAND, IDC_LARGE_VIDEO_PLAY, 0);
    } else if (playback.repeat) {
      // The panel starts the selection again from its first file.
      playback.queue.Restart();
      CloseAndEnd();
    }
    // Without repeat the dialog stays open at the file's end until Stop.
  }

  void CloseAndEnd() {
    g_mediaPlayback.device.Close();
    End(IDOK);
  }

  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_HSCROLL &&
        reinterpret_cast<HWND>(lParam) == Item(IDC_LARGE_VIDEO_POSITION_BAR)) {
      OnPositionBarScroll(*this, wParam);
      return TRUE;
    }
    return std::nullopt;
  }

  void OnDestroy() override { KillPositionTimer(); }

  const LargeVideoInput& input_;
};

}  // namespace

void RunLargeVideoDialog(HWND owner, const LargeVideoInput& input) {
  LargeVideoDialog dialog(input);
  RunModalDialog(owner, IDD_LARGE_VIDEO, dialog);
}
