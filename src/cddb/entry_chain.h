// Walks the chain of entries from the header on, checking every link before trusting it:
// next_offset must equal the entry's start + 4 + record_length, stay inside the file and move
// forward, and the trailing own_offset must name the entry's start.
#pragma once

#include <cstdint>

#include "cddb/block_reader.h"
#include "cddb/database_format.h"
#include "cddb/entry_codec.h"

namespace bw {

class EntryChain {
 public:
  explicit EntryChain(File& file) : file_(file), reader_(file, 0) {}

  // Reads the file size and the header. A file shorter than the header is damaged.
  Status Start();

  const std::uint8_t* Header() const { return header_; }
  std::uint16_t HeaderCount() const { return dbformat::GetU16(header_ + dbformat::kCountOffset); }
  std::uint64_t FileSize() const { return reader_.FileSize(); }

  // The next entry of the chain. NotFound once HeaderCount() entries have been read; Corrupt,
  // with the entry's number and offset, when its link is damaged (the walk stops there).
  Status Next(EntryBytes* entry);
  // Entries read so far, and the offset just past the last of them.
  std::uint16_t EntriesRead() const { return entriesRead_; }
  std::uint32_t ChainEnd() const { return position_; }

  // See BlockReader::HoldWholeFile: for walks that visit the entries out of file order.
  Status HoldWholeFile(std::size_t limit) { return reader_.HoldWholeFile(limit); }

  // The entry that starts at `offset`, its links checked, for callers holding an offset.
  Status EntryAt(std::uint32_t offset, EntryBytes* entry);

 private:
  // `number` is the entry's 1-based place in the chain, 0 when not known (for messages).
  Status CheckedEntry(std::uint32_t offset, int number, EntryBytes* entry);

  File& file_;
  BlockReader reader_;
  std::uint8_t header_[dbformat::kHeaderSize] = {};
  std::uint32_t position_ = dbformat::kFirstEntryOffset;
  std::uint16_t entriesRead_ = 0;
  bool failed_ = false;
};

}  // namespace bw
