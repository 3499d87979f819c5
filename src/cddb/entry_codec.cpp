// Entry bytes in and out: the track items, five length-prefixed texts, three codes and the
// year, between the fixed head and the trailing own offset.
#include "cddb/entry_codec.h"

#include <algorithm>

#include "base/check.h"

namespace bw {
namespace {

using namespace dbformat;

// Reads the variable fields of an entry without ever stepping past their end.
class FieldCursor {
 public:
  explicit FieldCursor(const EntryBytes& entry)
      : data_(entry.data), position_(kTracksAt), end_(entry.size - kOwnOffsetSize) {}

  bool U8(std::uint8_t* value) {
    if (end_ - position_ < 1) return false;
    *value = data_[position_++];
    return true;
  }
  bool U16(std::uint16_t* value) {
    if (end_ - position_ < 2) return false;
    *value = GetU16(data_ + position_);
    position_ += 2;
    return true;
  }
  bool Bytes(std::size_t size, const std::uint8_t** bytes) {
    if (end_ - position_ < size) return false;
    *bytes = data_ + position_;
    position_ += size;
    return true;
  }
  // A length byte and that many bytes; `text` may be null to skip it.
  bool Text(std::string* text) {
    std::uint8_t length = 0;
    const std::uint8_t* bytes = nullptr;
    if (!U8(&length) || !Bytes(length, &bytes)) return false;
    if (text) text->assign(reinterpret_cast<const char*>(bytes), length);
    return true;
  }
  std::size_t Remaining() const { return end_ - position_; }

 private:
  const std::uint8_t* data_;
  std::size_t position_;
  std::size_t end_;
};

Status Overrun(const EntryBytes& entry, const char* field) {
  return Status::Corrupt("the " + std::string(field) + " of the entry at offset " +
                         std::to_string(entry.offset) + " runs past its end");
}

int StoredTrackCount(const EntryBytes& entry) { return entry.data[kTrackCountAt]; }

Status TooManyTracks(const EntryBytes& entry) {
  return Status::Corrupt("the entry at offset " + std::to_string(entry.offset) + " has " +
                         std::to_string(StoredTrackCount(entry)) + " tracks");
}

std::size_t TitleLength(const TitleTable& titles, int track) {
  const char* slot = titles.slots[track];
  return static_cast<std::size_t>(std::find(slot, slot + TitleTable::kSlotSize, '\0') - slot);
}

// Reads the track items, calling onTrack(index, title pointer, title length, seconds).
template <typename OnTrack>
bool WalkTracks(FieldCursor& cursor, int count, OnTrack onTrack) {
  for (int track = 0; track < count; ++track) {
    std::uint8_t length = 0;
    const std::uint8_t* title = nullptr;
    if (!cursor.U8(&length) || !cursor.Bytes(length, &title)) return false;
    std::uint16_t seconds = 0;
    if (!cursor.U16(&seconds)) return false;
    if (!onTrack(track, title, length, seconds)) return false;
  }
  return true;
}

bool ReadDetails(FieldCursor& cursor, EntryDetails* details) {
  return cursor.Text(&details->artist) && cursor.Text(&details->discName) &&
         cursor.Text(&details->category) && cursor.Text(&details->label) &&
         cursor.Text(&details->notes) && cursor.U8(&details->recording) &&
         cursor.U8(&details->type) && cursor.U8(&details->size) &&
         cursor.Text(&details->yearReleased);
}

}  // namespace

Status EncodeEntry(const DiscProfile& profile, const TitleTable& titles,
                   const EntryDetails& details, std::uint32_t ownOffset,
                   std::vector<std::uint8_t>* out) {
  if (profile.trackCount < 0 || profile.trackCount > kMaxTracks) {
    return Status::InvalidArgument("a disc holds at most 99 tracks, not " +
                                   std::to_string(profile.trackCount));
  }
  const std::pair<const char*, const std::string*> texts[] = {
      {"artist", &details.artist}, {"disc name", &details.discName},
      {"category", &details.category}, {"label", &details.label},
      {"notes", &details.notes}, {"year released", &details.yearReleased}};
  std::size_t size = kMinEntrySize;
  for (const auto& [name, text] : texts) {
    if (text->size() > kMaxTextLength) {
      return Status::InvalidArgument(std::string("the ") + name + " is " +
                                     std::to_string(text->size()) +
                                     " bytes long; at most 255 fit");
    }
    size += text->size();
  }
  for (int track = 0; track < profile.trackCount; ++track) {
    const std::size_t length = TitleLength(titles, track);
    if (length > kMaxTextLength) {
      return Status::InvalidArgument("the title of track " + std::to_string(track + 1) +
                                     " is longer than 255 bytes");
    }
    size += kTrackFixedSize + length;
  }
  if (static_cast<std::uint64_t>(ownOffset) + size > 0xFFFFFFFFull) {
    return Status::InvalidArgument("the database file would grow beyond 4 GiB");
  }

  out->assign(size, 0);
  std::uint8_t* p = out->data();
  PutU32(p + kNextOffsetAt, ownOffset + static_cast<std::uint32_t>(size));
  PutU16(p + kRecordLengthAt, static_cast<std::uint16_t>(size - kRecordLengthBase));
  PutU16(p + kTotalSecondsAt, profile.totalSeconds);
  PutU16(p + kFirstTrackSecondsAt, profile.FirstTrackSeconds());
  p[kTrackCountAt] = static_cast<std::uint8_t>(profile.trackCount);
  p += kTracksAt;
  for (int track = 0; track < profile.trackCount; ++track) {
    const std::size_t length = TitleLength(titles, track);
    *p++ = static_cast<std::uint8_t>(length);
    std::copy_n(titles.slots[track], length, p);
    p += length;
    PutU16(p, profile.trackSeconds[track]);
    p += 2;
  }
  auto putText = [&p](const std::string& text) {
    *p++ = static_cast<std::uint8_t>(text.size());
    p = std::copy(text.begin(), text.end(), p);
  };
  putText(details.artist);
  putText(details.discName);
  putText(details.category);
  putText(details.label);
  putText(details.notes);
  *p++ = details.recording;
  *p++ = details.type;
  *p++ = details.size;
  putText(details.yearReleased);
  BW_CHECK(p + kOwnOffsetSize == out->data() + out->size());
  PutU32(p, ownOffset);
  return Status::Ok();
}

Status DecodeProfile(const EntryBytes& entry, DiscProfile* profile) {
  *profile = DiscProfile();
  profile->totalSeconds = GetU16(entry.data + kTotalSecondsAt);
  const int count = StoredTrackCount(entry);
  if (count > kMaxTracks) return TooManyTracks(entry);
  profile->trackCount = count;
  FieldCursor cursor(entry);
  const bool ok = WalkTracks(cursor, count,
                             [profile](int track, const std::uint8_t*, std::size_t,
                                       std::uint16_t seconds) {
                               profile->trackSeconds[track] = seconds;
                               return true;
                             });
  if (!ok) return Overrun(entry, "tracks");
  // A disc without tracks still has the first track length the entry stored.
  if (count == 0) profile->trackSeconds[0] = GetU16(entry.data + kFirstTrackSecondsAt);
  return Status::Ok();
}

Status DecodeEntry(const EntryBytes& entry, CdEntry* out) {
  const int count = StoredTrackCount(entry);
  if (count > kMaxTracks) return TooManyTracks(entry);
  DiscProfile& profile = out->profile;
  profile = DiscProfile();
  profile.totalSeconds = GetU16(entry.data + kTotalSecondsAt);
  profile.trackCount = count;
  out->firstTrackSeconds = GetU16(entry.data + kFirstTrackSecondsAt);
  if (count == 0) profile.trackSeconds[0] = out->firstTrackSeconds;
  // Resized rather than rebuilt, so a pass that reuses one CdEntry keeps the strings' memory.
  out->titles.resize(static_cast<std::size_t>(count));
  FieldCursor cursor(entry);
  const bool ok = WalkTracks(cursor, count,
                             [out](int track, const std::uint8_t* title, std::size_t length,
                                   std::uint16_t seconds) {
                               out->titles[static_cast<std::size_t>(track)].assign(
                                   reinterpret_cast<const char*>(title), length);
                               out->profile.trackSeconds[track] = seconds;
                               return true;
                             });
  if (!ok) return Overrun(entry, "tracks");
  if (!ReadDetails(cursor, &out->details)) return Overrun(entry, "texts");
  return Status::Ok();
}

Status DecodeIntoTable(const EntryBytes& entry, TitleTable* titles, EntryDetails* details) {
  titles->Clear();
  if (StoredTrackCount(entry) > kMaxTracks) return TooManyTracks(entry);
  FieldCursor cursor(entry);
  const bool ok = WalkTracks(cursor, StoredTrackCount(entry),
                             [titles](int track, const std::uint8_t* title, std::size_t length,
                                      std::uint16_t) {
                               std::copy_n(title, length, titles->slots[track]);
                               return true;
                             });
  if (!ok) return Overrun(entry, "tracks");
  if (!ReadDetails(cursor, details)) return Overrun(entry, "texts");
  return Status::Ok();
}

Status DecodeText(const EntryBytes& entry, int textIndex, std::string* text) {
  text->clear();
  FieldCursor cursor(entry);
  const auto skipTrack = [](int, const std::uint8_t*, std::size_t, std::uint16_t) {
    return true;
  };
  if (!WalkTracks(cursor, StoredTrackCount(entry), skipTrack)) {
    return Overrun(entry, "tracks");
  }
  for (int i = 0; i < textIndex; ++i) {
    if (!cursor.Text(nullptr)) return Overrun(entry, "texts");
  }
  if (!cursor.Text(text)) return Overrun(entry, "texts");
  return Status::Ok();
}

Status DecodeTrackTitle(const EntryBytes& entry, int track, std::string* title) {
  title->clear();
  if (track < 1 || track > StoredTrackCount(entry)) return Status::Ok();
  FieldCursor cursor(entry);
  const bool ok = WalkTracks(cursor, track,
                             [title, track](int index, const std::uint8_t* text,
                                            std::size_t length, std::uint16_t) {
                               if (index == track - 1) {
                                 title->assign(reinterpret_cast<const char*>(text), length);
                               }
                               return true;
                             });
  if (!ok) return Overrun(entry, "tracks");
  return Status::Ok();
}

bool EntryMatchesProfile(const EntryBytes& entry, const DiscProfile& profile) {
  if (GetU16(entry.data + kTotalSecondsAt) != profile.totalSeconds ||
      GetU16(entry.data + kFirstTrackSecondsAt) != profile.FirstTrackSeconds() ||
      StoredTrackCount(entry) != profile.trackCount || profile.trackCount > kMaxTracks) {
    return false;
  }
  FieldCursor cursor(entry);
  return WalkTracks(cursor, profile.trackCount,
                    [&profile](int track, const std::uint8_t*, std::size_t,
                               std::uint16_t seconds) {
                      return seconds == profile.trackSeconds[track];
                    });
}

Status CheckEntryFields(const EntryBytes& entry) {
  if (StoredTrackCount(entry) > kMaxTracks) return TooManyTracks(entry);
  FieldCursor cursor(entry);
  const auto skipTrack = [](int, const std::uint8_t*, std::size_t, std::uint16_t) {
    return true;
  };
  if (!WalkTracks(cursor, StoredTrackCount(entry), skipTrack)) {
    return Overrun(entry, "tracks");
  }
  EntryDetails details;
  if (!ReadDetails(cursor, &details)) return Overrun(entry, "texts");
  if (cursor.Remaining() != 0) {
    return Status::Corrupt("the entry at offset " + std::to_string(entry.offset) + " has " +
                           std::to_string(cursor.Remaining()) +
                           " unused bytes before its own offset");
  }
  return Status::Ok();
}

}  // namespace bw
