// The list of Freedb sites: reading "sites" lines into server entries, and Freedb Setup's
// Update over CDDBP and HTTP, with "Done!" and "LastUpdated" only after a whole list.
#include <gtest/gtest.h>

#include <string>

#include "freedb/freedb_texts.h"
#include "freedb/site_list.h"
#include "freedb/sites_dialogue.h"
#include "freedb_conversation_support.h"
#include "freedb_test_support.h"
#include "shell/texts.h"

namespace bw {
namespace freedb {
namespace {

using namespace ::bw::freedb::testing;

std::string RealSites() { return ToCrlf(ReadTestFile("freedb/replies/sites_210_reconstructed.txt")); }

TEST(FreedbSiteList, RealListGivesBothKindsOfEntries) {
  const SiteList sites = ParseSiteList(RealSites());
  ASSERT_EQ(sites.http.size(), 13u);
  ASSERT_EQ(sites.cddbp.size(), 13u);
  EXPECT_EQ(sites.http[0], "freedb.freedb.org - Random freedb server");
  EXPECT_EQ(sites.cddbp[0], "freedb.freedb.org - Random freedb server");
  EXPECT_EQ(sites.http[3], "ca.freedb.org - Winnipeg, MB Canada");
  EXPECT_EQ(sites.cddbp[12], "us.freedb.org - San Jose, CA USA");
  EXPECT_EQ(ParseSiteList(ToLf(RealSites())).http, sites.http);
}

TEST(FreedbSiteList, LineForms) {
  const struct {
    const char* line;
    const char* http;   // the entry, or "" for none
    const char* cddbp;
  } cases[] = {
      {"gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random freedb server",
       "gnudb.gnudb.org - Random freedb server", ""},
      {"gnudb.gnudb.org cddbp 8880 - N000.00 W000.00 Random freedb server", "",
       "gnudb.gnudb.org - Random freedb server"},
      // A description that mentions the other protocol does not change the line's kind.
      {"a.org cddbp 8880 - N0 W0 Mirror with http access", "", "a.org - Mirror with http access"},
      {"a.org cddbp 8880 - N0 W0 the http mirror", "", "a.org - the http mirror"},
      // Too few fields: no description.
      {"b.org http 80 /~cddb/cddb.cgi", "b.org - ", ""},
      // The level 1 form has no protocol word: no entry.
      {"freedb.freedb.org 888 N000.00 W000.00 Random freedb server", "", ""},
      {"x.org https 443 /~cddb/cddb.cgi N0 W0 Secure", "", ""},
      {" http 80 / N0 W0 no host", "", ""},
  };
  for (const auto& c : cases) {
    const SiteList sites = ParseSiteList(std::string("210 OK\r\n") + c.line + "\r\n.\r\n");
    EXPECT_EQ(sites.http.empty() ? "" : sites.http[0], std::string(c.http)) << c.line;
    EXPECT_EQ(sites.cddbp.empty() ? "" : sites.cddbp[0], std::string(c.cddbp)) << c.line;
    EXPECT_LE(sites.http.size() + sites.cddbp.size(), 1u) << c.line;
  }
}

TEST(FreedbSiteList, EntriesAreCutTo99AndNothingAfterTheTerminatorCounts) {
  const std::string longLine = "c.org http 80 /~cddb/cddb.cgi N0 W0 " + std::string(200, 'd');
  const SiteList sites = ParseSiteList("210 OK\r\n" + longLine + "\r\n.\r\nd.org http 80 / N W x\r\n");
  ASSERT_EQ(sites.http.size(), 1u);
  EXPECT_EQ(sites.http[0].size(), 99u);
  EXPECT_EQ(sites.http[0].substr(0, 8), "c.org - ");
}

// --- CDDBP ------------------------------------------------------------------------------------

const char* const kGreeting = "201 gnudb CDDBP server v1.5.2 ready at Sat Mar 02 10:00:00 2024\r\n";

CddbpSitesDialogue AtSites() {
  CddbpSitesDialogue dialogue("jo@example.org", FixedToday());
  dialogue.Start();
  dialogue.OnReceived(kGreeting);
  dialogue.OnReceived("200 Hello and welcome jo@example.org running Brindlewax 2.3.\r\n");
  dialogue.OnReceived("201 OK, CDDB protocol level now: 3\r\n");
  return dialogue;
}

TEST(FreedbSitesCddbp, WholeFetch) {
  CddbpSitesDialogue dialogue("jo@example.org", FixedToday());
  EXPECT_EQ(Trace(dialogue.Start()),
            (Steps{CaptionLine(kTextCaptionStop), "connect gnudb.gnudb.org:888"}));
  EXPECT_EQ(Trace(dialogue.OnReceived(kGreeting)),
            (Steps{"send CDDB HELLO jo example.org Brindlewax 2.3\r\n",
                   StatusLine(kTextRetrievingSites)}));
  EXPECT_EQ(Trace(dialogue.OnReceived("200 Hello and welcome.\r\n")), Steps{"send proto 3\r\n"});
  EXPECT_EQ(Trace(dialogue.OnReceived("201 OK, CDDB protocol level now: 3\r\n")),
            Steps{"send sites\r\n"});
  EXPECT_EQ(Trace(dialogue.OnReceived(RealSites())),
            (Steps{"sites 13 http 13 cddbp", "send quit\r\n", StatusLine(kTextClosingCddbp)}));
  EXPECT_EQ(Trace(dialogue.OnReceived("230 Closing connection.  Goodbye.\r\n")), Steps{});
  EXPECT_EQ(Trace(dialogue.OnClosed()),
            (Steps{"beep", StatusLine(kTextFreedbDone), kLastUpdatedLine,
                   CaptionLine(kTextCaptionUpdate), "finish"}));
}

TEST(FreedbSitesCddbp, SitesReplyAtEverySplitPoint) {
  const std::string reply = RealSites();
  for (std::size_t split = 1; split < reply.size(); ++split) {
    CddbpSitesDialogue dialogue = AtSites();
    EXPECT_EQ(Trace(dialogue.OnReceived(reply.substr(0, split))), Steps{}) << split;
    EXPECT_EQ(Trace(dialogue.OnReceived(reply.substr(split))).front(), "sites 13 http 13 cddbp")
        << split;
  }
}

TEST(FreedbSitesCddbp, ListCutShortByTheCloseIsNotDone) {
  const std::string reply = RealSites();
  CddbpSitesDialogue dialogue = AtSites();
  EXPECT_EQ(Trace(dialogue.OnReceived(reply.substr(0, reply.size() - 2))), Steps{});
  EXPECT_EQ(Trace(dialogue.OnClosed()),
            (Steps{"beep", StatusLine(kTextCddbpCommunicationProblem),
                   CaptionLine(kTextCaptionUpdate), "finish"}));
}

TEST(FreedbSitesCddbp, RefusalsAndTheirTexts) {
  struct Case {
    int answered;  // replies accepted before the refusal
    const char* refusal;
    const char* status;
  };
  const char* accepted[] = {kGreeting, "200 hello\r\n", "201 level 3\r\n"};
  const Case cases[] = {
      {0, "432 No connections allowed\r\n", kTextCddbpCommunicationProblem},
      {1, "431 Handshake not successful\r\n", kTextHelloCommandProblem},
      {2, "501 Illegal protocol level.\r\n", kTextProtoCommandProblem},
      {3, "401 No site information available.\r\n", kTextStatCommandProblem},
  };
  for (const Case& c : cases) {
    CddbpSitesDialogue dialogue("jo@example.org", FixedToday());
    dialogue.Start();
    for (int i = 0; i < c.answered; ++i) dialogue.OnReceived(accepted[i]);
    EXPECT_EQ(Trace(dialogue.OnReceived(c.refusal)), (Steps{StatusLine(c.status), "send quit\r\n"}))
        << c.refusal;
    // The error stays; nothing is written.
    EXPECT_EQ(Trace(dialogue.OnClosed()), (Steps{"beep", CaptionLine(kTextCaptionUpdate), "finish"}))
        << c.refusal;
  }
}

TEST(FreedbSitesCddbp, ProtocolLevelAlreadySetIsAccepted) {
  CddbpSitesDialogue dialogue("jo@example.org", FixedToday());
  dialogue.Start();
  dialogue.OnReceived(kGreeting);
  dialogue.OnReceived("200 hello\r\n");
  EXPECT_EQ(Trace(dialogue.OnReceived("502 Protocol level already 3.\r\n")),
            Steps{"send sites\r\n"});
}

TEST(FreedbSitesCddbp, ListWithoutOneKindKeepsTheErrorThroughTheClose) {
  const std::string httpOnly =
      "210 OK\r\na.org http 80 /~cddb/cddb.cgi N0 W0 Alpha\r\n.\r\n";
  CddbpSitesDialogue onlyHttp = AtSites();
  EXPECT_EQ(Trace(onlyHttp.OnReceived(httpOnly)),
            (Steps{"sites 1 http 0 cddbp", StatusLine(kTextNoSiteEntries), "send quit\r\n"}));
  EXPECT_EQ(Trace(onlyHttp.OnClosed()), (Steps{"beep", CaptionLine(kTextCaptionUpdate), "finish"}));

  CddbpSitesDialogue onlyCddbp = AtSites();
  EXPECT_EQ(Trace(onlyCddbp.OnReceived("210 OK\r\na.org cddbp 8880 - N0 W0 Alpha\r\n.\r\n")),
            (Steps{StatusLine(kTextNoSiteEntries), "send quit\r\n"}));
  EXPECT_EQ(std::string(kTextNoSiteEntries), "Error: Could not get the number of sizes.");
}

TEST(FreedbSitesCddbp, PortFallbackAndStop) {
  CddbpSitesDialogue dialogue("jo@example.org", FixedToday());
  dialogue.Start();
  EXPECT_EQ(Trace(dialogue.OnConnectNotified(true)), Steps{"connect gnudb.gnudb.org:8880"});
  EXPECT_EQ(Trace(dialogue.OnConnectNotified(true)),
            (Steps{StatusLine(kTextCouldNotConnectCddbp), CaptionLine(kTextCaptionUpdate),
                   "finish"}));

  CddbpSitesDialogue stopped = AtSites();
  EXPECT_EQ(Trace(stopped.OnStop()),
            (Steps{StatusLine(kTextFreedbStopped), CaptionLine(kTextCaptionUpdate), "finish"}));
  EXPECT_EQ(Trace(stopped.OnReceived(RealSites())), Steps{});
  EXPECT_EQ(Trace(stopped.OnClosed()), Steps{});
}

TEST(FreedbSitesCddbp, ListLongerThanTheBufferKeepsWholeLines) {
  std::string reply = "210 OK\r\n";
  while (reply.size() < 2 * kServerInfoReplyCapacity) {
    reply += "h" + std::to_string(reply.size()) + ".org http 80 /~cddb/cddb.cgi N0 W0 Far away\r\n";
    reply += "h" + std::to_string(reply.size()) + ".org cddbp 8880 - N0 W0 Far away\r\n";
  }
  reply += ".\r\n";
  CddbpSitesDialogue dialogue = AtSites();
  ConversationActions shown;
  for (std::size_t at = 0; at < reply.size(); at += kListChunkSize) {
    ConversationActions actions = dialogue.OnReceived(reply.substr(at, kListChunkSize));
    shown.insert(shown.end(), actions.begin(), actions.end());
    EXPECT_LE(dialogue.PendingReply().size(), kServerInfoReplyCapacity);
  }
  ASSERT_FALSE(shown.empty());
  ASSERT_EQ(shown[0].kind, ConversationAction::Kind::kShowSites);
  for (const std::string& entry : shown[0].sites.http) {
    EXPECT_EQ(entry.substr(entry.size() - 8), "Far away");
  }
}

// --- HTTP -------------------------------------------------------------------------------------

TEST(FreedbSitesHttp, WholeFetch) {
  HttpSitesDialogue dialogue("jo@example.org", FixedToday());
  const std::string url =
      "http://gnudb.gnudb.org/~cddb/cddb.cgi?cmd=sites&hello=jo+example.org+Brindlewax+2.3&proto=3";
  EXPECT_EQ(dialogue.Url(), url);
  EXPECT_EQ(Trace(dialogue.Start(true)),
            (Steps{CaptionLine(kTextCaptionStop), StatusLine(kTextRetrievingSites), "fetch " + url}));
  EXPECT_EQ(Trace(dialogue.OnFetched(ToLf(RealSites()))),
            (Steps{"sites 13 http 13 cddbp", kLastUpdatedLine, StatusLine(kTextFreedbDone),
                   CaptionLine(kTextCaptionUpdate), "beep", "finish"}));
  EXPECT_FALSE(dialogue.IsRunning());
}

TEST(FreedbSitesHttp, FailuresWriteNothing) {
  const std::string cut = RealSites().substr(0, 600);
  const struct {
    std::string reply;
    Steps steps;
  } cases[] = {
      {"<html><body>Not Found</body></html>",
       {StatusLine(kTextInvalidCgiScript), CaptionLine(kTextCaptionUpdate), "finish"}},
      {cut, {StatusLine(kTextInternetConnectionFailed), CaptionLine(kTextCaptionUpdate), "finish"}},
      {"500 Command syntax error.\r\n",
       {StatusLine(kTextNoSiteEntries), CaptionLine(kTextCaptionUpdate), "finish"}},
      {"210 OK\r\na.org http 80 / N0 W0 A\r\n.\r\n",
       {"sites 1 http 0 cddbp", StatusLine(kTextNoSiteEntries), CaptionLine(kTextCaptionUpdate),
        "finish"}},
  };
  for (const auto& c : cases) {
    HttpSitesDialogue dialogue("jo@example.org", FixedToday());
    dialogue.Start(true);
    EXPECT_EQ(Trace(dialogue.OnFetched(c.reply)), c.steps) << c.reply;
  }
  HttpSitesDialogue failed("jo@example.org", FixedToday());
  failed.Start(true);
  EXPECT_EQ(Trace(failed.OnFetchFailed()),
            (Steps{StatusLine(kTextInternetConnectionFailed), CaptionLine(kTextCaptionUpdate),
                   "finish"}));
  HttpSitesDialogue noLibrary("jo@example.org", FixedToday());
  EXPECT_EQ(Trace(noLibrary.Start(false)),
            (Steps{StatusLine(kTextCannotLoadWininet), "beep", CaptionLine(kTextCaptionUpdate),
                   "finish"}));
  HttpSitesDialogue stopped("jo@example.org", FixedToday());
  stopped.Start(true);
  EXPECT_EQ(Trace(stopped.OnStop()),
            (Steps{StatusLine(kTextFreedbStopped), CaptionLine(kTextCaptionUpdate), "finish"}));
  EXPECT_EQ(Trace(stopped.OnFetched(RealSites())), Steps{});
}

}  // namespace
}  // namespace freedb
}  // namespace bw
