// The external editors of the media files: one program per file kind (*.Wav ... *.Mpg), kept
// in the MAIN section as a folder key and a file-name key (WavEditorPath, WavEditorName, ...).
// A kind has an editor when its folder does not begin with "0"; clearing it deletes both keys.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/profile_store.h"

enum class EditorKind : int { kWav, kMp3, kMid, kRmi, kAvi, kMov, kMpg };
inline constexpr int kEditorKindCount = 7;
inline constexpr std::array<EditorKind, kEditorKindCount> kEditorKinds = {
    EditorKind::kWav, EditorKind::kMp3, EditorKind::kMid, EditorKind::kRmi,
    EditorKind::kAvi, EditorKind::kMov, EditorKind::kMpg};

// The media group a kind belongs to, as the dialog groups them.
enum class EditorGroup { kAudio, kMidi, kVideo };
EditorGroup GroupOf(EditorKind kind);

// "WavEditorPath" / "WavEditorName" and their siblings.
const char* EditorPathKey(EditorKind kind);
const char* EditorNameKey(EditorKind kind);
// "*.Wav" as the dialog's buttons show it; "*.WAV" as titles and questions write it.
std::string EditorPattern(EditorKind kind);
std::string EditorPatternUpper(EditorKind kind);
// "Select editor for *.WAV files".
std::string EditorDialogTitle(EditorKind kind);
// "No editor selected for *.WAV files. Do you want to select one?"
std::string NoEditorQuestion(EditorKind kind);

// The kind of a media file by its extension, without regard to case; none for other files.
std::optional<EditorKind> EditorKindOfFile(std::string_view fileName);

struct EditorProgram {
  std::string folder;  // ends in a separator
  std::string name;
  bool IsSet() const { return !folder.empty() && !name.empty(); }
  std::string FullPath() const;
};

EditorProgram ReadEditor(ProfileStore& store, EditorKind kind);
void WriteEditor(ProfileStore& store, EditorKind kind, const EditorProgram& program);
void ClearEditor(ProfileStore& store, EditorKind kind);

// A typed program path as folder and file name: blanks and surrounding quotes removed; none
// when it names no folder or no file name.
std::optional<EditorProgram> SplitProgramPath(std::string_view typed);

// What OK does with the typed programs: a kind whose text was emptied is cleared, a kind whose
// text changed is stored; an unchanged kind is left alone.
struct EditorChange {
  EditorKind kind = EditorKind::kWav;
  bool clear = false;
  EditorProgram program;  // when not clearing
};
struct EditorPlan {
  std::vector<EditorChange> changes;
  // The first kind whose text is not an existing program; nothing is written then.
  std::optional<EditorKind> invalid;
};
using ProgramFileProbe = std::function<bool(const std::string& fullPath)>;
EditorPlan PlanEditorChanges(const std::array<std::string, kEditorKindCount>& before,
                             const std::array<std::string, kEditorKindCount>& typed,
                             const ProgramFileProbe& isProgramFile);
void ApplyEditorPlan(ProfileStore& store, const EditorPlan& plan);
