// UTF-8 and Windows-1252: every byte round-trips, the 27 specials of 80-9F map both ways, and
// what 1252 cannot hold is refused with the character named.
#include <gtest/gtest.h>

#include "cddb/windows1252.h"

namespace bw {
namespace {

TEST(Windows1252Test, EveryByteRoundTrips) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string text(1, static_cast<char>(byte));
    std::string back;
    std::string error;
    ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(text), &back, &error)) << byte << error;
    EXPECT_EQ(back, text) << byte;
  }
}

TEST(Windows1252Test, SpecialsAndLatinLettersMapBothWays) {
  const struct {
    const char* ansi;
    const char* utf8;
  } cases[] = {
      {"\x80", "\xE2\x82\xAC"},      // euro sign
      {"\x85", "\xE2\x80\xA6"},      // ellipsis
      {"\x8A\x9A", "\xC5\xA0\xC5\xA1"},  // S and s with caron
      {"\x93x\x94", "\xE2\x80\x9Cx\xE2\x80\x9D"},
      {"\x96\x97", "\xE2\x80\x93\xE2\x80\x94"},
      {"\x99", "\xE2\x84\xA2"},      // trade mark
      {"\x9F", "\xC5\xB8"},          // Y with diaeresis
      {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // unassigned
      {"Bj\xF6rk \xE9t\xE9", "Bj\xC3\xB6rk \xC3\xA9t\xC3\xA9"},
      {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Windows1252ToUtf8(c.ansi), c.utf8);
    std::string ansi;
    std::string error;
    ASSERT_TRUE(Utf8ToWindows1252(c.utf8, &ansi, &error)) << error;
    EXPECT_EQ(ansi, c.ansi);
  }
}

TEST(Windows1252Test, RefusesWhatItCannotHold) {
  const struct {
    const char* utf8;
    const char* errorPart;
  } cases[] = {
      {"\xE2\x82\xAD", "U+20AD"},           // a currency sign 1252 lacks
      {"\xC2\x80", "U+0080"},               // C1 control whose byte holds the euro sign
      {"\xE6\x97\xA5", "U+65E5"},
      {"\xF0\x9F\x8E\xB5", "U+1F3B5"},
      {"abc\xC3", "malformed UTF-8 at byte 3"},       // cut off
      {"\xC0\xAF", "malformed"},                      // overlong
      {"\xED\xA0\x80", "malformed"},                  // surrogate
      {"\x80", "malformed"},                          // lone continuation
      {"\xF8\x88\x80\x80\x80", "malformed"},
  };
  for (const auto& c : cases) {
    std::string ansi;
    std::string error;
    EXPECT_FALSE(Utf8ToWindows1252(c.utf8, &ansi, &error)) << c.utf8;
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace bw
