// The sequential pass over the catalogue.
#include "cddb/database_scanner.h"

namespace bw {

Status DatabaseScanner::Open() {
  chain_.reset();
  file_.reset();
  Status status = database_.Files().Open(database_.DataFilePath(), OpenMode::kRead, &file_);
  if (status.IsNotFound() && database_.Files().Exists(database_.BackupFilePath())) {
    // An interrupted swap: let the database put its file back, then read that.
    // Whether that worked shows in the second open.
    (void)database_.EnsureDatabaseFile();
    status = database_.Files().Open(database_.DataFilePath(), OpenMode::kRead, &file_);
  }
  if (!status.IsOk()) return status;
  auto chain = std::make_unique<EntryChain>(*file_);
  status = chain->Start();
  if (!status.IsOk()) return status;
  chain_ = std::move(chain);
  return Status::Ok();
}

Status DatabaseScanner::NextBytes(EntryBytes* entry, std::uint16_t* index) {
  if (!chain_) return Status::NotFound("the database is not open");
  if (index) *index = chain_->EntriesRead();
  return chain_->Next(entry);
}

Status DatabaseScanner::Next(CdEntry* entry, std::uint32_t* offset, std::uint16_t* index) {
  EntryBytes bytes;
  Status status = NextBytes(&bytes, index);
  if (!status.IsOk()) return status;
  if (offset) *offset = bytes.offset;
  return DecodeEntry(bytes, entry);
}

Status DatabaseScanner::HoldWholeFile(std::size_t limit) {
  if (!chain_) return Status::NotFound("the database is not open");
  return chain_->HoldWholeFile(limit);
}

Status DatabaseScanner::EntryAt(std::uint32_t offset, EntryBytes* entry) {
  if (!chain_) return Status::NotFound("the database is not open");
  return chain_->EntryAt(offset, entry);
}

}  // namespace bw
