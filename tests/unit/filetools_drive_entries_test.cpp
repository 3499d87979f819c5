// The folder browser's drive list: descriptions from the system's answers, icons, which
// entry a folder selects, and where a double-click on a drive leads.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "filetools/drive_entries.h"

#ifdef _WIN32
#include <windows.h>

#include "filetools/drive_queries_win32.h"
#endif

namespace bw {
namespace {

class FakeDrives final : public DriveQueries {
 public:
  struct Drive {
    DriveType type = DriveType::kUnknown;
    std::optional<std::string> label;
    std::optional<std::string> remote;
  };
  std::map<char, Drive> drives;
  int labelQueries = 0;

  DriveType TypeOf(char letter) override { return drives[letter].type; }
  std::optional<std::string> VolumeLabel(char letter) override {
    ++labelQueries;
    return drives[letter].label;
  }
  std::optional<std::string> RemoteName(char letter) override { return drives[letter].remote; }
};

TEST(DriveEntriesTest, DescribesEachTypeOfDrive) {
  FakeDrives system;
  system.drives['A'] = {DriveType::kRemovable, "FLOPPY", std::nullopt};
  system.drives['C'] = {DriveType::kFixed, "SYSTEM", std::nullopt};
  system.drives['D'] = {DriveType::kCdRom, std::nullopt, std::nullopt};  // no disc
  system.drives['E'] = {DriveType::kCdRom, "MY DISC", std::nullopt};
  system.drives['N'] = {DriveType::kRemote, std::nullopt, "\\\\SERVER\\Music"};
  system.drives['P'] = {DriveType::kRemote, std::nullopt, "NW:VOL1/APPS"};
  system.drives['Q'] = {DriveType::kRemote, std::nullopt, std::nullopt};
  system.drives['R'] = {DriveType::kRamDisk, "RAMDISK", std::nullopt};
  system.drives['X'] = {DriveType::kNoRootDirectory, "X", std::nullopt};

  struct Case {
    char letter;
    const char* text;
    std::optional<int> icon;
  };
  const Case cases[] = {
      {'a', "A: ", 0},          {'c', "C: SYSTEM", 1},  {'d', "D: ", 3},
      {'e', "E: MY DISC", 3},   {'n', "N: \\\\server\\music", 2},
      {'p', "P: nw:", 2},       {'q', "Q: ", 2},        {'r', "R: RAMDISK", 4},
      {'x', "X: ", std::nullopt},
  };
  for (const Case& c : cases) {
    const DriveDescription drive = DescribeDrive(c.letter, system);
    EXPECT_EQ(drive.text, c.text) << c.letter;
    EXPECT_EQ(drive.iconCell, c.icon) << c.letter;
    EXPECT_EQ(drive.letter, c.text[0]);
  }
  system.labelQueries = 0;
  (void)DescribeDrive('a', system);
  EXPECT_EQ(system.labelQueries, 0);  // a floppy is never asked for its label
}

TEST(DriveEntriesTest, ALongLabelIsCut) {
  FakeDrives system;
  system.drives['C'] = {DriveType::kFixed, std::string(300, 'L'), std::nullopt};
  EXPECT_EQ(DescribeDrive('C', system).text, "C: " + std::string(255, 'L'));
}

TEST(DriveEntriesTest, IconsAndItemData) {
  EXPECT_EQ(DriveIconCell(DriveType::kUnknown), std::nullopt);
  EXPECT_EQ(DriveIconCell(DriveType::kNoRootDirectory), std::nullopt);
  EXPECT_EQ(DriveIconCell(static_cast<DriveType>(7)), std::nullopt);
  EXPECT_EQ(DriveItemData(DriveIconCell(DriveType::kCdRom)), 6);
  EXPECT_EQ(DriveItemData(std::nullopt), -1);
}

TEST(DriveEntriesTest, ReadsTheLetterOfARawEntry) {
  struct Case {
    const char* raw;
    std::optional<char> letter;
  };
  const Case cases[] = {
      {"[-c-]", 'C'}, {"[-Z-]", 'Z'}, {"[-1-]", std::nullopt}, {"c:", std::nullopt},
      {"[-c", std::nullopt}, {"", std::nullopt}, {"[folder]", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(DriveLetterOfEntry(c.raw), c.letter) << c.raw;
}

TEST(DriveEntriesTest, AFolderSelectsItsDriveWhateverTheCase) {
  const std::vector<std::string> raw = {"[-a-]", "[-c-]", "[-d-]"};
  struct Case {
    const char* folder;
    int index;
  };
  const Case cases[] = {
      {"c:\\", 1}, {"C:\\", 1}, {"D:\\Music\\", 2}, {"a:", 0},
      {"E:\\", -1}, {"\\\\server\\share\\", -1}, {"", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(FindDriveEntry(raw, c.folder), c.index) << c.folder;
}

TEST(DriveEntriesTest, ADriveThatCannotBeUsedFallsBackToTheAudioFolder) {
  const std::string audio = "C:\\Music\\";
  struct Case {
    bool madeCurrent;
    std::optional<std::string> current;
    std::string folder;
  };
  const Case cases[] = {
      {true, std::string("D:\\Films"), "D:\\Films\\"},
      {true, std::string("D:\\"), "D:\\"},
      {false, std::string("D:\\"), audio},
      {true, std::nullopt, audio},
      {true, std::string(""), audio},
      {true, "D:\\" + std::string(256, 'x'), audio},  // 260 characters with its "\"
      {true, "D:\\" + std::string(255, 'x'), "D:\\" + std::string(255, 'x') + "\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderAfterDriveChange(c.madeCurrent, c.current, audio), c.folder);
  }
  EXPECT_EQ(FolderAfterDriveChange(false, std::nullopt, "c:\\"), "c:\\");
  EXPECT_EQ(FolderAfterDriveChange(false, std::nullopt, "c:\\Sounds"), "c:\\Sounds\\");
}

#ifdef _WIN32
TEST(Win32DriveQueriesTest, AnswersForTheSystemDriveAndAnUnusedLetter) {
  Win32DriveQueries system;
  EXPECT_EQ(system.TypeOf('C'), DriveType::kFixed);
  EXPECT_EQ(DescribeDrive('c', system).text.compare(0, 3, "C: "), 0);
  EXPECT_EQ(DescribeDrive('c', system).iconCell, 1);
  EXPECT_FALSE(system.RemoteName('C').has_value());

  const DWORD used = GetLogicalDrives();
  char unused = 0;
  for (char letter = 'Z'; letter >= 'D' && unused == 0; --letter) {
    if (!(used & (1u << (letter - 'A')))) unused = letter;
  }
  ASSERT_NE(unused, 0);
  EXPECT_EQ(system.TypeOf(unused), DriveType::kNoRootDirectory);
  EXPECT_FALSE(system.VolumeLabel(unused).has_value());
  const std::string expected{unused, ':', ' '};
  EXPECT_EQ(DescribeDrive(unused, system).text, expected);
  EXPECT_FALSE(DescribeDrive(unused, system).iconCell.has_value());
}

TEST(Win32DriveQueriesTest, LowerCasesInTheWindowsCodePage) {
  Win32DriveQueries system;
  // Western code pages lower-case accented capitals as well.
  if (GetACP() == 1252) {
    EXPECT_EQ(RemoteNameText("\\\\SERVER\\M\xC9" "DIA", system), "\\\\server\\m\xE9" "dia");
  } else {
    EXPECT_EQ(RemoteNameText("\\\\SERVER\\Media", system), "\\\\server\\media");
  }
}
#endif

}  // namespace
}  // namespace bw
