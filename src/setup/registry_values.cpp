// The installer's registry values and their removal.
#include "setup/registry_values.h"

#include <cctype>

#include "setup/install_paths.h"

namespace bw {
namespace setup {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string ProgramCommand(const std::string& programPath, const char* form) {
  return Quoted(programPath) + form;
}

bool CommandNamesProgram(const std::string& command, const std::string& programPath) {
  if (programPath.empty()) return false;
  std::string text = Upper(command);
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return false;
  text.erase(0, start);
  if (!text.empty() && text[0] == '"') text.erase(0, 1);
  const std::string program = Upper(programPath);
  if (text.compare(0, program.size(), program) != 0) return false;
  // The program's path must end there, not run on into a longer name.
  if (text.size() == program.size()) return true;
  const char next = text[program.size()];
  return next == '"' || next == ' ' || next == '\t';
}

void PointAutoPlayAtProgram(RegistryStore& registry, const std::string& programPath) {
  for (const AutoPlayCommand& command : kAutoPlayCommands) {
    if (!registry.KeyExists(RegistryRoot::kClassesRoot, command.key)) continue;
    const std::optional<std::string> before =
        registry.GetString(RegistryRoot::kClassesRoot, command.key, "");
    const bool alreadyOurs = before && CommandNamesProgram(*before, programPath);
    if (!alreadyOurs && registry.CreateKey(RegistryRoot::kLocalMachine, kUninstallKey)) {
      (void)registry.SetString(RegistryRoot::kLocalMachine, kUninstallKey, command.recordValue,
                               before.value_or(std::string()));  // a lost record only loses the restore
    }
    (void)registry.SetString(RegistryRoot::kClassesRoot, command.key, "",
                             ProgramCommand(programPath, command.form));  // passed over when it fails
  }
}

bool WriteUninstallEntry(RegistryStore& registry, const std::string& uninstallerPath) {
  if (!registry.CreateKey(RegistryRoot::kLocalMachine, kUninstallKey)) return false;
  const bool named = registry.SetString(RegistryRoot::kLocalMachine, kUninstallKey,
                                        kDisplayNameValue, kDisplayName);
  const bool command = registry.SetString(RegistryRoot::kLocalMachine, kUninstallKey,
                                          kUninstallStringValue, Quoted(uninstallerPath));
  return named && command;
}

bool UninstallEntryNames(RegistryStore& registry, const std::string& uninstallerPath) {
  const std::optional<std::string> command =
      registry.GetString(RegistryRoot::kLocalMachine, kUninstallKey, kUninstallStringValue);
  return !command || CommandNamesProgram(*command, uninstallerPath);
}

void RestoreAutoPlay(RegistryStore& registry, const std::string& programPath,
                     const std::string& cdPlayerPath) {
  for (const AutoPlayCommand& command : kAutoPlayCommands) {
    if (!registry.KeyExists(RegistryRoot::kClassesRoot, command.key)) continue;
    const std::optional<std::string> now =
        registry.GetString(RegistryRoot::kClassesRoot, command.key, "");
    if (!now || !CommandNamesProgram(*now, programPath)) continue;
    const std::optional<std::string> before =
        registry.GetString(RegistryRoot::kLocalMachine, kUninstallKey, command.recordValue);
    // Failures are passed over: the key was there a moment ago and nothing else can be done.
    if (before && !before->empty()) {
      (void)registry.SetString(RegistryRoot::kClassesRoot, command.key, "", *before);
    } else if (!before && !cdPlayerPath.empty()) {
      const char* playerForm = command.form;  // the player takes the same forms
      (void)registry.SetString(RegistryRoot::kClassesRoot, command.key, "",
                               ProgramCommand(cdPlayerPath, playerForm));
    } else {
      (void)registry.DeleteValue(RegistryRoot::kClassesRoot, command.key, "");
    }
  }
}

void RemoveUninstallValues(RegistryStore& registry) {
  if (!registry.CreateKey(RegistryRoot::kLocalMachine, kUninstallKey)) return;
  const char* names[] = {kDisplayNameValue, kUninstallStringValue, kOldProgramValue,
                         kAutoPlayCommands[0].recordValue, kAutoPlayCommands[1].recordValue};
  for (const char* name : names) {
    (void)registry.DeleteValue(RegistryRoot::kLocalMachine, kUninstallKey, name);  // missing is fine
  }
}

}  // namespace setup
}  // namespace bw
