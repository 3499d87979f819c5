// Skip, paging and track-button decisions of the CD Player panel.
#include "cd/cd_player_panel_tracks.h"

namespace bw {

int TrackForSkipBack(int currentTrack, int secondsField, int trackCount) {
  if (currentTrack < 1) currentTrack = 1;
  if (secondsField >= 3) return currentTrack;
  if (currentTrack > 1) return currentTrack - 1;
  return trackCount >= 1 ? trackCount : 1;
}

int TrackForSkipForward(int currentTrack, int trackCount) {
  if (currentTrack < 1 || currentTrack >= trackCount) return 1;
  return currentTrack + 1;
}

int StepPage(int page, int pageCount, int step) {
  if (pageCount <= 0) return 0;
  int next = (UsablePage(page, pageCount) + step) % pageCount;
  if (next < 0) next += pageCount;
  return next;
}

int UsablePage(int page, int pageCount) {
  return (page >= 0 && page < pageCount) ? page : 0;
}

int HighlightIndexForTrack(int track) {
  return track >= 1 ? (track - 1) % kTrackButtonCount : 0;
}

TrackButtonLayout LayOutTrackButtons(int trackCount, int pageCount, int page) {
  TrackButtonLayout layout;
  layout.showPageButtons = pageCount >= 2;
  for (int k = 0; k < kTrackButtonCount; ++k) {
    const int track = TrackForButton(page, k);
    layout.tracks[k] = track <= trackCount ? track : 0;
  }
  return layout;
}

}  // namespace bw
