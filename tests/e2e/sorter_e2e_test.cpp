// The Database Sorter opened from Garnish: the order it leaves in brindwax.dat, every entry kept
// byte for byte but for its links, and a sorted or one-entry catalogue left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cddb/database_format.h"
#include "garnish_e2e_support.h"

namespace {

using cde2e::CdPlayerSession;
using garnishe2e::TestEntry;
using garnishe2e::Text;
using garnishe2e::WaitGone;

// The entries of a catalogue file without their two links: record_length up to own_offset.
std::vector<std::string> EntryBodies(const std::string& file) {
  std::vector<std::string> bodies;
  std::size_t at = bw::dbformat::kFirstEntryOffset;
  while (at + 6 <= file.size()) {
    const std::size_t length = static_cast<unsigned char>(file[at + 4]) +
                               256u * static_cast<unsigned char>(file[at + 5]);
    if (length < 6 || at + 4 + length > file.size()) break;
    bodies.push_back(file.substr(at + 4, length - 4));
    at += 4 + length;
  }
  return bodies;
}

std::string ArtistOf(bw::Database& catalogue, std::uint16_t index) {
  std::uint32_t offset = 0;
  std::string artist;
  EXPECT_TRUE(catalogue.LocateEntry(index, &offset).IsOk());
  EXPECT_TRUE(catalogue.ReadEntryArtist(offset, &artist).IsOk());
  std::string discName;
  EXPECT_TRUE(catalogue.ReadEntryDiscName(offset, &discName).IsOk());
  return artist + "/" + discName;
}

// Opens the sorter from Garnish, presses Start and waits for "Done!".
void SortThroughTheWindow(CdPlayerSession& session, const char* screenshot = nullptr) {
  HWND garnish = garnishe2e::OpenGarnish(session, nullptr);
  ASSERT_NE(garnish, nullptr);
  e2e::ClickId(garnish, IDC_GARNISH_SORTER);
  HWND sorter = session.program.WaitForWindow(kTextSorterTitle, 5000);
  ASSERT_NE(sorter, nullptr);
  e2e::ClickId(sorter, IDC_SORTER_START);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Text(sorter, IDC_SORTER_STATUS) == kTextToolDone; }, 10000));
  if (screenshot != nullptr) e2e::SaveScreenshot(sorter, screenshot);
  e2e::ClickId(sorter, IDC_SORTER_OK);
  EXPECT_TRUE(WaitGone(session, kTextSorterTitle));
}

TEST(DatabaseSorter, OrdersByArtistAsTheSystemComparesAndKeepsEveryEntry) {
  CdPlayerSession session;
  bw::Database catalogue = session.Catalogue();
  const std::vector<TestEntry> entries = {
      {"beta", "first", {100}},  {"Alpha", "a", {101, 5}}, {"abba", "lower", {102}},
      {"ABBA", "upper", {103}},  {"", "nobody", {104}},    {"beta", "second", {105, 6, 7}},
      {"Zed", "z", {106}},       {"beta", "third", {107}}, {"\xc9mile", "accent", {108}}};
  garnishe2e::AppendEntries(catalogue, entries);
  const std::string before = session.folder.ReadFile(bw::dbformat::kDataFileName);

  // The order lstrcmpA gives, equal artists in their file order.
  std::vector<std::size_t> order(entries.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return lstrcmpA(entries[a].artist.c_str(), entries[b].artist.c_str()) < 0;
  });
  ASSERT_EQ(entries[order[0]].artist, "");  // an empty artist comes first

  SortThroughTheWindow(session, "sorter_dialog");
  const std::string after = session.folder.ReadFile(bw::dbformat::kDataFileName);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.substr(0, bw::dbformat::kFirstEntryOffset),
            before.substr(0, bw::dbformat::kFirstEntryOffset));
  for (std::size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(ArtistOf(catalogue, static_cast<std::uint16_t>(i)),
              entries[order[i]].artist + "/" + entries[order[i]].discName) << "place " << i;
  }
  // Every entry's bytes are kept; only the links moved with them.
  const std::vector<std::string> oldBodies = EntryBodies(before);
  const std::vector<std::string> newBodies = EntryBodies(after);
  ASSERT_EQ(newBodies.size(), entries.size());
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(newBodies[i], oldBodies[order[i]]);
  EXPECT_TRUE(catalogue.CheckDatabase().IsOk());
  EXPECT_FALSE(session.folder.Exists("brindwax.new"));
  EXPECT_FALSE(session.folder.Exists("brindwax.dbk"));
}

TEST(DatabaseSorter, ASortedCatalogueStaysByteForByte) {
  CdPlayerSession session;
  bw::Database catalogue = session.Catalogue();
  garnishe2e::AppendEntries(catalogue, {{"A", "1", {100}}, {"B", "2", {200}}, {"B", "3", {300}},
                                        {"C", "4", {400}}});
  const std::string before = session.folder.ReadFile(bw::dbformat::kDataFileName);
  SortThroughTheWindow(session);
  EXPECT_EQ(session.folder.ReadFile(bw::dbformat::kDataFileName), before);
}

TEST(DatabaseSorter, OneEntryIsDoneAtOnceAndLeftAlone) {
  CdPlayerSession session;
  bw::Database catalogue = session.Catalogue();
  garnishe2e::AppendEntries(catalogue, {{"Solo", "only", {100, 200}}});
  const std::string before = session.folder.ReadFile(bw::dbformat::kDataFileName);
  SortThroughTheWindow(session);
  EXPECT_EQ(session.folder.ReadFile(bw::dbformat::kDataFileName), before);
  EXPECT_FALSE(session.folder.Exists("brindwax.new"));
}

}  // namespace
