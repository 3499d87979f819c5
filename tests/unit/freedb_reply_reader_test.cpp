// Gathering CDDBP replies from recv chunks: lines, lists and their terminator test, every
// split point of real replies (the terminator itself split included), and the buffer's limit.
#include <gtest/gtest.h>

#include <string>

#include "freedb/reply_reader.h"
#include "freedb_test_support.h"

namespace bw {
namespace freedb {
namespace {

using namespace ::bw::freedb::testing;

// The line of `text` that begins with `prefix`, with its line end.
std::string LineStartingWith(const std::string& text, const std::string& prefix) {
  const std::size_t from = text.find("\n" + prefix) + 1;
  return text.substr(from, text.find('\n', from) + 1 - from);
}

TEST(FreedbListTerminator, TheReplySoFarMustEndWithALineHoldingADot) {
  const struct {
    const char* reply;
    bool ends;
  } cases[] = {
      {".\r\n", true},  // the terminating line alone
      {"210 ok\r\n.\r\n", true},
      {"210 ok\r\nmisc x y\r\n.\r\n", true},
      {"210 ok\n.\r\n", false},  // the line before did not end in CR LF
      {"210 ok\r\na.\r\n", false},  // a line that merely ends in a dot
      {"230 Goodbye.\r\n", false},
      {"210 ok\r\n..\r\n", false},
      {"210 ok\r\n.\r", false},
      {"210 ok\r\n.\n", false},
      {"210 ok\r\n.\r\nmore", false},
      {"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplyEndsList(c.reply), c.ends) << '"' << c.reply << '"';
  }
}

TEST(FreedbListTerminator, FetchedListsMayEndInLfAlone) {
  const struct {
    const char* text;
    bool ends;
  } cases[] = {
      {"210 ok\r\nx\r\n.\r\n", true}, {"210 ok\nx\n.\n", true}, {"210 ok\nx\n.", true},
      {".", true},                        {"210 ok\nx\n", false},    {"210 ok\nx.\n", false},
      {"210 ok\nx\n..\n", false},        {"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FetchedTextEndsList(c.text), c.ends) << '"' << c.text << '"';
  }
}

TEST(FreedbReplyReader, LineIsCompleteAtItsLineFeedWhateverTheChunks) {
  const std::string greeting = LineStartingWith(
      ToCrlf(ReadTestFile("freedb/replies/misc_banner_hello_ver_discid.txt")), "201 ");
  ASSERT_GT(greeting.size(), 20u);
  for (std::size_t split = 1; split < greeting.size(); ++split) {
    ReplyReader reader(kQueryReplyCapacity);
    reader.ExpectLine();
    EXPECT_FALSE(reader.Add(greeting.substr(0, split))) << split;
    EXPECT_TRUE(reader.Add(greeting.substr(split))) << split;
    EXPECT_EQ(reader.Reply(), greeting);
  }
}

// A list completes exactly when its last byte arrives: at every split point of a real reply
// into two chunks, and when it trickles in a byte at a time.
void ExpectEverySplitOfList(const std::string& reply, bool lineOrList) {
  for (std::size_t split = 1; split < reply.size(); ++split) {
    ReplyReader reader(kQueryReplyCapacity);
    if (lineOrList) {
      reader.ExpectLineOrList(reply.substr(0, 3));
    } else {
      reader.ExpectList();
    }
    const std::string first = reply.substr(0, split);
    const std::string last = reply.substr(split);
    EXPECT_FALSE(reader.Add(first)) << split;
    EXPECT_TRUE(reader.Add(last)) << split;
    EXPECT_EQ(reader.Reply(), reply);
  }
  ReplyReader trickle(kQueryReplyCapacity);
  trickle.ExpectList();
  for (std::size_t i = 0; i + 1 < reply.size(); ++i) {
    ASSERT_FALSE(trickle.Add(reply.substr(i, 1))) << i;
  }
  EXPECT_TRUE(trickle.Add(reply.substr(reply.size() - 1)));
  EXPECT_EQ(trickle.Reply(), reply);
}

TEST(FreedbReplyReader, InexactMatchListAtEverySplitPoint) {
  ExpectEverySplitOfList(ToCrlf(ReadTestFile("freedb/replies/query_211_d50dd30f.txt")), true);
}

TEST(FreedbReplyReader, CategoryListAtEverySplitPoint) {
  ExpectEverySplitOfList(ToCrlf(ReadTestFile("freedb/replies/lscat_210.txt")), false);
}

TEST(FreedbReplyReader, ReadReplyAtEverySplitPoint) {
  const std::string reply =
      "210 rock a10b600c CD database entry follows (until terminating `.')\r\n" +
      ReadTestFile(
          "freedb/records/pipian+rubyripper__features_testdata_disc_normalAudioDisc_freedb") +
      ".\r\n";
  ExpectEverySplitOfList(reply, true);
}

TEST(FreedbReplyReader, TerminatorAloneOrSplitCompletes) {
  const std::string body = "211 Found inexact matches\r\nmisc d50dd30f Various / Ska Island\r\n";
  ReplyReader alone(kQueryReplyCapacity);
  alone.ExpectLineOrList("211");
  EXPECT_FALSE(alone.Add(body));
  EXPECT_TRUE(alone.Add(".\r\n"));

  ReplyReader split(kQueryReplyCapacity);
  split.ExpectLineOrList("211");
  EXPECT_FALSE(split.Add(body));
  EXPECT_FALSE(split.Add("."));
  EXPECT_TRUE(split.Add("\r\n"));

  // The line end before the dot in one read, the dot line in the next.
  ReplyReader across(kQueryReplyCapacity);
  across.ExpectLineOrList("211");
  EXPECT_FALSE(across.Add(body.substr(0, body.size() - 1)));
  EXPECT_FALSE(across.Add("\n."));
  EXPECT_TRUE(across.Add("\r\n"));

  // A dot line inside the body is no terminator when more follows it in the same read.
  ReplyReader inside(kQueryReplyCapacity);
  inside.ExpectList();
  EXPECT_FALSE(inside.Add("210 ok\r\n.\r\nstray"));
}

TEST(FreedbReplyReader, ListCodeDecidesBetweenLineAndList) {
  ReplyReader reader(kQueryReplyCapacity);
  reader.ExpectLineOrList("211");
  EXPECT_TRUE(reader.Add("200 jazz 820e770a Joshua Redman / Wish 1993\r\n"));

  reader.ExpectLineOrList("210");
  EXPECT_TRUE(reader.Add("401 misc d50dd30f No such CD entry in database.\r\n"));

  // The code may arrive in pieces; nothing is decided before the first line is whole.
  reader.ExpectLineOrList("211");
  EXPECT_FALSE(reader.Add("2"));
  EXPECT_FALSE(reader.Add("11 Found inexact matches, list follows (until terminating `.')\r\n"));
  EXPECT_FALSE(reader.Add("misc d50dd30f Various / Ska Island\r\n"));
  EXPECT_TRUE(reader.Add(".\r\n"));
}

TEST(FreedbReplyReader, RecvLimitIsTheRoomLeftForALineAndOneChunkForAList) {
  ReplyReader reader(kQueryReplyCapacity);
  reader.ExpectLineOrList("211");
  EXPECT_EQ(reader.RecvLimit(), kQueryReplyCapacity);
  reader.Add("211 Found\r\n");
  EXPECT_EQ(reader.RecvLimit(), kListChunkSize);
  reader.ExpectLine();
  reader.Add("20");
  EXPECT_EQ(reader.RecvLimit(), kQueryReplyCapacity - 2);
}

TEST(FreedbReplyReader, ListLongerThanTheBufferIsCutAndStillEnds) {
  ReplyReader reader(kQueryReplyCapacity);
  reader.ExpectList();
  const std::string chunk(kListChunkSize, 'x');
  for (int i = 0; i < 60; ++i) EXPECT_FALSE(reader.Add(chunk));
  EXPECT_EQ(reader.Reply().size(), kQueryReplyCapacity);
  EXPECT_TRUE(reader.Truncated());
  // Past the buffer the terminator is still seen, even split over reads.
  EXPECT_FALSE(reader.Add("\r"));
  EXPECT_FALSE(reader.Add("\n."));
  EXPECT_TRUE(reader.Add("\r\n"));
  EXPECT_EQ(reader.Reply().size(), kQueryReplyCapacity);

  ReplyReader fits(kQueryReplyCapacity);
  fits.ExpectList();
  EXPECT_TRUE(fits.Add("210 ok\r\n.\r\n"));
  EXPECT_FALSE(fits.Truncated());
}

TEST(FreedbReplyReader, LineFillingTheBufferIsCompleteAsItStands) {
  ReplyReader reader(16);
  reader.ExpectLine();
  EXPECT_FALSE(reader.Add("200 0123456"));
  EXPECT_TRUE(reader.Add("789abcdef and more"));
  EXPECT_EQ(reader.Reply(), "200 0123456789ab");
}

TEST(FreedbReplyReader, ExpectingAnewForgetsTheLastReply) {
  ReplyReader reader(kQueryReplyCapacity);
  reader.ExpectLine();
  EXPECT_TRUE(reader.Add("201 ready\r\n"));
  reader.ExpectLine();
  EXPECT_FALSE(reader.IsComplete());
  EXPECT_EQ(reader.Reply(), "");
}

}  // namespace
}  // namespace freedb
}  // namespace bw
