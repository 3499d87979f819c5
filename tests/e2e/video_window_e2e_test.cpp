// The floating video window in the running program: its client size for zoom 2, the size kept
// from one video to the next without growing, the picture kept at its aspect ratio with bars
// beside it, and closing the window stopping playback.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "shell_e2e_support.h"

namespace {

using shelle2e::ExitProgram;

constexpr char kVideoWindowClass[] = "Brindlewax Video Window";

void Put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
}
void Put16(std::string& out, uint16_t v) {
  out += static_cast<char>(v);
  out += static_cast<char>(v >> 8);
}
std::string Chunk(const char* id, const std::string& body) {
  std::string out(id, 4);
  Put32(out, static_cast<uint32_t>(body.size()));
  out += body;
  if (body.size() % 2 != 0) out += '\0';
  return out;
}
std::string List(const char* type, const std::string& body) {
  return Chunk("LIST", std::string(type, 4) + body);
}

// An uncompressed 24-bit AVI of `frames` frames at 10 frames a second, grey frames.
std::string UncompressedAvi(uint32_t width, uint32_t height, uint32_t frames) {
  const uint32_t frameBytes = width * 3 * height;  // widths here keep rows on 4-byte bounds
  std::string avih;
  for (uint32_t v : {100000u, frameBytes * 10, 0u, 0x10u, frames, 0u, 1u, frameBytes, width,
                     height, 0u, 0u, 0u, 0u})
    Put32(avih, v);
  std::string strh = "vidsDIB ";
  Put32(strh, 0);
  Put16(strh, 0);
  Put16(strh, 0);
  for (uint32_t v : {0u, 1u, 10u, 0u, frames, frameBytes, 0xFFFFFFFFu, 0u}) Put32(strh, v);
  for (uint16_t v : {uint16_t{0}, uint16_t{0}, static_cast<uint16_t>(width),
                     static_cast<uint16_t>(height)})
    Put16(strh, v);
  std::string strf;
  Put32(strf, 40);
  Put32(strf, width);
  Put32(strf, height);
  Put16(strf, 1);
  Put16(strf, 24);
  for (uint32_t v : {0u, frameBytes, 0u, 0u, 0u, 0u}) Put32(strf, v);
  const std::string hdrl = List("hdrl", Chunk("avih", avih) +
                                            List("strl", Chunk("strh", strh) + Chunk("strf", strf)));
  std::string movi, index;
  for (uint32_t f = 0; f < frames; ++f) {
    index += "00db";
    Put32(index, 0x10);
    Put32(index, static_cast<uint32_t>(4 + movi.size()));
    Put32(index, frameBytes);
    movi += Chunk("00db", std::string(frameBytes, static_cast<char>(0x60 + f)));
  }
  const std::string body = "AVI " + hdrl + List("movi", movi) + Chunk("idx1", index);
  return Chunk("RIFF", body).substr(0, 8) + body;
}

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

class VideoWindow : public testing::Test {
 protected:
  void SetUp() override {
    videos = shelle2e::MakeMediaFolder(folder, "videos");
    shelle2e::WriteBytes(videos + "a.avi", UncompressedAvi(320, 240, 40));
    folder.WriteIni("MAIN", "BrindlewaxMode", "video");
    folder.WriteIni("MAIN", "VideoFilesPath", videos.c_str());
    folder.WriteIni("MAIN", "SoundControls", "Off");
    folder.WriteIni("MAIN", "FloatingVideoWindow", "1");
    folder.WriteIni("MAIN", "VideoZoomFactor", "2");
  }

  void TearDown() override {
    if (program.IsRunning() && main != nullptr) EXPECT_EQ(ExitProgram(program, main), 0);
  }

  void Start() {
    ASSERT_TRUE(program.Start(folder, ""));
    main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kVideoTab));
    list = e2e::FindControl(main, IDC_MEDIA_LIST + kStep);
    ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 1; }, 5000));
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

  std::string State() const { return e2e::GetText(e2e::FindControl(main, IDC_MEDIA_STATE + kStep)); }

  static constexpr int kStep = 2 * IDC_MEDIA_ID_STEP;
  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  std::string videos;
  HWND main = nullptr;
  HWND list = nullptr;
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
