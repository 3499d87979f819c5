// The export's work: chosen items of every entry written to a text file, in file order or in
// the sorter's artist order. The file is written beside its destination under a temporary
// name, flushed, and only then renamed over the destination, so a failed export leaves an
// earlier export file as it was.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cddb/database.h"
#include "cddb/export_format.h"
#include "cddb/text_rules.h"
#include "cddb/tool_progress.h"
#include "shell/folder_path.h"

namespace bw {

struct ExportOptions {
  ExportItems items = kAllExportItems;
  bool sorted = true;  // by artist; a catalogue of one entry is never sorted
  ExportForm form = ExportForm::kPlainText;
};

// Asked when the destination exists ("File already exists! Do you want to overwrite it?"):
// true replaces it.
using OverwriteQuestion = std::function<bool()>;

// Runs the export into `destination` (a full file path). Status texts, in order:
// "Creating export file."; with sorting, the sorting table's steps and counts (see
// SortingTable::Build); "Writing export file."; "Writing: " and the artist of each entry; and
// the result "Done!". Other endings: kTextExportNoItems (no item chosen), kTextExportKept (the
// user kept an existing file; InvalidArgument), kTextSortNoMemory, kTextExportCannotRead,
// kTextExportCannotWrite (the destination untouched), and for a damaged catalogue
// kTextExportDamagedPrefix with the number of entries written (the file holds the intact
// entries; Corrupt).
Status ExportDatabase(Database& database, const ExportOptions& options,
                      const std::string& destination, TextCompare compare,
                      const OverwriteQuestion& overwrite, const ProgressCallback& progress);

// The destination field's text made good: its folder (the text itself when it names an
// existing folder, else the text up to its last separator) checked as a folder path, then
// "export.txt" after one backslash. *valid is false when the folder fails the check; the
// result then keeps the folder as typed (the dialog says "Invalid path!").
std::string ExportDestination(std::string_view typed, const FolderExistsFunction& folderExists,
                              bool* valid);

// The first destination the dialog shows: the program folder followed by "export.txt".
std::string DefaultExportDestination(const std::string& programFolder);

// The temporary file an export to `destination` is written into.
std::string ExportWorkFile(const std::string& destination);

}  // namespace bw
