// Per-kind details of the media panels.
#include "shell/media_kinds.h"

#include "shell/texts.h"

std::vector<std::string> MediaFilePatterns(int mode, const MainSettings& settings) {
  std::vector<std::string> patterns;
  switch (mode) {
    case kModeAudio:
      if (settings.listWav) patterns.push_back("*.wav");
      if (settings.listMp3) patterns.push_back("*.mp3");
      break;
    case kModeMidi:
      if (settings.listMid) patterns.push_back("*.mid");
      if (settings.listRmi) patterns.push_back("*.rmi");
      break;
    case kModeVideo:
      if (settings.videoListMask & kVideoListAvi) patterns.push_back("*.avi");
      if (settings.videoListMask & kVideoListMov) patterns.push_back("*.mov");
      if (settings.videoListMask & kVideoListMpg) patterns.push_back("*.mpg");
      break;
    default:
      break;
  }
  return patterns;
}

std::string* MediaFolder(int mode, MainSettings& settings) {
  switch (mode) {
    case kModeAudio: return &settings.waveFilesPath;
    case kModeMidi: return &settings.midiFilesPath;
    case kModeVideo: return &settings.videoFilesPath;
    default: return nullptr;
  }
}

const std::string* MediaFolder(int mode, const MainSettings& settings) {
  return MediaFolder(mode, const_cast<MainSettings&>(settings));
}

std::string FileCountText(int mode, int count) {
  const char* suffix = mode == kModeMidi    ? kTextMidiFilesSuffix
                       : mode == kModeVideo ? kTextVideoFilesSuffix
                                            : kTextAudioFilesSuffix;
  return std::to_string(count) + suffix;
}
