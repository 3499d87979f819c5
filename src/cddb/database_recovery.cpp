// Recovery from an interrupted swap. The swap renames brindwax.dat to brindwax.dbk, then
// brindwax.new to brindwax.dat, then deletes brindwax.dbk, and brindwax.new is flushed before
// the first rename. So a folder without brindwax.dat but with brindwax.dbk was cut off
// between the renames (roll forward when brindwax.new is complete, else put the backup back);
// brindwax.dbk beside brindwax.dat was cut off before its delete; brindwax.new beside
// brindwax.dat never reached its swap.
#include "cddb/catalogue_generation.h"
#include "cddb/database.h"
#include "cddb/entry_chain.h"

namespace bw {

bool Database::IsCompleteFile(const std::string& path) {
  std::unique_ptr<File> file;
  if (!fileSystem_.Open(path, OpenMode::kRead, &file).IsOk()) return false;
  EntryChain chain(*file);
  if (!chain.Start().IsOk()) return false;
  EntryBytes entry;
  Status status;
  while ((status = chain.Next(&entry)).IsOk()) {
  }
  return status.IsNotFound() && chain.ChainEnd() == chain.FileSize();
}

Status Database::RestoreDataFile() {
  const std::string data = DataFilePath();
  const std::string backup = BackupFilePath();
  const std::string fresh = NewFilePath();
  if (fileSystem_.Exists(data) || !fileSystem_.Exists(backup)) return Status::Ok();

  if (fileSystem_.Exists(fresh) && IsCompleteFile(fresh) &&
      fileSystem_.Rename(fresh, data).IsOk()) {
    NoteCatalogueChanged();
    // The catalogue is whole again; a backup left by a failure here is tidied next time.
    (void)fileSystem_.SyncFolder(folder_);
    (void)fileSystem_.Remove(backup);
    return Status::Ok();
  }
  Status status = fileSystem_.Rename(backup, data);
  if (status.IsOk()) NoteCatalogueChanged();
  if (!status.IsOk()) {
    // Someone else restored it meanwhile.
    if (fileSystem_.Exists(data)) return Status::Ok();
    return Status::IoError("cannot put the database back from " + backup + ": " +
                           status.message());
  }
  // The old file is back; a partial brindwax.new left here is discarded by the next use.
  (void)fileSystem_.SyncFolder(folder_);
  if (fileSystem_.Exists(fresh)) (void)fileSystem_.Remove(fresh);
  return Status::Ok();
}

Status Database::RemoveLeftovers() {
  const std::string data = DataFilePath();
  if (!fileSystem_.Exists(data)) return Status::Ok();
  const std::string fresh = NewFilePath();
  if (fileSystem_.Exists(fresh)) {
    Status status = fileSystem_.Remove(fresh);
    if (!status.IsOk()) return status;
  }
  // The backup is the old file of a finished swap; keep it only if the new one is damaged,
  // so that nothing is lost that a person could still retrieve by hand.
  const std::string backup = BackupFilePath();
  if (fileSystem_.Exists(backup) && IsCompleteFile(data)) {
    Status status = fileSystem_.Remove(backup);
    if (!status.IsOk()) return status;
  }
  return Status::Ok();
}

Status Database::RecoverInterruptedSwap() {
  Status status = RestoreDataFile();
  if (!status.IsOk()) return status;
  return RemoveLeftovers();
}

}  // namespace bw
