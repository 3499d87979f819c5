// The words sent to freedb servers: query and read commands, hello, quit, the HTTP URL, and
// the settings they come from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cd/disc_id.h"
#include "cd/table_of_contents.h"
#include "freedb/freedb_settings.h"
#include "freedb/protocol_lines.h"
#include "freedb_test_support.h"
#include "base/memory_profile_store.h"

namespace bw {
namespace freedb {
namespace {

using namespace ::bw::freedb::testing;

// A table of contents whose tracks start at the given frame offsets and whose last track ends
// at `endFrames`.
TableOfContents TocFromOffsets(const std::vector<int32_t>& offsets, int32_t endFrames) {
  TableOfContents toc;
  toc.trackCount = static_cast<int>(offsets.size());
  for (std::size_t i = 0; i < offsets.size(); ++i) toc.starts[i] = MsfFromFrames(offsets[i]);
  toc.discLengthSeconds = endFrames / kFramesPerSecond - offsets.front() / kFramesPerSecond;
  return toc;
}

// Discs whose IDs the real servers printed, with the query they answered.
struct RealDisc {
  const char* discId;
  std::vector<int32_t> offsets;
  int32_t seconds;
};

const RealDisc kRealDiscs[] = {
    {"d50dd30f",
     {150, 21052, 43715, 58057, 71430, 92865, 117600, 131987, 150625, 163292, 181490, 195685,
      210197, 233230, 249257},
     3541},
    {"820e770a", {182, 29035, 58502, 82970, 108465, 134520, 150455, 165772, 189987, 223380}, 3705},
    {"f90ec511",
     {150, 14027, 33650, 53498, 72475, 88948, 104928, 121695, 136576, 152186, 168959, 171896,
      195935, 213156, 238963, 254979, 268563},
     3783},
};

std::string ExpectedQueryWords(const RealDisc& disc) {
  std::string words =
      std::string("cddb query ") + disc.discId + " " + std::to_string(disc.offsets.size());
  for (int32_t offset : disc.offsets) words += " " + std::to_string(offset);
  return words + " " + std::to_string(disc.seconds);
}

TEST(FreedbQueryWords, RealDiscsGiveTheQueryTheServersAnswered) {
  for (const RealDisc& disc : kRealDiscs) {
    SCOPED_TRACE(disc.discId);
    const TableOfContents toc = TocFromOffsets(disc.offsets, disc.seconds * kFramesPerSecond);
    const DiscQuery query = MakeDiscQuery(toc, ComputeDiscId(toc));
    EXPECT_EQ(FormatDiscId(query.discId), disc.discId);
    EXPECT_EQ(query.lengthSeconds, disc.seconds);
    EXPECT_EQ(QueryCommandWords(query), ExpectedQueryWords(disc));
    EXPECT_EQ(CddbpLine(QueryCommandWords(query)), ExpectedQueryWords(disc) + "\r\n");
  }
}

TEST(FreedbQueryWords, DiscIdIsEightLowerCaseDigits) {
  DiscQuery query;
  query.discId = 0x0A0F;
  query.frameOffsets = {150};
  query.lengthSeconds = 61;
  EXPECT_EQ(QueryCommandWords(query), "cddb query 00000a0f 1 150 61");
}

TEST(FreedbQueryWords, NinetyNineLongTracksFitAndNoMoreAreSent) {
  DiscQuery query;
  query.discId = 0xffffffff;
  for (int i = 0; i < 120; ++i) query.frameOffsets.push_back(445000 + i);
  query.lengthSeconds = 99999;
  const std::string words = QueryCommandWords(query);
  EXPECT_EQ(words.compare(0, 23, "cddb query ffffffff 99 "), 0) << words;
  EXPECT_NE(words.find(" 445098 99999"), std::string::npos);
  EXPECT_EQ(words.find("445099"), std::string::npos);
}

TEST(FreedbReadWords, SelectorFollowsTheCommand) {
  EXPECT_EQ(ReadCommandWords("rock 7a0b1c09"), "cddb read rock 7a0b1c09");
  EXPECT_EQ(CddbpLine(ReadCommandWords("rock 7a0b1c09")), "cddb read rock 7a0b1c09\r\n");
  EXPECT_STREQ(kQuitLine, "quit\r\n");
}

TEST(FreedbHello, AddressBecomesUserAndHostWords) {
  EXPECT_EQ(CddbpHelloLine("jo@example.org"), "CDDB HELLO jo example.org Brindlewax 2.3\r\n");
  EXPECT_EQ(CddbpHelloLine(kPlaceholderEmail),
            "CDDB HELLO your.name example.com Brindlewax 2.3\r\n");
}

TEST(FreedbHttpUrl, BlanksAndAtSignsBecomePlus) {
  const HttpEndpoint endpoint{"gnudb.gnudb.org", "/~cddb/cddb.cgi"};
  EXPECT_EQ(HttpRequestUrl(endpoint, "cddb read rock 7a0b1c09", "jo@example.org"),
            "http://gnudb.gnudb.org/~cddb/cddb.cgi?cmd=cddb+read+rock+7a0b1c09"
            "&hello=jo+example.org+Brindlewax+2.3&proto=3");
  // Concatenated as configured: nothing else is escaped, a missing server stays empty.
  EXPECT_EQ(HttpRequestUrl({"", "/a b"}, "stat", "x&y@z"),
            "http:///a+b?cmd=stat&hello=x&y+z+Brindlewax+2.3&proto=3");
}

TEST(FreedbHttpUrl, QueryCarriesTheWordsOfARealRequest) {
  // The request line that made a real server answer 202 for f90ec511.
  const std::string request = ReadTestFile("freedb/replies/query_202_f90ec511.request.txt");
  const std::size_t from = request.find("?cmd=");
  const std::size_t to = request.find("&hello=");
  ASSERT_NE(from, std::string::npos);
  ASSERT_NE(to, std::string::npos);
  const std::string realCommand = request.substr(from, to - from);

  const RealDisc& disc = kRealDiscs[2];
  const TableOfContents toc = TocFromOffsets(disc.offsets, disc.seconds * kFramesPerSecond);
  const std::string url = HttpRequestUrl({"freedb.freedb.org", "/~cddb/cddb.cgi"},
                                         QueryCommandWords(MakeDiscQuery(toc, ComputeDiscId(toc))),
                                         "anonymous@localhost");
  EXPECT_EQ(url, "http://freedb.freedb.org/~cddb/cddb.cgi" + realCommand +
                     "&hello=anonymous+localhost+Brindlewax+2.3&proto=3");
}

TEST(FreedbSettings, TransportIsChosenByTheFirstLetter) {
  const struct {
    const char* setting;
    Transport transport;
  } cases[] = {{"cddbp", Transport::kCddbp}, {"CDDBP", Transport::kCddbp}, {"c", Transport::kCddbp},
               {"HTTP", Transport::kHttp},   {"x", Transport::kHttp},      {"", Transport::kHttp}};
  for (const auto& c : cases) {
    EXPECT_EQ(TransportFromSetting(c.setting), c.transport) << c.setting;
  }
}

TEST(FreedbSettings, ServerHostEndsAtTheFirstBlank) {
  EXPECT_EQ(ServerHost("gnudb.gnudb.org - Random freedb server"), "gnudb.gnudb.org");
  EXPECT_EQ(ServerHost("host.only"), "host.only");
  EXPECT_EQ(ServerHost(""), "");
  EXPECT_EQ(ServerHost(std::string(150, 'h')), std::string(99, 'h'));
}

TEST(FreedbSettings, MissingKeysGiveHttpAndThePlaceholderAddress) {
  MemoryProfileStore profile;
  FreedbSettings settings = ReadFreedbSettings(profile);
  EXPECT_EQ(settings.transport, Transport::kHttp);
  EXPECT_EQ(settings.email, kPlaceholderEmail);
  EXPECT_EQ(settings.httpHost, "");
  EXPECT_EQ(settings.cgiScript, "");

  profile.Preset("CDDB", "EMailAddress", "");
  EXPECT_EQ(ReadFreedbSettings(profile).email, kPlaceholderEmail);

  profile.Preset("CDDB", "CDDBProtocal", "CDDBP");
  profile.Preset("CDDB", "EMailAddress", "jo@example.org");
  profile.Preset("CDDB", "CurrentCDDBPServer", "gnudb.gnudb.org - Random freedb server");
  profile.Preset("CDDB", "CurrentHTTPServer", "www.example.net - Somewhere");
  profile.Preset("CDDB", "CGIScriptName", "/~cddb/cddb.cgi");
  settings = ReadFreedbSettings(profile);
  EXPECT_EQ(settings.transport, Transport::kCddbp);
  EXPECT_EQ(settings.email, "jo@example.org");
  EXPECT_EQ(settings.cddbpHost, "gnudb.gnudb.org");
  EXPECT_EQ(settings.httpHost, "www.example.net");
  EXPECT_EQ(settings.cgiScript, "/~cddb/cddb.cgi");
}

}  // namespace
}  // namespace freedb
}  // namespace bw
