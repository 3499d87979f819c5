// On Windows: the system's lstrcmpA and CharLowerBuffA, which the catalogue tools use there,
// against the portable ordering and lower-casing used elsewhere. Lower-casing must agree byte
// for byte; for the ordering the test prints every pair of generated artists the two order
// differently, so the portable approximation can be judged and improved.
#ifdef _WIN32

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cddb/text_rules.h"
#include "cddb_text_order_cases.h"

namespace bw {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(SystemTextRulesTest, LowerCasingAgreesWithThePortableOneOnEveryByte) {
  if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1252";
  char system[256];
  char portable[256];
  for (int i = 0; i < 256; ++i) system[i] = portable[i] = static_cast<char>(i);
  PlatformTextRules().lowerCase(system, sizeof(system));
  PortableLowerCase(portable, sizeof(portable));
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(static_cast<unsigned char>(system[i]), static_cast<unsigned char>(portable[i]))
        << "byte " << i;
  }
}

TEST(SystemTextRulesTest, OrdersTheUsualPairsAsTheWordSortDoes) {
  const TextRules rules = PlatformTextRules();
  for (const auto& pair : testing::kOrderedPairs) {
    EXPECT_LT(rules.compare(pair.first, pair.second), 0) << pair.why;
  }
}

TEST(SystemTextRulesTest, PortableOrderingMatchesTheSystemsOnGeneratedArtists) {
  if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1252";
  const TextRules rules = PlatformTextRules();
  const std::vector<std::string> names = testing::GeneratedNames(3000, 1252);

  // Every pair of neighbours in the system's order, and a fixed sample of other pairs.
  std::vector<std::string> bySystem = names;
  std::stable_sort(bySystem.begin(), bySystem.end(), [&](const std::string& a, const std::string& b) {
    return rules.compare(a.c_str(), b.c_str()) < 0;
  });
  int pairs = 0;
  int differing = 0;
  const auto check = [&](const std::string& a, const std::string& b) {
    ++pairs;
    const int system = Sign(rules.compare(a.c_str(), b.c_str()));
    const int portable = Sign(PortableCompareText(a.c_str(), b.c_str()));
    if (system == portable) return;
    if (++differing <= 40) {
      std::printf("  differ: [%s] [%s] system %d portable %d\n", a.c_str(), b.c_str(), system, portable);
    }
  };
  for (std::size_t i = 1; i < bySystem.size(); ++i) check(bySystem[i - 1], bySystem[i]);
  for (std::size_t i = 0; i + 7 < names.size(); i += 3) check(names[i], names[i + 7]);

  // Where the portable order puts each name, against the system's order.
  std::vector<std::string> byPortable = names;
  std::stable_sort(byPortable.begin(), byPortable.end(), [](const std::string& a, const std::string& b) {
    return PortableCompareText(a.c_str(), b.c_str()) < 0;
  });
  int misplaced = 0;
  for (std::size_t i = 0; i < names.size(); ++i) misplaced += byPortable[i] != bySystem[i];

  std::printf("ordering: %d of %d compared pairs differ; %d of %zu names sort to another place\n",
              differing, pairs, misplaced, names.size());
  RecordProperty("differing_pairs", differing);
  RecordProperty("compared_pairs", pairs);
  RecordProperty("misplaced_names", misplaced);
  // The approximation must hold for nearly every pair.
  EXPECT_LE(differing * 100, pairs * 2);
}

}  // namespace
}  // namespace bw

#endif  // _WIN32
