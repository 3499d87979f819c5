// Checking a typed entry before submission: which field is reported first, the exact message,
// the control that gets the focus and the page a later track's row is on.
#include <gtest/gtest.h>

#include <string>

#include "freedb/submission_check.h"

namespace bw {
namespace freedb {
namespace {

SubmittedEntry Complete(int tracks) {
  SubmittedEntry entry;
  for (int i = 0; i < tracks; ++i) entry.trackTitles.push_back("Song " + std::to_string(i + 1));
  entry.artist = "Artist";
  entry.discName = "Disc";
  entry.category = "Rock";
  return entry;
}

const char* const kValid =
    "\nValid categories for Freedb are: Blues, Classical, Country, Data, Folk, Jazz, Misc, "
    "Newage, Reggae, Rock, or Soundtrack.";
const std::string kRequired = "The following field is required for Freedb submission. Field: ";

TEST(FreedbSubmissionCheck, FirstMissingFieldDecidesMessageFocusAndPage) {
  struct Case {
    const char* what;
    int tracks;
    void (*spoil)(SubmittedEntry&);
    std::string message;
    int focus;
    int page;
  };
  const Case cases[] = {
      {"third title", 5, [](SubmittedEntry& e) { e.trackTitles[2].clear(); },
       kRequired + "Track 3.", 1762, 0},
      {"fifteenth title", 15, [](SubmittedEntry& e) { e.trackTitles[14].clear(); },
       kRequired + "Track 15.", 1774, 0},
      {"sixteenth title is the first row of page two", 20,
       [](SubmittedEntry& e) { e.trackTitles[15].clear(); }, kRequired + "Track 16.", 1760, 1},
      {"title 33 on page three", 40, [](SubmittedEntry& e) { e.trackTitles[32].clear(); },
       kRequired + "Track 33.", 1762, 2},
      {"titles come before the artist", 3,
       [](SubmittedEntry& e) {
         e.artist.clear();
         e.trackTitles[1].clear();
       },
       kRequired + "Track 2.", 1761, 0},
      {"artist", 3, [](SubmittedEntry& e) { e.artist.clear(); }, kRequired + "Artist.", 1775, -1},
      {"disc name", 3, [](SubmittedEntry& e) { e.discName.clear(); }, kRequired + "Disc Name.",
       1776, -1},
      {"category", 3, [](SubmittedEntry& e) { e.category.clear(); },
       kRequired + "Category." + kValid, 1777, -1},
      {"category outside the eleven, named as typed", 3,
       [](SubmittedEntry& e) { e.category = "Pop"; },
       std::string("The provided category name is invalid for Freedb submission. Name: Pop") +
           kValid,
       1777, -1},
      {"a blank is part of the category", 3, [](SubmittedEntry& e) { e.category = "rock "; },
       std::string("The provided category name is invalid for Freedb submission. Name: rock ") +
           kValid,
       1777, -1},
  };
  for (const Case& c : cases) {
    SubmittedEntry entry = Complete(c.tracks);
    c.spoil(entry);
    const auto problem = CheckSubmission(entry);
    ASSERT_TRUE(problem.has_value()) << c.what;
    EXPECT_EQ(problem->message, c.message) << c.what;
    EXPECT_EQ(problem->focusControl, c.focus) << c.what;
    EXPECT_EQ(problem->page, c.page) << c.what;
  }
}

TEST(FreedbSubmissionCheck, ValidCategoriesAnyCase) {
  for (const char* category : {"blues", "Classical", "COUNTRY", "data", "Folk", "jazz", "Misc",
                               "NewAge", "reggae", "Rock", "soundTrack"}) {
    SubmittedEntry entry = Complete(2);
    entry.category = category;
    EXPECT_FALSE(CheckSubmission(entry).has_value()) << category;
  }
  for (const char* category : {"pop", "rocks", "new age", "sound track", "r\xD6" "ck", "misc\t"}) {
    EXPECT_FALSE(IsFreedbCategory(category)) << category;
  }
}

TEST(FreedbSubmissionCheck, SubjectCategoryIsLowerCaseAscii) {
  EXPECT_EQ(LowerCaseCategory("Rock"), "rock");
  EXPECT_EQ(LowerCaseCategory("SoundTrack"), "soundtrack");
  EXPECT_EQ(LowerCaseCategory("\xC4rzte"), "\xC4rzte");  // only ASCII letters change
}

TEST(FreedbSubmissionCheck, DiscWithoutTracksChecksTheOtherFields) {
  SubmittedEntry entry = Complete(0);
  EXPECT_FALSE(CheckSubmission(entry).has_value());
  entry.discName.clear();
  EXPECT_EQ(CheckSubmission(entry)->focusControl, 1776);
}

}  // namespace
}  // namespace freedb
}  // namespace bw
