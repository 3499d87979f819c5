// brindwax-cli mediainfo [--audio|--midi|--video] FILE...: every field the file information
// dialogs show, one "Label: text" line each. The kind follows the file's extension as the
// panels list files, or the option; an unknown extension tries each kind in turn. With
// several files each block begins with "==> FILE <==".
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cddb/windows1252.h"
#include "cli/commands.h"
#include "media/media_file_info.h"

namespace {

enum class Kind { kGuess, kAudio, kMidi, kVideo };

Kind KindOfExtension(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos) return Kind::kGuess;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "wav" || extension == "mp3") return Kind::kAudio;
  if (extension == "mid" || extension == "rmi") return Kind::kMidi;
  if (extension == "avi" || extension == "mov" || extension == "mpg") return Kind::kVideo;
  return Kind::kGuess;
}

int Print(bw::MediaReadOutcome outcome, const std::vector<bw::MediaField>& fields) {
  FILE* out = outcome == bw::MediaReadOutcome::kCannotOpen ||
                      outcome == bw::MediaReadOutcome::kNotRecognised
                  ? stderr
                  : stdout;
  for (const bw::MediaField& field : fields) {
    std::fprintf(out, "%s %s\n", field.label, bw::Windows1252ToUtf8(field.text).c_str());
  }
  return out == stderr ? 1 : 0;
}

int Describe(Kind kind, const char* path) {
  if (kind == Kind::kGuess) kind = KindOfExtension(path);
  bw::FileSystem& files = bw::DefaultFileSystem();
  switch (kind) {
    case Kind::kAudio: {
      const bw::AudioFileInfo info = bw::ReadAudioFileInfo(files, path);
      return Print(info.outcome, bw::AudioFields(info));
    }
    case Kind::kMidi: {
      const bw::MidiFileInfo info = bw::ReadMidiFileInfo(files, path);
      return Print(info.outcome, bw::MidiFields(info));
    }
    case Kind::kVideo: {
      const bw::VideoFileInfo info = bw::ReadVideoFileInfo(files, path);
      return Print(info.outcome, bw::VideoFields(info));
    }
    case Kind::kGuess: break;
  }
  const bw::AudioFileInfo audio = bw::ReadAudioFileInfo(files, path);
  if (audio.outcome != bw::MediaReadOutcome::kNotRecognised) {
    return Print(audio.outcome, bw::AudioFields(audio));
  }
  const bw::MidiFileInfo midi = bw::ReadMidiFileInfo(files, path);
  if (midi.outcome != bw::MediaReadOutcome::kNotRecognised) {
    return Print(midi.outcome, bw::MidiFields(midi));
  }
  const bw::VideoFileInfo video = bw::ReadVideoFileInfo(files, path);
  return Print(video.outcome, bw::VideoFields(video));
}

}  // namespace

int RunMediaInfoCommand(int argc, char** argv) {
  Kind kind = Kind::kGuess;
  std::vector<const char*> paths;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--audio") == 0) kind = Kind::kAudio;
    else if (std::strcmp(argv[i], "--midi") == 0) kind = Kind::kMidi;
    else if (std::strcmp(argv[i], "--video") == 0) kind = Kind::kVideo;
    else paths.push_back(argv[i]);
  }
  if (paths.empty()) {
    std::fprintf(stderr, "usage: brindwax-cli mediainfo [--audio|--midi|--video] FILE...\n");
    return 2;
  }
  int status = 0;
  for (const char* path : paths) {
    if (paths.size() > 1) std::printf("==> %s <==\n", path);
    std::fflush(stdout);
    if (Describe(kind, path) != 0) status = 1;
    std::fflush(stderr);
  }
  return status;
}
