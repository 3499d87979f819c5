// The system's own user-visible texts, each written once, so tests can name the constant
// the program shows. Grouped by subsystem.
#pragma once

// --- shell ---

// Message and question boxes (their captions are in the dialog resources too).
inline constexpr const char* kTextMessageBoxTitle = "Brindlewax Message";
inline constexpr const char* kTextQuestionBoxTitle = "Brindlewax Question!";

// Common helpers: a typed folder that is not usable; unit words of durations; byte counts.
inline constexpr const char* kTextInvalidPath = "Invalid path!";
inline constexpr const char* kTextUnitMilliseconds = "Milliseconds";
inline constexpr const char* kTextUnitSeconds = "Seconds";
inline constexpr const char* kTextUnitMinutes = "Minutes";
inline constexpr const char* kTextUnitHours = "Hours";
inline constexpr const char* kTextBytesSuffix = " bytes";

// Start-up and main window.
inline constexpr const char* kTextProgramTitle = "Brindlewax 2.3";
inline constexpr const char* kTextMissingAnimationLibrary =
    "Error: Missing (WaxAnim.dll). Brindlewax needs this file to run.";
inline constexpr const char* kTextTabAudio = "Audio";
inline constexpr const char* kTextTabMidi = "MIDI";
inline constexpr const char* kTextTabVideo = "Video";
inline constexpr const char* kTextTabCdPlayer = "CD Player";
// File-list refresh: the entry count followed by the kind's suffix.
inline constexpr const char* kTextAudioFilesSuffix = " Audio Files:";
inline constexpr const char* kTextMidiFilesSuffix = " MIDI Files:";
inline constexpr const char* kTextVideoFilesSuffix = " Video Files:";
// Volume mixer.
inline constexpr const char* kTextVolumeMixerDialogTitle = "Select Volume Mixer Application";
inline constexpr const char* kTextNoVolumeMixerQuestion =
    "No volume mixer program selected. Do you want to select one?";
// Followed by the program's full path.
inline constexpr const char* kTextCreateProcessFailed = "CreateProcess failed! Can't load ";

// --- cd ---
// Follows the driver's own text in every MCI error report.
inline constexpr const char* kTextMciErrorAdvice =
    "If this keeps happening, visit the web page of your device's maker for an updated driver.";
inline constexpr const char* kTextCdOpenRetryQuestion =
    "Could not open CD device when starting Brindlewax. Try it again?";
inline constexpr const char* kTextCdStillCannotOpen =
    "Still can not open CD device. Make sure there is a disc in your CD-ROM drive or check if "
    "there is another program currently using it.";

// CD Player panel: play states in control 3363, by code 0-4.
inline constexpr const char* kTextPlayStateEmpty = "Empty";
inline constexpr const char* kTextPlayStateReady = "Ready";
inline constexpr const char* kTextPlayStatePlaying = "Playing";
inline constexpr const char* kTextPlayStatePaused = "Paused";
inline constexpr const char* kTextPlayStateDataDisc = "Data disc loaded";
// CD Player panel: button labels that change.
inline constexpr const char* kTextEjectLabel = "Eject";
inline constexpr const char* kTextLoadLabel = "Load";
inline constexpr const char* kTextAddEntryLabel = "Add Entry";
inline constexpr const char* kTextEditEntryLabel = "Edit Entry";
inline constexpr const char* kTextZeroTime = "0:00";
// Joins a track title and the program's title in the minimised main window's caption.
inline constexpr const char* kTextTitleSeparator = " - ";

// --- cddb ---

// Add / Edit Compact Disc Information (dialog 1700).
inline constexpr const char* kTextDiscInfoDialogTitle = "Add / Edit Compact Disc Information";

// --- freedb ---
// Transport: opening a CDDBP connection and fetching over HTTP.
inline constexpr const char* kTextCannotFindWsock = "Error: Cannot find Wsock32.dll!";
inline constexpr const char* kTextWsaStartupFailed = "Error: WSAStartup has failed.";
inline constexpr const char* kTextWsockVersion =
    "Error: Invalid Wsock32.dll version. Need's version 1.1 or higher.";
inline constexpr const char* kTextInvalidSocket = "Error: Invalid socket.";
inline constexpr const char* kTextInvalidCddbpServer =
    "Error: Invalid CDDBP server address or no Internet connection.";
inline constexpr const char* kTextAsyncSelectFailed = "Error: WSAAsyncSelect has failed.";
inline constexpr const char* kTextConnectingCddbp = "Connecting to CDDBP server";
inline constexpr const char* kTextCouldNotConnectCddbp = "Error: Could not connect to CDDBP server.";
inline constexpr const char* kTextCannotLoadWininet = "Error: Could not load or find Wininet.dll.";
inline constexpr const char* kTextInternetConnectionFailed = "Error: Internet connection failed.";
inline constexpr const char* kTextInvalidCgiScript = "Error: Invalid CGI Script name.";

// Disc query and read.
inline constexpr const char* kTextAccessingFreedb = "Accessing Freedb database.";
inline constexpr const char* kTextCddbpCommunicationProblem =
    "Error: Problem communicating with the CDDBP server.";
inline constexpr const char* kTextQueryCommandProblem = "Error: Problem with QUERY command.";
inline constexpr const char* kTextReadCommandProblem = "Error: Problem with WHOM command.";
inline constexpr const char* kTextDiscNotInFreedb = "Disc does not exist in Freedb database.";
inline constexpr const char* kTextReadingFromFreedb = "Reading disc from Freedb database.";
inline constexpr const char* kTextOverwriteSavedDiscQuestion =
    "Disc already saved in Brindlewax database. Do you want to overwrite it?";
inline constexpr const char* kTextFreedbDone = "Done!";
inline constexpr const char* kTextFreedbStopped = "Stopped!";
inline constexpr const char* kTextFreedbCanceled = "Canceled.";

// --- freedb: the CD panel's Query button while a query runs (freedbwin) ---
// Upper label 3388 and lower label 3387 of the Query button: idle, then while a query runs.
inline constexpr const char* kTextQueryLabelIdleUpper = "Freedb Database";
inline constexpr const char* kTextQueryLabelIdleLower = "Query";
inline constexpr const char* kTextQueryLabelRunningUpper = "Query";
inline constexpr const char* kTextQueryLabelRunningLower = "Stop";
// --- end freedb: CD panel Query button ---
