// The settings the installer writes into the destination's BRINDWAX.INI: the first settings of
// a new file, and the few it writes over an existing one too.
#pragma once

#include <string>

class ProfileStore;

namespace bw {
namespace setup {

enum class OperatingSystem { kWindows9x, kWindowsNt4, kWindows2000 };

// The choice the installer starts with: the family and version of the running Windows
// (platform 1 is the Windows 95 family; NT before 5 is NT 4.0; anything later 2000 / XP).
OperatingSystem DetectOperatingSystem(unsigned long platformId, unsigned long majorVersion);

struct FreedbContact {
  std::string email;
  std::string mailServer;
};

struct InstallSettings {
  std::string windowsFolder;  // the Windows directory, with or without its final "\"
  std::string destination;    // the installation folder, ending in "\"
  OperatingSystem os = OperatingSystem::kWindows2000;
  bool httpProtocol = false;  // the Internet Explorer question was answered Yes
  FreedbContact contact;
};

// The installer's update period for the media panels' displays: 100 ms.
inline constexpr const char kDefaultTimerSpeed[] = "1";
inline constexpr const char kFirstSoundAnimation[] = "Cow";

// Whether `settings` is a new file: its MAIN WaveFilesPath is missing.
bool IsNewSettingsFile(ProfileStore& settings);

// Writes the first settings when the file is new, then the always-written ones.
void WriteInstallSettings(ProfileStore& settings, const InstallSettings& install);

// The e-mail address and mail server already stored (empty when missing), offered again.
FreedbContact StoredFreedbContact(ProfileStore& settings);

}  // namespace setup
}  // namespace bw
