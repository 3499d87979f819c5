// The information dialogs' readers as the dialogs call them: through the file system, with
// the outcome and note of each kind of failure, and the fields in dialog order.
#include <gtest/gtest.h>

#include "media/display_texts.h"
#include "media/media_file_info.h"
#include "media/media_texts.h"
#include "media_test_support.h"
#include "shell/text_helpers.h"

namespace bw {
namespace {

using namespace media_testing;

std::string Lines(const std::vector<MediaField>& fields) {
  std::string out;
  for (const MediaField& field : fields) out += std::string(field.label) + " " + field.text + "\n";
  return out;
}

TEST(MediaFileInfoTest, ListsTheFieldsOfAnMp3File) {
  const std::string file = Id3v2Tag(3, {{"TIT2", Latin1("Song")}, {"TPE1", Utf16Le(u"Band \u20AC")}}) +
                           Mp3Header128() + Zeros(16000 - 4) +
                           Id3v1Tag("", "", "Record", "1999");
  MemoryByteSource source(file);
  const AudioFileInfo info = ReadAudioFileInfo(source);
  EXPECT_EQ(info.outcome, MediaReadOutcome::kRead);
  EXPECT_EQ(Lines(AudioFields(info)),
            "File type: MP3 Audio\n"
            "File size: " + ByteCountText(file.size()) + "\n"
            "Bit Rate: 128 Kbps\n"
            "Sample Rate: 44100 Hz\n"
            "Channel Mode: Joint Stereo\n"
            "Layer: Layer III\n"
            "Version: MPEG Version 1.0\n"
            "Length: 1.000 Seconds\n"  // 16,000 bytes at 128 kbit/s
            "Title: Song\n"
            "Artist: Band \x80\n"
            "Album: Record\n"
            "Year: 1999\n"
            "Tags: ID3v2.3, ID3v1\n");
}

TEST(MediaFileInfoTest, Mp3LengthComesFromTheFrameCountWhenThereIsOne) {
  // A "Xing" header after the 32 bytes of side information: 1,000 frames of 1,152 samples.
  const std::string first = Mp3Header128() + Zeros(32) + "Xing" + Be(1, 4) + Be(1000, 4) + Zeros(400);
  const std::string file = first + Zeros(5000);
  MemoryByteSource source(file);
  const AudioFileInfo info = ReadAudioFileInfo(source);
  EXPECT_TRUE(info.mp3.variableBitRate);
  EXPECT_EQ(info.mp3.length, "26.122 Seconds");
  // A free-format stream without one has no length to show.
  const std::string freeFile = Mp3Header(3, 1, 0, 0, 0) + Zeros(5000);
  MemoryByteSource free(freeFile);
  const AudioFileInfo freeInfo = ReadAudioFileInfo(free);
  EXPECT_EQ(freeInfo.mp3.header.bitRate, kTextFreeFormat);
  EXPECT_EQ(freeInfo.mp3.length, "");
}

TEST(MediaFileInfoTest, EachFailureHasItsOutcomeAndNote) {
  UnopenableFileSystem unopenable;
  const AudioFileInfo cannotOpen = ReadAudioFileInfo(unopenable, "song.wav");
  EXPECT_EQ(cannotOpen.outcome, MediaReadOutcome::kCannotOpen);
  EXPECT_EQ(Lines(AudioFields(cannotOpen)), std::string("Note: ") + kTextMediaCannotOpen + "\n");
  EXPECT_EQ(ReadMidiFileInfo(DefaultFileSystem(), "").outcome, MediaReadOutcome::kCannotOpen);
  EXPECT_EQ(ReadVideoFileInfo(DefaultFileSystem(), "/no/such/file.avi").outcome, MediaReadOutcome::kCannotOpen);

  const std::string text = "just some text, not a media file";
  FailingReadFileSystem plain(text, 1 << 20);
  const AudioFileInfo notAudio = ReadAudioFileInfo(plain, "a.wav");
  EXPECT_EQ(notAudio.outcome, MediaReadOutcome::kNotRecognised);
  EXPECT_EQ(notAudio.note, kTextMediaNotAudio);
  EXPECT_EQ(ReadMidiFileInfo(plain, "a.mid").note, kTextMediaNotMidi);
  EXPECT_EQ(ReadVideoFileInfo(plain, "a.avi").note, kTextMediaNotVideo);

  // A WAV file whose data cannot be read to the end: what was read, and the note.
  const std::string wave = Riff("WAVE", Chunk("fmt ", PcmFormat(2, 44100, 16)) + Chunk("data", Zeros(176400)));
  const std::string cutWave = wave.substr(0, 1000);
  MemoryByteSource cut(cutWave);
  const AudioFileInfo damaged = ReadAudioFileInfo(cut);
  EXPECT_EQ(damaged.outcome, MediaReadOutcome::kDamaged);
  EXPECT_EQ(damaged.wave.format, "PCM");
  EXPECT_EQ(AudioFields(damaged).back().text, kTextMediaDamaged);
  // A read error is damage too, even when the sizes look whole.
  std::string stream = SequenceHeader(352, 288, 3);
  for (int i = 0; i < 5000; ++i) stream += Picture();
  FailingReadFileSystem failing(stream, 100000);
  const VideoFileInfo video = ReadVideoFileInfo(failing, "a.mpg");
  EXPECT_EQ(video.outcome, MediaReadOutcome::kDamaged);
}

TEST(MediaFileInfoTest, ListsTheFieldsOfMidiAndVideoFiles) {
  const std::string midi = MidiFile(1, 480, {MidiTrack().Name("Tune").Tempo(0, 500000).Chunk(),
                                             MidiTrack().Note(0, 960).Chunk()});
  MemoryByteSource midiSource(midi);
  EXPECT_EQ(Lines(MidiFields(ReadMidiFileInfo(midiSource))),
            "File type: MIDI Sequence\nFile size: " + ByteCountText(midi.size()) +
                "\nTitle: Tune\nFormat: Format 1 (multiple tracks)\nTracks: 2 Tracks\n"
                "Division: 480 Ticks per quarter note\nTempo: 120 BPM\nLength: 1.000 Seconds\n");
}

TEST(DisplayTextsTest, WritesNumbersWithTheirUnits) {
  EXPECT_EQ(DecimalText(25), "25");
  EXPECT_EQ(DecimalText(30000.0 / 1001), "29.97");
  EXPECT_EQ(DecimalText(0.5), "0.5");
  EXPECT_EQ(DecimalText(59.999), "60");
  EXPECT_EQ(DecimalText(-3), "0");
  EXPECT_EQ(FramesText(1), "1 Frame");
  EXPECT_EQ(FramesText(0), "0 Frames");
  EXPECT_EQ(PixelsText(320, 240), "320 x 240 Pixels");
  EXPECT_EQ(LengthText(999), "999 Milliseconds");
  EXPECT_EQ(LengthText(3600000), "1:00:00.000 Hours");
  EXPECT_EQ(BpmText(60e6 / 468750), "128 BPM");
}

}  // namespace
}  // namespace bw
