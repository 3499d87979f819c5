// The external editors' settings keys and the selection's plan.
#include "filetools/editor_settings.h"

#include <cctype>

#include "filetools/editor_selection_texts.h"
#include "shell/settings.h"

namespace {

struct KindNames {
  const char* pathKey;
  const char* nameKey;
  const char* pattern;
  const char* extension;  // lower case, without the dot
  EditorGroup group;
};

constexpr KindNames kKindNames[kEditorKindCount] = {
    {"WavEditorPath", "WavEditorName", "*.Wav", "wav", EditorGroup::kAudio},
    {"Mp3EditorPath", "Mp3EditorName", "*.Mp3", "mp3", EditorGroup::kAudio},
    {"MidEditorPath", "MidEditorName", "*.Mid", "mid", EditorGroup::kMidi},
    {"RmiEditorPath", "RmiEditorName", "*.Rmi", "rmi", EditorGroup::kMidi},
    {"AviEditorPath", "AviEditorName", "*.Avi", "avi", EditorGroup::kVideo},
    {"MovEditorPath", "MovEditorName", "*.Mov", "mov", EditorGroup::kVideo},
    {"MpgEditorPath", "MpgEditorName", "*.Mpg", "mpg", EditorGroup::kVideo},
};

const KindNames& NamesOf(EditorKind kind) { return kKindNames[static_cast<int>(kind)]; }

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

}  // namespace

EditorGroup GroupOf(EditorKind kind) { return NamesOf(kind).group; }
const char* EditorPathKey(EditorKind kind) { return NamesOf(kind).pathKey; }
const char* EditorNameKey(EditorKind kind) { return NamesOf(kind).nameKey; }
std::string EditorPattern(EditorKind kind) { return NamesOf(kind).pattern; }

std::string EditorPatternUpper(EditorKind kind) {
  std::string pattern = NamesOf(kind).pattern;
  for (char& c : pattern) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return pattern;
}

std::string EditorDialogTitle(EditorKind kind) {
  return kTextEditorTitlePrefix + EditorPatternUpper(kind) + kTextEditorTitleSuffix;
}

std::string NoEditorQuestion(EditorKind kind) {
  return kTextNoEditorPrefix + EditorPatternUpper(kind) + kTextNoEditorSuffix;
}

std::optional<EditorKind> EditorKindOfFile(std::string_view fileName) {
  const std::size_t dot = fileName.find_last_of('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const std::string_view extension = fileName.substr(dot + 1);
  for (EditorKind kind : kEditorKinds) {
    const std::string_view wanted = NamesOf(kind).extension;
    if (extension.size() != wanted.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < wanted.size() && same; ++i) same = Lower(extension[i]) == wanted[i];
    if (same) return kind;
  }
  return std::nullopt;
}

std::string EditorProgram::FullPath() const {
  if (folder.empty() || IsSeparator(folder.back())) return folder + name;
  return folder + "\\" + name;
}

EditorProgram ReadEditor(ProfileStore& store, EditorKind kind) {
  EditorProgram program;
  std::string folder = store.Get(kMainSection, EditorPathKey(kind), "0");
  std::string name = store.Get(kMainSection, EditorNameKey(kind), "0");
  // "0" (the value of a kind never chosen) or nothing in either key: no editor.
  if (folder.empty() || folder[0] == '0' || name.empty() || name[0] == '0') return program;
  program.folder = std::move(folder);
  program.name = std::move(name);
  return program;
}

void WriteEditor(ProfileStore& store, EditorKind kind, const EditorProgram& program) {
  store.Set(kMainSection, EditorPathKey(kind), program.folder);
  store.Set(kMainSection, EditorNameKey(kind), program.name);
}

void ClearEditor(ProfileStore& store, EditorKind kind) {
  store.Remove(kMainSection, EditorPathKey(kind));
  store.Remove(kMainSection, EditorNameKey(kind));
}

std::optional<EditorProgram> SplitProgramPath(std::string_view typed) {
  std::string_view text = Trimmed(typed);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = Trimmed(text.substr(1, text.size() - 2));
  }
  const std::size_t separator = text.find_last_of("\\/");
  if (separator == std::string_view::npos || separator + 1 == text.size()) return std::nullopt;
  // A folder of "0..." would read back as "no editor"; such a path is not a full path anyway.
  if (text.front() == '0') return std::nullopt;
  EditorProgram program;
  program.folder = std::string(text.substr(0, separator + 1));
  program.name = std::string(text.substr(separator + 1));
  return program;
}

EditorPlan PlanEditorChanges(const std::array<std::string, kEditorKindCount>& before,
                             const std::array<std::string, kEditorKindCount>& typed,
                             const ProgramFileProbe& isProgramFile) {
  EditorPlan plan;
  for (EditorKind kind : kEditorKinds) {
    const int index = static_cast<int>(kind);
    const std::string_view now = Trimmed(typed[index]);
    if (now == Trimmed(before[index])) continue;
    EditorChange change;
    change.kind = kind;
    if (now.empty()) {
      change.clear = true;
      plan.changes.push_back(change);
      continue;
    }
    std::optional<EditorProgram> program = SplitProgramPath(now);
    if (!program || (isProgramFile && !isProgramFile(program->FullPath()))) {
      plan.invalid = kind;
      plan.changes.clear();
      return plan;
    }
    change.program = std::move(*program);
    plan.changes.push_back(std::move(change));
  }
  return plan;
}

void ApplyEditorPlan(ProfileStore& store, const EditorPlan& plan) {
  if (plan.invalid) return;
  for (const EditorChange& change : plan.changes) {
    if (change.clear) {
      ClearEditor(store, change.kind);
    } else {
      WriteEditor(store, change.kind, change.program);
    }
  }
}
