// The file information dialogs opened by the panels' Info button: what they show for a WAV, a
// tagged MP3, MIDI files and videos (a cut-off one of each too), the series with Next and Cancel,
// and the panel usable again afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell_e2e_support.h"
#include "video_e2e_support.h"

namespace {

using shelle2e::ExitProgram;

std::string Le32(uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
          static_cast<char>(v >> 24)};
}
std::string Le16(uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }
std::string Be32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}
std::string Be16(uint16_t v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }

// Two seconds of silence, 8-bit mono at 8 kHz.
std::string SilentWav() {
  const uint32_t samples = 16000;
  return "RIFF" + Le32(36 + samples) + "WAVEfmt " + Le32(16) + Le16(1) + Le16(1) + Le32(8000) +
         Le32(8000) + Le16(1) + Le16(8) + "data" + Le32(samples) +
         std::string(samples, static_cast<char>(0x80));
}

// A format 1 file of two tracks at 96 ticks per quarter note and 120 beats per minute.
std::string TwoTrackMidi() {
  auto track = [](const std::string& events) { return "MTrk" + Be32(events.size()) + events; };
  const std::string tempo = std::string("\x00\xFF\x51\x03\x07\xA1\x20\x00\xFF\x2F\x00", 11);
  const std::string notes = std::string("\x00\x90\x3C\x64\x60\x80\x3C\x00\x00\xFF\x2F\x00", 12);
  return "MThd" + Be32(6) + Be16(1) + Be16(2) + Be16(96) + track(tempo) + track(notes);
}

class MediaInformation : public testing::Test {
 protected:
  void TearDown() override {
    if (program.IsRunning() && main != nullptr) {
      EXPECT_EQ(ExitProgram(program, main), 0);
    }
  }

  void Start(const char* mode, const char* pathKey, int tab) {
    folder.WriteIni("MAIN", "BrindlewaxMode", mode);
    folder.WriteIni("MAIN", pathKey, media.c_str());
    folder.WriteIni("MAIN", "SoundControls", "Off");
    ASSERT_TRUE(program.Start(folder, ""));
    main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(shelle2e::WaitForPanel(main, tab));
    step = tab * IDC_MEDIA_ID_STEP;
    list = e2e::FindControl(main, IDC_MEDIA_LIST + step);
    ASSERT_NE(list, nullptr);
  }

  void SelectAll() const {
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) SendMessageA(list, LB_SETSEL, TRUE, i);
  }

  HWND PressInfo(const char* title) {
    PostMessageA(GetParent(list), WM_COMMAND, IDC_MEDIA_INFO + step, 0);
    return program.WaitForWindow(title, 8000);
  }

  // The dialog's facts, one "Label:\ttext" line each (read in wide characters: only those
  // cross the process border).
  static std::vector<std::string> Lines(HWND box, int dialog) {
    HWND fields = e2e::FindControl(box, dialog + 30);
    std::vector<std::string> lines;
    const int count = static_cast<int>(SendMessageA(fields, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t wide[512] = {};
      SendMessageW(fields, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
      char text[512] = {};
      WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
      lines.push_back(text);
    }
    return lines;
  }

  static bool Has(const std::vector<std::string>& lines, const std::string& line) {
    for (const std::string& l : lines)
      if (l == line) return true;
    return false;
  }

  static void Close(HWND box, int id) {
    e2e::ClickId(box, id);
    e2e::WaitUntil([&] { return !IsWindow(box); }, 5000);
  }

  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  std::string media = shelle2e::MakeMediaFolder(folder, "media");
  HWND main = nullptr;
  HWND list = nullptr;
  int step = 0;
};

TEST_F(MediaInformation, AWavAndATaggedMp3AreShownInTurnWithTheReadersValues) {
  shelle2e::WriteBytes(media + "a.wav", SilentWav());
  ASSERT_TRUE(CopyFileA(BW_TESTDATA_DIR "/mp3/tuffy+python-audio-tools__test_id3v23.mp3",
                        (media + "b.mp3").c_str(), FALSE));
  Start("wave", "WaveFilesPath", shelle2e::kAudioTab);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 2; }, 5000));
  SelectAll();
  HWND first = PressInfo("Audio File Information");
  ASSERT_NE(first, nullptr);
  e2e::SaveScreenshot(first, "media_info_audio");
  EXPECT_EQ(e2e::GetText(e2e::FindControl(first, 1220)), "a.wav");
  EXPECT_EQ(e2e::GetText(e2e::FindControl(first, 1221)), "File 1 of 2");
  EXPECT_EQ(e2e::GetText(e2e::FindControl(first, 1240)), "Next");
  EXPECT_FALSE(IsWindowEnabled(GetParent(list)));
  const std::vector<std::string> wav = Lines(first, 1200);
  EXPECT_TRUE(Has(wav, "Folder:\t" + media)) << (wav.empty() ? "" : wav[0]);
  EXPECT_TRUE(Has(wav, "File type:\tWAV Audio"));
  EXPECT_TRUE(Has(wav, "Sample Rate:\t8000 Hz"));
  EXPECT_TRUE(Has(wav, "Channels:\tMono"));
  EXPECT_TRUE(Has(wav, "Length:\t2.000 Seconds"));
  Close(first, 1210);

  HWND second = program.WaitForWindow("Audio File Information", 8000);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(second, 1220)), "b.mp3");
  EXPECT_EQ(e2e::GetText(e2e::FindControl(second, 1240)), "OK");
  const std::vector<std::string> mp3 = Lines(second, 1200);
  EXPECT_TRUE(Has(mp3, "Bit Rate:\t128 Kbps"));
  EXPECT_TRUE(Has(mp3, "Layer:\tLayer III"));
  EXPECT_TRUE(Has(mp3, "Title:\tTrack Name"));
  EXPECT_TRUE(Has(mp3, "Tags:\tID3v2.3"));
  Close(second, 1210);
  EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(GetParent(list)) != FALSE; }, 3000));
}

TEST_F(MediaInformation, MidiFilesShowTheirFormatAndTempoAndCancelEndsTheSeries) {
  const std::string midi = TwoTrackMidi();
  shelle2e::WriteBytes(media + "a.mid", midi);
  shelle2e::WriteBytes(media + "b.mid", midi.substr(0, midi.size() - 5));
  shelle2e::WriteBytes(media + "c.mid", midi);
  Start("midi", "MidiFilesPath", shelle2e::kMidiTab);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 3; }, 5000));
  SelectAll();
  HWND first = PressInfo("MIDI File Information");
  ASSERT_NE(first, nullptr);
  const std::vector<std::string> whole = Lines(first, 1300);
  EXPECT_TRUE(Has(whole, "Format:\tFormat 1 (multiple tracks)"));
  EXPECT_TRUE(Has(whole, "Tracks:\t2 Tracks"));
  EXPECT_TRUE(Has(whole, "Tempo:\t120 BPM"));
  Close(first, 1310);

  HWND cut = program.WaitForWindow("MIDI File Information", 8000);
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(cut, 1321)), "File 2 of 3");
  const std::vector<std::string> part = Lines(cut, 1300);
  EXPECT_TRUE(Has(part, "Tempo:\t120 BPM"));
  bool damagedNote = false;
  for (const std::string& line : part) damagedNote |= line.rfind("Note:\tThe file is damaged", 0) == 0;
  EXPECT_TRUE(damagedNote);
  Close(cut, 1311);  // Cancel: the third file is not shown
  EXPECT_EQ(program.WaitForWindow("MIDI File Information", 1500), nullptr);
  EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(GetParent(list)) != FALSE; }, 3000));
}

TEST_F(MediaInformation, VideosShowTheirFrameSizeFramesAndLengthAndWhatACutOneHolds) {
  const std::string video = videoe2e::UncompressedAvi(32, 24, 20);
  shelle2e::WriteBytes(media + "a.avi", video);
  shelle2e::WriteBytes(media + "b.avi", video.substr(0, 200));  // the headers end mid-stream
  Start("video", "VideoFilesPath", shelle2e::kVideoTab);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 2; }, 5000));
  SelectAll();
  HWND first = PressInfo("Video File Information");
  ASSERT_NE(first, nullptr);
  e2e::SaveScreenshot(first, "media_info_video");
  EXPECT_EQ(e2e::GetText(e2e::FindControl(first, 1420)), "a.avi");
  const std::vector<std::string> whole = Lines(first, 1400);
  EXPECT_TRUE(Has(whole, "File type:\tAVI"));
  EXPECT_TRUE(Has(whole, "Compression:\tUncompressed"));
  EXPECT_TRUE(Has(whole, "Frame Size:\t32 x 24 Pixels"));
  EXPECT_TRUE(Has(whole, "Frames:\t20 Frames"));
  EXPECT_TRUE(Has(whole, "Frame Rate:\t10 fps"));
  EXPECT_TRUE(Has(whole, "Length:\t2.000 Seconds"));
  for (const std::string& line : whole) EXPECT_NE(line.rfind("Note:", 0), 0u) << line;
  Close(first, 1410);

  HWND cut = program.WaitForWindow("Video File Information", 8000);
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(cut, 1420)), "b.avi");
  const std::vector<std::string> part = Lines(cut, 1400);
  EXPECT_TRUE(Has(part, "Frame Size:\t32 x 24 Pixels"));
  bool note = false;
  for (const std::string& line : part) note |= line.rfind("Note:\t", 0) == 0;
  EXPECT_TRUE(note);
  Close(cut, 1410);
  EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(GetParent(list)) != FALSE; }, 3000));
}

}  // namespace
