// The catalogue's writers. An append writes the entry after the last counted one, flushes it
// and only then raises the count, so a cut-off append leaves uncounted bytes that the next
// append drops. Delete, replace and sort write a complete brindwax.new beside the old file,
// flush it and swap it in; brindwax.dat is never changed in place by them.
#include <algorithm>
#include <cstring>
#include <string>

#include "base/check.h"
#include "cddb/catalogue_generation.h"
#include "cddb/database.h"
#include "cddb/database_format.h"
#include "cddb/entry_chain.h"
#include "cddb/entry_stream_writer.h"

namespace bw {

using namespace dbformat;

namespace {

// The largest catalogue a rebuild reads into memory at once (65,535 entries of usual size
// take some 50 MB).
constexpr std::size_t kHeldFileLimit = 128u << 20;

Status RefuseDamage(const Status& status) {
  if (!status.IsCorrupt()) return status;
  return Status::Corrupt("the database is damaged and is left as it is: " + status.message());
}

// Walks all counted entries, calling `visit` for each; a damaged link stops the walk.
template <typename Visit>
Status WalkAll(EntryChain& chain, Visit visit) {
  EntryBytes entry;
  Status status;
  while ((status = chain.Next(&entry)).IsOk()) {
    Status visited = visit(entry);
    if (!visited.IsOk()) return visited;
  }
  return status.IsNotFound() ? Status::Ok() : RefuseDamage(status);
}

}  // namespace

Status Database::AppendEntry(const DiscProfile& profile, const TitleTable& titles,
                             const EntryDetails& details) {
  std::vector<std::uint8_t> bytes;
  Status status = EncodeEntry(profile, titles, details, kFirstEntryOffset, &bytes);
  if (!status.IsOk()) return status;
  status = RecoverInterruptedSwap();
  if (!status.IsOk()) return status;

  std::unique_ptr<File> file;
  status = OpenDataFile(OpenMode::kReadWrite, &file);
  if (!status.IsOk()) return status;
  EntryChain chain(*file);
  status = chain.Start();
  if (!status.IsOk()) return RefuseDamage(status);
  status = WalkAll(chain, [](const EntryBytes&) { return Status::Ok(); });
  if (!status.IsOk()) return status;
  if (chain.HeaderCount() >= kMaxEntryCount) {
    return Status::InvalidArgument("the database is full: it holds 65535 entries");
  }

  const std::uint32_t position = chain.ChainEnd();
  status = EncodeEntry(profile, titles, details, position, &bytes);
  if (!status.IsOk()) return status;
  if (chain.FileSize() > position) {
    status = file->Truncate(position);
    if (!status.IsOk()) return status;
  }
  status = file->WriteAt(position, bytes.data(), bytes.size());
  if (status.IsOk()) status = file->Sync();
  if (!status.IsOk()) return status;

  std::uint8_t count[2];
  PutU16(count, static_cast<std::uint16_t>(chain.HeaderCount() + 1));
  status = file->WriteAt(kCountOffset, count, sizeof(count));
  // From here on the count may have changed, whatever the status says.
  NoteCatalogueChanged();
  if (status.IsOk()) status = file->Sync();
  if (!status.IsOk()) {
    // Reported as failed, so it must not count: a retry would store the disc twice.
    PutU16(count, chain.HeaderCount());
    // Best effort: the first failure is the one to report.
    if (file->WriteAt(kCountOffset, count, sizeof(count)).IsOk()) (void)file->Sync();
  }
  return status;
}

Status Database::DeleteEntry(std::uint32_t offset) {
  return Rewrite([offset](EntryChain& oldChain, EntryStreamWriter& writer, std::uint8_t* header) {
    bool found = false;
    Status status = WalkAll(oldChain, [&](const EntryBytes& entry) {
      if (entry.offset == offset) {
        found = true;
        return Status::Ok();
      }
      return writer.Add(entry.data, entry.size);
    });
    if (!status.IsOk()) return status;
    if (!found) {
      return Status::InvalidArgument("no entry starts at offset " + std::to_string(offset));
    }
    PutU16(header + kCountOffset, writer.EntriesAdded());
    return Status::Ok();
  });
}

Status Database::ReplaceEntry(std::uint16_t index, const DiscProfile& profile,
                              const TitleTable& titles, const EntryDetails& details) {
  std::vector<std::uint8_t> replacement;
  Status status = EncodeEntry(profile, titles, details, kFirstEntryOffset, &replacement);
  if (!status.IsOk()) return status;
  return Rewrite([&](EntryChain& oldChain, EntryStreamWriter& writer, std::uint8_t*) {
    if (index >= oldChain.HeaderCount()) {
      return Status::NotFound("there is no entry " + std::to_string(index) +
                              "; the database holds " + std::to_string(oldChain.HeaderCount()));
    }
    return WalkAll(oldChain, [&](const EntryBytes& entry) {
      if (writer.EntriesAdded() != index) return writer.Add(entry.data, entry.size);
      Status encoded = EncodeEntry(profile, titles, details, writer.Position(), &replacement);
      if (!encoded.IsOk()) return encoded;
      return writer.Add(replacement.data(), static_cast<std::uint32_t>(replacement.size()));
    });
  });
}

Status Database::ReplaceEntryAtEnd(std::uint32_t oldOffset, const DiscProfile& profile,
                                   const TitleTable& titles, const EntryDetails& details) {
  if (oldOffset == 0) return AppendEntry(profile, titles, details);
  std::vector<std::uint8_t> replacement;
  Status status = EncodeEntry(profile, titles, details, kFirstEntryOffset, &replacement);
  if (!status.IsOk()) return status;
  return Rewrite([&](EntryChain& oldChain, EntryStreamWriter& writer, std::uint8_t* header) {
    bool found = false;
    Status walked = WalkAll(oldChain, [&](const EntryBytes& entry) {
      if (entry.offset == oldOffset) {
        found = true;
        return Status::Ok();
      }
      return writer.Add(entry.data, entry.size);
    });
    if (!walked.IsOk()) return walked;
    if (!found) {
      return Status::InvalidArgument("no entry starts at offset " + std::to_string(oldOffset));
    }
    Status encoded = EncodeEntry(profile, titles, details, writer.Position(), &replacement);
    if (!encoded.IsOk()) return encoded;
    Status added = writer.Add(replacement.data(), static_cast<std::uint32_t>(replacement.size()));
    if (!added.IsOk()) return added;
    BW_CHECK(writer.EntriesAdded() == oldChain.HeaderCount());
    PutU16(header + kCountOffset, writer.EntriesAdded());
    return Status::Ok();
  });
}

Status Database::RebuildInOrder(const std::vector<std::uint16_t>& order,
                                const RebuildProgress& progress) {
  return Rewrite([&](EntryChain& oldChain, EntryStreamWriter& writer, std::uint8_t* header) {
    // One pass for the offset table, then each entry fetched where it lies: from memory when
    // the file fits, as a usual catalogue does, else by one read each.
    Status held = oldChain.HoldWholeFile(kHeldFileLimit);
    if (!held.IsOk()) return held;
    std::vector<std::uint32_t> offsets;
    offsets.reserve(oldChain.HeaderCount());
    Status status = WalkAll(oldChain, [&offsets](const EntryBytes& entry) {
      offsets.push_back(entry.offset);
      return Status::Ok();
    });
    if (!status.IsOk()) return status;
    const std::size_t count = offsets.size();
    if (order.size() != count) {
      return Status::InvalidArgument("the new order names " + std::to_string(order.size()) +
                                     " entries; the database holds " + std::to_string(count));
    }
    std::vector<bool> seen(count, false);
    for (std::uint16_t index : order) {
      if (index >= count || seen[index]) {
        return Status::InvalidArgument("the new order is not a permutation of the entries");
      }
      seen[index] = true;
    }
    for (std::uint16_t index : order) {
      EntryBytes entry;
      status = oldChain.EntryAt(offsets[index], &entry);
      if (status.IsOk()) status = writer.Add(entry.data, entry.size);
      if (!status.IsOk()) return RefuseDamage(status);
      if (progress) progress(writer.EntriesAdded(), index);
    }
    std::memcpy(header, kMagic, kMagicSize);
    return Status::Ok();
  });
}

Status Database::Rewrite(const RewriteStep& produce) {
  Status status = RecoverInterruptedSwap();
  if (!status.IsOk()) return status;
  {
    std::unique_ptr<File> oldFile;
    status = OpenDataFile(OpenMode::kRead, &oldFile);
    if (!status.IsOk()) return status;
    EntryChain oldChain(*oldFile);
    status = oldChain.Start();
    if (!status.IsOk()) return RefuseDamage(status);

    std::unique_ptr<File> newFile;
    status = fileSystem_.Open(NewFilePath(), OpenMode::kCreateTruncate, &newFile);
    if (!status.IsOk()) return status;
    EntryStreamWriter writer(*newFile, kFirstEntryOffset);
    std::uint8_t header[kHeaderSize];
    std::memcpy(header, oldChain.Header(), kHeaderSize);
    status = produce(oldChain, writer, header);
    if (status.IsOk()) status = writer.Finish();
    if (status.IsOk()) status = newFile->WriteAt(0, header, kHeaderSize);
    // The new file must be on the disk before any rename can make it the database.
    if (status.IsOk()) status = newFile->Sync();
  }  // both files are closed here: Windows renames no open file
  if (status.IsOk()) status = SwapInNewFile();
  if (!status.IsOk()) DiscardNewFile();
  return status;
}

void Database::DiscardNewFile() {
  // With brindwax.dat gone (a swap that could not be undone) the new file is the database's
  // best copy, and the next use of the folder will roll it forward.
  if (fileSystem_.Exists(DataFilePath()) && fileSystem_.Exists(NewFilePath())) {
    // A leftover that stays is discarded by the next recovery.
    (void)fileSystem_.Remove(NewFilePath());
  }
}

Status Database::SwapInNewFile() {
  const std::string data = DataFilePath();
  const std::string backup = BackupFilePath();
  Status status = fileSystem_.Rename(data, backup);
  if (!status.IsOk()) return status;
  status = fileSystem_.Rename(NewFilePath(), data);
  if (!status.IsOk()) {
    // Another opener may have rolled this very swap forward already.
    if (fileSystem_.Exists(data) && !fileSystem_.Exists(NewFilePath())) {
      (void)fileSystem_.Remove(backup);  // tidying only; recovery deletes a stale backup
      return Status::Ok();
    }
    Status undone = fileSystem_.Rename(backup, data);
    if (!undone.IsOk()) {
      return Status::IoError(status.message() + "; the old file stays as " + backup);
    }
    return status;
  }
  NoteCatalogueChanged();
  // The new file is the database now; what follows only tidies up, and a failure there is
  // mended by the next use of the folder.
  (void)fileSystem_.SyncFolder(folder_);
  (void)fileSystem_.Remove(backup);
  return Status::Ok();
}

std::size_t RelinkEntriesInBuffer(std::uint8_t* data, std::size_t size, std::uint32_t fileOffset) {
  std::size_t q = 0;
  while (size - q >= kEntryHeadSize) {
    const std::uint32_t recordLength = GetU16(data + q + kRecordLengthAt);
    const std::size_t entrySize = kRecordLengthBase + recordLength;
    if (recordLength < kMinRecordLength || entrySize > size - q) break;
    const std::uint32_t start = fileOffset + static_cast<std::uint32_t>(q);
    PutU32(data + q + kNextOffsetAt, start + static_cast<std::uint32_t>(entrySize));
    PutU32(data + q + entrySize - kOwnOffsetSize, start);
    q += entrySize;
  }
  return q;
}

Status RelinkEntries(File& file, std::uint32_t from) {
  std::uint64_t fileSize = 0;
  Status status = file.GetSize(&fileSize);
  if (!status.IsOk()) return status;
  if (fileSize > 0xFFFFFFFFull) return Status::Corrupt("the file is larger than 4 GiB");
  std::vector<std::uint8_t> block;
  std::uint64_t q = from;
  while (q < fileSize) {
    const std::size_t size =
        static_cast<std::size_t>(std::min<std::uint64_t>(fileSize - q, EntryStreamWriter::kBufferSize));
    block.resize(size);
    status = ReadExactly(file, q, block.data(), size);
    if (!status.IsOk()) return status;
    const std::size_t relinked =
        RelinkEntriesInBuffer(block.data(), size, static_cast<std::uint32_t>(q));
    // A block holds at least one whole entry unless the entry at q is cut off or nonsense.
    if (relinked == 0) {
      return Status::Corrupt("cannot relink the entry at offset " + std::to_string(q) +
                             ": its record_length does not fit the file");
    }
    status = file.WriteAt(q, block.data(), relinked);
    if (!status.IsOk()) return status;
    q += relinked;
  }
  return Status::Ok();
}

}  // namespace bw
