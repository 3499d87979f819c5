// The texts of the copy, move, rename and delete tools and of the editor launch, as the user
// sees them.
#pragma once

// Captions of the dialogs.
inline constexpr const char* kTextCopyFilesTitle = "Copy Files";
inline constexpr const char* kTextMoveFilesTitle = "Move Files";
inline constexpr const char* kTextFileExistsTitle = "File Already Exists!";
inline constexpr const char* kTextRenameFilesTitle = "Rename Files";
inline constexpr const char* kTextDeleteFilesTitle = "Delete Files";

// The questions the dialogs put above the files they act on.
inline constexpr const char* kTextCopyQuestion = "Copy selected files?";
inline constexpr const char* kTextMoveQuestion = "Move selected files?";
inline constexpr const char* kTextDeleteQuestion = "Delete selected files?";

// Failures.
inline constexpr const char* kTextNotEnoughSpace = "Not enough disk space to copy file(s)!";
inline constexpr const char* kTextCopyOverItself = "Error: Can't copy file over itself!";
inline constexpr const char* kTextCannotReadFile = "Error: Can't read file!";
inline constexpr const char* kTextCannotCopyFile = "Error: Can't copy file!";
inline constexpr const char* kTextCannotDeleteFile = "Can't delete file: ";  // then the name
inline constexpr const char* kTextCannotRenameFile = "Error: Can't rename file!";
inline constexpr const char* kTextInvalidFileName =
    "Invalid file name! A name cannot be empty, end in a dot or a blank, or hold any of "
    "\\ / : * ? \" < > |";
inline constexpr const char* kTextNameTaken = "A file with that name already exists!";
inline constexpr const char* kTextChooseDestination = "Choose a destination folder.";

// Status lines of the copy and move dialog: "Copying a.wav (2 of 5)" and the end.
inline constexpr const char* kTextCopying = "Copying ";
inline constexpr const char* kTextMoving = "Moving ";
inline constexpr const char* kTextDone = "Done!";
inline constexpr const char* kTextCanceled = "Canceled.";

// Counts under a dialog's file list: "3 files, 1,234 bytes" ("1 file, ...").
inline constexpr const char* kTextOneFile = " file, ";
inline constexpr const char* kTextManyFiles = " files, ";

// The "File Already Exists!" dialog: the two files side by side.
inline constexpr const char* kTextExistingFile = "Existing file: ";
inline constexpr const char* kTextReplacingFile = "Replace it with: ";

// The rename dialog's count line: "File 2 of 3".
inline constexpr const char* kTextRenameCountPrefix = "File ";
inline constexpr const char* kTextRenameCountMiddle = " of ";
