// The media panels' position display (start, length and position labels) and the position
// bar, which the user can move to seek while a file plays or is paused.
#include <string>

#include "media/display_texts.h"
#include "media/media_panel_internal.h"
#include "media/media_panel_texts.h"
#include "shell/program_state.h"

namespace {

HWND Bar(const PlaybackWindow& panel) { return panel.Control(IDC_MEDIA_POSITION_BAR); }

std::string PositionText(std::uint32_t position) {
  return g_mediaPlayback.framesMode ? bw::FramesText(position) : bw::LengthText(position);
}

bool BarFollowsPosition() { return !g_settings.main.scrollBarRecreation; }

bw::BarScroll ScrollOf(int code) {
  switch (code) {
    case SB_LINELEFT: return bw::BarScroll::kLineLeft;
    case SB_LINERIGHT: return bw::BarScroll::kLineRight;
    case SB_PAGELEFT: return bw::BarScroll::kPageLeft;
    case SB_PAGERIGHT: return bw::BarScroll::kPageRight;
    case SB_LEFT: return bw::BarScroll::kLeft;
    case SB_RIGHT: return bw::BarScroll::kRight;
    default: return bw::BarScroll::kThumb;
  }
}

// The device goes to the bar's place: playing on from there, or only moved there while paused.
void Reposition(PlaybackWindow& panel, std::uint32_t target) {
  MediaPlayback& playback = g_mediaPlayback;
  MCIERROR error = 0;
  if (playback.pauseBeforeSeek) error = playback.device.Pause();
  if (error == 0) {
    error = playback.paused ? playback.device.MoveTo(target) : playback.device.PlayFrom(target);
  }
  if (error != 0) ReportMediaError(panel, error);
}

void MoveBar(PlaybackWindow& panel, int value) {
  MediaPlayback& playback = g_mediaPlayback;
  SetScrollPos(Bar(panel), SB_CTL, value, TRUE);
  playback.userScrolling = true;
  const std::uint32_t target = playback.scale.Target(value);
  panel.SetText(IDC_MEDIA_POSITION, PositionText(target));
  Reposition(panel, target);
}

void FinishScrolling(PlaybackWindow& panel) {
  MediaPlayback& playback = g_mediaPlayback;
  if (!playback.userScrolling) return;
  playback.userScrolling = false;
  const int value = GetScrollPos(Bar(panel), SB_CTL);
  panel.SetText(IDC_MEDIA_POSITION, PositionText(playback.scale.Target(value)));
  panel.SetText(IDC_MEDIA_STATE, playback.paused ? kTextMediaPaused : kTextMediaPlaying);
  if (!playback.timerRunning && !playback.paused && playback.device.IsOpen()) {
    panel.StartPositionTimer();
    panel.StartPlaybackAnimation();
  }
}

}  // namespace

void SetUpPositionDisplay(PlaybackWindow& panel, std::uint32_t length) {
  MediaPlayback& playback = g_mediaPlayback;
  playback.scale = playback.framesMode ? bw::PositionScale::ForFrames(length)
                                       : bw::PositionScale::ForMilliseconds(length);
  panel.SetText(IDC_MEDIA_POSITION_START, kTextMediaZero);
  panel.SetText(IDC_MEDIA_POSITION_LENGTH, PositionText(length));
  panel.SetText(IDC_MEDIA_POSITION, PositionText(0));
  SetScrollRange(Bar(panel), SB_CTL, 0, playback.scale.Maximum(), FALSE);
  SetScrollPos(Bar(panel), SB_CTL, 0, TRUE);
}

void ClearPositionDisplay(PlaybackWindow& panel) {
  g_mediaPlayback.scale = bw::PositionScale();
  panel.SetText(IDC_MEDIA_POSITION_START, "");
  panel.SetText(IDC_MEDIA_POSITION_LENGTH, "");
  panel.SetText(IDC_MEDIA_POSITION, "");
  SetScrollRange(Bar(panel), SB_CTL, 0, 0, FALSE);
  SetScrollPos(Bar(panel), SB_CTL, 0, TRUE);
}

void UpdatePositionDisplay(PlaybackWindow& panel) {
  MediaPlayback& playback = g_mediaPlayback;
  if (playback.userScrolling) return;
  std::uint32_t position = 0;
  if (playback.device.Position(&position) != 0) return;
  panel.SetText(IDC_MEDIA_POSITION, PositionText(position));
  if (BarFollowsPosition()) SetScrollPos(Bar(panel), SB_CTL, playback.scale.BarValue(position), TRUE);
}

void ShowPositionAtEnd(PlaybackWindow& panel) {
  const bw::PositionScale& scale = g_mediaPlayback.scale;
  if (BarFollowsPosition()) SetScrollPos(Bar(panel), SB_CTL, scale.Maximum(), TRUE);
  panel.SetText(IDC_MEDIA_POSITION, PositionText(scale.Length()));
}

void OnPositionBarScroll(PlaybackWindow& panel, WPARAM wParam) {
  if (!g_mediaPlayback.device.IsOpen()) return;
  const int code = LOWORD(wParam);
  if (code == SB_ENDSCROLL) {
    FinishScrolling(panel);
    return;
  }
  // The bar never has more than 65,535 steps, so the message's 16-bit thumb position holds.
  const int current = GetScrollPos(Bar(panel), SB_CTL);
  const int thumb = HIWORD(wParam);
  MoveBar(panel, g_mediaPlayback.scale.Scrolled(current, ScrollOf(code), thumb));
  if (code == SB_THUMBPOSITION) FinishScrolling(panel);
}
