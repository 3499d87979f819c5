// The catalogue's readers: counting, locating, finding a disc and reading an entry's fields.
#include "cddb/database.h"

#include <cstring>
#include <utility>

#include "cddb/catalogue_generation.h"
#include "cddb/database_format.h"
#include "cddb/entry_chain.h"

namespace bw {

using namespace dbformat;

Database::Database(FileSystem& fileSystem, std::string folder)
    : fileSystem_(fileSystem), folder_(std::move(folder)) {}

std::string Database::DataFilePath() const { return JoinPath(folder_, kDataFileName); }
std::string Database::NewFilePath() const { return JoinPath(folder_, kNewFileName); }
std::string Database::BackupFilePath() const { return JoinPath(folder_, kBackupFileName); }

Status Database::OpenDataFile(OpenMode mode, std::unique_ptr<File>* file) {
  Status status = fileSystem_.Open(DataFilePath(), mode, file);
  if (!status.IsNotFound()) return status;
  // Only an interrupted swap leaves the folder without brindwax.dat but with its backup.
  if (!fileSystem_.Exists(BackupFilePath())) return status;
  Status restored = RestoreDataFile();
  if (!restored.IsOk()) return restored;
  return fileSystem_.Open(DataFilePath(), mode, file);
}

Status Database::EnsureDatabaseFile() {
  Status status = RestoreDataFile();
  if (!status.IsOk()) return status;
  std::unique_ptr<File> file;
  status = fileSystem_.Open(DataFilePath(), OpenMode::kRead, &file);
  std::uint64_t size = 0;
  if (status.IsOk()) {
    status = file->GetSize(&size);
    if (!status.IsOk() || size >= kHeaderSize) return status;
    file.reset();
    status = fileSystem_.Open(DataFilePath(), OpenMode::kReadWrite, &file);
  } else if (status.IsNotFound()) {
    status = fileSystem_.Open(DataFilePath(), OpenMode::kCreateNew, &file);
    // Someone else created it meanwhile: theirs stands.
    if (!status.IsOk() && fileSystem_.Exists(DataFilePath())) return Status::Ok();
  }
  if (!status.IsOk()) return status;

  // New, or cut off while its header was being written: it holds no entry to lose.
  std::uint8_t header[kHeaderSize] = {};
  std::memcpy(header, kMagic, kMagicSize);
  status = file->WriteAt(0, header, kHeaderSize);
  if (status.IsOk()) status = file->Truncate(kHeaderSize);
  if (status.IsOk()) status = file->Sync();
  NoteCatalogueChanged();
  return status;
}

Status Database::CountEntries(std::uint16_t* count) {
  *count = 0;
  std::unique_ptr<File> file;
  Status status = OpenDataFile(OpenMode::kRead, &file);
  if (!status.IsOk()) return status;
  EntryChain chain(*file);
  status = chain.Start();
  if (!status.IsOk()) return status;
  EntryBytes entry;
  while ((status = chain.Next(&entry)).IsOk()) {
  }
  *count = chain.EntriesRead();
  return status.IsNotFound() ? Status::Ok() : status;
}

Status Database::LocateEntry(std::uint16_t index, std::uint32_t* offset) {
  *offset = 0;
  std::unique_ptr<File> file;
  Status status = OpenDataFile(OpenMode::kRead, &file);
  if (!status.IsOk()) return status;
  EntryChain chain(*file);
  status = chain.Start();
  if (!status.IsOk()) return status;
  if (index >= chain.HeaderCount()) {
    return Status::NotFound("there is no entry " + std::to_string(index) + "; the database holds " +
                            std::to_string(chain.HeaderCount()));
  }
  EntryBytes entry;
  for (int i = 0; i <= index; ++i) {
    status = chain.Next(&entry);
    if (!status.IsOk()) return status;
  }
  *offset = entry.offset;
  return Status::Ok();
}

Status Database::FindEntryByProfile(const DiscProfile& profile, std::uint32_t* offset) {
  *offset = 0;
  Status status = EnsureDatabaseFile();
  if (!status.IsOk()) return status;
  std::unique_ptr<File> file;
  status = OpenDataFile(OpenMode::kRead, &file);
  if (!status.IsOk()) return status;
  EntryChain chain(*file);
  status = chain.Start();
  if (!status.IsOk()) return status;
  EntryBytes entry;
  while ((status = chain.Next(&entry)).IsOk()) {
    if (EntryMatchesProfile(entry, profile)) {
      *offset = entry.offset;
      return Status::Ok();
    }
  }
  return status.IsNotFound() ? Status::NotFound("no entry has this disc's profile") : status;
}

Status Database::WithEntryAt(std::uint32_t offset,
                             const std::function<Status(const EntryBytes&)>& use) {
  std::unique_ptr<File> file;
  Status status = OpenDataFile(OpenMode::kRead, &file);
  if (!status.IsOk()) return status;
  EntryChain chain(*file);
  status = chain.Start();
  if (!status.IsOk()) return status;
  EntryBytes entry;
  status = chain.EntryAt(offset, &entry);
  if (!status.IsOk()) return status;
  return use(entry);
}

Status Database::ReadEntry(std::uint32_t offset, TitleTable* titles, EntryDetails* details) {
  titles->Clear();
  *details = EntryDetails();
  return WithEntryAt(offset, [&](const EntryBytes& entry) {
    return DecodeIntoTable(entry, titles, details);
  });
}

Status Database::ReadEntryProfile(std::uint32_t offset, DiscProfile* profile) {
  *profile = DiscProfile();
  return WithEntryAt(offset,
                     [profile](const EntryBytes& entry) { return DecodeProfile(entry, profile); });
}

Status Database::ReadEntryArtist(std::uint32_t offset, std::string* artist) {
  artist->clear();
  return WithEntryAt(offset,
                     [artist](const EntryBytes& entry) { return DecodeText(entry, 0, artist); });
}

Status Database::ReadEntryDiscName(std::uint32_t offset, std::string* discName) {
  discName->clear();
  return WithEntryAt(
      offset, [discName](const EntryBytes& entry) { return DecodeText(entry, 1, discName); });
}

Status Database::ReadEntryTrackTitle(std::uint32_t offset, int track, std::string* title) {
  title->clear();
  return WithEntryAt(offset, [track, title](const EntryBytes& entry) {
    return DecodeTrackTitle(entry, track, title);
  });
}

Status Database::WithEntryOfDisc(const DiscProfile& disc,
                                 const std::function<Status(const EntryBytes&)>& use) {
  std::uint32_t offset = 0;
  Status status = FindEntryByProfile(disc, &offset);
  if (!status.IsOk()) return status;
  return WithEntryAt(offset, use);
}

std::string Database::CurrentDiscCaption(const DiscProfile& disc) {
  std::string caption;
  // An unknown disc, or one the file cannot tell about, has no caption.
  (void)WithEntryOfDisc(disc, [&caption](const EntryBytes& entry) {
    std::string artist;
    std::string discName;
    Status status = DecodeText(entry, 0, &artist);
    if (status.IsOk()) status = DecodeText(entry, 1, &discName);
    if (status.IsOk()) caption = artist + " - " + discName;
    return status;
  });
  return caption;
}

std::string Database::CurrentDiscTrackTitle(const DiscProfile& disc, int track) {
  std::string title;
  // An unknown disc, or one the file cannot tell about, has no titles.
  (void)WithEntryOfDisc(disc, [&title, track](const EntryBytes& entry) {
    Status status = DecodeTrackTitle(entry, track, &title);
    if (!status.IsOk()) title.clear();
    return status;
  });
  return title;
}

Status Database::LoadCurrentDiscTitles(const DiscProfile& disc, TitleTable* titles) {
  Status status = WithEntryOfDisc(disc, [titles](const EntryBytes& entry) {
    EntryDetails details;
    return DecodeIntoTable(entry, titles, &details);
  });
  if (!status.IsOk()) titles->Clear();
  return status;
}

}  // namespace bw
