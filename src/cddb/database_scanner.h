// Visits every entry in file order, following next_offset, for the passes over the whole
// catalogue (search, export, web pages, database information). Keeps the file open, shared
// for reading and writing, from Open to destruction.
#pragma once

#include <cstdint>
#include <memory>

#include "cddb/database.h"
#include "cddb/entry_chain.h"

namespace bw {

class DatabaseScanner {
 public:
  explicit DatabaseScanner(Database& database) : database_(database) {}

  // NotFound without a file; Corrupt when the file is shorter than its header.
  Status Open();
  std::uint16_t HeaderCount() const { return chain_ ? chain_->HeaderCount() : 0; }

  // The next entry: Ok, NotFound after the last counted entry, or Corrupt where the chain is
  // damaged (the entries before it were all delivered). `index` is 0-based.
  Status NextBytes(EntryBytes* entry, std::uint16_t* index = nullptr);
  Status Next(CdEntry* entry, std::uint32_t* offset = nullptr, std::uint16_t* index = nullptr);

  // For passes that come back to entries out of file order (the sorted export): reads the
  // whole file at once when it holds at most `limit` bytes, and fetches the entry at an
  // offset that the pass met before. Both after Open.
  Status HoldWholeFile(std::size_t limit);
  Status EntryAt(std::uint32_t offset, EntryBytes* entry);

 private:
  Database& database_;
  std::unique_ptr<File> file_;
  std::unique_ptr<EntryChain> chain_;
};

}  // namespace bw
