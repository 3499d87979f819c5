// The CD Player panel's four time displays and its position bar: what they show for a position
// within the current track, how scrolling moves the previewed position, and where a seek lands.
#pragma once

#include <cstdint>

#include "cd/msf.h"
#include "cd/table_of_contents.h"

namespace bw {

// Whole-second length of a track (1-based); 0 outside the disc.
int32_t TrackLengthSeconds(const TableOfContents& toc, int track);

struct PlayingTimes {
  int32_t intoTrack = 0;
  int32_t trackRemaining = 0;
  int32_t totalSoFar = 0;      // lengths of the tracks before, plus the time into this one
  int32_t totalRemaining = 0;  // the total playing time less the time so far
};

PlayingTimes ComputePlayingTimes(const TableOfContents& toc, int track, int32_t secondsIntoTrack);

// The position bar's scroll requests, named apart from the platform's codes.
enum class BarScroll {
  kLineLeft,
  kLineRight,
  kPageLeft,
  kPageRight,
  kThumbTrack,
  kThumbPosition,
  kEndScroll,
  kOther,
};

// The previewed position after a line (1 second) or page (8 seconds) step or a thumb drag,
// clamped to 0..track length. Other requests leave it where it is.
int32_t PreviewBarPosition(BarScroll scroll, int32_t current, int32_t thumb, int32_t trackLength);

// Whether the request previews (sets the drag flag) or ends a drag (seek).
bool IsBarPreview(BarScroll scroll);
bool IsBarRelease(BarScroll scroll);

// A seek plays from this position of the current track, at frame 30.
Tmsf SeekTarget(int track, int32_t secondsIntoTrack);

}  // namespace bw
