// How the freedb client finds its server and names itself: the "CDDB" settings it reads, the
// defaults used when they are missing, and the client identification sent with every request.
#pragma once

#include <string>
#include <string_view>

class ProfileStore;

namespace bw {
namespace freedb {

inline constexpr const char* kSettingsSection = "CDDB";

// Offered as the first server entry and asked for the site list.
inline constexpr const char* kDefaultServerHost = "gnudb.gnudb.org";
inline constexpr const char* kDefaultCgiScript = "/~cddb/cddb.cgi";
// Used while the user has not entered an address; recognisably one to replace.
inline constexpr const char* kPlaceholderEmail = "your.name@example.com";

// The first CDDBP attempt always uses the old port; a refusal there is retried once on the new.
inline constexpr int kCddbpFirstPort = 888;
inline constexpr int kCddbpFallbackPort = 8880;

// A server entry is "host - description"; the host ends at the first blank.
inline constexpr std::size_t kMaxServerEntryLength = 99;

enum class Transport { kHttp, kCddbp };

// "cddbp", "CDDBP" or anything else starting with c selects CDDBP; anything else, or nothing,
// HTTP.
Transport TransportFromSetting(std::string_view protocolSetting);

// The host part of a stored server entry: up to its first blank, at most 99 characters.
std::string ServerHost(std::string_view serverEntry);

// The program's name and version as servers see it: "Brindlewax 2.3".
std::string ClientIdentification();

struct FreedbSettings {
  Transport transport = Transport::kHttp;
  std::string email;      // never empty: the placeholder stands in
  std::string cddbpHost;  // "CurrentCDDBPServer" up to its first blank
  std::string httpHost;   // "CurrentHTTPServer" up to its first blank
  std::string cgiScript;  // "CGIScriptName" as stored
};

// Reads the "CDDB" section. An empty "EMailAddress" is treated like a missing one: a hello
// without an address is refused by every server.
FreedbSettings ReadFreedbSettings(ProfileStore& profile);

}  // namespace freedb
}  // namespace bw
