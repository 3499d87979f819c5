// Checked steps along the entry chain.
#include "cddb/entry_chain.h"

#include <cstring>
#include <string>

namespace bw {

using namespace dbformat;

Status EntryChain::Start() {
  std::uint64_t size = 0;
  Status status = file_.GetSize(&size);
  if (!status.IsOk()) return status;
  reader_.SetFileSize(size);
  if (size < kHeaderSize) {
    failed_ = true;
    return Status::Corrupt("the file holds " + std::to_string(size) +
                           " bytes, less than its 8-byte header");
  }
  const std::uint8_t* data = nullptr;
  status = reader_.View(0, kHeaderSize, &data);
  if (!status.IsOk()) return status;
  std::memcpy(header_, data, kHeaderSize);
  return Status::Ok();
}

Status EntryChain::Next(EntryBytes* entry) {
  if (failed_) return Status::Corrupt("the chain is damaged");
  if (entriesRead_ >= HeaderCount()) return Status::NotFound("no more entries");
  Status status = CheckedEntry(position_, entriesRead_ + 1, entry);
  if (!status.IsOk()) {
    failed_ = true;
    return status;
  }
  position_ += entry->size;
  ++entriesRead_;
  return Status::Ok();
}

Status EntryChain::EntryAt(std::uint32_t offset, EntryBytes* entry) {
  if (offset < kFirstEntryOffset) {
    return Status::InvalidArgument("no entry starts at offset " + std::to_string(offset));
  }
  return CheckedEntry(offset, 0, entry);
}

Status EntryChain::CheckedEntry(std::uint32_t offset, int number, EntryBytes* entry) {
  // Messages are built only for damage: this runs once per entry of every walk.
  const auto where = [&]() {
    const std::string place = " at offset " + std::to_string(offset);
    if (number == 0) return "the entry" + place;
    return "entry " + std::to_string(number) + " of " + std::to_string(HeaderCount()) + place;
  };
  const std::uint64_t fileSize = reader_.FileSize();
  if (static_cast<std::uint64_t>(offset) + kEntryHeadSize > fileSize) {
    return Status::Corrupt(where() + " is cut off: the file ends at " + std::to_string(fileSize));
  }
  const std::uint8_t* head = nullptr;
  Status status = reader_.View(offset, kEntryHeadSize, &head);
  if (!status.IsOk()) return status;
  const std::uint32_t nextOffset = GetU32(head + kNextOffsetAt);
  const std::uint32_t recordLength = GetU16(head + kRecordLengthAt);
  const std::uint64_t end = static_cast<std::uint64_t>(offset) + kRecordLengthBase + recordLength;
  if (recordLength < kMinRecordLength) {
    return Status::Corrupt(where() + " has a record_length of " + std::to_string(recordLength) +
                           ", less than the smallest entry's 20");
  }
  if (nextOffset != end) {
    return Status::Corrupt(where() + " has next_offset " + std::to_string(nextOffset) +
                           " where its record_length gives " + std::to_string(end));
  }
  if (end > fileSize) {
    return Status::Corrupt(where() + " runs to offset " + std::to_string(end) +
                           ", past the end of the file at " + std::to_string(fileSize));
  }
  const std::uint8_t* data = nullptr;
  status = reader_.View(offset, static_cast<std::size_t>(end - offset), &data);
  if (!status.IsOk()) return status;
  const std::uint32_t size = static_cast<std::uint32_t>(end - offset);
  const std::uint32_t ownOffset = GetU32(data + size - kOwnOffsetSize);
  if (ownOffset != offset) {
    return Status::Corrupt(where() + " ends with own_offset " + std::to_string(ownOffset));
  }
  entry->offset = offset;
  entry->data = data;
  entry->size = size;
  return Status::Ok();
}

}  // namespace bw
