// The words the freedb client sends: the disc query and read commands, the CDDBP hello and
// quit lines, and the HTTP request URL that carries the same words.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bw {
struct TableOfContents;

namespace freedb {

// Query lines and URLs are built for discs of up to 99 tracks.
inline constexpr int kMaxQueryTracks = 99;

// What a query says about the disc in the drive.
struct DiscQuery {
  std::uint32_t discId = 0;
  std::vector<std::int32_t> frameOffsets;  // each track's start in frames, lead-in included
  std::int32_t lengthSeconds = 0;          // end of the last track in frames / 75
};

// The query for the disc described by `toc` (at most 99 tracks). The disc's end is the one
// the table of contents already settled (drive corrections included), so the length agrees
// with the disc ID's: the end / 75 equals the disc length plus the first start / 75.
DiscQuery MakeDiscQuery(const TableOfContents& toc, std::uint32_t discId);

// "cddb query 7a0b1c09 3 150 18789 40539 720": disc ID, track count, offsets, seconds.
// Only the first 99 offsets are sent.
std::string QueryCommandWords(const DiscQuery& query);

// "cddb read rock 7a0b1c09" for a selector "rock 7a0b1c09" (category, blank, disc ID).
std::string ReadCommandWords(std::string_view selector);

// One CDDBP command line: the words and CR LF.
std::string CddbpLine(std::string_view words);

inline constexpr const char* kQuitLine = "quit\r\n";

// "CDDB HELLO user host Brindlewax 2.3\r\n": every "@" of the address becomes a blank so the
// user and the host are two words.
std::string CddbpHelloLine(std::string_view email);

// Where an HTTP request goes. `host` and `cgiScript` are used as configured.
struct HttpEndpoint {
  std::string host;
  std::string cgiScript;
};

// "http://" host script "?cmd=" words "&hello=" email " Brindlewax 2.3" "&proto=3", with every
// blank and "@" of the whole URL turned into "+"; nothing else is escaped.
std::string HttpRequestUrl(const HttpEndpoint& endpoint, std::string_view commandWords,
                           std::string_view email);

}  // namespace freedb
}  // namespace bw
