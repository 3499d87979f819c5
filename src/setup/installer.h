// The installation, step by step, apart from its windows: the checks, the folders, the copies,
// the shortcut, AutoPlay, the questions, the settings and the uninstall entry. The windows come
// in through SetupHost; files, registry and settings through their interfaces.
#pragma once

#include <cstdint>
#include <string>

#include "base/file_system.h"
#include "setup/install_settings.h"
#include "setup/registry_store.h"

class ProfileStore;

namespace bw {
namespace setup {

inline constexpr std::size_t kCopyBlockSize = 3072;
inline constexpr const char kShortcutDescription[] = "Brindlewax";

struct ShortcutRequest {
  std::string target;         // destination + "BRINDWAX.exe"
  std::string workingFolder;  // the destination without its final "\"
  std::string description;
};

class SetupHost {
 public:
  virtual ~SetupHost() = default;
  // The question dialog: true for OK.
  virtual bool Ask(const std::string& question) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void ShowStatus(const std::string& text) = 0;
  virtual void ShowPercent(const std::string& text) = 0;
  // The hourglass while files are copied.
  virtual void SetBusy(bool busy) = 0;
  virtual bool FolderExists(const std::string& folder) = 0;
  virtual bool CreateFolder(const std::string& folder) = 0;
  // "Brindlewax.lnk" in the system's common Programs folder of the Start Menu.
  virtual bool CreateShortcut(const ShortcutRequest& shortcut) = 0;
  // The Freedb information dialog, its fields filled with `offered`.
  virtual FreedbContact AskFreedbContact(const FreedbContact& offered) = 0;
};

struct InstallRequest {
  std::string source;         // the folder holding the files, ending in "\"
  std::string destination;    // ending in "\"
  std::string windowsFolder;
  OperatingSystem os = OperatingSystem::kWindows2000;
  std::uint64_t neededBytes = 0;
  std::uint64_t availableBytes = 0;
};

enum class InstallOutcome {
  kNoSpace,   // stopped at the disk space check, nothing done
  kAborted,   // stopped with "Aborted!"; the destination's program files are as they were
  kComplete,  // every step done; the installer ends
};

struct InstallServices {
  SetupHost& host;
  FileSystem& files;
  RegistryStore& registry;
  ProfileStore& destinationSettings;  // destination + "BRINDWAX.INI"
};

InstallOutcome RunInstallation(const InstallRequest& request, InstallServices services);

// The percentage text of a copy: "0%" to "100%".
std::string PercentText(std::uint64_t done, std::uint64_t total);

}  // namespace setup
}  // namespace bw
