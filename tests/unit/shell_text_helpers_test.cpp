// The common text helpers: durations with unit words, byte counts, and the check of a typed
// folder path.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/folder_path.h"
#include "shell/text_helpers.h"
#include "shell/texts.h"

namespace bw {
namespace {

TEST(TimeText, SeparatorsAndUnitWords) {
  const struct {
    uint64_t milliseconds;
    const char* text;
    const char* unit;
  } cases[] = {
      {0, "0", "Milliseconds"},
      {7, "7", "Milliseconds"},
      {999, "999", "Milliseconds"},
      {1000, "1.000", "Seconds"},
      {5000, "5.000", "Seconds"},
      {1050, "1.050", "Seconds"},
      {59999, "59.999", "Seconds"},
      {60000, "1:00.000", "Minutes"},
      {83456, "1:23.456", "Minutes"},
      {600000, "10:00.000", "Minutes"},
      {3599999, "59:59.999", "Minutes"},
      {3600000, "1:00:00.000", "Hours"},
      {3723004, "1:02:03.004", "Hours"},
      {36000000, "10:00:00.000", "Hours"},
      // Beyond 32 bits of milliseconds (49 days) the figure still fits.
      {5000000000ULL, "1388:53:20.000", "Hours"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TimeText(c.milliseconds), c.text) << c.milliseconds;
    EXPECT_STREQ(UnitWord(c.milliseconds), c.unit) << c.milliseconds;
  }
}

TEST(ByteCountText, CommasBetweenGroupsOfThree) {
  const struct {
    uint64_t bytes;
    const char* text;
  } cases[] = {
      {0, "0 bytes"},
      {999, "999 bytes"},
      {1000, "1,000 bytes"},
      {65536, "65,536 bytes"},
      {123456, "123,456 bytes"},
      {1234567, "1,234,567 bytes"},
      {18446744073709551615ULL, "18,446,744,073,709,551,615 bytes"},
  };
  for (const auto& c : cases) EXPECT_EQ(ByteCountText(c.bytes), c.text) << c.bytes;
}

TEST(CheckFolderPath, NormalisesOrRefuses) {
  const std::set<std::string> folders = {"D:\\", "C:\\", "C:\\Music", "C:\\Music\\Old",
                                         "\\\\server\\share", "\\\\server\\share\\mp3"};
  std::string lastTested;
  const FolderExistsFunction exists = [&](const std::string& folder) {
    lastTested = folder;
    return folders.count(folder) > 0;
  };
  const struct {
    const char* typed;
    const char* result;  // nullptr: "Invalid path!"
  } cases[] = {
      {"d", "D:\\"},
      {"D:", "D:\\"},
      {"d:\\", "D:\\"},
      {"c:/Music", "C:\\Music"},
      {"c:\\Music\\", "C:\\Music\\"},
      {"c:/Music/Old/", "C:\\Music\\Old\\"},
      {"c;\\Music", "C:\\Music"},  // the second character is always the colon
      {"\\\\server\\share", "\\\\server\\share"},
      {"\\\\server\\share\\mp3\\", "\\\\server\\share\\mp3\\"},
      {"c:\\\\Music", nullptr},
      {"c://Music", nullptr},
      {"c:\\Music\\\\", nullptr},
      {"c:Music", nullptr},
      {"e", nullptr},
      {"c:\\Nowhere", nullptr},
      {"", nullptr},
      {"1:\\Music", nullptr},
      {"\\Music", nullptr},
      {"/c/Music", nullptr},
      {"\\\\nobody\\share", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<std::string> result = CheckFolderPath(c.typed, exists);
    if (c.result == nullptr) {
      EXPECT_FALSE(result.has_value()) << c.typed << " -> " << result.value_or("");
    } else {
      EXPECT_EQ(result.value_or("(invalid)"), c.result) << c.typed;
    }
  }
  // The existence test sees the folder without its trailing separator, except on a root.
  CheckFolderPath("c:\\Music\\", exists);
  EXPECT_EQ(lastTested, "C:\\Music");
  CheckFolderPath("d:\\", exists);
  EXPECT_EQ(lastTested, "D:\\");
}

TEST(CheckFolderPath, RefusesWhatDoesNotFitAFolderBuffer) {
  const FolderExistsFunction anything = [](const std::string&) { return true; };
  const std::string longest = "C:\\" + std::string(kFolderPathLimit - 3, 'a');
  EXPECT_TRUE(CheckFolderPath(longest, anything).has_value());
  EXPECT_FALSE(CheckFolderPath(longest + "a", anything).has_value());
  EXPECT_STREQ(kTextInvalidPath, "Invalid path!");
}

}  // namespace
}  // namespace bw
