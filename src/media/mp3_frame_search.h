// Finding the first MPEG audio frame of an MP3 file and the five header texts the Audio panel
// and the audio information dialog show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/file_system.h"
#include "media/byte_source.h"
#include "media/mp3_header.h"

namespace bw {

// How far past the tags the first frame is looked for.
constexpr std::size_t kMp3SearchWindow = 5120;

struct Mp3FirstFrame {
  bool found = false;
  std::uint64_t offset = 0;  // of the header's first byte
  std::uint32_t header = 0;
};

// The first complete header with no reserved field within the search window that follows
// the ID3v2 tags at the start of the data. Syncs inside a tag are passed over with the tag.
Mp3FirstFrame FindFirstMp3Frame(ByteSource& source);

// The five texts of the first frame; all empty when there is none.
Mp3HeaderTexts ReadMp3HeaderTexts(ByteSource& source);

// The same for a file: an empty path, a file that cannot be opened, an empty file or one
// without a frame give five empty texts and no message.
Mp3HeaderTexts ReadMp3HeaderTexts(FileSystem& files, const std::string& path);

}  // namespace bw
