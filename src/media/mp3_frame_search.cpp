// The search for the first frame: past the ID3v2 tags, the first header whose fields are
// all valid, within a fixed window so a file of other data is given up quickly.
#include "media/mp3_frame_search.h"

#include "media/byte_order.h"
#include "media/id3v2_header.h"

namespace bw {

Mp3FirstFrame FindFirstMp3Frame(ByteSource& source) {
  const std::uint64_t start = SkipId3v2Tags(source);
  const std::vector<std::uint8_t> window = ReadBlock(source, start, kMp3SearchWindow);
  Mp3FirstFrame frame;
  for (std::size_t i = 0; i + 4 <= window.size(); ++i) {
    if (window[i] != 0xFF || window[i + 1] < 0xE0) continue;
    const std::uint32_t header = Be32(&window[i]);
    if (!IsUsableMp3FrameHeader(header)) continue;
    frame.found = true;
    frame.offset = start + i;
    frame.header = header;
    break;
  }
  return frame;
}

Mp3HeaderTexts ReadMp3HeaderTexts(ByteSource& source) {
  const Mp3FirstFrame frame = FindFirstMp3Frame(source);
  return frame.found ? DescribeMp3FrameHeader(frame.header) : Mp3HeaderTexts();
}

Mp3HeaderTexts ReadMp3HeaderTexts(FileSystem& files, const std::string& path) {
  if (path.empty()) return {};
  std::unique_ptr<ByteSource> source;
  if (!OpenFileByteSource(files, path, &source).IsOk()) return {};
  return ReadMp3HeaderTexts(*source);
}

}  // namespace bw
