// Kind words, patterns and texts of the drive search.
#include "filetools/search_kind.h"

#include "filetools/filetools_texts.h"
#include "shell/media_kinds.h"

namespace bw {

SearchKind SearchKindForMode(int mode) {
  switch (mode) {
    case kModeMidi: return SearchKind::kMidi;
    case kModeVideo: return SearchKind::kVideo;
    default: return SearchKind::kAudio;
  }
}

const char* SearchKindWord(SearchKind kind) {
  switch (kind) {
    case SearchKind::kExecutable: return kTextKindExecutable;
    case SearchKind::kMidi: return kTextKindMidi;
    case SearchKind::kVideo: return kTextKindVideo;
    case SearchKind::kAudio: break;
  }
  return kTextKindAudio;
}

std::vector<std::string> SearchPatterns(SearchKind kind, const MainSettings& settings) {
  switch (kind) {
    case SearchKind::kExecutable: return {"*.exe"};
    case SearchKind::kMidi: return MediaFilePatterns(kModeMidi, settings);
    case SearchKind::kVideo: return MediaFilePatterns(kModeVideo, settings);
    case SearchKind::kAudio: break;
  }
  return MediaFilePatterns(kModeAudio, settings);
}

std::string SearchCountText(SearchKind kind, std::int64_t count) {
  const char* suffix = kTextAudioFilesCount;
  switch (kind) {
    case SearchKind::kExecutable: suffix = kTextExecutableFilesCount; break;
    case SearchKind::kMidi: suffix = kTextMidiFilesCount; break;
    case SearchKind::kVideo: suffix = kTextVideoFilesCount; break;
    case SearchKind::kAudio: break;
  }
  return std::to_string(count) + suffix;
}

namespace {

std::string Around(const char* start, SearchKind kind, const char* middle, std::string_view drive) {
  std::string text = start;
  text += SearchKindWord(kind);
  text += middle;
  text.append(drive.data(), drive.size());
  return text;
}

}  // namespace

std::string SearchTitle(SearchKind kind, std::string_view drive) {
  return Around(kTextSearchTitleStart, kind, kTextSearchTitleMiddle, drive);
}

std::string SearchFileTotalLabel(SearchKind kind, std::string_view drive) {
  return Around(kTextFileTotalLabelStart, kind, kTextFileTotalLabelMiddle, drive);
}

std::string SearchFolderTotalLabel(SearchKind kind, std::string_view drive) {
  return Around(kTextFolderTotalLabelStart, kind, kTextFolderTotalLabelMiddle, drive);
}

std::optional<std::string> SearchDriveOf(std::string_view folder) {
  if (folder.size() < 2 || folder[1] != ':') return std::nullopt;
  char letter = folder[0];
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z') return std::nullopt;
  return std::string{letter, ':'};
}

std::string DriveRoot(std::string_view drive) {
  std::string root(drive.substr(0, 2));
  root += '\\';
  return root;
}

}  // namespace bw
