// The CDDBP disc query conversation: each server reply or user answer and the actions that
// follow, from the connection to the server's close.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "freedb/cddbp_query_dialogue.h"
#include "freedb_test_support.h"
#include "shell/texts.h"

namespace bw {
namespace freedb {
namespace {

using namespace ::bw::freedb::testing;

const char* const kGreeting =
    "201 zaphod CDDBP server v1.5.1PL0 ready at Tue Nov 01 01:46:33 2005\r\n";
const char* const kHelloOk = "200 Hello and welcome user@host running Brindlewax 2.3.\r\n";

DiscQuery SkaIsland() {
  DiscQuery disc;
  disc.discId = 0xd50dd30f;
  disc.frameOffsets = {150,    21052,  43715,  58057,  71430,  92865,  117600, 131987,
                       150625, 163292, 181490, 195685, 210197, 233230, 249257};
  disc.lengthSeconds = 3541;
  return disc;
}

const char* const kQueryLine =
    "send cddb query d50dd30f 15 150 21052 43715 58057 71430 92865 117600 131987 150625 163292 "
    "181490 195685 210197 233230 249257 3541\r\n";

std::string ReadReply(const std::string& category) {
  return "210 " + category + " d50dd30f CD database entry follows (until terminating `.')\r\n" +
         ToCrlf(ReadTestFile("freedb/records/alrs+freedb__dbdump_7908090a")) + ".\r\n";
}

// A dialogue brought to the point where the query reply is awaited.
CddbpQueryDialogue AtQuery() {
  CddbpQueryDialogue dialogue(SkaIsland(), "jo@example.org");
  dialogue.Start();
  dialogue.OnReceived(kGreeting);
  dialogue.OnReceived(kHelloOk);
  return dialogue;
}

// ... and where the read reply is awaited.
CddbpQueryDialogue AtRead() {
  CddbpQueryDialogue dialogue = AtQuery();
  dialogue.OnReceived("200 misc d50dd30f Various / Ska Island\r\n");
  dialogue.OnExistingChecked(true);
  return dialogue;
}

TEST(FreedbCddbpQuery, ExactMatchIsReadStoredAndClosed) {
  CddbpQueryDialogue dialogue(SkaIsland(), "jo@example.org");
  EXPECT_EQ(Describe(dialogue.Start()), Lines{"connect 888"});
  EXPECT_EQ(Describe(dialogue.OnConnectNotified(false)), Lines{});
  EXPECT_EQ(
      Describe(dialogue.OnReceived(kGreeting)),
      (Lines{"send CDDB HELLO jo example.org Brindlewax 2.3\r\n", Status(kTextAccessingFreedb)}));
  EXPECT_EQ(Describe(dialogue.OnReceived(kHelloOk)), Lines{kQueryLine});
  EXPECT_EQ(Describe(dialogue.OnReceived("200 rock 7a0b1c09 Some Artist / Some Disc\r\n")),
            Lines{"check existing"});
  EXPECT_EQ(Describe(dialogue.OnExistingChecked(true)),
            (Lines{"send cddb read rock 7a0b1c09\r\n", Status(kTextReadingFromFreedb)}));
  EXPECT_EQ(Describe(dialogue.OnReceived(ReadReply("rock"))),
            (Lines{"store Gladys Knight & The Pips", "send quit\r\n", Status(kTextFreedbDone)}));
  EXPECT_EQ(Describe(dialogue.OnReceived("230 zaphod Closing connection.  Goodbye.\r\n")), Lines{});
  EXPECT_TRUE(dialogue.IsRunning());
  EXPECT_EQ(Describe(dialogue.OnClosed()), Lines{"finish"});
  EXPECT_FALSE(dialogue.IsRunning());
}

TEST(FreedbCddbpQuery, StoredRecordHoldsTheDiscsTracks) {
  CddbpQueryDialogue dialogue = AtRead();
  const QueryActions actions = dialogue.OnReceived(ReadReply("misc"));
  ASSERT_FALSE(actions.empty());
  ASSERT_EQ(actions[0].kind, QueryAction::Kind::kStoreRecord);
  const FreedbRecord& record = actions[0].record;
  EXPECT_EQ(record.trackTitles.size(), 15u);  // the disc in the drive decides
  EXPECT_EQ(record.trackTitles[0], "I Heard It Through The Grapevine");
  EXPECT_EQ(record.trackTitles[14], "");
  EXPECT_EQ(record.details.discName, "All The Greatest Hits");
  EXPECT_EQ(record.details.category, "misc");
}

TEST(FreedbCddbpQuery, RefusedPortIsRetriedOnceOn8880) {
  CddbpQueryDialogue dialogue(SkaIsland(), "jo@example.org");
  dialogue.Start();
  EXPECT_EQ(Describe(dialogue.OnConnectNotified(true)), Lines{"connect 8880"});
  EXPECT_EQ(dialogue.Port(), 8880);
  EXPECT_EQ(Describe(dialogue.OnConnectNotified(true)),
            (Lines{Status(kTextCouldNotConnectCddbp), "finish"}));
  EXPECT_FALSE(dialogue.IsRunning());
  EXPECT_EQ(Describe(dialogue.OnConnectNotified(true)), Lines{});
}

TEST(FreedbCddbpQuery, ConnectionThatCannotStart) {
  // The first attempt's reason is already on show.
  CddbpQueryDialogue first(SkaIsland(), "jo@example.org");
  first.Start();
  EXPECT_EQ(Describe(first.OnConnectStartFailed()), Lines{"finish"});

  CddbpQueryDialogue retry(SkaIsland(), "jo@example.org");
  retry.Start();
  retry.OnConnectNotified(true);
  EXPECT_EQ(Describe(retry.OnConnectStartFailed()),
            (Lines{Status(kTextCouldNotConnectCddbp), "finish"}));
}

TEST(FreedbCddbpQuery, RetriedConnectionThatSucceedsGoesOn) {
  CddbpQueryDialogue dialogue(SkaIsland(), "jo@example.org");
  dialogue.Start();
  dialogue.OnConnectNotified(true);
  EXPECT_EQ(Describe(dialogue.OnConnectNotified(false)), Lines{});
  EXPECT_EQ(Describe(dialogue.OnReceived(kGreeting)).size(), 2u);
}

// Each refusal shows its text and says "quit" so the server closes; the close ends the query.
TEST(FreedbCddbpQuery, UnexpectedRepliesEndWithTheirTexts) {
  const struct {
    const char* name;
    std::vector<std::string> replies;
    const char* status;
  } cases[] = {
      {"greeting 200", {"200 hello\r\n"}, kTextCddbpCommunicationProblem},
      {"greeting 432",
       {"432 No connections allowed: permission denied.\r\n"},
       kTextCddbpCommunicationProblem},
      {"hello refused",
       {kGreeting, "431 Handshake not successful, closing connection.\r\n"},
       kTextQueryCommandProblem},
      {"query error",
       {kGreeting, kHelloOk, "500 Command syntax error.\r\n"},
       kTextQueryCommandProblem},
      {"query 202",
       {kGreeting, kHelloOk, "202 No match for disc ID d50dd30f.\r\n"},
       kTextDiscNotInFreedb},
      {"query 200 unreadable", {kGreeting, kHelloOk, "200 rock\r\n"}, kTextDiscNotInFreedb},
      {"query 211 empty",
       {kGreeting, kHelloOk, "211 Found inexact matches\r\n.\r\n"},
       kTextDiscNotInFreedb},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CddbpQueryDialogue dialogue(SkaIsland(), "jo@example.org");
    dialogue.Start();
    QueryActions last;
    for (const std::string& reply : c.replies) last = dialogue.OnReceived(reply);
    EXPECT_EQ(Describe(last), (Lines{Status(c.status), "send quit\r\n"}));
    EXPECT_EQ(Describe(dialogue.OnReceived("230 Goodbye.\r\n")), Lines{});
    EXPECT_EQ(Describe(dialogue.OnClosed()), Lines{"finish"});
  }
}

TEST(FreedbCddbpQuery, ReadErrorIsOneLineAndNeedsNoTerminator) {
  CddbpQueryDialogue dialogue = AtRead();
  EXPECT_EQ(Describe(dialogue.OnReceived("401 misc d50dd30f No such CD entry in database.\r\n")),
            (Lines{Status(kTextReadCommandProblem), "send quit\r\n"}));
}

TEST(FreedbCddbpQuery, InexactMatchesAreOfferedAndTheChoiceIsRead) {
  const std::string reply = ToCrlf(ReadTestFile("freedb/replies/query_211_d50dd30f.txt"));
  CddbpQueryDialogue dialogue = AtQuery();
  const QueryActions offered = dialogue.OnReceived(reply);
  ASSERT_EQ(Describe(offered), Lines{"choose 2"});
  EXPECT_EQ(offered[0].matches[1].ListText(), "Various / Ska Island - misc");
  EXPECT_EQ(Describe(dialogue.OnReceived("junk\r\n")), Lines{});
  EXPECT_EQ(Describe(dialogue.OnMatchChosen(1)), Lines{"check existing"});
  EXPECT_EQ(Describe(dialogue.OnExistingChecked(true)),
            (Lines{"send cddb read misc d50dd30f\r\n", Status(kTextReadingFromFreedb)}));
}

TEST(FreedbCddbpQuery, SingleInexactMatchIsReadWithoutAsking) {
  CddbpQueryDialogue dialogue = AtQuery();
  EXPECT_EQ(Describe(dialogue.OnReceived(
                "211 Found inexact matches, list follows (until terminating `.')\r\n"
                "reggae d50dd30f Various / Ska Island\r\n.\r\n")),
            Lines{"check existing"});
  EXPECT_EQ(Describe(dialogue.OnExistingChecked(true))[0], "send cddb read reggae d50dd30f\r\n");
}

TEST(FreedbCddbpQuery, CancelledChoiceAndRefusedOverwriteEndCanceled) {
  const std::string reply = ToCrlf(ReadTestFile("freedb/replies/query_211_d50dd30f.txt"));
  CddbpQueryDialogue cancelled = AtQuery();
  cancelled.OnReceived(reply);
  EXPECT_EQ(Describe(cancelled.OnMatchChosen(-1)),
            (Lines{Status(kTextFreedbCanceled), "send quit\r\n"}));

  CddbpQueryDialogue refused = AtQuery();
  refused.OnReceived("200 rock 7a0b1c09 Some Artist / Some Disc\r\n");
  EXPECT_EQ(Describe(refused.OnExistingChecked(false)),
            (Lines{Status(kTextFreedbCanceled), "send quit\r\n"}));
  EXPECT_EQ(Describe(refused.OnClosed()), Lines{"finish"});
}

TEST(FreedbCddbpQuery, InexactListAtEverySplitPoint) {
  const std::string reply = ToCrlf(ReadTestFile("freedb/replies/query_211_d50dd30f.txt"));
  for (std::size_t split = 1; split < reply.size(); ++split) {
    CddbpQueryDialogue dialogue = AtQuery();
    EXPECT_EQ(Describe(dialogue.OnReceived(reply.substr(0, split))), Lines{}) << split;
    EXPECT_EQ(Describe(dialogue.OnReceived(reply.substr(split))), Lines{"choose 2"}) << split;
  }
}

TEST(FreedbCddbpQuery, ReadReplyAtEverySplitPoint) {
  const std::string reply = ReadReply("misc");
  for (std::size_t split = 1; split < reply.size(); ++split) {
    CddbpQueryDialogue dialogue = AtRead();
    EXPECT_EQ(Describe(dialogue.OnReceived(reply.substr(0, split))), Lines{}) << split;
    const Lines done{"store Gladys Knight & The Pips", "send quit\r\n", Status(kTextFreedbDone)};
    EXPECT_EQ(Describe(dialogue.OnReceived(reply.substr(split))), done) << split;
  }
}

TEST(FreedbCddbpQuery, TerminatorAloneOrSplitStoresTheRecord) {
  std::string reply = ReadReply("misc");
  const std::string body = reply.substr(0, reply.size() - 3);

  CddbpQueryDialogue alone = AtRead();
  alone.OnReceived(body);
  EXPECT_EQ(Describe(alone.OnReceived(".\r\n")).size(), 3u);

  // A dot and its line end in two reads no longer leave the query waiting for the close.
  CddbpQueryDialogue split = AtRead();
  split.OnReceived(body);
  EXPECT_EQ(Describe(split.OnReceived(".")), Lines{});
  EXPECT_EQ(Describe(split.OnReceived("\r\n")),
            (Lines{"store Gladys Knight & The Pips", "send quit\r\n", Status(kTextFreedbDone)}));
}

TEST(FreedbCddbpQuery, ReadReplyLongerThanTheBufferIsCutNeverOverrun) {
  CddbpQueryDialogue dialogue = AtRead();
  std::string filler = "210 misc d50dd30f CD database entry follows\r\nTTITLE0=First\r\n";
  while (filler.size() < 2 * kQueryReplyCapacity) filler += "# padding line of a huge record\r\n";
  filler += "TTITLE1=Beyond the buffer\r\n";
  for (std::size_t at = 0; at < filler.size(); at += kListChunkSize) {
    EXPECT_LE(dialogue.RecvLimit(), kListChunkSize);
    EXPECT_EQ(Describe(dialogue.OnReceived(filler.substr(at, kListChunkSize))), Lines{});
    EXPECT_LE(dialogue.PendingReply().size(), kQueryReplyCapacity);
  }
  const QueryActions done = dialogue.OnReceived("\r\n.\r\n");
  ASSERT_EQ(done.size(), 3u);
  EXPECT_EQ(done[0].record.trackTitles[0], "First");
  EXPECT_EQ(done[0].record.trackTitles[1], "");
}

TEST(FreedbCddbpQuery, StopAndAbort) {
  CddbpQueryDialogue stopped = AtQuery();
  EXPECT_EQ(Describe(stopped.OnStop()), (Lines{Status(kTextFreedbStopped), "finish"}));
  EXPECT_FALSE(stopped.IsRunning());
  EXPECT_EQ(Describe(stopped.OnReceived("200 rock 7a0b1c09 A / B\r\n")), Lines{});
  EXPECT_EQ(Describe(stopped.OnClosed()), Lines{});
  EXPECT_EQ(Describe(stopped.OnStop()), Lines{});

  CddbpQueryDialogue aborted = AtRead();
  EXPECT_EQ(Describe(aborted.OnAbort()), Lines{"finish"});

  // The server may close while the user is still choosing; a late answer changes nothing.
  CddbpQueryDialogue closedWhileChoosing = AtQuery();
  closedWhileChoosing.OnReceived(ToCrlf(ReadTestFile("freedb/replies/query_211_d50dd30f.txt")));
  EXPECT_EQ(Describe(closedWhileChoosing.OnClosed()), Lines{"finish"});
  EXPECT_EQ(Describe(closedWhileChoosing.OnMatchChosen(0)), Lines{});
}

}  // namespace
}  // namespace freedb
}  // namespace bw
