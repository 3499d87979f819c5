// The portable ordering and lower-casing of Windows-1252 texts: the word-sort order of the
// usual cases, a consistent total order over many generated names, and the code page's
// lower-case pairs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cddb/text_rules.h"
#include "cddb_text_order_cases.h"

namespace bw {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(PortableOrderTest, PutsTheUsualPairsInWordSortOrder) {
  for (const auto& pair : testing::kOrderedPairs) {
    EXPECT_LT(PortableCompareText(pair.first, pair.second), 0) << pair.why;
    EXPECT_GT(PortableCompareText(pair.second, pair.first), 0) << pair.why;
  }
  EXPECT_EQ(PortableCompareText("Queen", "Queen"), 0);
  EXPECT_EQ(PortableCompareText("", ""), 0);
}

TEST(PortableOrderTest, IgnoringCaseLeavesOnlyTheLetters) {
  EXPECT_EQ(PortableCompareTextIgnoringCase("abba", "ABBA"), 0);
  EXPECT_LT(PortableCompareTextIgnoringCase("abba", "ABBC"), 0);
  EXPECT_LT(PortableCompareTextIgnoringCase("Bjork", "BJ\xD6RK"), 0) << "accents still weigh";
}

TEST(PortableOrderTest, LigaturesSortAsTheirLetters) {
  EXPECT_LT(PortableCompareText("Strass", "Stra\xDF" "e"), 0) << "\xDF is s and s";
  EXPECT_LT(PortableCompareText("Stra\xDF" "e", "Strasz"), 0);
  EXPECT_LT(PortableCompareText("Adz", "\xC6on"), 0) << "\xC6 is A and E";
  EXPECT_LT(PortableCompareText("\xC6on", "Af"), 0);
  EXPECT_EQ(PortableCompareText("\xFE" "orn", "thorn"), 0) << "the thorn is t and h";
}

TEST(PortableOrderTest, IsAConsistentTotalOrder) {
  const std::vector<std::string> names = testing::GeneratedNames(400, 7);
  for (TextCompare compare : {PortableCompareText, PortableCompareTextIgnoringCase}) {
    for (const std::string& a : names) {
      EXPECT_EQ(compare(a.c_str(), a.c_str()), 0) << a;
      for (const std::string& b : names) {
        ASSERT_EQ(Sign(compare(a.c_str(), b.c_str())), -Sign(compare(b.c_str(), a.c_str())))
            << a << " | " << b;
      }
    }
    // Sorted by it, every later name compares at least as great as every earlier one.
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end(), [compare](const std::string& a, const std::string& b) {
      return compare(a.c_str(), b.c_str()) < 0;
    });
    for (std::size_t i = 0; i < sorted.size(); ++i) {
      for (std::size_t j = i + 1; j < sorted.size(); ++j) {
        ASSERT_LE(compare(sorted[i].c_str(), sorted[j].c_str()), 0) << sorted[i] << " | " << sorted[j];
      }
    }
  }
}

TEST(PortableLowerCaseTest, MapsTheCodePagesCapitalsAndNothingElse) {
  char bytes[256];
  for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i);
  PortableLowerCase(bytes, sizeof(bytes));
  const std::pair<unsigned char, unsigned char> capitals[] = {
      {'A', 'a'}, {'Z', 'z'}, {0xC0, 0xE0}, {0xD6, 0xF6}, {0xD8, 0xF8}, {0xDE, 0xFE},
      {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF},
  };
  int changed = 0;
  for (int i = 0; i < 256; ++i) changed += static_cast<unsigned char>(bytes[i]) != i;
  EXPECT_EQ(changed, 26 + 30 + 4);
  for (const auto& [capital, small] : capitals) {
    EXPECT_EQ(static_cast<unsigned char>(bytes[capital]), small) << int{capital};
  }
  for (int unchanged : {0xD7, 0xDF, 0xFF, 0x9A, 0xB5, 0x40, 0x5B, 0x00}) {
    EXPECT_EQ(static_cast<unsigned char>(bytes[unchanged]), unchanged) << unchanged;
  }
}

}  // namespace
}  // namespace bw
