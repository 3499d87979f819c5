// The floating video window in the running program: its client size for zoom 2, the size kept
// from one video to the next without growing, the picture kept at its aspect ratio with bars
// beside it, and closing the window stopping playback.
#include <gtest/gtest.h>

#include <string>

#include "video_e2e_support.h"

namespace {

constexpr char kVideoWindowClass[] = "Brindlewax Video Window";

using videoe2e::UncompressedAvi;

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

class VideoWindow : public videoe2e::VideoPanelTest {
 protected:
  void SetUp() override {
    VideoPanelTest::SetUp();
    shelle2e::WriteBytes(videos + "a.avi", UncompressedAvi(320, 240, 40));
    folder.WriteIni("MAIN", "FloatingVideoWindow", "1");
    folder.WriteIni("MAIN", "VideoZoomFactor", "2");
  }

  // Plays the first file and answers its video window once the picture is in it.
  HWND Play() {
    SendMessageA(list, LB_SETSEL, TRUE, 0);
    PostMessageA(GetParent(list), WM_COMMAND, IDC_MEDIA_PLAY + kStep, 0);
    HWND window = nullptr;
    e2e::WaitUntil([&] {
      window = FindWindowA(kVideoWindowClass, nullptr);
      return window != nullptr && GetWindow(window, GW_CHILD) != nullptr;
    }, 10000);
    return window;
  }

  std::string State() const { return PanelText(IDC_MEDIA_STATE); }
};

TEST_F(VideoWindow, ZoomTwoDoublesThePictureAndAKeptSizeDoesNotGrowOnTheNextOpening) {
  folder.WriteIni("MAIN", "MaintainVideoWindowSize", "1");
  Start();
  HWND first = Play();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(e2e::WaitUntil([&] {
    const SIZE size = ClientSize(first);
    return size.cx == 640 && size.cy == 480;
  }, 5000)) << ClientSize(first).cx << "x" << ClientSize(first).cy;
  char title[MAX_PATH] = {};
  GetWindowTextA(first, title, sizeof title);
  EXPECT_STREQ(title, "a.avi");
  e2e::SaveScreenshot(first, "video_window_zoom2");

  PostMessageA(GetParent(list), WM_COMMAND, IDC_MEDIA_STOP + kStep, 0);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(first); }, 5000));
  HWND second = Play();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(e2e::WaitUntil([&] {
    const SIZE size = ClientSize(second);
    return size.cx == 640 && size.cy == 480;
  }, 5000)) << ClientSize(second).cx << "x" << ClientSize(second).cy;
}

TEST_F(VideoWindow, AWidenedWindowKeepsThePictureAtFourByThreeWithBarsLeftAndRight) {
  Start();
  HWND window = Play();
  ASSERT_NE(window, nullptr);
  RECT outer{};
  GetWindowRect(window, &outer);
  const SIZE client = ClientSize(window);
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + (1000 - client.cx),
               outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER);
  HWND picture = GetWindow(window, GW_CHILD);
  RECT shown{};
  EXPECT_TRUE(e2e::WaitUntil([&] {
    GetWindowRect(picture, &shown);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&shown), 2);
    return shown.right - shown.left == 640;
  }, 5000)) << shown.left << "," << shown.top << " " << shown.right << "," << shown.bottom;
  EXPECT_EQ(shown.left, 180);
  EXPECT_EQ(shown.bottom - shown.top, 480);
  e2e::SaveScreenshot(window, "video_window_bars");
}

TEST_F(VideoWindow, ClosingTheWindowStopsPlayback) {
  Start();
  HWND window = Play();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(e2e::WaitUntil([&] { return State() == "Playing"; }, 5000)) << State();
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(window); }, 5000));
  EXPECT_TRUE(e2e::WaitUntil([&] { return State() == "Ready"; }, 5000)) << State();
}

}  // namespace
