// One walk over an entry's length bytes.
#include "cddb/entry_layout.h"

#include <string>

namespace bw {

using namespace dbformat;

Status LayOutEntry(const EntryBytes& entry, EntryLayout* layout) {
  const std::uint32_t end = entry.size - kOwnOffsetSize;
  const auto overrun = [&entry](const char* what) {
    return Status::Corrupt("the " + std::string(what) + " of the entry at offset " +
                           std::to_string(entry.offset) + " run past its end");
  };
  layout->totalSeconds = GetU16(entry.data + kTotalSecondsAt);
  const int count = entry.data[kTrackCountAt];
  if (count > kMaxTracks) {
    return Status::Corrupt("the entry at offset " + std::to_string(entry.offset) + " has " +
                           std::to_string(count) + " tracks");
  }
  layout->trackCount = count;
  std::uint32_t at = kTracksAt;
  for (int track = 0; track < count; ++track) {
    // Length byte, title, two bytes of seconds.
    if (end - at < 1 || end - at - 1 < static_cast<std::uint32_t>(entry.data[at]) + 2u) {
      return overrun("tracks");
    }
    const std::uint8_t length = entry.data[at];
    layout->titles[static_cast<std::size_t>(track)] = {at + 1, length};
    at += 1u + length + 2u;
  }
  const auto text = [&](TextSpan* span) {
    if (end - at < 1 || end - at - 1 < entry.data[at]) return false;
    *span = {at + 1, entry.data[at]};
    at += 1u + span->length;
    return true;
  };
  for (TextSpan& span : layout->texts) {
    if (!text(&span)) return overrun("texts");
  }
  if (end - at < static_cast<std::uint32_t>(kCodeCount)) return overrun("codes");
  layout->codesAt = at;
  at += kCodeCount;
  if (!text(&layout->year)) return overrun("year released");
  return Status::Ok();
}

std::uint32_t CodesOffset(const EntryBytes& entry) {
  const std::uint32_t end = entry.size - kOwnOffsetSize;
  const int count = entry.data[kTrackCountAt];
  if (count > kMaxTracks) return 0;
  std::uint32_t at = kTracksAt;
  for (int track = 0; track < count; ++track) {
    if (end - at < 3 || end - at - 3 < entry.data[at]) return 0;
    at += 3u + entry.data[at];
  }
  for (int text = 0; text < kTextCount; ++text) {
    if (end - at < 1 || end - at - 1 < entry.data[at]) return 0;
    at += 1u + entry.data[at];
  }
  // The codes, then at least the year's length byte, and the year inside the entry.
  if (end - at < static_cast<std::uint32_t>(kCodeCount) + 1 ||
      end - at - kCodeCount - 1 < entry.data[at + kCodeCount]) {
    return 0;
  }
  return at;
}

}  // namespace bw
