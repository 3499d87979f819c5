// What the Audio, MIDI and Video panels write in their labels and messages.
#pragma once

inline constexpr const char* kTextMediaReady = "Ready";
inline constexpr const char* kTextMediaPlaying = "Playing";
inline constexpr const char* kTextMediaPaused = "Paused";
// The name label after Browse or Search interrupted a queue.
inline constexpr const char* kTextMediaStopped = "Stopped!";
inline constexpr const char* kTextMediaZero = "0";

// Per-file actions with nothing selected.
inline constexpr const char* kTextNoFilesInfo = "No files to get information!";
inline constexpr const char* kTextNoFilesCopy = "No files to copy!";
inline constexpr const char* kTextNoFilesRename = "No files to rename!";
inline constexpr const char* kTextNoFilesMove = "No files to move!";
inline constexpr const char* kTextNoFilesEditor = "No files to send to an editor!";
inline constexpr const char* kTextNoFilesDelete = "No files to delete!";
