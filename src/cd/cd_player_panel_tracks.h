// Which track the CD Player panel's skip buttons choose, its 15 track buttons in pages, and
// which of them is highlighted. Pure functions; tracks are 1-based, pages and buttons 0-based.
#pragma once

#include <array>

#include "cd/table_of_contents.h"

namespace bw {

inline constexpr int kTrackButtonCount = kTracksPerPage;  // 15

// "<< Skip" within the first 3 seconds of a track (the seconds field only, minutes are not
// looked at) goes to the previous track, from track 1 to the last one; later it starts the
// current track again.
int TrackForSkipBack(int currentTrack, int secondsField, int trackCount);

// "Skip >>": the next track, after the last one track 1.
int TrackForSkipForward(int currentTrack, int trackCount);

// The page after `page` moved by `step`, wrapping at both ends. With no pages: 0.
int StepPage(int page, int pageCount, int step);

// A kept page that the disc in the drive no longer has (a shorter disc came in) shows page 0.
int UsablePage(int page, int pageCount);

// The highlighted button of a track: (track - 1) mod 15; 0 before any track.
int HighlightIndexForTrack(int track);

// The track that button `buttonIndex` plays on `page`.
inline int TrackForButton(int page, int buttonIndex) {
  return page * kTrackButtonCount + buttonIndex + 1;
}

inline bool IsTrackOnPage(int track, int page) {
  return track >= 1 && (track - 1) / kTrackButtonCount == page;
}

struct TrackButtonLayout {
  // 0 hides the button and its label; otherwise the track number it shows and plays.
  std::array<int, kTrackButtonCount> tracks{};
  bool showPageButtons = false;  // Page Up and Page Down with their labels
};

// Buttons for page x 15 + k + 1 while that is at most the track count; the page buttons only
// when there are two pages or more.
TrackButtonLayout LayOutTrackButtons(int trackCount, int pageCount, int page);

}  // namespace bw
