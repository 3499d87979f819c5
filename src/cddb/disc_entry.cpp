// Comparisons and title slots of the in-memory entry pieces.
#include "cddb/disc_entry.h"

#include <algorithm>

namespace bw {

bool operator==(const DiscProfile& a, const DiscProfile& b) {
  if (a.trackCount != b.trackCount || a.totalSeconds != b.totalSeconds ||
      a.FirstTrackSeconds() != b.FirstTrackSeconds()) {
    return false;
  }
  const int count = std::clamp(a.trackCount, 0, dbformat::kMaxTracks);
  return std::equal(a.trackSeconds.begin(), a.trackSeconds.begin() + count,
                    b.trackSeconds.begin());
}

void TitleTable::Set(int track, const std::string& title) {
  char* slot = slots[track];
  std::memset(slot, 0, kSlotSize);
  std::memcpy(slot, title.data(), std::min(title.size(), kSlotSize - 1));
}

std::string TitleTable::Get(int track) const {
  const char* slot = slots[track];
  return std::string(slot, std::find(slot, slot + kSlotSize, '\0'));
}

bool operator==(const EntryDetails& a, const EntryDetails& b) {
  return a.artist == b.artist && a.discName == b.discName && a.category == b.category &&
         a.label == b.label && a.notes == b.notes && a.recording == b.recording &&
         a.type == b.type && a.size == b.size && a.yearReleased == b.yearReleased;
}

}  // namespace bw
