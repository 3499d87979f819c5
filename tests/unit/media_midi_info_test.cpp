// MIDI files: format, tracks, division, the tempo at the start and its changes, the length
// under a tempo map, RIFF MIDI files, and files that are cut short or make no sense.
#include <gtest/gtest.h>

#include "media/byte_source.h"
#include "media/midi_info.h"
#include "media_test_support.h"

namespace bw {
namespace {

using namespace media_testing;

MidiInfo MidiOf(const std::string& bytes) {
  MemoryByteSource source(bytes);
  return ReadMidiInfo(source);
}

TEST(MidiInfoTest, TimesTracksUnderTheirTempoMap) {
  // Format 1: the tempo track plays 960 ticks at 120 BPM, then 80 BPM, then returns to 120.
  const std::string tempoTrack =
      MidiTrack().Name("Piece").Tempo(0, 500000).Tempo(960, 750000).Tempo(960, 500000).Chunk();
  const std::string notes = MidiTrack().Note(0, 480).Note(0, 3360).Chunk();  // 3840 ticks
  struct Case {
    const char* what;
    std::string file;
    std::string format, tracks, division, tempo, length, title;
  } cases[] = {
      {"format 1 with a tempo track", MidiFile(1, 480, {tempoTrack, notes}), "Format 1 (multiple tracks)",
       "2 Tracks", "480 Ticks per quarter note", "120 BPM (2 changes)",
       "4.500 Seconds",  // 1 s + 1.5 s + 1920 ticks at 120 BPM
       "Piece"},
      {"format 0 without tempo events plays at 120 BPM", MidiFile(0, 96, {MidiTrack().Note(0, 960).Chunk()}),
       "Format 0 (single track)", "1 Track", "96 Ticks per quarter note", "120 BPM", "5.000 Seconds", ""},
      {"a fractional tempo", MidiFile(0, 100, {MidiTrack().Tempo(0, 700000).Note(0, 100).Chunk()}),
       "Format 0 (single track)", "1 Track", "100 Ticks per quarter note", "85.71 BPM", "700 Milliseconds", ""},
      {"tempo set twice at the start and repeated later is no change",
       MidiFile(0, 10, {MidiTrack().Tempo(0, 1000000).Tempo(0, 250000).Tempo(10, 250000).Note(0, 30).Chunk()}),
       "Format 0 (single track)", "1 Track", "10 Ticks per quarter note", "240 BPM", "1.000 Seconds", ""},
      {"format 2 songs play one after the other, each at its own tempo",
       MidiFile(2, 10, {MidiTrack().Tempo(0, 1000000).Note(0, 10).Chunk(), MidiTrack().Note(0, 20).Chunk()}),
       "Format 2 (multiple songs)", "2 Tracks", "10 Ticks per quarter note", "60 BPM", "2.000 Seconds", ""},
      {"SMPTE timing: 25 frames of 40 ticks a second", MidiFile(0, 0xE728, {MidiTrack().Note(0, 2500).Chunk()}),
       "Format 0 (single track)", "1 Track", "25 fps, 40 Ticks per frame", "", "2.500 Seconds", ""},
      {"drop-frame SMPTE", MidiFile(0, 0xE302, {MidiTrack().Note(0, 5994).Chunk()}), "Format 0 (single track)",
       "1 Track", "29.97 fps, 2 Ticks per frame", "", "1:40.000 Minutes", ""},
  };
  for (const Case& c : cases) {
    const MidiInfo info = MidiOf(c.file);
    ASSERT_TRUE(info.isMidi) << c.what;
    EXPECT_FALSE(info.damaged) << c.what;
    EXPECT_EQ(info.formatText, c.format) << c.what;
    EXPECT_EQ(info.tracksText, c.tracks) << c.what;
    EXPECT_EQ(info.divisionText, c.division) << c.what;
    EXPECT_EQ(info.tempo, c.tempo) << c.what;
    EXPECT_EQ(info.length, c.length) << c.what;
    EXPECT_EQ(info.title, c.title) << c.what;
  }
}

TEST(MidiInfoTest, WalksEveryKindOfEvent) {
  // Running status (kept across system exclusive and meta events, as lenient players do), a
  // program change with its one data byte, both forms of system exclusive, a text event, and
  // a foreign chunk before the track: 480 ticks in all, one beat at 120 BPM.
  const std::string events = MidiTrack()
                                 .Event(0, "\x90\x40\x40")
                                 .Event(10, std::string("\x42\x40", 2))
                                 .Event(10, "\xF0\x03\x7E\x7F\xF7")
                                 .Event(10, "\xF7\x02\x01\x02")
                                 .Event(10, "\xFF\x01\x04text")
                                 .Event(10, std::string("\x40\x00", 2))
                                 .Event(10, "\xC0\x05")
                                 .Event(420, std::string("\x80\x40\x00", 3))
                                 .Chunk();
  const MidiInfo info = MidiOf(MidiFile(1, 480, {"XFIH" + Be(3, 4) + "abc", events}, 1));
  EXPECT_FALSE(info.damaged);
  EXPECT_EQ(info.tracksRead, 1);
  EXPECT_EQ(info.length, "500 Milliseconds");
}

TEST(MidiInfoTest, ReadsRiffMidiFiles) {
  const std::string smf = MidiFile(0, 480, {MidiTrack().Note(0, 960).Chunk()});
  const MidiInfo info = MidiOf(Riff("RMID", Chunk("data", smf) + Chunk("LIST", "INFO")));
  EXPECT_TRUE(info.isRmid);
  EXPECT_FALSE(info.damaged);
  EXPECT_EQ(info.length, "1.000 Seconds");
}

TEST(MidiInfoTest, DamagedFilesShowWhatCouldBeRead) {
  const std::string good = MidiTrack().Tempo(0, 1000000).Note(0, 480).Chunk();  // 1 s at 60 BPM
  const std::string full = MidiFile(1, 480, {good, MidiTrack().Note(0, 960).Chunk()});
  struct Case {
    const char* what;
    std::string file;
    std::string length;
  } cases[] = {
      {"the last track cut short", full.substr(0, full.size() - 6), "2.000 Seconds"},
      {"fewer tracks than the header says", MidiFile(1, 480, {good}, 3), "1.000 Seconds"},
      {"a data byte without a status", MidiFile(0, 480, {MidiTrack().Event(0, "\x40\x40").Chunk()}), "0 Milliseconds"},
      {"a delta time longer than four bytes", MidiFile(0, 480, {"MTrk" + Be(6, 4) + std::string("\xFF\xFF\xFF\xFF\x7F\x00", 6)}),
       "0 Milliseconds"},
      {"a meta event longer than its track", MidiFile(0, 480, {"MTrk" + Be(5, 4) + std::string("\x00\xFF\x01\x7F", 4) + "a"}),
       "0 Milliseconds"},
      {"a system real-time byte", MidiFile(0, 480, {MidiTrack().Note(0, 480).Event(0, "\xF8").Chunk()}),
       "500 Milliseconds"},
      {"a division of 0", MidiFile(0, 0, {good}), ""},
      {"a RIFF MIDI file cut short", Riff("RMID", Chunk("data", full)).substr(0, 40), ""},
  };
  for (const Case& c : cases) {
    const MidiInfo info = MidiOf(c.file);
    EXPECT_TRUE(info.isMidi) << c.what;
    EXPECT_TRUE(info.damaged) << c.what;
    EXPECT_EQ(info.length, c.length) << c.what;
    EXPECT_FALSE(info.formatText.empty()) << c.what;
  }
  for (const std::string& other : {std::string(), std::string("MThd"), "MThd" + Be(2, 4) + Zeros(2),
                                   Riff("WAVE", Chunk("fmt ", "x"))}) {
    EXPECT_FALSE(MidiOf(other).isMidi);
  }
}

}  // namespace
}  // namespace bw
