// The HTTP disc query: the URLs it fetches, the replies it accepts, and its failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "freedb/http_query_dialogue.h"
#include "freedb/reply_reader.h"
#include "freedb_test_support.h"
#include "shell/texts.h"

namespace bw {
namespace freedb {
namespace {

using namespace ::bw::freedb::testing;

const char* const kUrlStart = "http://gnudb.gnudb.org/~cddb/cddb.cgi?cmd=";
const char* const kUrlEnd = "&hello=jo+example.org+Brindlewax+2.3&proto=3";

DiscQuery JoshuaRedman() {
  DiscQuery disc;
  disc.discId = 0x820e770a;
  disc.frameOffsets = {182, 29035, 58502, 82970, 108465, 134520, 150455, 165772, 189987, 223380};
  disc.lengthSeconds = 3705;
  return disc;
}

HttpQueryDialogue MakeDialogue() {
  return HttpQueryDialogue(JoshuaRedman(), "jo@example.org",
                           {"gnudb.gnudb.org", "/~cddb/cddb.cgi"});
}

std::string ReadReply() {
  return "210 jazz 820e770a CD database entry follows (until terminating `.')\r\n" +
         ToCrlf(ReadTestFile("freedb/records/alrs+freedb__dbdump_7908090a")) + ".\r\n";
}

TEST(FreedbHttpQuery, ExactMatchIsFetchedReadAndStored) {
  HttpQueryDialogue dialogue = MakeDialogue();
  EXPECT_EQ(Describe(dialogue.Start(true)),
            (Lines{Status(kTextAccessingFreedb),
                   std::string("fetch ") + kUrlStart +
                       "cddb+query+820e770a+10+182+29035+58502+82970+108465+134520+150455+"
                       "165772+189987+223380+3705" +
                       kUrlEnd}));
  EXPECT_EQ(Describe(dialogue.OnFetched(ReadTestFile("freedb/replies/query_200_820e770a.txt"))),
            (Lines{Status(kTextReadingFromFreedb), "check existing"}));
  EXPECT_EQ(Describe(dialogue.OnExistingChecked(true)),
            (Lines{std::string("fetch ") + kUrlStart + "cddb+read+jazz+820e770a" + kUrlEnd}));
  EXPECT_EQ(Describe(dialogue.OnFetched(ReadReply())),
            (Lines{"store Gladys Knight & The Pips", Status(kTextFreedbDone), "finish"}));
  EXPECT_FALSE(dialogue.IsRunning());
}

TEST(FreedbHttpQuery, InexactMatchesAreOfferedAndTheChoiceIsRead) {
  HttpQueryDialogue dialogue = MakeDialogue();
  dialogue.Start(true);
  EXPECT_EQ(Describe(dialogue.OnFetched(ReadTestFile("freedb/replies/query_211_d50dd30f.txt"))),
            Lines{"choose 2"});
  EXPECT_EQ(Describe(dialogue.OnMatchChosen(0)),
            (Lines{Status(kTextReadingFromFreedb), "check existing"}));
  EXPECT_EQ(Describe(dialogue.OnExistingChecked(true)),
            (Lines{std::string("fetch ") + kUrlStart + "cddb+read+reggae+d50dd30f" + kUrlEnd}));
}

TEST(FreedbHttpQuery, EndingsAndTheirTexts) {
  const std::string html = "<html><body>404 Not Found</body></html>";
  const struct {
    const char* name;
    std::string queryReply;
    int choice;      // answered when the match dialog is shown
    bool overwrite;  // answer to the overwrite check
    std::string readReply;
    const char* status;
  } cases[] = {
      {"wrong script", html, 0, true, "", kTextInvalidCgiScript},
      {"no match", ReadTestFile("freedb/replies/query_202_f90ec511.txt"), 0, true, "",
       kTextDiscNotInFreedb},
      {"server error", "500 Command syntax error.\r\n", 0, true, "", kTextQueryCommandProblem},
      {"empty reply", "", 0, true, "", kTextQueryCommandProblem},
      {"cancelled choice", ReadTestFile("freedb/replies/query_211_d50dd30f.txt"), -1, true, "",
       kTextFreedbCanceled},
      {"overwrite refused", "200 jazz 820e770a Joshua Redman / Wish 1993\r\n", 0, false, "",
       kTextFreedbCanceled},
      {"read error", "200 jazz 820e770a Joshua Redman / Wish 1993\r\n", 0, true,
       "401 jazz 820e770a No such CD entry in database.\r\n", kTextReadCommandProblem},
      {"read html", "200 jazz 820e770a Joshua Redman / Wish 1993\r\n", 0, true, html,
       kTextInvalidCgiScript},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HttpQueryDialogue dialogue = MakeDialogue();
    dialogue.Start(true);
    QueryActions last = dialogue.OnFetched(c.queryReply);
    if (dialogue.CurrentStep() == HttpQueryDialogue::Step::kChoosing) {
      last = dialogue.OnMatchChosen(c.choice);
    }
    if (dialogue.CurrentStep() == HttpQueryDialogue::Step::kCheckingExisting) {
      last = dialogue.OnExistingChecked(c.overwrite);
    }
    if (dialogue.CurrentStep() == HttpQueryDialogue::Step::kRead) {
      last = dialogue.OnFetched(c.readReply);
    }
    EXPECT_EQ(Describe(last), (Lines{Status(c.status), "finish"}));
    EXPECT_FALSE(dialogue.IsRunning());
  }
}

TEST(FreedbHttpQuery, FailedFetchesAndAMissingLibrary) {
  HttpQueryDialogue noLibrary = MakeDialogue();
  EXPECT_EQ(Describe(noLibrary.Start(false)),
            (Lines{Status(kTextCannotLoadWininet), "beep", "finish"}));

  HttpQueryDialogue queryFailed = MakeDialogue();
  queryFailed.Start(true);
  EXPECT_EQ(Describe(queryFailed.OnFetchFailed()),
            (Lines{Status(kTextInternetConnectionFailed), "finish"}));

  HttpQueryDialogue readFailed = MakeDialogue();
  readFailed.Start(true);
  readFailed.OnFetched("200 jazz 820e770a Joshua Redman / Wish 1993\r\n");
  readFailed.OnExistingChecked(true);
  EXPECT_EQ(Describe(readFailed.OnFetchFailed()),
            (Lines{Status(kTextInternetConnectionFailed), "finish"}));
}

TEST(FreedbHttpQuery, ReplyLongerThanTheBufferIsCutWithoutAnError) {
  HttpQueryDialogue dialogue = MakeDialogue();
  dialogue.Start(true);
  dialogue.OnFetched("200 jazz 820e770a Joshua Redman / Wish 1993\r\n");
  dialogue.OnExistingChecked(true);
  std::string reply = "210 jazz 820e770a CD database entry follows\r\nTTITLE0=First\r\n";
  while (reply.size() < kQueryReplyCapacity) reply += "# padding line of a huge record\r\n";
  reply += "TTITLE1=Beyond the buffer\r\n.\r\n";
  const QueryActions done = dialogue.OnFetched(reply);
  ASSERT_EQ(Describe(done), (Lines{"store ", Status(kTextFreedbDone), "finish"}));
  EXPECT_EQ(done[0].record.trackTitles[0], "First");
  EXPECT_EQ(done[0].record.trackTitles[1], "");
}

TEST(FreedbHttpQuery, StopEndsWithStoppedAndLateRepliesAreIgnored) {
  HttpQueryDialogue dialogue = MakeDialogue();
  dialogue.Start(true);
  EXPECT_EQ(Describe(dialogue.OnStop()), (Lines{Status(kTextFreedbStopped), "finish"}));
  EXPECT_EQ(Describe(dialogue.OnFetched("200 jazz 820e770a x\r\n")), Lines{});

  HttpQueryDialogue aborted = MakeDialogue();
  aborted.Start(true);
  EXPECT_EQ(Describe(aborted.OnAbort()), Lines{"finish"});
}

}  // namespace
}  // namespace freedb
}  // namespace bw
