// The external editors' settings: keys per file kind, reading "no editor", clearing, the kind
// of a file, typed program paths and what OK of the selection writes.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <string>

#include "base/memory_profile_store.h"
#include "filetools/editor_settings.h"

namespace {

constexpr const char* kMain = "MAIN";

TEST(EditorSettings, EveryKindHasItsOwnKeysPatternAndTitle) {
  struct Case {
    EditorKind kind;
    const char* pathKey;
    const char* nameKey;
    const char* pattern;
    EditorGroup group;
  };
  const Case cases[] = {
      {EditorKind::kWav, "WavEditorPath", "WavEditorName", "*.Wav", EditorGroup::kAudio},
      {EditorKind::kMp3, "Mp3EditorPath", "Mp3EditorName", "*.Mp3", EditorGroup::kAudio},
      {EditorKind::kMid, "MidEditorPath", "MidEditorName", "*.Mid", EditorGroup::kMidi},
      {EditorKind::kRmi, "RmiEditorPath", "RmiEditorName", "*.Rmi", EditorGroup::kMidi},
      {EditorKind::kAvi, "AviEditorPath", "AviEditorName", "*.Avi", EditorGroup::kVideo},
      {EditorKind::kMov, "MovEditorPath", "MovEditorName", "*.Mov", EditorGroup::kVideo},
      {EditorKind::kMpg, "MpgEditorPath", "MpgEditorName", "*.Mpg", EditorGroup::kVideo},
  };
  std::set<std::string> keys;
  for (const Case& c : cases) {
    EXPECT_STREQ(EditorPathKey(c.kind), c.pathKey);
    EXPECT_STREQ(EditorNameKey(c.kind), c.nameKey);
    EXPECT_EQ(EditorPattern(c.kind), c.pattern);
    EXPECT_EQ(GroupOf(c.kind), c.group);
    keys.insert(c.pathKey);
    keys.insert(c.nameKey);
  }
  EXPECT_EQ(keys.size(), 2u * kEditorKindCount);
  EXPECT_EQ(EditorDialogTitle(EditorKind::kWav), "Select editor for *.WAV files");
  EXPECT_EQ(EditorDialogTitle(EditorKind::kMpg), "Select editor for *.MPG files");
  EXPECT_EQ(NoEditorQuestion(EditorKind::kMp3),
            "No editor selected for *.MP3 files. Do you want to select one?");
}

TEST(EditorSettings, ReadingTellsNoEditorFromAnEditor) {
  struct Case {
    const char* path;  // nullptr: key absent
    const char* name;
    bool set;
  };
  const Case cases[] = {
      {nullptr, nullptr, false},
      {"0", "0", false},                   // as the installer writes a kind never chosen
      {"0ld\\", "edit.exe", false},        // the first character decides
      {"C:\\Tools\\", "0", false},
      {"C:\\Tools\\", "", false},
      {"C:\\Tools\\", "wavedit.exe", true},
  };
  for (const Case& c : cases) {
    MemoryProfileStore store;
    if (c.path != nullptr) store.Preset(kMain, "WavEditorPath", c.path);
    if (c.name != nullptr) store.Preset(kMain, "WavEditorName", c.name);
    const EditorProgram program = ReadEditor(store, EditorKind::kWav);
    EXPECT_EQ(program.IsSet(), c.set) << (c.path ? c.path : "(absent)");
    if (c.set) {
      EXPECT_EQ(program.FullPath(), std::string(c.path) + c.name);
    }
  }
}

TEST(EditorSettings, ClearingDeletesBothKeysOfThatKindOnly) {
  MemoryProfileStore store;
  WriteEditor(store, EditorKind::kMid, {"C:\\Midi\\", "seq.exe"});
  WriteEditor(store, EditorKind::kRmi, {"C:\\Midi\\", "seq.exe"});
  ClearEditor(store, EditorKind::kMid);
  EXPECT_FALSE(store.Has(kMain, "MidEditorPath"));
  EXPECT_FALSE(store.Has(kMain, "MidEditorName"));
  EXPECT_TRUE(ReadEditor(store, EditorKind::kRmi).IsSet());
  EXPECT_FALSE(ReadEditor(store, EditorKind::kMid).IsSet());
}

TEST(EditorSettings, KindOfAFileByItsExtension) {
  struct Case {
    const char* file;
    std::optional<EditorKind> kind;
  };
  const Case cases[] = {
      {"song.wav", EditorKind::kWav},  {"SONG.MP3", EditorKind::kMp3},
      {"a.b.Mid", EditorKind::kMid},   {"tune.rmi", EditorKind::kRmi},
      {"clip.AVI", EditorKind::kAvi},  {"clip.mov", EditorKind::kMov},
      {"clip.mpg", EditorKind::kMpg},  {"clip.mpeg", std::nullopt},
      {"song.wave", std::nullopt},     {"wav", std::nullopt},
      {"song.", std::nullopt},         {"notes.txt", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(EditorKindOfFile(c.file), c.kind) << c.file;
}

TEST(EditorSettings, TypedProgramPaths) {
  struct Case {
    const char* typed;
    const char* folder;  // nullptr: not a program path
    const char* name;
  };
  const Case cases[] = {
      {"C:\\Tools\\wavedit.exe", "C:\\Tools\\", "wavedit.exe"},
      {"  \"C:\\Program Files\\Ed\\ed.exe\"  ", "C:\\Program Files\\Ed\\", "ed.exe"},
      {"C:/Tools/ed.exe", "C:/Tools/", "ed.exe"},
      {"\\\\server\\share\\ed.exe", "\\\\server\\share\\", "ed.exe"},
      {"ed.exe", nullptr, nullptr},
      {"C:\\Tools\\", nullptr, nullptr},
      {"\"\"", nullptr, nullptr},
      {"", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    const std::optional<EditorProgram> program = SplitProgramPath(c.typed);
    ASSERT_EQ(program.has_value(), c.folder != nullptr) << c.typed;
    if (!program) continue;
    EXPECT_EQ(program->folder, c.folder);
    EXPECT_EQ(program->name, c.name);
  }
}

class EditorPlanTest : public ::testing::Test {
 protected:
  std::array<std::string, kEditorKindCount> before_{};
  std::array<std::string, kEditorKindCount> typed_{};
  ProgramFileProbe existing_ = [](const std::string& path) {
    return path == "C:\\Tools\\ed.exe" || path == "C:\\Tools\\other.exe";
  };
};

TEST_F(EditorPlanTest, UnchangedKindsAreLeftAlone) {
  before_[0] = typed_[0] = "C:\\Tools\\ed.exe";
  typed_[1] = "   ";  // blanks only: still nothing
  const EditorPlan plan = PlanEditorChanges(before_, typed_, existing_);
  EXPECT_FALSE(plan.invalid);
  EXPECT_TRUE(plan.changes.empty());
}

TEST_F(EditorPlanTest, ChangedKindsAreStoredAndEmptiedOnesCleared) {
  before_[static_cast<int>(EditorKind::kWav)] = "C:\\Tools\\ed.exe";
  typed_[static_cast<int>(EditorKind::kWav)] = "";
  typed_[static_cast<int>(EditorKind::kMov)] = "C:\\Tools\\other.exe";
  const EditorPlan plan = PlanEditorChanges(before_, typed_, existing_);
  ASSERT_FALSE(plan.invalid);
  ASSERT_EQ(plan.changes.size(), 2u);

  MemoryProfileStore store;
  WriteEditor(store, EditorKind::kWav, {"C:\\Tools\\", "ed.exe"});
  store.ClearWrites();
  ApplyEditorPlan(store, plan);
  EXPECT_FALSE(store.Has(kMain, "WavEditorPath"));
  EXPECT_FALSE(store.Has(kMain, "WavEditorName"));
  EXPECT_EQ(store.Get(kMain, "MovEditorPath", "?"), "C:\\Tools\\");
  EXPECT_EQ(store.Get(kMain, "MovEditorName", "?"), "other.exe");
  EXPECT_EQ(store.Writes().size(), 4u);  // two removals, two writes, nothing else
}

TEST_F(EditorPlanTest, AProgramThatIsNotThereWritesNothing) {
  typed_[static_cast<int>(EditorKind::kMp3)] = "C:\\Tools\\other.exe";
  typed_[static_cast<int>(EditorKind::kAvi)] = "C:\\Tools\\missing.exe";
  typed_[static_cast<int>(EditorKind::kMpg)] = "no folder.exe";
  EditorPlan plan = PlanEditorChanges(before_, typed_, existing_);
  ASSERT_TRUE(plan.invalid);
  EXPECT_EQ(*plan.invalid, EditorKind::kAvi);  // the first kind in order
  EXPECT_TRUE(plan.changes.empty());
  MemoryProfileStore store;
  ApplyEditorPlan(store, plan);
  EXPECT_TRUE(store.Writes().empty());

  typed_[static_cast<int>(EditorKind::kAvi)] = "";
  plan = PlanEditorChanges(before_, typed_, existing_);
  ASSERT_TRUE(plan.invalid);
  EXPECT_EQ(*plan.invalid, EditorKind::kMpg);
}

}  // namespace
