// The information dialogs' pages: the file's place and date before the reader's fields, what a
// missing or cut-off file still shows, and the series line.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "media/media_info_page.h"
#include "media/media_texts.h"
#include "media_test_support.h"

namespace bw {
namespace {

using namespace media_testing;

class MediaInfoPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("bw-info-page-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::string Label(const MediaInfoPage& page, std::size_t i) {
    return i < page.fields.size() ? page.fields[i].label : "";
  }

  std::filesystem::path folder_;
};

TEST_F(MediaInfoPageTest, NamesTheFileAndItsFolderAndDateBeforeTheReadersFields) {
  const std::string wave = Riff("WAVE", Chunk("fmt ", PcmFormat(2, 44100, 16)) +
                                            Chunk("data", Zeros(44100 * 4)));
  const std::string path = Write("tone.wav", wave);
  const MediaInfoPage page = ReadMediaInfoPage(MediaInfoKind::kAudio, DefaultFileSystem(), path);
  EXPECT_EQ(page.fileName, "tone.wav");
  ASSERT_GE(page.fields.size(), 4u);
  EXPECT_EQ(Label(page, 0), std::string("Folder:"));
  EXPECT_EQ(page.fields[0].text, (folder_ / "").string());
  EXPECT_EQ(Label(page, 1), std::string("Modified:"));
  // M/D/YYYY hh:mm:ss
  EXPECT_NE(page.fields[1].text.find('/'), std::string::npos);
  EXPECT_EQ(page.fields[1].text.size() - page.fields[1].text.find(' '), 9u);
  EXPECT_EQ(Label(page, 2), std::string(kLabelFileType));
  EXPECT_EQ(page.fields[2].text, "WAV Audio");
  bool sawLength = false;
  for (const MediaField& field : page.fields) {
    if (std::string(field.label) == kLabelLength) sawLength = field.text == "1.000 Seconds";
    EXPECT_NE(std::string(field.label), kLabelNote) << field.text;
  }
  EXPECT_TRUE(sawLength);
}

TEST_F(MediaInfoPageTest, AMissingFileShowsItsNameAndWhyNothingElse) {
  const std::string path = (folder_ / "gone.mid").string();
  const MediaInfoPage page = ReadMediaInfoPage(MediaInfoKind::kMidi, DefaultFileSystem(), path);
  EXPECT_EQ(page.fileName, "gone.mid");
  ASSERT_FALSE(page.fields.empty());
  EXPECT_EQ(Label(page, page.fields.size() - 1), std::string(kLabelNote));
  EXPECT_EQ(page.fields.back().text, kTextMediaCannotOpen);
  for (const MediaField& field : page.fields) EXPECT_NE(std::string(field.label), "Modified:");
}

TEST_F(MediaInfoPageTest, ACutOffFileShowsWhatWasReadAndSaysItIsDamaged) {
  MidiTrack track;
  track.Tempo(0, 500000).Note(0, 480).Note(0, 480);
  const std::string midi = MidiFile(0, 480, {track.Chunk()});
  const std::string path = Write("cut.mid", midi.substr(0, midi.size() - 6));
  const MediaInfoPage page = ReadMediaInfoPage(MediaInfoKind::kMidi, DefaultFileSystem(), path);
  std::string format, note;
  for (const MediaField& field : page.fields) {
    if (std::string(field.label) == kLabelFormat) format = field.text;
    if (std::string(field.label) == kLabelNote) note = field.text;
  }
  EXPECT_FALSE(format.empty());
  EXPECT_EQ(note, kTextMediaDamaged);
}

TEST(MediaInfoSeriesTest, TellsThePlaceInASeriesOnlyWhenThereIsOne) {
  EXPECT_EQ(SeriesText(0, 1), "");
  EXPECT_EQ(SeriesText(0, 3), "File 1 of 3");
  EXPECT_EQ(SeriesText(2, 3), "File 3 of 3");
  EXPECT_EQ(FileDateText({2024, 3, 7, 14, 5, 9}), "3/7/2024 14:05:09");
}

}  // namespace
}  // namespace bw
