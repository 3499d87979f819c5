// Builds the table of contents: caps the track count, takes whole-second lengths, measures the
// disc and repairs the lengths of drives that report every track as running to the disc end.
#include "cd/table_of_contents.h"

#include <algorithm>

namespace bw {

int PageCountForTracks(int trackCount) {
  if (trackCount <= 0) return 1;
  return (trackCount - 1) / kTracksPerPage + 1;
}

TableOfContents BuildTableOfContents(const std::vector<ReportedTrack>& tracks,
                                     bool lastTrackOneFrameShort) {
  TableOfContents toc;
  const int count = static_cast<int>(std::min<std::size_t>(tracks.size(), kMaxCdTracks));
  toc.trackCount = count;
  toc.pageCount = PageCountForTracks(count);
  for (int i = 0; i < count; ++i) {
    toc.starts[i] = tracks[i].start;
    toc.lengths[i] = tracks[i].length;
    toc.trackSeconds[i] = WholeSecondsOfMsf(tracks[i].length);
    toc.totalSeconds += toc.trackSeconds[i];
  }
  if (count == 0) return toc;

  const int last = count - 1;
  int32_t endFrames = FramesFromMsf(toc.starts[last]) + FramesFromMsf(toc.lengths[last]);
  if (lastTrackOneFrameShort) ++endFrames;
  const int32_t length =
      endFrames / kFramesPerSecond - FramesFromMsf(toc.starts[0]) / kFramesPerSecond;
  // A last track that ends before the first one starts can only come from a damaged
  // answer; such a disc is measured as empty rather than negative.
  toc.discLengthSeconds = std::max<int32_t>(length, 0);

  if (toc.discLengthSeconds - toc.totalSeconds < 0) {
    toc.lengthsRebuilt = true;
    toc.totalSeconds = 0;
    for (int i = 0; i < count; ++i) {
      const int32_t reported = WholeSecondsOfMsf(toc.lengths[i]);
      const int32_t next = i < last ? WholeSecondsOfMsf(toc.lengths[i + 1]) : 0;
      // Lengths that grow from one track to the next are damage, not music: never negative.
      toc.trackSeconds[i] = std::max<int32_t>(reported - next, 0);
      toc.totalSeconds += toc.trackSeconds[i];
    }
  }
  return toc;
}

}  // namespace bw
