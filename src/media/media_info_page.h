// What a file information dialog shows for one file: the file's name, folder and date, then
// the reader's fields; and the series line when several files are inspected in turn.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "media/media_file_info.h"

namespace bw {

enum class MediaInfoKind { kAudio, kMidi, kVideo };

struct MediaInfoPage {
  std::string fileName;             // the name alone, for the heading
  std::vector<MediaField> fields;   // folder and date first, then the reader's fields
};

MediaInfoPage ReadMediaInfoPage(MediaInfoKind kind, FileSystem& files, const std::string& path);

// "3/7/2024 14:05:09", the date form the program shows elsewhere followed by the time.
std::string FileDateText(const LocalDateTime& when);

// "File 2 of 3"; empty for a single file, where there is no series to tell.
std::string SeriesText(std::size_t index, std::size_t count);

}  // namespace bw
