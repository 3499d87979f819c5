// Gathering CDDBP replies from recv chunks: lines, lists and their terminator test, every
// split point of real replies, and the reply buffer's limit.
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

TEST(FreedbListTerminator, OnlyTheLastChunkIsLookedAt) {
  const struct {
    const char* chunk;
    bool ends;
  } cases[] = {
      {".\r\n", true},      // the terminating line alone
      {"\r\n.\r\n", true},  // after the previous line's end
      {"misc x y\r\n.\r\n", true},
      {"\n.\r\n", false},  // CR of the previous line was in the chunk before
      {"a.\r\n", false},   // a line that merely ends in a dot
      {"Goodbye.\r\n", false},
      {".\r", false},
      {"\n", false},
      {"\r\n.\n", false},
      {"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChunkEndsList(c.chunk), c.ends) << '"' << c.chunk << '"';
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

// A list completes exactly when its last chunk passes the terminator test: at every split
// point of a real reply into two chunks.
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
    EXPECT_EQ(reader.Add(last), ChunkEndsList(last)) << split;
    EXPECT_EQ(reader.Reply(), reply);
  }
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

TEST(FreedbReplyReader, TerminatorAloneCompletesButSplitTerminatorWaits) {
  const std::string body = "211 Found inexact matches\r\nmisc d50dd30f Various / Ska Island\r\n";
  ReplyReader alone(kQueryReplyCapacity);
  alone.ExpectLineOrList("211");
  EXPECT_FALSE(alone.Add(body));
  EXPECT_TRUE(alone.Add(".\r\n"));

  ReplyReader split(kQueryReplyCapacity);
  split.ExpectLineOrList("211");
  EXPECT_FALSE(split.Add(body));
  EXPECT_FALSE(split.Add("."));
  EXPECT_FALSE(split.Add("\r\n"));
  EXPECT_FALSE(split.IsComplete());
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
  EXPECT_TRUE(reader.Add("\r\n.\r\n"));
  EXPECT_EQ(reader.Reply().size(), kQueryReplyCapacity);
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
