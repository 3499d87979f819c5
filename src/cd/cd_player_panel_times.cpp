// Time displays and position-bar arithmetic of the CD Player panel.
#include "cd/cd_player_panel_times.h"

#include <algorithm>

namespace bw {

int32_t TrackLengthSeconds(const TableOfContents& toc, int track) {
  if (track < 1 || track > toc.trackCount) return 0;
  return toc.trackSeconds[track - 1];
}

PlayingTimes ComputePlayingTimes(const TableOfContents& toc, int track, int32_t secondsIntoTrack) {
  PlayingTimes times;
  times.intoTrack = secondsIntoTrack;
  times.trackRemaining = TrackLengthSeconds(toc, track) - secondsIntoTrack;
  int32_t before = 0;
  for (int k = 1; k < track && k <= toc.trackCount; ++k) before += toc.trackSeconds[k - 1];
  times.totalSoFar = before + secondsIntoTrack;
  times.totalRemaining = toc.totalSeconds - times.totalSoFar;
  return times;
}

int32_t PreviewBarPosition(BarScroll scroll, int32_t current, int32_t thumb, int32_t trackLength) {
  int32_t next = current;
  switch (scroll) {
    case BarScroll::kLineLeft: next = current - 1; break;
    case BarScroll::kLineRight: next = current + 1; break;
    case BarScroll::kPageLeft: next = current - 8; break;
    case BarScroll::kPageRight: next = current + 8; break;
    case BarScroll::kThumbTrack: next = thumb; break;
    default: return current;
  }
  return std::clamp<int32_t>(next, 0, std::max<int32_t>(trackLength, 0));
}

bool IsBarPreview(BarScroll scroll) {
  switch (scroll) {
    case BarScroll::kLineLeft:
    case BarScroll::kLineRight:
    case BarScroll::kPageLeft:
    case BarScroll::kPageRight:
    case BarScroll::kThumbTrack:
      return true;
    default:
      return false;
  }
}

bool IsBarRelease(BarScroll scroll) {
  return scroll == BarScroll::kThumbPosition || scroll == BarScroll::kEndScroll;
}

Tmsf SeekTarget(int track, int32_t secondsIntoTrack) {
  if (secondsIntoTrack < 0) secondsIntoTrack = 0;
  Tmsf target;
  target.track = track;
  target.minutes = secondsIntoTrack / 60;
  target.seconds = secondsIntoTrack % 60;
  target.frames = 30;
  return target;
}

}  // namespace bw
