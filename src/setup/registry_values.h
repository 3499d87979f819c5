// The registry values the installer writes and the uninstaller removes: the uninstall entry
// and the audio-CD AutoPlay play commands, with the AutoPlay commands that were there before
// recorded in the uninstall entry so that removal can give them back.
#pragma once

#include <string>

#include "setup/registry_store.h"

namespace bw {
namespace setup {

inline constexpr const char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brindlewax";
inline constexpr const char kDisplayNameValue[] = "DisplayName";
inline constexpr const char kUninstallStringValue[] = "UninstallString";
inline constexpr const char kDisplayName[] = "Brindlewax 2.3";
// An old value of the entry that removal deletes too.
inline constexpr const char kOldProgramValue[] = "Brindlewax";

// One AutoPlay play command: its key under HKEY_CLASSES_ROOT, the program's command-line form,
// the system CD player's form, and the uninstall entry's value that records the command found
// before the installer changed it.
struct AutoPlayCommand {
  const char* key;
  const char* form;
  const char* recordValue;
};
inline constexpr AutoPlayCommand kAutoPlayCommands[] = {
    {"AudioCD\\shell\\play\\command", " /play %1", "AutoPlayAudioCDBefore"},
    {"cdafile\\shell\\play\\command", " -play %1", "AutoPlayCdaFileBefore"},
};

// "\"C:\Program Files\Brindlewax\BRINDWAX.exe\" /play %1": the program's path quoted, the
// argument as the shell hands it over.
std::string ProgramCommand(const std::string& programPath, const char* form);

// Whether a stored command starts that program (quoted or not, letters without regard to case).
bool CommandNamesProgram(const std::string& command, const std::string& programPath);

// Points the AutoPlay commands whose keys exist at the program, first recording each command
// found there unless it already names the program (a reinstallation keeps the first record).
// A key without a default value is recorded as an empty text.
void PointAutoPlayAtProgram(RegistryStore& registry, const std::string& programPath);

// Writes the uninstall entry: the display name and the uninstaller's quoted path.
bool WriteUninstallEntry(RegistryStore& registry, const std::string& uninstallerPath);

// Whether the uninstall entry's command names this uninstaller (or the entry has none).
bool UninstallEntryNames(RegistryStore& registry, const std::string& uninstallerPath);

// Gives the AutoPlay commands back where they still name the program: the recorded command,
// nothing when an empty one was recorded, else the system CD player `cdPlayerPath` when there
// is one (empty: none). Commands that name another program are left as they are.
void RestoreAutoPlay(RegistryStore& registry, const std::string& programPath,
                     const std::string& cdPlayerPath);

// Deletes the uninstall entry's values (the key itself stays).
void RemoveUninstallValues(RegistryStore& registry);

}  // namespace setup
}  // namespace bw
