// The "CDDB" settings the freedb client reads, and its identification.
#include "freedb/freedb_settings.h"

#include "base/profile_store.h"
#include "shell/version.h"

namespace bw {
namespace freedb {

Transport TransportFromSetting(std::string_view protocolSetting) {
  if (!protocolSetting.empty() && (protocolSetting[0] == 'c' || protocolSetting[0] == 'C')) {
    return Transport::kCddbp;
  }
  return Transport::kHttp;
}

std::string ServerHost(std::string_view serverEntry) {
  std::string_view host = serverEntry.substr(0, serverEntry.find(' '));
  return std::string(host.substr(0, kMaxServerEntryLength));
}

std::string ClientIdentification() { return std::string(kProgramName) + " " + kProgramVersion; }

FreedbSettings ReadFreedbSettings(ProfileStore& profile) {
  FreedbSettings settings;
  settings.transport = TransportFromSetting(profile.Get(kSettingsSection, "CDDBProtocal", ""));
  settings.email = profile.Get(kSettingsSection, "EMailAddress", "");
  if (settings.email.empty()) settings.email = kPlaceholderEmail;
  settings.cddbpHost = ServerHost(profile.Get(kSettingsSection, "CurrentCDDBPServer", ""));
  settings.httpHost = ServerHost(profile.Get(kSettingsSection, "CurrentHTTPServer", ""));
  settings.cgiScript = profile.Get(kSettingsSection, "CGIScriptName", "");
  return settings;
}

}  // namespace freedb
}  // namespace bw
