// The texts of the drive search and the Path Setup folder browser, exactly as the user
// sees them.
#pragma once

// Drive search: kind words and the count line of a selected result.
inline constexpr const char* kTextKindExecutable = "Executable";
inline constexpr const char* kTextKindAudio = "Audio";
inline constexpr const char* kTextKindMidi = "MIDI";
inline constexpr const char* kTextKindVideo = "Video";
inline constexpr const char* kTextExecutableFilesCount = " Executable File(s)";
inline constexpr const char* kTextAudioFilesCount = " Audio File(s)";
inline constexpr const char* kTextMidiFilesCount = " MIDI File(s)";
inline constexpr const char* kTextVideoFilesCount = " Video File(s)";

// Drive search: labels and title, around the kind word and the drive ("C:").
inline constexpr const char* kTextFileTotalLabelStart = "Total number of ";
inline constexpr const char* kTextFileTotalLabelMiddle = " files found on drive ";
inline constexpr const char* kTextFolderTotalLabelStart = "Total number of directories with ";
inline constexpr const char* kTextFolderTotalLabelMiddle = " files on drive ";
inline constexpr const char* kTextSearchTitleStart = "Search for ";
inline constexpr const char* kTextSearchTitleMiddle = " files on drive ";

// Drive search: the hint once something was found, and the end of a walk.
inline constexpr const char* kTextSearchPickHint =
    "Select a path and click OK, or double click a path.";
inline constexpr const char* kTextSearchDone = "Done!";
inline constexpr const char* kTextSearchStopped = "Stopped!";

// Folder browser: titles by kind.
inline constexpr const char* kTextDestinationPathSetup = "Destination Path Setup";
inline constexpr const char* kTextExePathSetup = "EXE File Path Setup";
inline constexpr const char* kTextExportPathSetup = "Export File Path Setup";
inline constexpr const char* kTextHtmlPathSetup = "HTML File Path Setup";
inline constexpr const char* kTextAudioPathSetup = "Audio File Path Setup";
inline constexpr const char* kTextMidiPathSetup = "MIDI File Path Setup";
inline constexpr const char* kTextVideoPathSetup = "Video File Path Setup";

// Folder browser: the files indicator, its question and answer.
inline constexpr const char* kTextExeFilesQuestion = "Exe files?";
inline constexpr const char* kTextAudioFilesQuestion = "Audio files?";
inline constexpr const char* kTextMidiFilesQuestion = "MIDI files?";
inline constexpr const char* kTextVideoFilesQuestion = "Video files?";
inline constexpr const char* kTextFilesYes = "Yes";
inline constexpr const char* kTextFilesNo = "No";
inline constexpr const char* kTextBlank = " ";

// Folder browser: Search on a network path.
inline constexpr const char* kTextSearchMappedDrivesOnly =
    "The Search feature will only work with mapped drives. Drive letters A thru Z.";

// The program selections: the label over the list of a folder's programs.
inline constexpr const char* kTextProgramsIn = "Programs in ";
