// WaxAnim.dll read by the program's own animation loader: every catalogued animation loads, its
// strip holds exactly its frames, and the default names resolve. Windows only; skipped when the
// library was not built beside the tests.
#ifdef _WIN32

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/animation.h"

namespace {

class ArtWaxAnimLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    library_ = LoadLibraryA((folder + "WaxAnim.dll").c_str());
    if (library_ == nullptr) GTEST_SKIP() << "WaxAnim.dll not built beside the tests";
  }
  void TearDown() override {
    if (library_ != nullptr) FreeLibrary(library_);
  }
  HMODULE library_ = nullptr;
};

TEST_F(ArtWaxAnimLibrary, EveryAnimationLoadsWithWholeFrames) {
  std::vector<std::string> names = LibraryAnimationNames(library_);
  ASSERT_GE(names.size(), 6u);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << "names repeat";
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    Animation record;
    ASSERT_TRUE(LoadAnimation(library_, name, record, nullptr));
    const AnimationInfo& info = record.info;
    EXPECT_EQ(info.delayCount, info.frameCount);
    for (int delay : info.delays) {
      EXPECT_GE(delay, 20);
      EXPECT_LE(delay, 1000);
    }
    EXPECT_LE(info.frameWidth, 64);
    EXPECT_LE(info.frameHeight, 64);
    BITMAP strip{};
    ASSERT_TRUE(GetObjectA(record.strip.Get(), sizeof strip, &strip));
    EXPECT_EQ(strip.bmWidth, info.frameWidth * info.frameCount);
    EXPECT_EQ(strip.bmHeight, info.frameHeight);
    HRSRC palette = FindResourceA(library_, MAKEINTRESOURCEA(info.paletteId), RT_RCDATA);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(SizeofResource(library_, palette), 3u * info.paletteEntryCount);
    EXPECT_NE(record.palette.Get(), nullptr);
  }
}

TEST_F(ArtWaxAnimLibrary, DefaultNamesNameAnimationsOfTheLibrary) {
  for (int index = 0; index < kDefaultAnimationCount; ++index) {
    std::string name = DefaultAnimationName(library_, index);
    ASSERT_FALSE(name.empty()) << "default " << index;
    Animation record;
    EXPECT_TRUE(FindAnimation(library_, name, record)) << name;
  }
}

}  // namespace

#endif  // _WIN32
