// The catalogue tools' own texts (editor, search, sorter, export, tools dialog, database
// information), each written once so tests name the constant the program shows.
#pragma once

// Shared closing texts of the tools' status lines.
inline constexpr const char* kTextToolDone = "Done!";
inline constexpr const char* kTextCountSeparator = " of ";  // "5 of 120"
inline constexpr const char* kTextWritingPrefix = "Writing: ";  // followed by the artist

// The database tools dialog, and its messages when the catalogue has no entries.
inline constexpr const char* kTextGarnishTitle = "Garnish";
inline constexpr const char* kTextEmptyNothingToEdit = "Database Empty. Nothing to edit!";
inline constexpr const char* kTextEmptyNothingToSearch = "Database Empty. Nothing to search!";
inline constexpr const char* kTextEmptyNothingToSort = "Database Empty. Nothing to sort!";
inline constexpr const char* kTextEmptyNothingToExport = "Database Empty. Nothing to export!";
inline constexpr const char* kTextEmptyNothingForWebPage =
    "Database Empty. Nothing to create web page with!";

// The database editor.
inline constexpr const char* kTextEditorTitle = "Compact Disc Database Editor";
inline constexpr const char* kTextAskDeleteEntry = "Delete this item from the database?";
// Saves and deletes that could not be made; the catalogue stays as it was.
inline constexpr const char* kTextEditorSaveFailed =
    "Error: The entry could not be saved. The database was left as it was.";
inline constexpr const char* kTextEditorDeleteFailed =
    "Error: The entry could not be deleted. The database was left as it was.";
// The entry shown was changed or moved in the database since it was read (a freedb read, a
// second copy of the program); nothing was written and the editor shows the file anew.
inline constexpr const char* kTextEditorEntryChanged =
    "Error: This entry was changed in the database meanwhile. Nothing was written; the entry "
    "is shown as it is stored now.";

// The search.
inline constexpr const char* kTextSearchTitle = "Search Database";
inline constexpr const char* kTextItemsFoundSuffix = " items found";  // after the number
inline constexpr const char* kTextNoMatch = "No match!";
inline constexpr const char* kTextCaptionSeparator = " - ";  // artist - disc name

// The sorter, and the sorting table the export builds too.
inline constexpr const char* kTextSorterTitle = "Database Sorter";
inline constexpr const char* kTextSorterNote = "NOTE: All items are sorted based off the Artist Name.";
inline constexpr const char* kTextSortCreatingBuffer = "Creating memory buffer for the sort array.";
inline constexpr const char* kTextSortNoMemory = "Error! Not enough memory to do sorting.";
inline constexpr const char* kTextSortLoadingNames = "Loading artist names into memory.";
inline constexpr const char* kTextSortBuildingTable = "Building sorting table.";
inline constexpr const char* kTextSortWritingDatabase = "Writing database file.";
inline constexpr const char* kTextSortWritingPointers = "Writing new pointers.";
// A sort that could not be finished; the catalogue stays as it was.
inline constexpr const char* kTextSortDamaged =
    "Error: The database is damaged. It was left as it was.";
inline constexpr const char* kTextSortFailed =
    "Error: The database could not be written. It was left as it was.";
inline constexpr const char* kTextSortChanged =
    "Error: The database changed while it was being sorted. Please sort again.";

// The export.
inline constexpr const char* kTextExportTitle = "Export to Text File";
inline constexpr const char* kTextExportFileName = "export.txt";
inline constexpr const char* kTextExportNoItems = "Error: No items selected to export!";
inline constexpr const char* kTextExportCreating = "Creating export file.";
inline constexpr const char* kTextExportAskOverwrite =
    "File already exists! Do you want to overwrite it?";
inline constexpr const char* kTextExportKept = "File already exists!";
inline constexpr const char* kTextExportWriting = "Writing export file.";
// An export that could not be written; an earlier export.txt stays as it was.
inline constexpr const char* kTextExportCannotWrite =
    "Error: The export file could not be written. An earlier export file stays as it was.";
inline constexpr const char* kTextExportCannotRead = "Error: The database could not be read.";
// After the intact entries of a damaged catalogue were exported.
inline constexpr const char* kTextExportDamagedPrefix =
    "Error: The database is damaged. Entries exported: ";
inline constexpr const char* kTextExportInvalidPath = "Invalid path!";

// Names of the coded properties as the export writes them.
inline constexpr const char* kTextRecordingNames[] = {"AAD", "ADD", "DAD", "DDD"};
inline constexpr const char* kTextTypeNames[] = {"Album", "Single", "CD+MM", "CD+Video"};
inline constexpr const char* kTextSize3Inch = "3 Inch";
inline constexpr const char* kTextSize5Inch = "5 Inch";

// The database information dialog 2320.
inline constexpr const char* kTextInfoTitle = "Database Information";
inline constexpr const char* kTextInfoFile = "Database File:";
inline constexpr const char* kTextInfoModified = "Last Modifed:";
inline constexpr const char* kTextInfoSize = "Size:";
inline constexpr const char* kTextInfoEntries = "Total Number of Entries:";
inline constexpr const char* kTextInfoTracks = "Total Number of Tracks:";
inline constexpr const char* kTextInfoPlayingTime = "Total Playing Time:";
inline constexpr const char* kTextInfoDays = "Days";
inline constexpr const char* kTextInfoHours = "Hours";
inline constexpr const char* kTextInfoMinutes = "Minutes";
inline constexpr const char* kTextInfoSeconds = "Seconds";
inline constexpr const char* kTextInfoNoFile = "The database file does not exist yet.";
// Followed by the number of entries that could be read and kTextInfoDamagedSuffix.
inline constexpr const char* kTextInfoDamagedPrefix = "The database is damaged. Only its first ";
inline constexpr const char* kTextInfoDamagedSuffix = " entries could be read.";
