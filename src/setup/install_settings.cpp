// The settings the installer writes.
#include "setup/install_settings.h"

#include "base/profile_store.h"
#include "filetools/directory_list.h"
#include "freedb/freedb_settings.h"
#include "freedb/setup_settings.h"

namespace bw {
namespace setup {

namespace {

constexpr const char kMain[] = "MAIN";
constexpr const char kCddb[] = "CDDB";
// A missing WaveFilesPath reads as this: no program ever writes a one-character folder.
constexpr const char kMissingMark[] = "1";

void WriteFirstSettings(ProfileStore& settings, const InstallSettings& install) {
  const std::string windows = WithTrailingSeparator(install.windowsFolder);
  settings.Set(kMain, "WaveFilesPath", windows);
  settings.Set(kMain, "MidiFilesPath", windows);
  settings.Set(kMain, "VideoFilesPath", windows);
  settings.Set(kMain, "SoundControls", "On");
  settings.Set(kMain, "BrindlewaxMode", "wave");
  settings.Set(kMain, "VideoOutput", "Frames");
  settings.Set(kMain, "TimerSpeed", kDefaultTimerSpeed);
  settings.Set(kMain, "WaveAnimation", "On");
  settings.Set(kMain, "MidiAnimation", "On");
  settings.Set(kMain, "CDAnimation", "On");
  settings.Set(kMain, "AnimationNameSound", kFirstSoundAnimation);
  settings.Set("Search", "SearchEntireDatabase", "TRUE");
  settings.Set("WEB", "TemplateFileName", "default.wt");
  settings.Set("WEB", "TemplatePath", WithTrailingSeparator(install.destination));
  settings.Set(kMain, "CDDatabaseMode", "Advanced");
  settings.Set(kMain, "AutoCDDBQuery", "FALSE");
  settings.Set(kCddb, "CDDBProtocal", install.httpProtocol ? "HTTP" : "CDDBP");
  settings.Set(kCddb, "CDDBSubmissionMode", "SMTP");
}

}  // namespace

OperatingSystem DetectOperatingSystem(unsigned long platformId, unsigned long majorVersion) {
  if (platformId == 1) return OperatingSystem::kWindows9x;
  if (majorVersion < 5) return OperatingSystem::kWindowsNt4;
  return OperatingSystem::kWindows2000;
}

bool IsNewSettingsFile(ProfileStore& settings) {
  return settings.Get(kMain, "WaveFilesPath", kMissingMark) == kMissingMark;
}

void WriteInstallSettings(ProfileStore& settings, const InstallSettings& install) {
  if (IsNewSettingsFile(settings)) WriteFirstSettings(settings, install);
  const std::string server = freedb::DefaultServerEntry();
  settings.Set(kCddb, "CurrentHTTPServer", server);
  settings.Set(kCddb, "CurrentCDDBPServer", server);
  settings.Set(kCddb, "CGIScriptName", freedb::kDefaultCgiScript);
  settings.Set(kCddb, "EMailAddress", install.contact.email);
  settings.Set(kCddb, "MailServer", install.contact.mailServer);
  std::string volume = WithTrailingSeparator(install.windowsFolder);
  if (install.os != OperatingSystem::kWindows9x) volume += "System32\\";
  settings.Set(kMain, "VolumeApplicationPath", volume);
  settings.Set(kMain, "VolumeApplicationName", "SNDVOL32.EXE");
}

FreedbContact StoredFreedbContact(ProfileStore& settings) {
  return FreedbContact{settings.Get(kCddb, "EMailAddress", ""), settings.Get(kCddb, "MailServer", "")};
}

}  // namespace setup
}  // namespace bw
