// The animation thread on real Win32 objects: it advances frames, stops at once even in a long
// delay, never runs twice on one record and is stopped by the record's end.
#ifdef _WIN32

#include "shell/animation.h"

#include <gtest/gtest.h>

namespace {

HANDLE DuplicateThreadHandle(HANDLE thread) {
  HANDLE copy = nullptr;
  DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE, 0);
  return copy;
}

class AnimationThreadTest : public testing::Test {
 protected:
  // Without a display (the unit tests run headless) there is no window: the thread then runs
  // its frames without drawing.
  void SetUp() override {
    window_ = CreateWindowExA(0, "STATIC", "animation target", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override {
    if (window_ != nullptr) DestroyWindow(window_);
  }

  // A record of `frames` frames of 4 x 4 pixels, each shown for `delayMs`.
  static void Fill(Animation& record, int frames, int delayMs) {
    record.info.name = "Test";
    record.info.frameWidth = 4;
    record.info.frameHeight = 4;
    record.info.frameCount = frames;
    record.info.delays.assign(static_cast<std::size_t>(frames), delayMs);
    record.info.delayCount = frames;
    record.strip.Reset(CreateBitmap(4 * frames, 4, 1, 1, nullptr));
  }

  HWND window_ = nullptr;
};

DWORD WINAPI WaitForEvent(void* event) { return WaitForSingleObject(static_cast<HANDLE>(event), 5000); }

}  // namespace

TEST_F(AnimationThreadTest, NothingToAnimateDoesNotStart) {
  Animation record;
  EXPECT_FALSE(StartAnimation(record, window_, POINT{0, 0}));
  EXPECT_FALSE(IsAnimationRunning(record));
  EXPECT_TRUE(StopAnimationAndWait(record, 0));
}

TEST_F(AnimationThreadTest, AdvancesFramesUntilStopped) {
  Animation record;
  Fill(record, 8, 10);
  ASSERT_TRUE(StartAnimation(record, window_, POINT{2, 3}));
  EXPECT_TRUE(IsAnimationRunning(record));
  EXPECT_FALSE(record.stopFlag.load());
  int first = record.currentFrame.load();
  bool moved = false;
  for (int i = 0; i < 100 && !moved; ++i) {
    Sleep(10);
    moved = record.currentFrame.load() != first;
  }
  EXPECT_TRUE(moved);
  ASSERT_TRUE(StopAnimationAndWait(record, 2000));
  EXPECT_TRUE(record.stopFlag.load());
  EXPECT_FALSE(IsAnimationRunning(record));
  int frame = record.currentFrame.load();
  EXPECT_GE(frame, 0);
  EXPECT_LT(frame, 8);
  Sleep(50);
  EXPECT_EQ(record.currentFrame.load(), frame);  // stopped means no more frames
}

TEST_F(AnimationThreadTest, StopEndsALongDelayAtOnce) {
  Animation record;
  Fill(record, 2, 60000);
  ASSERT_TRUE(StartAnimation(record, window_, POINT{0, 0}));
  Sleep(50);  // the thread is in its minute-long delay now
  DWORD before = GetTickCount();
  ASSERT_TRUE(StopAnimationAndWait(record, 2000));
  EXPECT_LT(GetTickCount() - before, 1000u);
}

TEST_F(AnimationThreadTest, RestartEndsThePreviousThreadFirst) {
  Animation record;
  Fill(record, 4, 60000);
  ASSERT_TRUE(StartAnimation(record, window_, POINT{0, 0}));
  HANDLE firstThread = DuplicateThreadHandle(record.thread.Get());
  ASSERT_NE(firstThread, nullptr);
  ASSERT_TRUE(StartAnimation(record, window_, POINT{10, 10}));
  EXPECT_EQ(WaitForSingleObject(firstThread, 0), WAIT_OBJECT_0);
  EXPECT_TRUE(IsAnimationRunning(record));
  EXPECT_EQ(record.x.load(), 10);
  CloseHandle(firstThread);
}

TEST_F(AnimationThreadTest, EndOfRecordStopsItsThread) {
  HANDLE thread = nullptr;
  {
    Animation record;
    Fill(record, 3, 60000);
    ASSERT_TRUE(StartAnimation(record, window_, POINT{0, 0}));
    thread = DuplicateThreadHandle(record.thread.Get());
  }
  ASSERT_NE(thread, nullptr);
  EXPECT_EQ(WaitForSingleObject(thread, 2000), WAIT_OBJECT_0);
  CloseHandle(thread);
}

TEST_F(AnimationThreadTest, MinimisedTargetStillAdvancesWithoutDrawing) {
  if (window_ == nullptr) GTEST_SKIP() << "no display";
  ShowWindow(window_, SW_SHOWMINNOACTIVE);
  Animation record;
  Fill(record, 5, 10);
  ASSERT_TRUE(StartAnimation(record, window_, POINT{0, 0}));
  int first = record.currentFrame.load();
  bool moved = false;
  for (int i = 0; i < 100 && !moved; ++i) {
    Sleep(10);
    moved = record.currentFrame.load() != first;
  }
  EXPECT_TRUE(moved);
  EXPECT_TRUE(StopAnimationAndWait(record, 2000));
}

TEST(AnimationLibrary, WithoutLibraryNothingIsFound) {
  Animation record;
  EXPECT_FALSE(FindAnimation(nullptr, "Spinning Disc", record));
  EXPECT_EQ(DefaultAnimationName(nullptr, 0), "");
  EXPECT_TRUE(LibraryAnimationNames(nullptr).empty());
  EXPECT_FALSE(LoadAnimationBitmap(nullptr, record, nullptr));
  EXPECT_FALSE(LoadAnimationPalette(nullptr, record));
}

TEST(AnimationLibrary, JoinThreadTimesOutOnALiveThread) {
  UniqueKernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  UniqueKernelHandle thread(CreateThread(nullptr, 0, WaitForEvent, event.Get(), 0, nullptr));
  EXPECT_FALSE(JoinThread(thread.Get(), 20));
  SetEvent(event.Get());
  EXPECT_TRUE(JoinThread(thread.Get(), 2000));
  EXPECT_TRUE(JoinThread(nullptr, 0));
}

#endif  // _WIN32
