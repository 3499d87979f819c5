// Pairs of artists in the order the Windows word sort puts them, shared by the test of the
// portable ordering and the Windows test of the system's own.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace bw::testing {

struct OrderedPair {
  const char* first;
  const char* second;
  const char* why;
};

inline constexpr OrderedPair kOrderedPairs[] = {
    {"", "A", "an empty artist sorts before all others"},
    {"abba", "ABBA", "small letters before capitals"},
    {"Abba", "ABBA", "small letters before capitals, letter by letter"},
    {"ABBA", "abbc", "case weighs only when the letters are equal"},
    {"Zappa", "zebra", "letters compare without regard to case first"},
    {"AC/DC", "Adele", "the letters decide before the symbol"},
    {"10cc", "2Pac", "digits compare one by one"},
    {"2Pac", "ABBA", "digits before letters"},
    {"!!!", "2Pac", "punctuation before digits"},
    {"The Beatles", "The-Dream", "a blank sorts before letters; hyphens are set aside"},
    {"Bjork", "Bj\xF6rk", "an accented letter after the plain one"},
    {"Bj\xF6rk", "Bjorn", "accents weigh only when the letters are equal"},
    {"coop", "co-op", "a hyphen weighs last"},
    {"co-op", "cop", "a hyphen is set aside while the letters differ"},
    {"Motorhead", "Mot\xF6rhead", "umlaut after the plain vowel"},
    {"Sinead", "Sin\xE9" "ad", "acute after the plain vowel"},
    {"\xC9ric", "Erika", "an accented capital sorts with its letter"},
    {"Guns N Roses", "Guns N' Roses", "an apostrophe weighs last"},
};

// Names built from the pieces that make orderings differ: case, accents, digits,
// punctuation, hyphens, apostrophes and blanks.
inline std::vector<std::string> GeneratedNames(int count, unsigned seed) {
  static const char* const kPieces[] = {
      "a", "A", "b", "B", "e", "E", "\xE9", "\xC9", "\xE8", "o", "\xF6", "\xD6", "\xF8",
      "s", "\xDF", "ss", "z", "Z", "\x9A", "\x8A", "\xE6", "ae", "\xFE", "1", "2", "9",
      "0", " ", "-", "'", "!", ".", ",", "&", "(", "/", "\xB2", "\xBD", "n", "\xF1", "y",
      "\xFF", "\x9F", "c", "\xE7", "\xAD", "\x96", "_", "+", "~", "\xA0", "th", "The ",
  };
  std::mt19937 random(seed);
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::string name;
    const int length = 1 + static_cast<int>(random() % 7);
    for (int p = 0; p < length; ++p) name += kPieces[random() % (sizeof(kPieces) / sizeof(kPieces[0]))];
    names.push_back(name);
  }
  return names;
}

// Names of any printable Windows-1252 bytes and controls, for the orderings' rarer corners.
inline std::vector<std::string> GeneratedWideNames(int count, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::string name;
    const int length = 1 + static_cast<int>(random() % 5);
    for (int p = 0; p < length; ++p) name += static_cast<char>(1 + random() % 255);
    names.push_back(name);
  }
  return names;
}

}  // namespace bw::testing
