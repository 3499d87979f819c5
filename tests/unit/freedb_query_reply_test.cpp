// Reading the answer to "cddb query": exact and inexact matches, no match, and malformed
// replies.
#include <gtest/gtest.h>

#include <string>

#include "freedb/query_reply.h"
#include "freedb_test_support.h"

namespace bw {
namespace freedb {
namespace {

using namespace ::bw::freedb::testing;

TEST(FreedbQueryReply, RealRepliesWithEitherLineEnd) {
  const struct {
    const char* file;
    QueryReply::Kind kind;
    const char* selector;
    std::size_t matches;
  } cases[] = {
      {"query_200_820e770a.txt", QueryReply::Kind::kFound, "jazz 820e770a", 0},
      {"query_211_d50dd30f.txt", QueryReply::Kind::kChoose, "", 2},
      {"query_202_f90ec511.txt", QueryReply::Kind::kNoMatch, "", 0},
  };
  for (const auto& c : cases) {
    const std::string lf = ReadTestFile(std::string("freedb/replies/") + c.file);
    for (const std::string& reply : {lf, ToCrlf(lf)}) {
      SCOPED_TRACE(c.file);
      const QueryReply parsed = ParseQueryReply(reply);
      EXPECT_EQ(parsed.kind, c.kind);
      EXPECT_EQ(parsed.selector, c.selector);
      EXPECT_EQ(parsed.matches.size(), c.matches);
    }
  }
}

TEST(FreedbQueryReply, InexactMatchesListTitleThenCategory) {
  const QueryReply parsed =
      ParseQueryReply(ToCrlf(ReadTestFile("freedb/replies/query_211_d50dd30f.txt")));
  ASSERT_EQ(parsed.matches.size(), 2u);
  EXPECT_EQ(parsed.matches[0].ListText(), "Various / Ska Island - reggae");
  EXPECT_EQ(parsed.matches[1].ListText(), "Various / Ska Island - misc");
  EXPECT_EQ(ChosenSelector(parsed.matches, 0), "reggae d50dd30f");
  EXPECT_EQ(ChosenSelector(parsed.matches, 1), "misc d50dd30f");
  EXPECT_EQ(ChosenSelector(parsed.matches, -1), std::nullopt);
  EXPECT_EQ(ChosenSelector(parsed.matches, 2), std::nullopt);
}

TEST(FreedbQueryReply, ExactMatchTakesTheTwoWordsAfterTheCode) {
  const struct {
    const char* reply;
    QueryReply::Kind kind;
    const char* selector;
  } cases[] = {
      {"200 rock 7a0b1c09 Some Artist / Some Disc\r\n", QueryReply::Kind::kFound, "rock 7a0b1c09"},
      {"200 rock 7a0b1c09\r\n", QueryReply::Kind::kFound, "rock 7a0b1c09"},
      {"200 rock 7a0b1c09", QueryReply::Kind::kFound, "rock 7a0b1c09"},
      {"200 rock\r\n", QueryReply::Kind::kNoMatch, ""},
      {"200  rock 7a0b1c09 x\r\n", QueryReply::Kind::kNoMatch, ""},
      {"200 ", QueryReply::Kind::kNoMatch, ""},
      // 39 characters fit the result buffer; 40 do not.
      {"200 aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa 7a0b1c09 t\r\n", QueryReply::Kind::kFound,
       "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa 7a0b1c09"},
      {"200 aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa 7a0b1c09 t\r\n", QueryReply::Kind::kNoMatch, ""},
      {"200\r\n", QueryReply::Kind::kNoMatch, ""},
      {"202 No match for disc ID f90ec511.\r\n", QueryReply::Kind::kNoMatch, ""},
      {"210 Found exact matches, list follows\r\nrock 1 x\r\n.\r\n", QueryReply::Kind::kNoMatch,
       ""},
      {"", QueryReply::Kind::kNoMatch, ""},
  };
  for (const auto& c : cases) {
    const QueryReply parsed = ParseQueryReply(c.reply);
    EXPECT_EQ(parsed.kind, c.kind) << c.reply;
    EXPECT_EQ(parsed.selector, c.selector) << c.reply;
  }
}

TEST(FreedbQueryReply, InexactListKeepsOnlyReadableLines) {
  const struct {
    const char* reply;
    QueryReply::Kind kind;
    const char* selector;  // kFound
    std::size_t matches;   // kChoose
  } cases[] = {
      // One match is read without asking.
      {"211 Found\r\nmisc d50dd30f Various / Ska Island\r\n.\r\n", QueryReply::Kind::kFound,
       "misc d50dd30f", 0},
      {"211 Found\r\n.\r\n", QueryReply::Kind::kNoMatch, "", 0},
      {"211 Found", QueryReply::Kind::kNoMatch, "", 0},
      // Lines without two blanks add nothing, and nothing after the terminator counts.
      {"211 Found\r\nmisc\r\nmisc d50dd30f\r\nrock 1 A\r\n.\r\njazz 2 B\r\n",
       QueryReply::Kind::kFound, "rock 1", 0},
      {"211 Found\nrock 1 A\nmisc 2 B\n.\n", QueryReply::Kind::kChoose, "", 2},
      // A pair too long to read back is left out.
      {"211 Found\r\naaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa 1 A\r\nrock 1 A\r\n.\r\n",
       QueryReply::Kind::kFound, "rock 1", 0},
  };
  for (const auto& c : cases) {
    const QueryReply parsed = ParseQueryReply(c.reply);
    EXPECT_EQ(parsed.kind, c.kind) << c.reply;
    EXPECT_EQ(parsed.selector, c.selector) << c.reply;
    EXPECT_EQ(parsed.matches.size(), c.matches) << c.reply;
  }
}

TEST(FreedbQueryReply, ListedCategoryIsCutToNineteenButReadWhole) {
  const QueryReply parsed = ParseQueryReply(
      "211 Found\r\nabcdefghijklmnopqrstuvwxyz 1 Title\r\nrock 2 Other / Disc\r\n.\r\n");
  ASSERT_EQ(parsed.matches.size(), 2u);
  EXPECT_EQ(parsed.matches[0].ListText(), "Title - abcdefghijklmnopqrs");
  EXPECT_EQ(parsed.matches[0].Selector(), "abcdefghijklmnopqrstuvwxyz 1");
  EXPECT_EQ(parsed.matches[1].ListText(), "Other / Disc - rock");
}

}  // namespace
}  // namespace freedb
}  // namespace bw
