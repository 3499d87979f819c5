// The large-video dialog in the running program: a video larger than the Video panel's docked
// frame plays in it at its own size with its own position display; a selection of three plays
// one dialog after another; repeat plays a single file again in its dialog; Stop ends the
// dialog and leaves the panel ready.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "media/media_panel_texts.h"
#include "video_e2e_support.h"

namespace {

using videoe2e::UncompressedAvi;

class LargeVideo : public videoe2e::VideoPanelTest {
 protected:
  void PlayAll() {
    SendMessageA(list, LB_SETSEL, TRUE, -1);
    PostMessageA(GetParent(list), WM_COMMAND, IDC_MEDIA_PLAY + kStep, 0);
  }

  // Plays a folder of one video and answers its dialog.
  HWND PlayOnly(const std::string& name, uint32_t width, uint32_t height, uint32_t frames) {
    shelle2e::WriteBytes(videos + name, UncompressedAvi(width, height, frames));
    Start(1);
    PlayAll();
    return program.WaitForWindow(name.c_str(), 15000);
  }

  static std::string DialogText(HWND dialog, int id) { return e2e::GetText(GetDlgItem(dialog, id)); }
  // The dialog's position in milliseconds ("300 Milliseconds", "1.000 Seconds"); -1 when empty.
  static int PositionMs(HWND dialog) {
    const std::string text = DialogText(dialog, IDC_LARGE_VIDEO_POSITION);
    if (text.empty()) return -1;
    const double number = std::atof(text.c_str());
    return static_cast<int>(text.find("Seconds") != std::string::npos ? number * 1000 : number);
  }

  // The panel as Stop leaves it.
  void ExpectPanelReady() const {
    EXPECT_TRUE(e2e::WaitUntil([&] { return PanelText(IDC_MEDIA_STATE) == kTextMediaReady; }, 5000))
        << PanelText(IDC_MEDIA_STATE);
    EXPECT_EQ(PanelText(IDC_MEDIA_SELECTED), "0");
    EXPECT_EQ(PanelText(IDC_MEDIA_LEFT), "0");
    EXPECT_EQ(PanelText(IDC_MEDIA_POSITION_LENGTH), "");
    EXPECT_EQ(PanelText(IDC_MEDIA_POSITION), "");
    EXPECT_FALSE(IsWindowVisible(PanelControl(IDC_MEDIA_VIDEO_HOST)));
  }
};

TEST_F(LargeVideo, AVideoLargerThanTheDockedFramePlaysInTheDialogAtItsOwnSize) {
  HWND dialog = PlayOnly("big.avi", 640, 480, 40);
  ASSERT_NE(dialog, nullptr);
  HWND picture = GetDlgItem(dialog, IDC_LARGE_VIDEO_PICTURE);
  RECT host{};
  GetClientRect(picture, &host);
  EXPECT_EQ(host.right, 640);
  EXPECT_EQ(host.bottom, 480);
  // The dialog has grown: the whole picture lies in its client area.
  RECT shown{}, client{};
  GetWindowRect(picture, &shown);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&shown), 2);
  GetClientRect(dialog, &client);
  EXPECT_GE(shown.left, 0);
  EXPECT_GE(shown.top, 0);
  EXPECT_LE(shown.right, client.right);
  EXPECT_LE(shown.bottom, client.bottom);
  EXPECT_FALSE(IsWindowVisible(PanelControl(IDC_MEDIA_VIDEO_HOST)));

  EXPECT_TRUE(e2e::WaitUntil([&] { return DialogText(dialog, IDC_LARGE_VIDEO_STATE) == kTextMediaPlaying; }, 5000));
  EXPECT_EQ(DialogText(dialog, IDC_LARGE_VIDEO_LENGTH), "4.000 Seconds");
  EXPECT_EQ(DialogText(dialog, IDC_LARGE_VIDEO_START), "0");
  EXPECT_EQ(DialogText(dialog, IDC_LARGE_VIDEO_SELECTED), "1");
  EXPECT_EQ(DialogText(dialog, IDC_LARGE_VIDEO_LEFT), "0");
  // The position label ticks while the video plays.
  std::string first;
  ASSERT_TRUE(e2e::WaitUntil([&] {
    first = DialogText(dialog, IDC_LARGE_VIDEO_POSITION);
    return first != "" && first != "0 Milliseconds";
  }, 5000)) << first;
  EXPECT_TRUE(e2e::WaitUntil([&] {
    const std::string now = DialogText(dialog, IDC_LARGE_VIDEO_POSITION);
    return !now.empty() && now != first;
  }, 3000)) << first;
  e2e::SaveScreenshot(dialog, "large_video_dialog");

  e2e::ClickId(dialog, IDC_LARGE_VIDEO_STOP);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }, 5000));
  ExpectPanelReady();
  EXPECT_EQ(PanelText(IDC_MEDIA_NAME), "");
}

TEST_F(LargeVideo, ThreeSelectedFilesPlayOneDialogAfterAnotherAndTheLastStaysAtItsEnd) {
  for (const char* name : {"a.avi", "b.avi", "c.avi"}) {
    shelle2e::WriteBytes(videos + name, UncompressedAvi(320, 240, 10));
  }
  Start(3);
  PlayAll();
  HWND first = program.WaitForWindow("a.avi", 15000);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(DialogText(first, IDC_LARGE_VIDEO_LEFT), "2");
  EXPECT_EQ(DialogText(first, IDC_LARGE_VIDEO_SELECTED), "3");
  // The first dialog ends with its file and the next file opens its own.
  HWND second = program.WaitForWindow("b.avi", 15000);
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(DialogText(second, IDC_LARGE_VIDEO_LEFT), "1");
  HWND third = program.WaitForWindow("c.avi", 15000);
  ASSERT_NE(third, nullptr);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(DialogText(third, IDC_LARGE_VIDEO_LEFT), "0");

  // Nothing follows: the last dialog stays open showing the end of its file.
  EXPECT_TRUE(e2e::WaitUntil([&] {
    return DialogText(third, IDC_LARGE_VIDEO_POSITION) == "1.000 Seconds";
  }, 8000)) << DialogText(third, IDC_LARGE_VIDEO_POSITION);
  e2e::Sleep(500);
  EXPECT_TRUE(IsWindow(third));
  EXPECT_EQ(DialogText(third, IDC_LARGE_VIDEO_POSITION), "1.000 Seconds");

  // Closing the window is Stop.
  PostMessageA(third, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(third); }, 5000));
  ExpectPanelReady();
}

TEST_F(LargeVideo, RepeatPlaysASingleFileAgainInItsDialogAndPauseHoldsIt) {
  HWND dialog = PlayOnly("once.avi", 320, 240, 10);
  ASSERT_NE(dialog, nullptr);
  e2e::ClickId(dialog, IDC_LARGE_VIDEO_REPEAT);
  // The position runs to the end and starts again from the beginning in the same dialog.
  int highest = 0;
  EXPECT_TRUE(e2e::WaitUntil([&] {
    const int now = PositionMs(dialog);
    if (now > highest) highest = now;
    return highest >= 700 && now >= 0 && now < highest - 400;
  }, 8000)) << highest;
  EXPECT_TRUE(IsWindow(dialog));

  e2e::ClickId(dialog, IDC_LARGE_VIDEO_PAUSE);
  EXPECT_TRUE(e2e::WaitUntil([&] { return DialogText(dialog, IDC_LARGE_VIDEO_STATE) == kTextMediaPaused; }, 3000));
  const int held = PositionMs(dialog);
  e2e::Sleep(1500);
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_EQ(PositionMs(dialog), held);
  e2e::ClickId(dialog, IDC_LARGE_VIDEO_PLAY);
  EXPECT_TRUE(e2e::WaitUntil([&] { return DialogText(dialog, IDC_LARGE_VIDEO_STATE) == kTextMediaPlaying; }, 3000));
  EXPECT_TRUE(e2e::WaitUntil([&] { return PositionMs(dialog) != held; }, 3000));

  e2e::ClickId(dialog, IDC_LARGE_VIDEO_STOP);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }, 5000));
  ExpectPanelReady();
}

}  // namespace
