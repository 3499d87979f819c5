// The buffered entry writer behind delete, replace and rebuild.
#include "cddb/entry_stream_writer.h"

#include <cstring>
#include <string>

#include "base/check.h"
#include "cddb/database.h"
#include "cddb/database_format.h"

namespace bw {

EntryStreamWriter::EntryStreamWriter(File& file, std::uint32_t position)
    : file_(file), buffer_(kBufferSize), bufferStart_(position), position_(position) {}

Status EntryStreamWriter::Add(const std::uint8_t* entry, std::uint32_t size) {
  // Callers hand over entries whose links the chain walker or the encoder vouched for.
  BW_CHECK(size >= dbformat::kMinEntrySize);
  BW_CHECK(dbformat::GetU16(entry + dbformat::kRecordLengthAt) + dbformat::kRecordLengthBase ==
           size);
  if (static_cast<std::uint64_t>(position_) + size > 0xFFFFFFFFull) {
    return Status::InvalidArgument("the database file would grow beyond 4 GiB");
  }
  if (used_ + size > buffer_.size()) {
    Status status = Flush();
    if (!status.IsOk()) return status;
  }
  std::memcpy(buffer_.data() + used_, entry, size);
  used_ += size;
  position_ += size;
  ++entriesAdded_;
  return Status::Ok();
}

Status EntryStreamWriter::Finish() { return Flush(); }

Status EntryStreamWriter::Flush() {
  if (used_ == 0) return Status::Ok();
  const std::size_t relinked = RelinkEntriesInBuffer(buffer_.data(), used_, bufferStart_);
  if (relinked != used_) {
    return Status::Corrupt("an entry given to the writer has a wrong record_length");
  }
  Status status = file_.WriteAt(bufferStart_, buffer_.data(), used_);
  if (!status.IsOk()) return status;
  bufferStart_ += static_cast<std::uint32_t>(used_);
  used_ = 0;
  return Status::Ok();
}

}  // namespace bw
