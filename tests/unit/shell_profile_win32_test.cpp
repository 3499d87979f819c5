// The settings file through the Windows profile functions.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/profile_win32.h"
#include "shell/settings.h"

namespace {

class Win32Profile : public testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    path = std::string(folder) + "bw_profile_" + std::to_string(GetCurrentProcessId()) + ".ini";
    DeleteFileA(path.c_str());
  }
  void TearDown() override { DeleteFileA(path.c_str()); }
  std::string path;
};

TEST_F(Win32Profile, GetSetRemoveWithoutRegardToCase) {
  Win32ProfileStore store(path);
  EXPECT_EQ(store.Get("MAIN", "SoundListBox", "none"), "none");
  store.Set("MAIN", "SoundListbox", "Wav");
  EXPECT_EQ(store.Get("main", "SoundListBox", "none"), "Wav");
  store.Set("MAIN", "Empty", "");
  EXPECT_EQ(store.Get("MAIN", "Empty", "none"), "");
  store.Remove("MAIN", "SOUNDLISTBOX");
  EXPECT_EQ(store.Get("MAIN", "SoundListbox", "none"), "none");
}

TEST_F(Win32Profile, LongValuesComeBackWhole) {
  Win32ProfileStore store(path);
  const std::string longValue(3000, 'x');
  store.Set("MAIN", "Long", longValue);
  EXPECT_EQ(store.Get("MAIN", "Long", ""), longValue);
}

TEST_F(Win32Profile, SettingsSurviveTheRealFile) {
  Settings written;
  written.main.mode = kModeVideo;
  written.main.listRmi = false;
  written.main.videoFilesPath = "C:\\My Videos\\";
  written.main.timerPeriodMs = 333;
  written.main.defaultCdRomDrive = "E:\\";
  written.search.stringMatch = "Miles Davis";
  written.search.radioSearch = 10;
  {
    Win32ProfileStore store(path);
    WriteAllSettings(store, written);
  }
  Win32ProfileStore store(path);
  Settings read;
  ReadMediaFolders(store, {}, read.main);
  ReadAllSettings(store, {}, [](char letter) { return letter == 'E'; }, read);
  EXPECT_EQ(read.main.mode, kModeVideo);
  EXPECT_TRUE(read.main.listMid);
  EXPECT_FALSE(read.main.listRmi);
  EXPECT_EQ(read.main.videoFilesPath, "C:\\My Videos\\");
  EXPECT_EQ(read.main.timerPeriodMs, 333);
  EXPECT_EQ(read.main.defaultCdRomDrive, "E:\\");
  EXPECT_EQ(read.search.stringMatch, "Miles Davis");
  EXPECT_EQ(read.search.radioSearch, 10);
  EXPECT_EQ(store.Get("SEARCH", "RadioSearch", ""), "A");
}

}  // namespace
#endif
