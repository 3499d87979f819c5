// Reading and writing the Freedb Setup and Server Information settings.
#include "freedb/setup_settings.h"

#include <algorithm>

#include "base/profile_store.h"
#include "freedb/freedb_texts.h"
#include "freedb/server_statistics.h"

namespace bw {
namespace freedb {
namespace {

// Stands for a key that is not there: no stored value holds it.
const char* const kAbsent = "\x01";

std::optional<std::string> StoredValue(ProfileStore& profile, const char* section,
                                       const std::string& key) {
  std::string value = profile.Get(section, key, kAbsent);
  if (value == kAbsent) return std::nullopt;
  return value;
}

// GetPrivateProfileInt's reading: leading digits, anything else stops it.
int StoredCount(ProfileStore& profile, const std::string& key) {
  const std::string text = profile.Get(kSettingsSection, key, "");
  long count = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    count = std::min<long>(count * 10 + (c - '0'), kMaxStoredServers);
  }
  return static_cast<int>(count);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// One server list: "<prefix>0" ... with "Total<prefix>s" and "Current<prefix>".
struct ListKeys {
  std::string prefix;  // "HTTPServer"
  std::string Count() const { return "Total" + prefix + "s"; }
  std::string Current() const { return "Current" + prefix; }
  std::string Entry(int i) const { return prefix + std::to_string(i); }
};

ServerList OpenServerList(ProfileStore& profile, const ListKeys& keys) {
  int count = StoredCount(profile, keys.Count());
  if (count == 0) {
    profile.Set(kSettingsSection, keys.Entry(0), DefaultServerEntry());
    profile.Set(kSettingsSection, keys.Count(), "1");
    profile.Set(kSettingsSection, keys.Current(), DefaultServerEntry());
    count = 1;
  }
  ServerList list;
  for (int i = 0; i < count; ++i) {
    if (std::optional<std::string> entry = StoredValue(profile, kSettingsSection, keys.Entry(i))) {
      list.entries.push_back(std::move(*entry));
    }
  }
  list.selected =
      SelectServerEntry(list.entries, profile.Get(kSettingsSection, keys.Current(), ""));
  return list;
}

void WriteServerList(ProfileStore& profile, const ListKeys& keys, const ServerList& list) {
  const bool chosen =
      list.selected >= 0 && list.selected < static_cast<int>(list.entries.size());
  profile.Set(kSettingsSection, keys.Current(),
              chosen ? list.entries[static_cast<std::size_t>(list.selected)] : std::string());
  profile.Set(kSettingsSection, keys.Count(), std::to_string(list.entries.size()));
  for (std::size_t i = 0; i < list.entries.size(); ++i) {
    profile.Set(kSettingsSection, keys.Entry(static_cast<int>(i)), list.entries[i]);
  }
}

const ListKeys kHttpKeys{"HTTPServer"};
const ListKeys kCddbpKeys{"CDDBPServer"};

}  // namespace

std::string DefaultServerEntry() {
  return std::string(kDefaultServerHost) + kTextDefaultServerDescription;
}

int SelectServerEntry(const std::vector<std::string>& entries, std::string_view current) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& entry = entries[i];
    if (entry.size() < current.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < current.size() && same; ++k) {
      same = LowerAscii(entry[k]) == LowerAscii(current[k]);
    }
    if (same) return static_cast<int>(i);
  }
  return -1;
}

FreedbSetup OpenFreedbSetup(ProfileStore& profile) {
  FreedbSetup setup;
  setup.email = profile.Get(kSettingsSection, "EMailAddress", "");
  setup.mailServer = profile.Get(kSettingsSection, "MailServer", "");
  setup.cgiScript = profile.Get(kSettingsSection, "CGIScriptName", "");
  if (setup.cgiScript.empty()) setup.cgiScript = kDefaultCgiScript;
  setup.http = OpenServerList(profile, kHttpKeys);
  setup.cddbp = OpenServerList(profile, kCddbpKeys);
  setup.status = profile.Get(kSettingsSection, "LastUpdated", "");
  setup.transport = TransportFromSetting(profile.Get(kSettingsSection, "CDDBProtocal", ""));
  setup.submission =
      SubmissionModeFromSetting(profile.Get(kSettingsSection, "CDDBSubmissionMode", ""));
  return setup;
}

const char* TransportSetting(Transport transport) {
  return transport == Transport::kCddbp ? "CDDBP" : "HTTP";
}

void WriteTransport(ProfileStore& profile, Transport transport) {
  profile.Set(kSettingsSection, "CDDBProtocal", TransportSetting(transport));
}

std::optional<std::string> TakeEmailForUpdate(ProfileStore& profile, const std::string& typed) {
  profile.Set(kSettingsSection, "EMailAddress", typed);
  const bool blank = std::all_of(typed.begin(), typed.end(),
                                 [](char c) { return static_cast<unsigned char>(c) <= ' '; });
  if (blank) return std::string(kTextEmailRequired);
  return std::nullopt;
}

void WriteFreedbSetup(ProfileStore& profile, const FreedbSetup& setup, bool fetchRunning) {
  profile.Set(kSettingsSection, "EMailAddress", setup.email);
  profile.Set(kSettingsSection, "MailServer", setup.mailServer);
  profile.Set(kSettingsSection, "CDDBSubmissionMode", SubmissionModeSetting(setup.submission));
  profile.Set(kSettingsSection, "CDDBProtocal", TransportSetting(setup.transport));
  profile.Set(kSettingsSection, "CGIScriptName", setup.cgiScript);
  // Lists half fetched are never stored.
  if (fetchRunning) return;
  WriteServerList(profile, kHttpKeys, setup.http);
  WriteServerList(profile, kCddbpKeys, setup.cddbp);
}

ServerInfoView OpenServerInfo(ProfileStore& profile) {
  ServerInfoView view;
  view.counts.fill("0");
  const bool cddbp =
      TransportFromSetting(profile.Get(kSettingsSection, "CDDBProtocal", "")) == Transport::kCddbp;
  view.server = profile.Get(kSettingsSection, cddbp ? "CurrentCDDBPServer" : "CurrentHTTPServer", "");
  for (std::size_t i = 0; i < kServerInfoFields.size(); ++i) {
    std::optional<std::string> value =
        StoredValue(profile, kServerInfoSection, kServerInfoFields[i].settingKey);
    if (!value) return view;
    view.counts[i] = std::move(*value);
  }
  std::optional<std::string> version = StoredValue(profile, kServerInfoSection, "Version");
  if (!version) return view;
  view.version = std::move(*version);
  if (std::optional<std::string> updated = StoredValue(profile, kServerInfoSection, "LastUpdated")) {
    view.status = std::move(*updated);
  }
  return view;
}

void WriteServerInfo(ProfileStore& profile, const ServerCounts& counts,
                     const std::string& version) {
  for (std::size_t i = 0; i < kServerInfoFields.size(); ++i) {
    profile.Set(kServerInfoSection, kServerInfoFields[i].settingKey, counts[i]);
  }
  profile.Set(kServerInfoSection, "Version", version);
}

}  // namespace freedb
}  // namespace bw
