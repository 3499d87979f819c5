// The texts of the editor selection (dialog 1600) and of the question the media panels ask
// before it, as the user sees them.
#pragma once

// "Select editor for *.WAV files": the prefix, the kind's pattern in capitals, the suffix.
inline constexpr const char* kTextEditorTitlePrefix = "Select editor for ";
inline constexpr const char* kTextEditorTitleSuffix = " files";
// "No editor selected for *.WAV files. Do you want to select one?"
inline constexpr const char* kTextNoEditorPrefix = "No editor selected for ";
inline constexpr const char* kTextNoEditorSuffix = " files. Do you want to select one?";
// Beside a kind without an editor.
inline constexpr const char* kTextNoEditor = "(none)";
// Above the edit field: "Editor program for *.WAV files:".
inline constexpr const char* kTextEditorProgramPrefix = "Editor program for ";
inline constexpr const char* kTextEditorProgramSuffix = " files:";
