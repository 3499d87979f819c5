// The pages of the file information dialogs.
#include "media/media_info_page.h"

#include <cstdio>

namespace bw {
namespace {

constexpr const char* kLabelFolder = "Folder:";
constexpr const char* kLabelModified = "Modified:";

struct PathParts {
  std::string folder;
  std::string name;
};

// Both separators: the dialogs get Windows paths, the tests POSIX ones.
PathParts SplitPath(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  if (cut == std::string::npos) return {"", path};
  return {path.substr(0, cut + 1), path.substr(cut + 1)};
}

std::vector<MediaField> ReaderFields(MediaInfoKind kind, FileSystem& files,
                                     const std::string& path) {
  switch (kind) {
    case MediaInfoKind::kAudio: return AudioFields(ReadAudioFileInfo(files, path));
    case MediaInfoKind::kMidi: return MidiFields(ReadMidiFileInfo(files, path));
    case MediaInfoKind::kVideo: return VideoFields(ReadVideoFileInfo(files, path));
  }
  return {};
}

}  // namespace

std::string FileDateText(const LocalDateTime& when) {
  char text[48];
  std::snprintf(text, sizeof text, "%d/%d/%d %02d:%02d:%02d", when.month, when.day, when.year,
                when.hour, when.minute, when.second);
  return text;
}

MediaInfoPage ReadMediaInfoPage(MediaInfoKind kind, FileSystem& files, const std::string& path) {
  MediaInfoPage page;
  const PathParts parts = SplitPath(path);
  page.fileName = parts.name;
  if (!parts.folder.empty()) page.fields.push_back({kLabelFolder, parts.folder});
  FileInfo info;
  if (files.GetFileInfo(path, &info).IsOk() && info.modified.year != 0) {
    page.fields.push_back({kLabelModified, FileDateText(info.modified)});
  }
  for (MediaField& field : ReaderFields(kind, files, path)) page.fields.push_back(std::move(field));
  return page;
}

std::string SeriesText(std::size_t index, std::size_t count) {
  if (count < 2) return {};
  return "File " + std::to_string(index + 1) + " of " + std::to_string(count);
}

}  // namespace bw
