// The video end-to-end tests' pieces: uncompressed 24-bit AVI files that the system's video
// device plays without any codec, and a program started on the Video panel with a folder of
// videos.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "shell_e2e_support.h"

namespace videoe2e {

inline void Put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
}
inline void Put16(std::string& out, uint16_t v) {
  out += static_cast<char>(v);
  out += static_cast<char>(v >> 8);
}
inline std::string Chunk(const char* id, const std::string& body) {
  std::string out(id, 4);
  Put32(out, static_cast<uint32_t>(body.size()));
  out += body;
  if (body.size() % 2 != 0) out += '\0';
  return out;
}
inline std::string List(const char* type, const std::string& body) {
  return Chunk("LIST", std::string(type, 4) + body);
}

// An uncompressed 24-bit AVI of `frames` grey frames at 10 frames a second, no sound. Widths
// that are multiples of 4 keep the rows on 4-byte bounds.
inline std::string UncompressedAvi(uint32_t width, uint32_t height, uint32_t frames) {
  const uint32_t frameBytes = width * 3 * height;
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
    movi += Chunk("00db", std::string(frameBytes, static_cast<char>(0x60 + f % 0x40)));
  }
  const std::string body = "AVI " + hdrl + List("movi", movi) + Chunk("idx1", index);
  return Chunk("RIFF", body).substr(0, 8) + body;
}

// A program whose Video panel lists the folder `videos`; the test writes its files and the
// settings it needs before Start.
class VideoPanelTest : public testing::Test {
 protected:
  void SetUp() override {
    videos = shelle2e::MakeMediaFolder(folder, "videos");
    folder.WriteIni("MAIN", "BrindlewaxMode", "video");
    folder.WriteIni("MAIN", "VideoFilesPath", videos.c_str());
    folder.WriteIni("MAIN", "SoundControls", "Off");
  }

  void TearDown() override {
    if (program.IsRunning() && main != nullptr) {
      EXPECT_EQ(shelle2e::ExitProgram(program, main), 0);
    }
  }

  // Starts the program and waits until the panel lists `files` files.
  void Start(int files = 1) {
    ASSERT_TRUE(program.Start(folder, ""));
    main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kVideoTab));
    list = e2e::FindControl(main, IDC_MEDIA_LIST + kStep);
    ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == files; }, 5000));
  }

  // The panel's control of that Audio panel id.
  HWND PanelControl(int audioId) const { return e2e::FindControl(main, audioId + kStep); }
  std::string PanelText(int audioId) const { return e2e::GetText(PanelControl(audioId)); }

  static constexpr int kStep = 2 * IDC_MEDIA_ID_STEP;
  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  std::string videos;
  HWND main = nullptr;
  HWND list = nullptr;
};

}  // namespace videoe2e
