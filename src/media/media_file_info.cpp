// Opening the file, telling its kind, and the outcome and note every dialog shows.
#include "media/media_file_info.h"

#include <memory>

#include "media/media_texts.h"
#include "shell/text_helpers.h"

namespace bw {
namespace {

template <typename Info>
bool Open(FileSystem& files, const std::string& path, std::unique_ptr<ByteSource>* source,
          Info* info) {
  if (path.empty() || !OpenFileByteSource(files, path, source).IsOk()) {
    info->outcome = MediaReadOutcome::kCannotOpen;
    info->note = kTextMediaCannotOpen;
    return false;
  }
  return true;
}

template <typename Info>
void SetOutcome(bool recognised, bool damaged, const char* notRecognisedNote, Info* info) {
  if (!recognised) {
    info->outcome = MediaReadOutcome::kNotRecognised;
    info->note = notRecognisedNote;
  } else if (damaged) {
    info->outcome = MediaReadOutcome::kDamaged;
    info->note = kTextMediaDamaged;
  } else {
    info->outcome = MediaReadOutcome::kRead;
  }
}

void Add(std::vector<MediaField>* fields, const char* label, const std::string& text) {
  if (!text.empty()) fields->push_back({label, text});
}

}  // namespace

AudioFileInfo ReadAudioFileInfo(ByteSource& source, UnicodeToAnsi toAnsi) {
  AudioFileInfo info;
  info.fileSize = ByteCountText(source.Size());
  WaveInfo wave = ReadWaveInfo(source);
  if (wave.isWave) {
    info.kind = AudioFileKind::kWave;
    info.fileType = kTextFileTypeWave;
    info.wave = std::move(wave);
    SetOutcome(true, info.wave.damaged || source.HadReadError(), kTextMediaNotAudio, &info);
    return info;
  }
  Mp3FileInfo mp3 = ReadMp3FileInfo(source, toAnsi);
  if (mp3.frameFound || mp3.hasTags) {
    info.kind = AudioFileKind::kMp3;
    info.fileType = kTextFileTypeMp3;
    info.mp3 = std::move(mp3);
    SetOutcome(true, info.mp3.damaged || source.HadReadError(), kTextMediaNotAudio, &info);
    return info;
  }
  SetOutcome(false, false, kTextMediaNotAudio, &info);
  return info;
}

AudioFileInfo ReadAudioFileInfo(FileSystem& files, const std::string& path, UnicodeToAnsi toAnsi) {
  AudioFileInfo info;
  std::unique_ptr<ByteSource> source;
  if (!Open(files, path, &source, &info)) return info;
  return ReadAudioFileInfo(*source, toAnsi);
}

MidiFileInfo ReadMidiFileInfo(ByteSource& source) {
  MidiFileInfo info;
  info.fileSize = ByteCountText(source.Size());
  info.midi = ReadMidiInfo(source);
  if (info.midi.isMidi) info.fileType = info.midi.isRmid ? kTextFileTypeRmid : kTextFileTypeMidi;
  SetOutcome(info.midi.isMidi, info.midi.damaged || source.HadReadError(), kTextMediaNotMidi, &info);
  return info;
}

MidiFileInfo ReadMidiFileInfo(FileSystem& files, const std::string& path) {
  MidiFileInfo info;
  std::unique_ptr<ByteSource> source;
  if (!Open(files, path, &source, &info)) return info;
  return ReadMidiFileInfo(*source);
}

VideoFileInfo ReadVideoFileInfo(ByteSource& source) {
  VideoFileInfo info;
  info.fileSize = ByteCountText(source.Size());
  info.video = ReadVideoInfo(source);
  SetOutcome(info.video.container != VideoContainer::kUnknown,
             info.video.damaged || source.HadReadError(), kTextMediaNotVideo, &info);
  return info;
}

VideoFileInfo ReadVideoFileInfo(FileSystem& files, const std::string& path) {
  VideoFileInfo info;
  std::unique_ptr<ByteSource> source;
  if (!Open(files, path, &source, &info)) return info;
  return ReadVideoFileInfo(*source);
}

std::vector<MediaField> AudioFields(const AudioFileInfo& info) {
  std::vector<MediaField> fields;
  Add(&fields, kLabelFileType, info.fileType);
  Add(&fields, kLabelFileSize, info.fileSize);
  if (info.kind == AudioFileKind::kWave) {
    const WaveInfo& wave = info.wave;
    Add(&fields, kLabelFormat, wave.format);
    Add(&fields, kLabelChannels, wave.channelsText);
    Add(&fields, kLabelSampleRate, wave.sampleRateText);
    Add(&fields, kLabelBitsPerSample, wave.bitsText);
    Add(&fields, kLabelLength, wave.length);
  } else if (info.kind == AudioFileKind::kMp3) {
    const Mp3FileInfo& mp3 = info.mp3;
    Add(&fields, kLabelBitRate, mp3.header.bitRate);
    Add(&fields, kLabelSampleRate, mp3.header.sampleRate);
    Add(&fields, kLabelChannelMode, mp3.header.channelMode);
    Add(&fields, kLabelLayer, mp3.header.layer);
    Add(&fields, kLabelVersion, mp3.header.version);
    Add(&fields, kLabelLength, mp3.length);
    Add(&fields, kLabelTitle, mp3.tags.title);
    Add(&fields, kLabelArtist, mp3.tags.artist);
    Add(&fields, kLabelAlbum, mp3.tags.album);
    Add(&fields, kLabelYear, mp3.tags.year);
    Add(&fields, kLabelTags, mp3.tagVersions);
  }
  Add(&fields, kLabelNote, info.note);
  return fields;
}

std::vector<MediaField> MidiFields(const MidiFileInfo& info) {
  std::vector<MediaField> fields;
  const MidiInfo& midi = info.midi;
  Add(&fields, kLabelFileType, info.fileType);
  Add(&fields, kLabelFileSize, info.fileSize);
  Add(&fields, kLabelTitle, midi.title);
  Add(&fields, kLabelFormat, midi.formatText);
  Add(&fields, kLabelTracks, midi.tracksText);
  Add(&fields, kLabelDivision, midi.divisionText);
  Add(&fields, kLabelTempo, midi.tempo);
  Add(&fields, kLabelLength, midi.length);
  Add(&fields, kLabelNote, info.note);
  return fields;
}

std::vector<MediaField> VideoFields(const VideoFileInfo& info) {
  std::vector<MediaField> fields;
  const VideoInfo& video = info.video;
  Add(&fields, kLabelFileType, video.format);
  Add(&fields, kLabelFileSize, info.fileSize);
  Add(&fields, kLabelCompression, video.compression);
  Add(&fields, kLabelFrameSize, video.frameSize);
  Add(&fields, kLabelFrames, video.framesText);
  Add(&fields, kLabelFrameRate, video.frameRate);
  Add(&fields, kLabelLength, video.length);
  Add(&fields, kLabelNote, info.note);
  return fields;
}

}  // namespace bw
