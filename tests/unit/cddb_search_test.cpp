// The search: matching as an ordinary substring search, the field order and one hit per entry,
// field codes, case folding through the injected mapping, the property options, start
// entries, progress texts, sorted result items, and the matcher against a plain search.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "cddb/cddb_texts.h"
#include "cddb/database_search.h"
#include "cddb/text_matcher.h"
#include "cddb/text_rules.h"
#include "cddb_database_test_support.h"

namespace bw {
namespace {

using testing::RefEntry;
using testing::RefFile;
using testing::SampleEntry;
using testing::TempFolder;
using testing::WriteBytes;

// An entry whose every text is given; tracks titled as listed.
RefEntry Entry(std::vector<std::string> titles, std::string artist, std::string disc,
               std::string category = "", std::string label = "", std::string notes = "",
               std::string year = "") {
  RefEntry e;
  for (const std::string& title : titles) e.tracks.push_back({title, 100});
  e.totalSeconds = static_cast<std::uint16_t>(100 * titles.size());
  e.firstTrackSeconds = titles.empty() ? 0 : 100;
  e.texts[0] = artist;
  e.texts[1] = disc;
  e.texts[2] = category;
  e.texts[3] = label;
  e.texts[4] = notes;
  e.year = year;
  return e;
}

class SearchTest : public ::testing::Test {
 protected:
  void Store(const std::vector<RefEntry>& entries) {
    WriteBytes(folder_.File("brindwax.dat"), RefFile(entries));
  }
  std::vector<SearchHit> Run(const SearchRequest& request, Status* status = nullptr) {
    std::vector<SearchHit> hits;
    const Status result = SearchDatabase(db_, request, rules_, nullptr, &hits);
    if (status) *status = result;
    return hits;
  }
  static SearchRequest Text(const std::string& text, bool heedCase = false) {
    SearchRequest request;
    request.text = text;
    request.heedCase = heedCase;
    return request;
  }

  TempFolder folder_;
  Database db_{testing::NoFlushFiles(), folder_.Path()};
  TextRules rules_ = PortableTextRules();
};

TEST(TextMatcherTest, FindsEveryOccurrenceAsAPlainSearchDoes) {
  const struct {
    const char* field;
    const char* text;
    bool found;
  } cases[] = {
      {"xaby", "ab", true},  {"aab", "ab", true},      {"aaab", "aab", true},
      {"abab", "bab", true}, {"ab", "abc", false},     {"abc", "abc", true},
      {"", "a", false},      {"Rock", "rock", false},  {"mississippi", "issip", true},
      {"aaaa", "aaaaa", false},
  };
  for (const auto& c : cases) {
    const TextMatcher matcher(c.text, nullptr);
    const auto* data = reinterpret_cast<const std::uint8_t*>(c.field);
    EXPECT_EQ(matcher.Find(data, std::strlen(c.field), 0) != TextMatcher::kNotFound, c.found)
        << c.text << " in " << c.field;
  }
}

TEST(TextMatcherTest, AgreesWithAPlainSearchOnRandomTextsWithAndWithoutCase) {
  std::mt19937 random(5);
  const std::string alphabet = "aAbB\xE9\xC9 -";
  for (int round = 0; round < 3000; ++round) {
    std::string field(random() % 40, ' ');
    for (char& c : field) c = alphabet[random() % alphabet.size()];
    std::string needle(1 + random() % 4, ' ');
    for (char& c : needle) c = alphabet[random() % alphabet.size()];
    const std::size_t from = random() % (field.size() + 1);
    for (LowerCaseBytes fold : {static_cast<LowerCaseBytes>(nullptr), &PortableLowerCase}) {
      std::string foldedField = field;
      std::string foldedNeedle = needle;
      if (fold) {
        fold(foldedField.data(), foldedField.size());
        fold(foldedNeedle.data(), foldedNeedle.size());
      }
      const std::size_t expected = foldedField.find(foldedNeedle, from);
      const TextMatcher matcher(needle, fold);
      const std::size_t found =
          matcher.Find(reinterpret_cast<const std::uint8_t*>(field.data()), field.size(), from);
      ASSERT_EQ(found, expected == std::string::npos ? TextMatcher::kNotFound : expected)
          << "[" << needle << "] in [" << field << "] from " << from;
    }
  }
}

TEST(TextMatcherTest, AFieldThatDefeatsTheFastScanIsStillSearchedInLinearTime) {
  // Every candidate fails at its last byte: the scan must fall back, not go quadratic.
  const std::string field = std::string(200000, 'a') + "b";
  const TextMatcher matcher(std::string(250, 'a') + "b", nullptr);
  EXPECT_EQ(matcher.Find(reinterpret_cast<const std::uint8_t*>(field.data()), field.size(), 0),
            field.size() - 251);
}

TEST_F(SearchTest, TakesTheFirstMatchingFieldInTheOrderOfTheFields) {
  Store({
      Entry({"Intro", "Rockin"}, "Rock Band", "Rock Disc"),              // track 2 before artist
      Entry({"x"}, "Stone", "Rolling Rock", "rock", "RockLabel"),        // disc name
      Entry({}, "", "", "Hard rock"),                                     // category
      Entry({}, "", "", "", "Rock Records"),                              // label
      Entry({}, "", "", "", "", "Line one\r\nRock line"),                 // notes
      Entry({}, "", "", "", "", "", "Rock 1970"),                         // year
      Entry({"Ro", "ck"}, "Ro", "ck"),                                    // never across fields
  });
  const std::vector<SearchHit> hits = Run(Text("rock"));
  std::vector<std::pair<std::uint16_t, std::uint16_t>> found;
  for (const SearchHit& hit : hits) found.push_back({hit.index, hit.fieldCode});
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::pair<std::uint16_t, std::uint16_t>>{
                       {0, 1}, {1, 101}, {2, 102}, {3, 103}, {4, 104}, {5, 115}}));
}

TEST_F(SearchTest, SearchesOnlyTheChosenFields) {
  Store({Entry({"Rock"}, "Rock", "Rock", "Rock", "Rock", "Rock", "Rock")});
  const std::uint16_t codes[kSearchFieldCount] = {0, 100, 101, 102, 103, 104, 115};
  for (int only = 0; only < kSearchFieldCount; ++only) {
    SearchRequest request = Text("rock");
    request.fields.fill(false);
    request.fields[static_cast<std::size_t>(only)] = true;
    const std::vector<SearchHit> hits = Run(request);
    ASSERT_EQ(hits.size(), 1u) << only;
    EXPECT_EQ(hits[0].fieldCode, codes[only]) << only;
  }
  SearchRequest none = Text("rock");
  none.fields.fill(false);
  EXPECT_TRUE(Run(none).empty());
}

TEST_F(SearchTest, CaseIsFoldedThroughTheInjectedMapping) {
  Store({Entry({}, "Rock", "x"), Entry({}, "\xC9T\xC9", "y")});
  EXPECT_EQ(Run(Text("ROCK")).size(), 1u);
  EXPECT_EQ(Run(Text("ROCK", true)).size(), 0u);
  EXPECT_EQ(Run(Text("Rock", true)).size(), 1u);
  EXPECT_EQ(Run(Text("\xE9t\xE9")).size(), 1u) << "accented capitals fold too";
  // A mapping that folds nothing makes every search heed case.
  rules_.lowerCase = [](char*, std::size_t) {};
  EXPECT_EQ(Run(Text("ROCK")).size(), 0u);
}

TEST_F(SearchTest, AnEmptyTextOrFieldMatchesNothing) {
  Store({Entry({""}, "", "", "", "", "", "")});
  Status status;
  EXPECT_TRUE(Run(Text(""), &status).empty());
  EXPECT_TRUE(status.IsOk());
  EXPECT_TRUE(Run(Text(" ")).empty());
}

TEST_F(SearchTest, PropertyOptionsMatchTheStoredCodes) {
  std::vector<RefEntry> entries;
  const std::uint8_t codes[][3] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 1}, {3, 3, 1}, {9, 200, 7}};
  for (const auto& c : codes) {
    RefEntry e = Entry({}, "A", "B");
    std::copy(c, c + 3, e.codes);
    entries.push_back(e);
  }
  Store(entries);
  // Per option, the entries found (codes above 3 stand for DDD and CD+Video).
  const std::vector<std::uint16_t> expected[] = {
      {0}, {1}, {2}, {3, 4}, {0}, {1}, {2}, {3, 4}, {0}, {1, 2, 3, 4}};
  for (int option = 1; option <= 10; ++option) {
    SearchRequest request;
    request.textSearch = false;
    request.propertyOption = option;
    std::vector<std::uint16_t> found;
    for (const SearchHit& hit : Run(request)) {
      found.push_back(hit.index);
      EXPECT_EQ(hit.fieldCode, 104 + option) << option;
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected[option - 1]) << option;
  }
}

TEST_F(SearchTest, StartsAtTheStartEntryAndReportsEachEntry) {
  Store({Entry({}, "Rock", "1"), Entry({}, "Rock", "2"), Entry({}, "Rock", "3")});
  SearchRequest request = Text("rock");
  request.startIndex = 1;
  std::vector<std::string> counts;
  std::vector<std::string> results;
  std::vector<SearchHit> hits;
  ASSERT_TRUE(SearchDatabase(db_, request, rules_,
                             [&](const ProgressEvent& e) {
                               (e.kind == ProgressKind::kCount ? counts : results)
                                   .push_back(std::string(e.text));
                             },
                             &hits)
                  .IsOk());
  EXPECT_EQ(counts, (std::vector<std::string>{"2 of 3", "3 of 3"}));
  EXPECT_EQ(results, (std::vector<std::string>{"2 items found"}));
  ASSERT_EQ(hits.size(), 2u);
  request.startIndex = 7;
  EXPECT_TRUE(Run(request).empty());
}

TEST_F(SearchTest, ItemsShowArtistAndDiscSortedAsTheListBoxWouldWithTheirValues) {
  Store({Entry({}, "zz", "Top"), Entry({"Rock"}, "abba", "Gold"), Entry({}, "ABBA", "Arrival"),
         Entry({}, "Rock", "x")});
  const std::vector<SearchHit> all = [&] {
    SearchRequest request;
    request.textSearch = false;
    request.propertyOption = 1;  // every entry: AAD
    return Run(request);
  }();
  std::vector<std::string> captions;
  for (const SearchHit& hit : all) captions.push_back(hit.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"ABBA - Arrival", "abba - Gold", "Rock - x",
                                                "zz - Top"}));
  const std::vector<SearchHit> rock = Run(Text("rock"));
  ASSERT_EQ(rock.size(), 2u);
  EXPECT_EQ(rock[0].Value(), 0u * 65536 + 1);   // abba - Gold, track 1
  EXPECT_EQ(rock[1].Value(), 100u * 65536 + 3);  // Rock - x, artist
  EXPECT_EQ(HitIndexOf(rock[1].Value()), 3);
  EXPECT_EQ(HitFieldCodeOf(rock[1].Value()), 100);
}

TEST_F(SearchTest, ADamagedChainGivesTheHitsBeforeTheDamage) {
  std::string file = RefFile({Entry({}, "Rock", "1"), Entry({}, "Rock", "2")});
  file.resize(file.size() - 2);
  WriteBytes(folder_.File("brindwax.dat"), file);
  Status status;
  EXPECT_EQ(Run(Text("rock"), &status).size(), 1u);
  EXPECT_TRUE(status.IsCorrupt());
  std::remove(folder_.File("brindwax.dat").c_str());
  EXPECT_TRUE(Run(Text("rock"), &status).empty());
  EXPECT_TRUE(status.IsNotFound());
  EXPECT_FALSE(testing::FileExists(folder_.File("brindwax.dat"))) << "searching creates nothing";
}

TEST(SearchSettingsTest, TheRequestFollowsTheSettings) {
  SearchSettings settings;
  settings.searchArtist = false;
  settings.caseSensitive = true;
  settings.stringMatch = "abc";
  settings.radioSearch = 3;
  SearchRequest request = SearchRequestFromSettings(settings, 12);
  EXPECT_TRUE(request.textSearch);
  EXPECT_TRUE(request.heedCase);
  EXPECT_EQ(request.text, "abc");
  EXPECT_FALSE(request.fields[static_cast<int>(SearchField::kArtist)]);
  EXPECT_TRUE(request.fields[static_cast<int>(SearchField::kTrack)]);
  EXPECT_EQ(request.propertyOption, 3);
  EXPECT_EQ(request.startIndex, 12);
  settings.searchEntireDatabase = true;
  settings.radioSearch = 0;
  request = SearchRequestFromSettings(settings, 12);
  EXPECT_EQ(request.startIndex, 0) << "the entire database starts at entry 1";
  EXPECT_EQ(request.propertyOption, 1);
}

}  // namespace
}  // namespace bw
