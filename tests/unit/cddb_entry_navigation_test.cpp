// The editor's and the search's rules for entry numbers and moves, the search's memory
// between openings, the focus after a hit, and the progress throttle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/check.h"
#include "cddb/catalogue_generation.h"
#include "cddb/entry_navigation.h"
#include "cddb/search_memory.h"
#include "cddb/tool_progress.h"
#include "cddb/tool_texts.h"

namespace bw {
namespace {

TEST(EntryNumberTest, TypedNumbersBecomeIndexesInsideTheCatalogue) {
  const struct {
    const char* typed;
    std::uint16_t count;
    std::uint16_t index;
  } cases[] = {
      {"1", 10, 0},      {"10", 10, 9},        {"11", 10, 9},   {"0", 10, 0},
      {"", 10, 0},       {"abc", 10, 0},       {"-1", 10, 9},   {"-70000", 10, 9},
      {"  7", 10, 6},    {"7x", 10, 6},        {"+3", 10, 2},   {"70000", 65535, 65534},
      {"70000", 5000, 4999}, {"65536", 65535, 65534}, {"99999999999999999999", 3, 2},
      {"4464", 65535, 4463}, {"5", 1, 0},      {"-0", 10, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EntryIndexFromText(c.typed, c.count), c.index) << "\"" << c.typed << "\" of " << c.count;
  }
}

TEST(EntryNumberTest, NextAndPreviousWrapAround) {
  EXPECT_EQ(NextEntryIndex(0, 3), 1);
  EXPECT_EQ(NextEntryIndex(2, 3), 0);
  EXPECT_EQ(PreviousEntryIndex(0, 3), 2);
  EXPECT_EQ(PreviousEntryIndex(2, 3), 1);
  EXPECT_EQ(NextEntryIndex(0, 1), 0);
  EXPECT_EQ(PreviousEntryIndex(0, 1), 0);
  EXPECT_EQ(NextEntryIndex(65534, 65535), 0);
  EXPECT_EQ(PreviousEntryIndex(0, 65535), 65534);
  EXPECT_EQ(PreviousEntryIndex(9, 3), 2) << "an index past a shrunk catalogue";
}

TEST(EntryNumberTest, AfterADeleteTheSameOrTheNewLastEntryShows) {
  EXPECT_EQ(IndexAfterDelete(1, 3), 1);
  EXPECT_EQ(IndexAfterDelete(3, 3), 2);
  EXPECT_EQ(IndexAfterDelete(0, 1), 0);
}

TEST(SearchStartTest, ARepeatedSearchGoesOnAfterTheLastHit) {
  EXPECT_EQ(SearchStartIndex(4, std::nullopt, 10), 4);
  EXPECT_EQ(SearchStartIndex(4, 4, 10), 5);
  EXPECT_EQ(SearchStartIndex(4, 3, 10), 4) << "the editor moved on since";
  EXPECT_EQ(SearchStartIndex(9, 9, 10), 9) << "no entry after the last";
}

TEST(SearchStartTest, FocusGoesToTheFieldOfTheHit) {
  const EditorFocus track17 = FocusForFieldCode(16);
  EXPECT_EQ(track17.kind, EditorFocus::Kind::kTrackTitle);
  EXPECT_EQ(track17.page, 1);
  EXPECT_EQ(track17.row, 1);
  EXPECT_EQ(FocusForFieldCode(98).page, 6);
  EXPECT_EQ(FocusForFieldCode(98).row, 8);
  EXPECT_EQ(FocusForFieldCode(100).kind, EditorFocus::Kind::kText);
  EXPECT_EQ(FocusForFieldCode(104).text, 4);
  EXPECT_EQ(FocusForFieldCode(105).kind, EditorFocus::Kind::kProperty);
  EXPECT_EQ(FocusForFieldCode(114).property, 9);
  EXPECT_EQ(FocusForFieldCode(115).kind, EditorFocus::Kind::kYearReleased);
  EXPECT_EQ(FocusForFieldCode(99).kind, EditorFocus::Kind::kNone);
  EXPECT_EQ(FocusForFieldCode(200).kind, EditorFocus::Kind::kNone);
}

TEST(SearchMemoryTest, KeepsTheListAndTheChoiceUntilTheCatalogueChanges) {
  SearchMemory memory;
  EXPECT_TRUE(memory.TakeSavedResults().empty());
  EXPECT_FALSE(memory.LastChosen());
  memory.SaveResults({{3, 100, "A - B"}, {1, 0, "C - D"}});
  memory.RememberChosen(3);
  const std::vector<SearchHit> saved = memory.TakeSavedResults();
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[0].caption, "A - B");
  EXPECT_TRUE(memory.TakeSavedResults().empty()) << "handed over once";
  EXPECT_EQ(memory.LastChosen(), std::optional<std::uint16_t>(3));

  memory.SaveResults(saved);
  NoteCatalogueChanged();
  EXPECT_TRUE(memory.TakeSavedResults().empty());
  EXPECT_FALSE(memory.LastChosen());
}

TEST(ProgressThrottleTest, PassesStepsAlwaysAndCountsAtMostOncePerInterval) {
  std::uint64_t now = 0;
  std::vector<std::string> shown;
  ProgressThrottle throttle([&shown](const ProgressEvent& e) { shown.push_back(std::string(e.text)); },
                            [&now] { return now; }, 50);
  const auto send = [&throttle](ProgressKind kind, const char* text) {
    throttle(ProgressEvent{kind, text, 0, 0});
  };
  send(ProgressKind::kStep, "step");
  send(ProgressKind::kCount, "1 of 9");
  send(ProgressKind::kCount, "2 of 9");
  now = 49;
  send(ProgressKind::kItem, "Writing: a");
  now = 50;
  send(ProgressKind::kItem, "Writing: b");
  send(ProgressKind::kResult, "Done!");
  EXPECT_EQ(shown, (std::vector<std::string>{"step", "1 of 9", "Writing: b", "Done!"}));
}

TEST(ToolTextsTest, MinutesSecondsAndCounts) {
  EXPECT_EQ(MinutesSeconds(0), "0:00");
  EXPECT_EQ(MinutesSeconds(5), "0:05");
  EXPECT_EQ(MinutesSeconds(75), "1:15");
  EXPECT_EQ(MinutesSeconds(65535), "1092:15");
  EXPECT_EQ(CountText(1, 65535), "1 of 65535");
  // Counting up in place, across every carry, and jumping.
  CountTextBuffer buffer;
  for (std::uint32_t n : {1u, 2u, 3u, 8u, 9u, 10u, 11u, 99u, 100u, 101u, 999u, 1000u, 65534u, 65535u}) {
    EXPECT_EQ(buffer.Make(n, 65535), CountText(n, 65535));
  }
  for (std::uint32_t n = 1; n <= 1200; ++n) ASSERT_EQ(buffer.Make(n, 1200), CountText(n, 1200)) << n;
  EXPECT_EQ(buffer.Make(7, 9), "7 of 9");
}

#if BW_CHECKS_ENABLED && GTEST_HAS_DEATH_TEST
TEST(CheckDeathTest, ABrokenInvariantSaysWhereAndWhat) {
  const int entries = 2;
  EXPECT_DEATH(BW_CHECK(entries == 3), "cddb_entry_navigation_test.cpp:[0-9]+: check failed: entries == 3");
  BW_CHECK(entries == 2);
}
#endif

}  // namespace
}  // namespace bw
