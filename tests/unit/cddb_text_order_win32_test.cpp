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

// Bytes above 0x7E written as \xHH, so the report reads the same on any console.
std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\x%02X", c);
      out += escaped;
    }
  }
  return out;
}

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

struct Agreement {
  int pairs = 0;
  int differing = 0;
  int misplaced = 0;
};

// Compares every pair of neighbours in the system's order and a fixed sample of other pairs,
// printing the first `shown` pairs ordered differently.
Agreement CompareOrderings(const std::vector<std::string>& names, TextCompare systemCompare,
                           TextCompare portableCompare, int shown) {
  Agreement agreement;
  std::vector<std::string> bySystem = names;
  std::stable_sort(bySystem.begin(), bySystem.end(), [&](const std::string& a, const std::string& b) {
    return systemCompare(a.c_str(), b.c_str()) < 0;
  });
  const auto check = [&](const std::string& a, const std::string& b) {
    ++agreement.pairs;
    const int system = Sign(systemCompare(a.c_str(), b.c_str()));
    const int portable = Sign(portableCompare(a.c_str(), b.c_str()));
    if (system == portable) return;
    if (++agreement.differing <= shown) {
      std::printf("  differ: [%s] [%s] system %d portable %d\n", Printable(a).c_str(),
                  Printable(b).c_str(), system, portable);
    }
  };
  for (std::size_t i = 1; i < bySystem.size(); ++i) check(bySystem[i - 1], bySystem[i]);
  for (std::size_t i = 0; i + 7 < names.size(); i += 3) check(names[i], names[i + 7]);
  // Every pair among the first few hundred.
  for (std::size_t i = 0; i < 400 && i < names.size(); ++i) {
    for (std::size_t j = i + 1; j < 400 && j < names.size(); ++j) check(names[i], names[j]);
  }

  std::vector<std::string> byPortable = names;
  std::stable_sort(byPortable.begin(), byPortable.end(), [&](const std::string& a, const std::string& b) {
    return portableCompare(a.c_str(), b.c_str()) < 0;
  });
  for (std::size_t i = 0; i < names.size(); ++i) agreement.misplaced += byPortable[i] != bySystem[i];
  return agreement;
}

TEST(SystemTextRulesTest, PortableOrderingMatchesTheSystemsOnGeneratedArtists) {
  if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1252";
  const TextRules system = PlatformTextRules();
  const std::vector<std::string> artists = testing::GeneratedNames(3000, 1252);
  const std::vector<std::string> wide = testing::GeneratedWideNames(3000, 1253);
  const struct {
    const char* what;
    const std::vector<std::string>* names;
    TextCompare system;
    TextCompare portable;
  } runs[] = {
      {"artist-like names", &artists, system.compare, PortableCompareText},
      {"artist-like names, case ignored", &artists, system.compareIgnoringCase,
       PortableCompareTextIgnoringCase},
      {"names of any bytes", &wide, system.compare, PortableCompareText},
      {"names of any bytes, case ignored", &wide, system.compareIgnoringCase,
       PortableCompareTextIgnoringCase},
  };
  for (const auto& run : runs) {
    const Agreement agreement = CompareOrderings(*run.names, run.system, run.portable, 40);
    std::printf("%s: %d of %d compared pairs differ; %d of %zu names sort to another place\n",
                run.what, agreement.differing, agreement.pairs, agreement.misplaced,
                run.names->size());
    // The approximation must hold for nearly every pair.
    EXPECT_LE(agreement.differing * 100, agreement.pairs) << run.what;
  }
}

}  // namespace
}  // namespace bw

#endif  // _WIN32
