// The sort: the sorting table from one pass, then RebuildInOrder writes the entries in that
// order into brindwax.new and swaps it in.
#include "cddb/database_sorter.h"

#include <string>

#include "cddb/cddb_texts.h"
#include "cddb/database_scanner.h"
#include "cddb/sorting_table.h"

namespace bw {
namespace {

Status Finish(const ProgressCallback& progress, const char* text, Status status) {
  Report(progress, ProgressKind::kResult, text);
  return status;
}

const char* FailureText(const Status& status) {
  if (IsOutOfMemory(status)) return kTextSortNoMemory;
  if (status.IsCorrupt()) return kTextSortDamaged;
  if (status.IsInvalidArgument()) return kTextSortChanged;
  return kTextSortFailed;
}

}  // namespace

Status SortDatabase(Database& database, TextCompare compare, const ProgressCallback& progress) {
  SortingTable table;
  {
    // The scanner's file is closed again before the swap: Windows renames no open file.
    DatabaseScanner scanner(database);
    Status status = scanner.Open();
    if (status.IsNotFound()) return Finish(progress, kTextToolDone, Status::Ok());
    if (!status.IsOk()) return Finish(progress, FailureText(status), status);
    if (scanner.HeaderCount() <= 1) return Finish(progress, kTextToolDone, Status::Ok());
    status = table.Build(scanner, compare, progress);
    if (!status.IsOk()) return Finish(progress, FailureText(status), status);
    if (table.Damaged()) {
      return Finish(progress, kTextSortDamaged,
                    Status::Corrupt("the database is damaged and is left as it is"));
    }
  }

  Report(progress, ProgressKind::kStep, kTextSortWritingDatabase);
  const std::uint32_t count = table.EntryCount();
  std::string text;
  const auto written = [&](std::uint16_t done, std::uint16_t index) {
    if (!progress) return;
    text = kTextWritingPrefix;
    text += table.ArtistOf(index);
    Report(progress, ProgressKind::kItem, text, done, count);
    if (done == count) Report(progress, ProgressKind::kStep, kTextSortWritingPointers);
  };
  Status status = database.RebuildInOrder(table.Order(), written);
  if (!status.IsOk()) return Finish(progress, FailureText(status), status);
  return Finish(progress, kTextToolDone, Status::Ok());
}

}  // namespace bw
