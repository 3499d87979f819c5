// Filling a real list box from a file pattern (Windows only).
#ifdef _WIN32
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "shell/file_list.h"

namespace bw {
namespace {

TEST(FillFileList, AddsMatchingFilesAndWidensTheList) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "brindwax_file_list_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "folder.wav");
  for (const char* name : {"a.wav", "a_much_longer_name_than_the_others.wav", "b.mid"}) {
    std::ofstream(folder / name) << "x";
  }

  HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | WS_HSCROLL | LBS_SORT, 0, 0, 100, 100,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  const std::string pattern = (folder / "*.wav").string();
  EXPECT_EQ(FillFileList(list, pattern.c_str()), 2);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
  char first[MAX_PATH] = {};
  SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_STREQ(first, "a.wav");
  // Wide enough for the longest name: more than one pixel a character.
  EXPECT_GT(SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0),
            static_cast<LRESULT>(std::string("a_much_longer_name_than_the_others.wav").size()));

  EXPECT_EQ(FillFileList(list, (folder / "*.none").string().c_str()), 0);
  DestroyWindow(list);
  std::filesystem::remove_all(folder);
}

// The caller lists of the folder browser: every pattern's files, what the list held before
// gone, and an extent that stays the widest of all patterns, not the last one's.
TEST(RefillFileList, ReplacesTheListWithEveryPatternsFiles) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "brindwax_refill_list_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (const char* name : {"a_very_long_name_of_a_wave_file.wav", "b.mp3", "c.mid"}) {
    std::ofstream(folder / name) << "x";
  }
  HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | WS_HSCROLL | LBS_SORT, 0, 0, 100, 100,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("old.wav"));
  const std::string base = folder.string() + "\\";

  EXPECT_EQ(RefillFileList(list, base, {"*.wav", "*.mp3"}), 2);
  char first[MAX_PATH] = {};
  SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_STREQ(first, "a_very_long_name_of_a_wave_file.wav");
  // The short name's pattern came last; the long one's width stays.
  const LRESULT wide = SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0);
  EXPECT_GT(wide, static_cast<LRESULT>(std::string("a_very_long_name_of_a_wave_file.wav").size()));

  EXPECT_EQ(RefillFileList(list, base, {"*.exe"}), 0);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
  DestroyWindow(list);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace bw
#endif
