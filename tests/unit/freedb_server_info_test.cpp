// Freedb Server Information: the value rule of the statistics and version replies, real
// replies read whole, and the refresh over CDDBP and HTTP with "Done!" only after it is whole.
#include <gtest/gtest.h>

#include <string>

#include "freedb/freedb_texts.h"
#include "freedb/server_info_dialogue.h"
#include "freedb/server_statistics.h"
#include "freedb_conversation_support.h"
#include "freedb_test_support.h"
#include "shell/texts.h"

namespace bw {
namespace freedb {
namespace {

using namespace ::bw::freedb::testing;

std::string Stat2005() { return ToCrlf(ReadTestFile("freedb/replies/stat_cddbp_2005.txt")); }
std::string Stat2011() { return ToCrlf(ReadTestFile("freedb/replies/stat_http_2011_freedb.txt")); }
const char* const kVersion = "200 cddbd v1.5.1PL0 Copyright (c) 1996-2005 Steve Scherf et al.\r\n";

TEST(FreedbServerValues, ValueRule) {
  const struct {
    const char* reply;
    const char* key;
    const char* value;
  } cases[] = {
      {"    rock: 12345\r\n", "rock:", "12345"},
      {"    rock: 12345", "rock:", "12345"},  // no line end
      {"rock:12345\r\n", "rock:", "2345"},     // one character is always skipped
      {"    rock: 123 / 456\r\n", "rock:", "123"},
      {"    rock: 123/456\r\n", "rock:", "12"},  // the character before "/" goes too
      {"    rock: /456\r\n", "rock:", ""},
      {"    rock:", "rock:", ""},
      {"    jazz: 1\r\n", "rock:", ""},
      {"    rock: 1\r\n    rock: 2\r\n", "rock:", "1"},  // the first occurrence
      {"Database entries: 1871542\r\nDatabase entries by category:\r\n", "Database entries:",
       "1871542"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ServerValueAfter(c.reply, c.key), c.value) << c.reply;
  }
  const std::string longValue = "rock: " + std::string(300, '9') + "\r\n";
  EXPECT_EQ(ServerValueAfter(longValue, "rock:").size(), 129u);
}

TEST(FreedbServerValues, RealStatisticsReplies) {
  const ServerCounts counts2005 = ParseServerStatistics(Stat2005());
  EXPECT_EQ(counts2005, (ServerCounts{"1871542", "97594", "161561", "48886", "19209", "133737",
                                      "108090", "599479", "71832", "24004", "539808", "67342",
                                      "100"}));
  const ServerCounts counts2011 = ParseServerStatistics(Stat2011());
  EXPECT_EQ(counts2011[0], "3029795");
  EXPECT_EQ(counts2011[10], "788881");
  EXPECT_EQ(counts2011[12], "100");
  EXPECT_EQ(ParseServerStatistics("210 OK\r\n.\r\n"), ServerCounts{});
}

TEST(FreedbServerValues, Version) {
  EXPECT_EQ(ParseServerVersion(kVersion), "v1.5.1PL0 Copyright (c) 1996-2005 Steve Scherf et al.");
  EXPECT_EQ(ParseServerVersion("200 gnudbd v2.0 (gnudb.org)\r\n"), "gnudbd v2.0 (gnudb.org)");
  EXPECT_EQ(ParseServerVersion("500 Unrecognized command.\r\n"), "");
}

TEST(FreedbServerValues, FieldsMatchTheirControlsAndKeys) {
  EXPECT_EQ(kServerInfoFields[0].control, 3720);
  EXPECT_EQ(kServerInfoFields[11].control, 3731);
  EXPECT_EQ(kServerInfoFields[12].control, 3734);
  EXPECT_STREQ(kServerInfoFields[8].settingKey, "NewAge");
  EXPECT_STREQ(kServerInfoFields[11].settingKey, "SoundTrack");
  EXPECT_STREQ(kServerInfoFields[12].statKey, "max users:");
}

// --- CDDBP ------------------------------------------------------------------------------------

const char* const kGreeting = "201 zaphod CDDBP server v1.5.1PL0 ready at Tue Nov 01 2005\r\n";

CddbpServerInfoDialogue AtStatistics() {
  CddbpServerInfoDialogue dialogue("freedb.example.org", "jo@example.org", FixedToday());
  dialogue.Start();
  dialogue.OnReceived(kGreeting);
  dialogue.OnReceived("200 Hello and welcome.\r\n");
  return dialogue;
}

TEST(FreedbServerInfoCddbp, WholeRefresh) {
  CddbpServerInfoDialogue dialogue("freedb.example.org", "jo@example.org", FixedToday());
  EXPECT_EQ(Trace(dialogue.Start()),
            (Steps{CaptionLine(kTextCaptionStop), "connect freedb.example.org:888"}));
  EXPECT_EQ(Trace(dialogue.OnReceived(kGreeting)),
            (Steps{"send CDDB HELLO jo example.org Brindlewax 2.3\r\n",
                   StatusLine(kTextRetrievingServerInfo)}));
  EXPECT_EQ(Trace(dialogue.OnReceived("200 Hello and welcome.\r\n")),
            (Steps{"send stat\r\n", StatusLine(kTextRetrievingEntries)}));
  EXPECT_EQ(Trace(dialogue.OnReceived(Stat2005())),
            (Steps{"counts total 1871542", "send ver\r\n", StatusLine(kTextRetrievingVersion)}));
  EXPECT_EQ(Trace(dialogue.OnReceived(kVersion)),
            (Steps{"version v1.5.1PL0 Copyright (c) 1996-2005 Steve Scherf et al.",
                   "send quit\r\n", StatusLine(kTextClosingCddbp)}));
  EXPECT_EQ(Trace(dialogue.OnClosed()),
            (Steps{"beep", StatusLine(kTextFreedbDone), kLastUpdatedLine,
                   CaptionLine(kTextCaptionUpdate), "finish"}));
}

TEST(FreedbServerInfoCddbp, StatisticsAtEverySplitPoint) {
  const std::string reply = Stat2005();
  for (std::size_t split = 1; split < reply.size(); ++split) {
    CddbpServerInfoDialogue dialogue = AtStatistics();
    EXPECT_EQ(Trace(dialogue.OnReceived(reply.substr(0, split))), Steps{}) << split;
    EXPECT_EQ(Trace(dialogue.OnReceived(reply.substr(split))).front(), "counts total 1871542")
        << split;
    EXPECT_EQ(dialogue.CurrentStep(), CddbpServerInfoDialogue::Step::kVersion);
  }
}

TEST(FreedbServerInfoCddbp, RefusalsAndEarlyCloseAreNeverDone) {
  const char* accepted[] = {kGreeting, "200 hello\r\n", "210 OK\r\nrock: 1\r\n.\r\n"};
  const struct {
    int answered;
    const char* refusal;
    const char* status;
  } cases[] = {
      {0, "433 No connections allowed\r\n", kTextCddbpCommunicationProblem},
      {1, "431 no\r\n", kTextHelloCommandProblem},
      {2, "500 Unrecognized command.\r\n", kTextStatCommandProblem},
      {3, "500 Unrecognized command.\r\n", kTextVerCommandProblem},
  };
  for (const auto& c : cases) {
    CddbpServerInfoDialogue dialogue("h", "jo@example.org", FixedToday());
    dialogue.Start();
    for (int i = 0; i < c.answered; ++i) dialogue.OnReceived(accepted[i]);
    EXPECT_EQ(Trace(dialogue.OnReceived(c.refusal)), (Steps{StatusLine(c.status), "send quit\r\n"}));
    EXPECT_EQ(Trace(dialogue.OnClosed()), (Steps{"beep", CaptionLine(kTextCaptionUpdate), "finish"}));
  }
  // Closed while the statistics were still arriving.
  CddbpServerInfoDialogue cut = AtStatistics();
  cut.OnReceived(Stat2005().substr(0, 300));
  EXPECT_EQ(Trace(cut.OnClosed()),
            (Steps{"beep", StatusLine(kTextCddbpCommunicationProblem),
                   CaptionLine(kTextCaptionUpdate), "finish"}));
}

TEST(FreedbServerInfoCddbp, StopShowsTheStoredValuesAgain) {
  CddbpServerInfoDialogue dialogue = AtStatistics();
  EXPECT_EQ(Trace(dialogue.OnStop()),
            (Steps{"stored values", StatusLine(kTextFreedbStopped), CaptionLine(kTextCaptionUpdate),
                   "finish"}));
  EXPECT_EQ(Trace(dialogue.OnReceived(Stat2005())), Steps{});
  EXPECT_EQ(Trace(dialogue.OnStop()), Steps{});

  CddbpServerInfoDialogue refused("h", "jo@example.org", FixedToday());
  refused.Start();
  EXPECT_EQ(Trace(refused.OnConnectNotified(true)), Steps{"connect h:8880"});
  EXPECT_EQ(Trace(refused.OnConnectStartFailed()),
            (Steps{StatusLine(kTextCouldNotConnectCddbp), CaptionLine(kTextCaptionUpdate),
                   "finish"}));
}

// --- HTTP -------------------------------------------------------------------------------------

HttpServerInfoDialogue Http() {
  return HttpServerInfoDialogue({"gnudb.gnudb.org", "/~cddb/cddb.cgi"}, "jo@example.org",
                                FixedToday());
}

TEST(FreedbServerInfoHttp, WholeRefresh) {
  HttpServerInfoDialogue dialogue = Http();
  const std::string stat =
      "http://gnudb.gnudb.org/~cddb/cddb.cgi?cmd=stat&hello=jo+example.org+Brindlewax+2.3&proto=3";
  EXPECT_EQ(Trace(dialogue.Start(true)),
            (Steps{CaptionLine(kTextCaptionStop), StatusLine(kTextRetrievingServerInfo),
                   StatusLine(kTextRetrievingEntries), "fetch " + stat}));
  EXPECT_EQ(Trace(dialogue.OnFetched(ToLf(Stat2011()))),
            (Steps{"counts total 3029795", StatusLine(kTextRetrievingVersion),
                   "fetch " + dialogue.Url("ver")}));
  EXPECT_EQ(Trace(dialogue.OnFetched(kVersion)),
            (Steps{"version v1.5.1PL0 Copyright (c) 1996-2005 Steve Scherf et al.",
                   kLastUpdatedLine, "beep", StatusLine(kTextFreedbDone),
                   CaptionLine(kTextCaptionUpdate), "finish"}));
}

TEST(FreedbServerInfoHttp, IncompleteOrWrongRepliesAreNotDone) {
  const struct {
    bool statisticsFirst;  // the statistics already arrived
    std::string reply;
    const char* status;
  } cases[] = {
      {false, Stat2011().substr(0, 400), kTextStatCommandProblem},  // cut short
      {false, "500 Command syntax error.\r\n", kTextStatCommandProblem},
      {false, "<!DOCTYPE html>", kTextInvalidCgiScript},
      {true, "500 Unrecognized command.\r\n", kTextVerCommandProblem},
      {true, "<html>", kTextInvalidCgiScript},
  };
  for (const auto& c : cases) {
    HttpServerInfoDialogue dialogue = Http();
    dialogue.Start(true);
    if (c.statisticsFirst) dialogue.OnFetched(Stat2011());
    EXPECT_EQ(Trace(dialogue.OnFetched(c.reply)),
              (Steps{StatusLine(c.status), CaptionLine(kTextCaptionUpdate), "finish"}))
        << c.reply;
  }
  HttpServerInfoDialogue failed = Http();
  failed.Start(true);
  EXPECT_EQ(Trace(failed.OnFetchFailed()),
            (Steps{StatusLine(kTextInternetConnectionFailed), CaptionLine(kTextCaptionUpdate),
                   "finish"}));
  HttpServerInfoDialogue stopped = Http();
  stopped.Start(true);
  stopped.OnFetched(Stat2011());
  EXPECT_EQ(Trace(stopped.OnStop()),
            (Steps{"stored values", StatusLine(kTextFreedbStopped), CaptionLine(kTextCaptionUpdate),
                   "finish"}));
  EXPECT_EQ(Trace(stopped.OnFetched(kVersion)), Steps{});
  HttpServerInfoDialogue noLibrary = Http();
  EXPECT_EQ(Trace(noLibrary.Start(false)),
            (Steps{StatusLine(kTextCannotLoadWininet), "beep", CaptionLine(kTextCaptionUpdate),
                   "finish"}));
}

}  // namespace
}  // namespace freedb
}  // namespace bw
