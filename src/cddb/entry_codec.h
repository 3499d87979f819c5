// Turning one entry into its bytes and reading fields back out of them. Pure functions over
// memory; the chain walker hands them whole entries whose links it has already checked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cddb/disc_entry.h"
#include "base/status.h"

namespace bw {

// The bytes of one entry that lies at `offset` of its file. `size` covers next_offset to
// own_offset inclusive and is at least dbformat::kMinEntrySize.
struct EntryBytes {
  std::uint32_t offset = 0;
  const std::uint8_t* data = nullptr;
  std::uint32_t size = 0;
};

// Builds the complete entry for file offset `ownOffset` with its links already final.
// Refuses more than 99 tracks, a title or text over 255 bytes, and a total beyond 32 bits.
Status EncodeEntry(const DiscProfile& profile, const TitleTable& titles,
                   const EntryDetails& details, std::uint32_t ownOffset,
                   std::vector<std::uint8_t>* out);

// Field readers; each reports a Corrupt status when the fields run past the entry's end.
Status DecodeProfile(const EntryBytes& entry, DiscProfile* profile);
Status DecodeEntry(const EntryBytes& entry, CdEntry* out);
// Fills the title table (cleared first) and the texts and codes.
Status DecodeIntoTable(const EntryBytes& entry, TitleTable* titles, EntryDetails* details);
// `textIndex` 0 is the artist, 1 the disc name, ... 4 the notes.
Status DecodeText(const EntryBytes& entry, int textIndex, std::string* text);
// `track` is 1-based; a track beyond the entry's count gives an empty title.
Status DecodeTrackTitle(const EntryBytes& entry, int track, std::string* title);

// The lookup's comparison: total and first track, then the track count, then every length.
bool EntryMatchesProfile(const EntryBytes& entry, const DiscProfile& profile);

// Checks that the fields fill the entry exactly; reports the first misfit.
Status CheckEntryFields(const EntryBytes& entry);

}  // namespace bw
