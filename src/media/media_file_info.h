// The information dialogs' readers: one call per dialog reads a file through the injected
// file system and returns every field as a ready text, with a note when the file could not
// be read in full. The field lists give the dialogs and brindwax-cli the same labels in the
// same order.
#pragma once

#include <string>
#include <vector>

#include "base/file_system.h"
#include "media/ansi_text.h"
#include "media/byte_source.h"
#include "media/midi_info.h"
#include "media/mp3_info.h"
#include "media/video_info.h"
#include "media/wave_info.h"

namespace bw {

enum class MediaReadOutcome {
  kRead,           // every field the format has was read
  kDamaged,        // read in part; `note` says so
  kNotRecognised,  // not a file of the dialog's kind
  kCannotOpen,
};

enum class AudioFileKind { kUnknown, kWave, kMp3 };

struct AudioFileInfo {
  MediaReadOutcome outcome = MediaReadOutcome::kCannotOpen;
  AudioFileKind kind = AudioFileKind::kUnknown;
  std::string fileType;  // "WAV Audio", "MP3 Audio"
  std::string fileSize;  // "1,234,567 bytes"
  std::string note;      // empty when the file was read in full
  WaveInfo wave;         // for kWave
  Mp3FileInfo mp3;       // for kMp3
};

struct MidiFileInfo {
  MediaReadOutcome outcome = MediaReadOutcome::kCannotOpen;
  std::string fileType;  // "MIDI Sequence", "RIFF MIDI Sequence"
  std::string fileSize;
  std::string note;
  MidiInfo midi;
};

struct VideoFileInfo {
  MediaReadOutcome outcome = MediaReadOutcome::kCannotOpen;
  std::string fileSize;
  std::string note;
  VideoInfo video;
};

// One line of a dialog: its label ("Bit Rate:") and text ("128 Kbps").
struct MediaField {
  const char* label;
  std::string text;
};

AudioFileInfo ReadAudioFileInfo(FileSystem& files, const std::string& path,
                                UnicodeToAnsi toAnsi = Utf16ToWindows1252);
AudioFileInfo ReadAudioFileInfo(ByteSource& source, UnicodeToAnsi toAnsi = Utf16ToWindows1252);

MidiFileInfo ReadMidiFileInfo(FileSystem& files, const std::string& path);
MidiFileInfo ReadMidiFileInfo(ByteSource& source);

VideoFileInfo ReadVideoFileInfo(FileSystem& files, const std::string& path);
VideoFileInfo ReadVideoFileInfo(ByteSource& source);

// The fields that have a text, in dialog order; the note, when there is one, comes last.
std::vector<MediaField> AudioFields(const AudioFileInfo& info);
std::vector<MediaField> MidiFields(const MidiFileInfo& info);
std::vector<MediaField> VideoFields(const VideoFileInfo& info);

}  // namespace bw
