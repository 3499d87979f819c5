// The full check of a catalogue file: magic, every link, every entry's fields, the count
// against the chain and the chain against the file's end.
#include <cstring>

#include "cddb/database.h"
#include "cddb/database_format.h"
#include "cddb/entry_chain.h"

namespace bw {

using namespace dbformat;

namespace {

// Beyond this many damaged entries the report only says how many more there were.
constexpr std::size_t kMaxReportedProblems = 20;

}  // namespace

Status Database::CheckDatabase(DatabaseCheck* report) {
  DatabaseCheck local;
  DatabaseCheck& check = report ? *report : local;
  check = DatabaseCheck();

  std::unique_ptr<File> file;
  Status status = OpenDataFile(OpenMode::kRead, &file);
  if (!status.IsOk()) return status;
  EntryChain chain(*file);
  status = chain.Start();
  check.fileSize = chain.FileSize();
  if (!status.IsOk()) {
    check.problems.push_back(status.message());
    return status;
  }
  check.headerCount = chain.HeaderCount();
  check.magicOk = std::memcmp(chain.Header(), kMagic, kMagicSize) == 0;
  if (!check.magicOk) check.problems.push_back("the header does not begin with FF \"TQL\" 00 0A");

  std::size_t damagedEntries = 0;
  EntryBytes entry;
  while ((status = chain.Next(&entry)).IsOk()) {
    Status fields = CheckEntryFields(entry);
    if (!fields.IsOk() && ++damagedEntries <= kMaxReportedProblems) {
      check.problems.push_back("entry " + std::to_string(chain.EntriesRead()) + ": " +
                               fields.message());
    }
  }
  check.intactEntries = chain.EntriesRead();
  if (damagedEntries > kMaxReportedProblems) {
    check.problems.push_back(std::to_string(damagedEntries - kMaxReportedProblems) +
                             " more entries have damaged fields");
  }
  if (status.IsCorrupt()) {
    check.problems.push_back(status.message() + "; the header counts " +
                             std::to_string(check.headerCount) + " entries, " +
                             std::to_string(check.intactEntries) + " are intact");
  } else if (!status.IsNotFound()) {
    return status;
  } else if (chain.ChainEnd() < chain.FileSize()) {
    check.problems.push_back(std::to_string(chain.FileSize() - chain.ChainEnd()) +
                             " bytes follow the last counted entry at offset " +
                             std::to_string(chain.ChainEnd()) +
                             " (left by an interrupted append; the next append drops them)");
  }
  if (check.problems.empty()) return Status::Ok();
  return Status::Corrupt(check.problems.front());
}

}  // namespace bw
