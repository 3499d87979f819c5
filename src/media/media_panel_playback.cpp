// Playing the queue of a media panel: Play, the start of each audio or MIDI file, the position
// timer, Pause, Stop, Skip, the switches, the stop routine, the error report and the end of a
// start that only plays a file.
#include <string>

#include "base/file_system.h"
#include "cd/mci_error_report.h"
#include "cd/program_cd_device.h"
#include "media/media_panel.h"
#include "media/media_panel_internal.h"
#include "media/media_panel_texts.h"
#include "media/media_texts.h"
#include "media/mp3_frame_search.h"
#include "shell/animation.h"
#include "shell/look_and_feel.h"
#include "shell/program_state.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundStop = 9;

Animation* AnimationOf(const MediaPanel& panel) {
  if (panel.Mode() == kModeAudio) return &g_animations[kAnimationSound];
  if (panel.Mode() == kModeMidi) return &g_animations[kAnimationMidi];
  return nullptr;
}

// The Audio panel shows the bit rate of an MP3 file while it plays, and nothing for others.
void ShowBitRate(MediaPanel& panel, const std::string& path, const std::string& shownName) {
  if (panel.Mode() != kModeAudio) return;
  const bool mp3 = !shownName.empty() && shownName.back() == '3';
  if (mp3) {
    const bw::Mp3HeaderTexts texts = bw::ReadMp3HeaderTexts(bw::DefaultFileSystem(), path);
    panel.SetText(IDC_MEDIA_BITRATE_LABEL, kLabelBitRate);
    panel.SetText(IDC_MEDIA_BITRATE, texts.bitRate);
  }
  panel.Show(IDC_MEDIA_BITRATE_LABEL, mp3);
  panel.Show(IDC_MEDIA_BITRATE, mp3);
}

// Opens and starts the next queued audio or MIDI file; answers whether it plays.
bool StartNextSound(MediaPanel& panel) {
  MediaPlayback& playback = g_mediaPlayback;
  const int index = playback.queue.Next();
  if (index < 0) return false;
  panel.SetText(IDC_MEDIA_LEFT, std::to_string(playback.queue.LeftAfterNext()));
  const std::string listText = ListText(panel, index);
  const std::string path = *MediaFolder(panel.Mode(), g_settings.main) + listText;
  const std::string shownName = ListedName(path, listText);
  ShowBitRate(panel, path, shownName);

  MCIERROR error = playback.device.Open(path);
  std::uint32_t length = 0;
  if (error == 0) error = playback.device.UseMilliseconds();
  if (error == 0) error = playback.device.Length(&length);
  if (error == 0) SetUpPositionDisplay(panel, length);
  if (error == 0) error = playback.device.SeekToStart();
  if (error == 0) error = playback.device.Play();
  if (error != 0) {
    ReportMediaError(panel, error);
    return false;
  }
  panel.SetText(IDC_MEDIA_NAME, shownName);
  playback.queue.Advance();
  return true;
}

bool StartNextFile(MediaPanel& panel) {
  return panel.IsVideo() ? StartNextVideo(panel) : StartNextSound(panel);
}

// The program ends once the panel's handler has returned: the main window takes the panel
// with it when it goes.
void CALLBACK EndPlayAndExitRun(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  StopMediaPlayback();
  g_entryFieldBrush.Reset();
  if (bw::CdDevice* device = bw::ProgramCdDevice()) device->Close();
  if (g_mainWindow != nullptr) DestroyWindow(g_mainWindow);
  PostQuitMessage(0);
}

// The queue has ended without repeat: the last device stays open at its end.
void OnQueueEnded(MediaPanel& panel) {
  panel.KillPositionTimer();
  StopPanelAnimation(panel);
  if (!g_mediaPlayback.paused) ShowPositionAtEnd(panel);
  if (g_playAndExit) EndPlayAndExitRunSoon();
}

}  // namespace

void EndPlayAndExitRunSoon() { SetTimer(nullptr, 0, 0, EndPlayAndExitRun); }

void StartPanelAnimation(MediaPanel& panel) {
  Animation* animation = AnimationOf(panel);
  if (animation == nullptr || !panel.HasAnimation()) return;
  StartAnimation(*animation, panel.Window(), POINT{animation->x.load(), animation->y.load()});
}

void StopPanelAnimation(const MediaPanel& panel) {
  if (Animation* animation = AnimationOf(panel)) StopAnimation(*animation);
}

void PlacePanelAnimation(MediaPanel& panel) {
  Animation* animation = AnimationOf(panel);
  if (animation == nullptr) return;
  RECT frame = {};
  if (HWND control = panel.Control(IDC_MEDIA_ANIMATION)) {
    GetWindowRect(control, &frame);
    MapWindowPoints(nullptr, panel.Window(), reinterpret_cast<POINT*>(&frame), 2);
  }
  animation->x.store(frame.left + (frame.right - frame.left - animation->info.frameWidth) / 2);
  animation->y.store(frame.top + (frame.bottom - frame.top - animation->info.frameHeight) / 2);
  if (!panel.HasAnimation()) StopAnimation(*animation);
  animation->target.store(panel.HasAnimation() ? panel.Window() : nullptr);
}

void PaintPanelAnimation(MediaPanel& panel, HDC dc) {
  // A running thread draws its frames itself; a still animation shows its current frame.
  Animation* animation = AnimationOf(panel);
  if (animation != nullptr && panel.HasAnimation() && !IsAnimationRunning(*animation)) {
    DrawAnimationFrame(*animation, dc);
  }
}

void RunStopRoutine(PlaybackWindow* panel) {
  MediaPlayback& playback = g_mediaPlayback;
  if (playback.device.IsOpen()) {
    if (panel != nullptr) HideDockedVideo(*panel);
    // The routine also runs after a failed command, so its own failures are not reported.
    (void)playback.device.StopAndClose();
    // A pause ends with its device: the next Play starts afresh instead of resuming nothing.
    playback.paused = false;
    g_playAndExit = false;
    if (panel != nullptr) {
      panel->KillPositionTimer();
      panel->SetText(IDC_MEDIA_STATE, kTextMediaReady);
    }
  }
  playback.queue.Clear();
  playback.userScrolling = false;
  playback.pauseBeforeSeek = false;
  if (panel != nullptr) {
    ClearPositionDisplay(*panel);
    panel->SetText(IDC_MEDIA_SELECTED, kTextMediaZero);
    panel->SetText(IDC_MEDIA_LEFT, kTextMediaZero);
    // The large-video dialog has no name label: it keeps the name in its caption.
    panel->SetText(IDC_MEDIA_NAME, "");
  } else {
    playback.scale = bw::PositionScale();
  }
  StopAnimation(g_animations[kAnimationSound]);
  StopAnimation(g_animations[kAnimationMidi]);
}

void ReportMediaError(PlaybackWindow& panel, MCIERROR error) {
  g_mediaPlayback.repeat = false;
  panel.RedrawSwitches();
  panel.KillPositionTimer();
  RunStopRoutine(&panel);
  panel.SetText(IDC_MEDIA_STATE, kTextMediaReady);
  bw::ReportMciError(bw::BuildMciErrorReport(bw::MciErrorText(error)));
}

void ResumePlayback(PlaybackWindow& window) {
  MediaPlayback& playback = g_mediaPlayback;
  playback.paused = false;
  if (const MCIERROR error = playback.device.Play()) {
    ReportMediaError(window, error);
    return;
  }
  window.SetText(IDC_MEDIA_STATE, kTextMediaPlaying);
  if (!playback.timerRunning) window.StartPositionTimer();
  window.StartPlaybackAnimation();
}

void OnPlay(MediaPanel& panel) {
  MediaPlayback& playback = g_mediaPlayback;
  if (playback.paused && playback.device.IsOpen()) {
    ResumePlayback(panel);
    return;
  }
  playback.paused = false;
  panel.KillPositionTimer();
  StopPanelAnimation(panel);
  RunStopRoutine(&panel);
  std::vector<int> selection = ReadSelection(panel);
  panel.SetText(IDC_MEDIA_SELECTED, std::to_string(selection.size()));
  playback.queue.Start(std::move(selection));
  if (playback.queue.Empty()) return;
  panel.SetText(IDC_MEDIA_STATE, kTextMediaPlaying);
  if (!StartNextFile(panel)) return;
  panel.StartPositionTimer();
  if (!panel.IsVideo()) StartPanelAnimation(panel);
}

void OnPositionTimer(MediaPanel& panel) {
  MediaPlayback& playback = g_mediaPlayback;
  const bool minimised = g_mainWindow != nullptr && IsIconic(g_mainWindow);
  if (playback.queue.HasFilesLeft()) {
    if (!playback.device.IsOpen() || playback.device.Mode() == bw::MediaMode::kStopped) {
      playback.device.Close();
      HideDockedVideo(panel);
      if (!StartNextFile(panel)) return;
    }
    if (!minimised) UpdatePositionDisplay(panel);
    return;
  }
  if (!playback.device.IsOpen()) {
    panel.KillPositionTimer();
    return;
  }
  if (playback.device.Mode() != bw::MediaMode::kStopped) {
    if (!minimised) UpdatePositionDisplay(panel);
    return;
  }
  if (playback.repeat) {
    // The next tick closes the device and starts the first file again.
    playback.queue.Restart();
    panel.SetText(IDC_MEDIA_SELECTED, std::to_string(playback.queue.SelectedCount()));
    return;
  }
  OnQueueEnded(panel);
}

void OnPauseButton(PlaybackWindow& panel) {
  MediaPlayback& playback = g_mediaPlayback;
  if (!playback.device.IsOpen()) return;
  if (playback.paused) {
    ResumePlayback(panel);
    return;
  }
  if (playback.device.Mode() == bw::MediaMode::kPlaying) {
    if (const MCIERROR error = playback.device.Pause()) {
      ReportMediaError(panel, error);
      return;
    }
  }
  // Also at the end of the queue, so Play afterwards sends the plain play command.
  playback.paused = true;
  panel.SetText(IDC_MEDIA_STATE, kTextMediaPaused);
  panel.KillPositionTimer();
  panel.StopPlaybackAnimation();
}

void OnStopButton(MediaPanel& panel) {
  RunStopRoutine(&panel);
  PlaySoundEffect(kSoundStop);
  g_mediaPlayback.paused = false;
  if (panel.Mode() == kModeAudio) {
    panel.Show(IDC_MEDIA_BITRATE_LABEL, false);
    panel.Show(IDC_MEDIA_BITRATE, false);
  }
}

void OnSkip(PlaybackWindow& panel) {
  MediaPlayback& playback = g_mediaPlayback;
  if (!playback.device.IsOpen()) return;
  SetScrollPos(panel.Control(IDC_MEDIA_POSITION_BAR), SB_CTL, playback.scale.Maximum(), TRUE);
  if (const MCIERROR error = playback.device.Stop()) {
    ReportMediaError(panel, error);
    return;
  }
  // A paused file is skipped as well: the timer starts the next one.
  if (playback.paused) {
    playback.paused = false;
    panel.SetText(IDC_MEDIA_STATE, kTextMediaPlaying);
  }
  if (!playback.timerRunning) panel.StartPositionTimer();
}

void OnRepeatSwitch(PlaybackWindow& panel) {
  g_mediaPlayback.repeat = !g_mediaPlayback.repeat;
  panel.RedrawSwitches();
}

void OnSoundSwitch(PlaybackWindow& panel) {
  MediaPlayback& playback = g_mediaPlayback;
  playback.muted = !playback.muted;
  panel.RedrawSwitches();
  if (!playback.device.IsOpen()) return;
  if (const MCIERROR error = playback.device.SetAudio(!playback.muted)) ReportMediaError(panel, error);
}
