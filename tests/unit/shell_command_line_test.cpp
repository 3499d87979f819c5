// The four command-line forms of the main program.
#include <gtest/gtest.h>

#include "shell/command_line.h"
#include "shell/program_mode.h"

namespace {

TEST(ShellCommandLine, EmptyAndUnknownLinesStartNormally) {
  for (const char* text : {"", "   ", "C:\\notes.txt", "readme", "C:\\music\\a.mp3x",
                           "C:\\music\\a.jpeg", "C:\\dir.wav\\file"}) {
    EXPECT_EQ(ParseCommandLine(text).kind, CommandLineKind::kNormal) << text;
  }
}

TEST(ShellCommandLine, CdPlayForms) {
  const struct {
    const char* text;
    char drive;
    int track;
  } cases[] = {
      {"/play D:", 'D', 1},
      {"/PLAY e:", 'E', 1},
      {"/P e:", 0, 1},  // the seventh character is the drive
      {"/play D:\\", 'D', 1},
      {"-play D:\\Track02.cda", 'D', 2},
      {"-play e:\\Track12.cda", 'E', 12},
      {"-P F:\\Track99.cda", 'F', 99},
      {"-play \"G:\\Track07.cda\"", 'G', 7},  // a quoted file name
      {"-play D:\\Track00.cda", 'D', 1},      // no track 0
      {"-play D:\\TrackAB.cda", 'D', 1},      // no number
      {"/p", 0, 1},                           // too short to name a drive
      {"-p", 0, 1},
      {"/play 1:", 0, 1},                     // not a drive letter
  };
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.text);
    EXPECT_EQ(line.kind, CommandLineKind::kPlayCd) << c.text;
    EXPECT_EQ(line.cdDrive, c.drive) << c.text;
    EXPECT_EQ(line.track, c.track) << c.text;
  }
}

TEST(ShellCommandLine, MediaFileForms) {
  const struct {
    const char* text;
    int mode;
    const char* folder;
    const char* name;
  } cases[] = {
      {"C:\\Music\\song.mp3", kModeAudio, "C:\\Music\\", "song.mp3"},
      {"\"C:\\My Music\\Song.WAV\"", kModeAudio, "C:\\My Music\\", "Song.WAV"},
      {"D:/midi/tune.Mid", kModeMidi, "D:/midi/", "tune.Mid"},
      {"D:\\midi\\tune.rmi", kModeMidi, "D:\\midi\\", "tune.rmi"},
      {"E:\\v\\clip.avi", kModeVideo, "E:\\v\\", "clip.avi"},
      {"E:\\v\\clip.MOV", kModeVideo, "E:\\v\\", "clip.MOV"},
      {"E:\\v.x\\clip.mpg", kModeVideo, "E:\\v.x\\", "clip.mpg"},
      {"song.mp3", kModeAudio, "", "song.mp3"},
      {"\\\\server\\share\\a.wav", kModeAudio, "\\\\server\\share\\", "a.wav"},
  };
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.text);
    EXPECT_EQ(line.kind, CommandLineKind::kMediaFile) << c.text;
    EXPECT_EQ(line.mediaMode, c.mode) << c.text;
    EXPECT_EQ(line.mediaFolder, c.folder) << c.text;
    EXPECT_EQ(line.mediaFileName, c.name) << c.text;
  }
}

TEST(ShellCommandLine, MediaModeByExtension) {
  EXPECT_EQ(MediaModeForFileName("a.Mp3"), kModeAudio);
  EXPECT_EQ(MediaModeForFileName("a.RMI"), kModeMidi);
  EXPECT_EQ(MediaModeForFileName("a.mpg"), kModeVideo);
  EXPECT_EQ(MediaModeForFileName("a.mpeg"), 0);
  EXPECT_EQ(MediaModeForFileName("wav"), 0);
  EXPECT_EQ(MediaModeForFileName("a."), 0);
}

}  // namespace
