// The table of contents of the disc in the drive, built from what the drive reports for each
// track, with the whole-second lengths the catalogue matches on and the disc length.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "cd/msf.h"

namespace bw {

inline constexpr int kMaxCdTracks = 99;     // a larger count from the drive is taken as 99
inline constexpr int kCdTrackSlots = 100;   // room kept in the MSF arrays
inline constexpr int kTracksPerPage = 15;   // track buttons on one page of the CD panel

// One track as the drive reports it: start (two-second lead-in included) and length.
struct ReportedTrack {
  Msf start;
  Msf length;
};

// Track k (1-based) is at index k - 1 of every array; slots past the track count are zero.
struct TableOfContents {
  int trackCount = 0;
  int pageCount = 1;
  std::array<Msf, kCdTrackSlots> starts{};
  std::array<Msf, kCdTrackSlots> lengths{};
  // Minutes x 60 + seconds of each length, frames dropped (rebuilt on some drives, below).
  std::array<int32_t, kCdTrackSlots> trackSeconds{};
  // Sum of trackSeconds: the "total playing time".
  int32_t totalSeconds = 0;
  // Whole seconds from the start of track 1 to the end of the disc; the disc ID's t.
  int32_t discLengthSeconds = 0;
  // True when the drive reported each track as running to the end of the disc and the
  // whole-second lengths were rebuilt from differences.
  bool lengthsRebuilt = false;
};

// (trackCount - 1) / 15 + 1 in integer division; an empty disc still has one (empty) page.
int PageCountForTracks(int trackCount);

// Builds the table from the tracks in drive order (only the first 99 are used).
// `lastTrackOneFrameShort`: the drive reports the last track one frame shorter than it is
// (the Windows CD audio driver does); the disc's end is then corrected by that frame so
// the disc length and disc ID agree with the lead-out. The lengths stay as reported.
//
// Drives that report each track's length as running to the end of the disc show a total
// playing time above the disc length. Then each track's whole-second length becomes its
// reported length less the next track's reported length, and the last track keeps its own
// reported length: that one already runs from its start to the end of the disc.
TableOfContents BuildTableOfContents(const std::vector<ReportedTrack>& tracks,
                                     bool lastTrackOneFrameShort);

}  // namespace bw
