// Reading animation blocks from the library's string table.
#include "shell/animation_catalog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// A string table in memory; `loads` counts look-ups.
struct FakeStrings {
  std::map<int, std::string> strings;
  CatalogStringLoader Loader() {
    return [this](int id) -> std::optional<std::string> {
      auto it = strings.find(id);
      if (it == strings.end()) return std::nullopt;
      return it->second;
    };
  }
  void Block(int k, const std::string& name, const std::string& width, const std::string& height,
             const std::string& frames, const std::string& delayCount, const std::string& delays,
             const std::string& keyFlag = "0", const std::string& key = "") {
    strings[k] = name;
    strings[k + 1] = width;
    strings[k + 2] = height;
    strings[k + 3] = frames;
    strings[k + 4] = delayCount;
    strings[k + 5] = delays;
    strings[k + 6] = "16";
    strings[k + 7] = keyFlag;
    strings[k + 8] = key;
    strings[k + 9] = "301";
    strings[k + 10] = "Anna Author";
    strings[k + 11] = "401";
    strings[k + 12] = "8";
    strings[k + 13] = "256 Colors";
  }
};

FakeStrings TwoAnimations() {
  FakeStrings fake;
  fake.strings[1000] = "2";
  fake.strings[1001] = "2000,2100";
  fake.Block(2000, "Spinning Disc", "64", "48", "8", "8", "100,100,120,80,100,100,50,250", "1",
             "255,0,255");
  fake.Block(2100, "Note", "32", "32", "3", "3", "200, 300 ,400");
  fake.strings[100] = "Note";
  fake.strings[101] = "Spinning Disc";
  fake.strings[105] = "Globe";
  return fake;
}

}  // namespace

TEST(AnimationCatalog, FindsBlockByExactName) {
  FakeStrings fake = TwoAnimations();
  std::optional<AnimationInfo> info = FindAnimationInfo(fake.Loader(), "Spinning Disc");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->name, "Spinning Disc");
  EXPECT_EQ(info->frameWidth, 64);
  EXPECT_EQ(info->frameHeight, 48);
  EXPECT_EQ(info->frameCount, 8);
  EXPECT_EQ(info->delayCount, 8);
  EXPECT_EQ(info->delays, (std::vector<int>{100, 100, 120, 80, 100, 100, 50, 250}));
  EXPECT_EQ(info->paletteEntryCount, 16);
  EXPECT_TRUE(info->hasKeyColour);
  EXPECT_EQ(info->keyColour, (Rgb{255, 0, 255}));
  EXPECT_EQ(info->bitmapId, 301);
  EXPECT_EQ(info->author, "Anna Author");
  EXPECT_EQ(info->paletteId, 401);
  EXPECT_EQ(info->colourDepth, 8);
  EXPECT_EQ(info->colourDepthText, "256 Colors");

  std::optional<AnimationInfo> note = FindAnimationInfo(fake.Loader(), "Note");
  ASSERT_TRUE(note);
  EXPECT_EQ(note->delays, (std::vector<int>{200, 300, 400}));  // blanks around numbers are fine
  EXPECT_FALSE(note->hasKeyColour);
  EXPECT_EQ(note->keyColour, (Rgb{0, 0, 0}));
}

TEST(AnimationCatalog, NamesMustMatchExactly) {
  FakeStrings fake = TwoAnimations();
  for (const char* name : {"spinning disc", "Spinning", "Spinning Disc ", "", "Globe"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(FindAnimationInfo(fake.Loader(), name));
  }
}

TEST(AnimationCatalog, OnlyTheCountedBlocksAreSearched) {
  FakeStrings fake = TwoAnimations();
  fake.strings[1000] = "1";
  EXPECT_TRUE(FindAnimationInfo(fake.Loader(), "Spinning Disc"));
  EXPECT_FALSE(FindAnimationInfo(fake.Loader(), "Note"));
  EXPECT_EQ(AnimationNames(fake.Loader()), std::vector<std::string>{"Spinning Disc"});
  fake.strings[1000] = "5";  // more counted than listed: the list ends the search
  EXPECT_EQ(AnimationNames(fake.Loader()), (std::vector<std::string>{"Spinning Disc", "Note"}));
}

TEST(AnimationCatalog, MissingOrDamagedCatalogueFindsNothing) {
  FakeStrings none;
  EXPECT_FALSE(FindAnimationInfo(none.Loader(), "Note"));
  EXPECT_TRUE(AnimationNames(none.Loader()).empty());
  FakeStrings badCount = TwoAnimations();
  badCount.strings[1000] = "many";
  EXPECT_FALSE(FindAnimationInfo(badCount.Loader(), "Note"));
  FakeStrings listPointsNowhere = TwoAnimations();
  listPointsNowhere.strings[1001] = "5000,2100";
  EXPECT_TRUE(FindAnimationInfo(listPointsNowhere.Loader(), "Note"));
}

TEST(AnimationCatalog, UnusableBlocksCountAsNotFound) {
  struct Case {
    const char* what;
    const char *width, *height, *frames;
  };
  const Case cases[] = {
      {"no frames", "32", "32", "0"},
      {"negative frames", "32", "32", "-3"},
      {"no width", "0", "32", "4"},
      {"text width", "wide", "32", "4"},
      {"no height", "32", "", "4"},
      {"absurd frame count", "32", "32", "99999"},
      {"absurd width", "100000", "32", "4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeStrings fake;
    fake.strings[1000] = "1";
    fake.strings[1001] = "2000";
    fake.Block(2000, "Bad", c.width, c.height, c.frames, "1", "100");
    EXPECT_FALSE(FindAnimationInfo(fake.Loader(), "Bad"));
  }
}

TEST(AnimationCatalog, DelaysAreBoundedAndNeverZero) {
  FakeStrings fake;
  fake.strings[1000] = "3";
  fake.strings[1001] = "2000,2100,2200";
  std::string many;
  for (int i = 0; i < 120; ++i) many += (i ? "," : "") + std::to_string(i + 1);
  fake.Block(2000, "Long", "8", "8", "120", "120", many);
  fake.Block(2100, "Short list", "8", "8", "4", "4", "70,-5");
  fake.Block(2200, "No delays", "8", "8", "2", "0", "");

  auto longOne = FindAnimationInfo(fake.Loader(), "Long");
  ASSERT_TRUE(longOne);
  EXPECT_EQ(longOne->delayCount, kMaxAnimationDelays);
  EXPECT_EQ(longOne->delays.size(), static_cast<std::size_t>(kMaxAnimationDelays));

  auto shortList = FindAnimationInfo(fake.Loader(), "Short list");
  ASSERT_TRUE(shortList);
  ASSERT_EQ(shortList->delays.size(), 2u);
  EXPECT_EQ(FrameDelayMs(*shortList, 0), 70);
  EXPECT_GT(FrameDelayMs(*shortList, 1), 0);   // a negative delay never becomes a huge sleep
  EXPECT_EQ(FrameDelayMs(*shortList, 3), FrameDelayMs(*shortList, 1));  // last listed delay

  auto noDelays = FindAnimationInfo(fake.Loader(), "No delays");
  ASSERT_TRUE(noDelays);
  EXPECT_EQ(FrameDelayMs(*noDelays, 0), 100);
}

TEST(AnimationCatalog, KeyColourComponentsAreClamped) {
  FakeStrings fake;
  fake.strings[1000] = "1";
  fake.strings[1001] = "2000";
  fake.Block(2000, "Keyed", "8", "8", "1", "1", "100", "1", "300,-2");
  auto info = FindAnimationInfo(fake.Loader(), "Keyed");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->keyColour, (Rgb{255, 0, 0}));
}

TEST(AnimationCatalog, DefaultNamesAreStrings100To105) {
  FakeStrings fake = TwoAnimations();
  EXPECT_EQ(DefaultAnimationName(fake.Loader(), 0), "Note");
  EXPECT_EQ(DefaultAnimationName(fake.Loader(), 1), "Spinning Disc");
  EXPECT_EQ(DefaultAnimationName(fake.Loader(), 2), "");  // not in the library
  EXPECT_EQ(DefaultAnimationName(fake.Loader(), 5), "Globe");
  EXPECT_EQ(DefaultAnimationName(fake.Loader(), 6), "");
  EXPECT_EQ(DefaultAnimationName(fake.Loader(), -1), "");
}

TEST(AnimationCatalog, EightFramesRunOneToSevenThenZero) {
  std::vector<int> shown;
  int frame = 0;
  for (int i = 0; i < 9; ++i) {
    frame = NextFrame(frame, 8);
    shown.push_back(frame);
  }
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}));
  EXPECT_EQ(NextFrame(5, 0), 0);
  EXPECT_EQ(NextFrame(9, 8), 0);  // a frame left over from a longer animation
}
