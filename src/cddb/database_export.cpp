// The export's run: one pass (or the sorting table's order), one buffered output file.
#include "cddb/database_export.h"

#include <algorithm>

#include "cddb/cddb_texts.h"
#include "cddb/database_scanner.h"
#include "cddb/entry_layout.h"
#include "cddb/sorting_table.h"
#include "cddb/tool_texts.h"

namespace bw {
namespace {

// The largest catalogue a sorted export reads into memory at once.
constexpr std::size_t kHeldFileLimit = 128u << 20;
constexpr std::size_t kOutputBlock = 1u << 20;

// Collects the export's text and writes it in large blocks.
class ExportOutput {
 public:
  explicit ExportOutput(File& file) : file_(file) { text_.reserve(kOutputBlock + 64 * 1024); }

  std::string* Text() { return &text_; }
  Status WriteIfFull() { return text_.size() >= kOutputBlock ? Write() : Status::Ok(); }
  Status Write() {
    if (text_.empty()) return Status::Ok();
    Status status = file_.WriteAt(position_, text_.data(), text_.size());
    position_ += text_.size();
    text_.clear();
    return status;
  }

 private:
  File& file_;
  std::string text_;
  std::uint64_t position_ = 0;
};

bool AnyItem(const ExportItems& items) {
  return std::any_of(items.begin(), items.end(), [](bool on) { return on; });
}

// Writes one entry; false when its fields are damaged (it is left out).
bool ExportEntry(const EntryBytes& entry, const ExportOptions& options, EntryLayout* layout,
                 ExportOutput* output, const ProgressCallback& progress, std::uint32_t done,
                 std::uint32_t count, std::string* itemText) {
  if (!LayOutEntry(entry, layout).IsOk()) return false;
  if (progress) {
    *itemText = kTextWritingPrefix;
    itemText->append(EntryTextOf(entry, *layout, EntryText::kArtist));
    Report(progress, ProgressKind::kItem, *itemText, done + 1, count);
  }
  AppendEntry(options.form, entry, *layout, options.items, output->Text());
  return true;
}

}  // namespace

std::string ExportWorkFile(const std::string& destination) { return destination + ".new"; }

std::string DefaultExportDestination(const std::string& programFolder) {
  return JoinPath(programFolder, kTextExportFileName);
}

std::string ExportDestination(std::string_view typed, const FolderExistsFunction& folderExists,
                              bool* valid) {
  const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
  std::string folder(typed);
  // A typed folder counts as the folder; otherwise the last part is a file name and goes.
  std::string bare = folder;
  while (bare.size() > 1 && isSeparator(bare.back())) bare.pop_back();
  const std::optional<std::string> whole = bare.empty() ? std::nullopt : CheckFolderPath(bare, folderExists);
  std::optional<std::string> checked = whole;
  if (!checked) {
    const std::size_t last = folder.find_last_of("\\/");
    folder = last == std::string::npos ? std::string() : folder.substr(0, last + 1);
    checked = CheckFolderPath(folder, folderExists);
  }
  *valid = checked.has_value();
  if (checked) folder = *checked;
  if (!folder.empty() && !isSeparator(folder.back())) folder += '\\';
  return folder + kTextExportFileName;
}

Status ExportDatabase(Database& database, const ExportOptions& options,
                      const std::string& destination, TextCompare compare,
                      const OverwriteQuestion& overwrite, const ProgressCallback& progress) {
  const auto finish = [&progress](const std::string& text, Status status) {
    Report(progress, ProgressKind::kResult, text);
    return status;
  };
  if (!AnyItem(options.items)) {
    return finish(kTextExportNoItems, Status::InvalidArgument("no items selected to export"));
  }
  Report(progress, ProgressKind::kStep, kTextExportCreating);
  FileSystem& files = database.Files();
  if (files.Exists(destination) && !(overwrite && overwrite())) {
    return finish(kTextExportKept, Status::InvalidArgument("the existing file was kept"));
  }

  const std::string work = ExportWorkFile(destination);
  std::unique_ptr<File> file;
  Status status = files.Open(work, OpenMode::kCreateTruncate, &file);
  if (!status.IsOk()) return finish(kTextExportCannotWrite, status);
  // Whatever ends the export early takes the unfinished file away again.
  const auto abandon = [&](const char* text, Status failure) {
    file.reset();
    (void)files.Remove(work);  // a leftover is overwritten by the next export
    return finish(text, failure);
  };

  ExportOutput output(*file);
  DatabaseScanner scanner(database);
  status = scanner.Open();
  const bool noCatalogue = status.IsNotFound();
  if (!status.IsOk() && !noCatalogue) return abandon(kTextExportCannotRead, status);
  const std::uint32_t count = noCatalogue ? 0 : scanner.HeaderCount();

  EntryLayout layout;
  std::string itemText;
  std::uint32_t written = 0;
  bool damaged = false;
  if (options.sorted && count > 1) {
    status = scanner.HoldWholeFile(kHeldFileLimit);
    if (!status.IsOk()) return abandon(kTextExportCannotRead, status);
    SortingTable table;
    status = table.Build(scanner, compare, progress);
    if (!status.IsOk()) {
      return abandon(IsOutOfMemory(status) ? kTextSortNoMemory : kTextExportCannotRead, status);
    }
    damaged = table.Damaged();
    Report(progress, ProgressKind::kStep, kTextExportWriting);
    for (std::uint16_t index : table.Order()) {
      EntryBytes entry;
      status = scanner.EntryAt(table.OffsetOf(index), &entry);
      if (!status.IsOk()) return abandon(kTextExportCannotRead, status);
      if (ExportEntry(entry, options, &layout, &output, progress, written, count, &itemText)) {
        ++written;
      } else {
        damaged = true;
      }
      status = output.WriteIfFull();
      if (!status.IsOk()) return abandon(kTextExportCannotWrite, status);
    }
  } else {
    Report(progress, ProgressKind::kStep, kTextExportWriting);
    EntryBytes entry;
    while (count > 0 && (status = scanner.NextBytes(&entry)).IsOk()) {
      if (ExportEntry(entry, options, &layout, &output, progress, written, count, &itemText)) {
        ++written;
      } else {
        damaged = true;
      }
      status = output.WriteIfFull();
      if (!status.IsOk()) return abandon(kTextExportCannotWrite, status);
    }
    if (status.IsCorrupt()) damaged = true;
    if (!status.IsOk() && !status.IsNotFound() && !status.IsCorrupt()) {
      return abandon(kTextExportCannotRead, status);
    }
  }

  status = output.Write();
  if (status.IsOk()) status = file->Sync();
  file.reset();  // closed before the rename: Windows renames no open file
  if (status.IsOk()) status = files.Rename(work, destination);
  if (!status.IsOk()) return abandon(kTextExportCannotWrite, status);
  if (damaged) {
    std::string text = kTextExportDamagedPrefix;
    AppendDecimal(written, &text);
    return finish(text, Status::Corrupt("the database is damaged; " + std::to_string(written) +
                                        " entries were exported"));
  }
  return finish(kTextToolDone, Status::Ok());
}

}  // namespace bw
