// Fuzz target for the MP3 frame header reader: any bytes give either five empty texts or the
// texts of a complete, valid header inside the data; never "0 Hz" or "0 Kbps".
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "media/byte_source.h"
#include "media/mp3_frame_search.h"
#include "media/mp3_header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  bw::MemoryByteSource source(data, size);
  const bw::Mp3FirstFrame frame = bw::FindFirstMp3Frame(source);
  const bw::Mp3HeaderTexts texts = bw::ReadMp3HeaderTexts(source);
  if (!frame.found) {
    if (!texts.IsEmpty()) std::abort();
    return 0;
  }
  if (frame.offset + 4 > size || !bw::IsUsableMp3FrameHeader(frame.header)) std::abort();
  const uint32_t stored = (uint32_t{data[frame.offset]} << 24) | (uint32_t{data[frame.offset + 1]} << 16) |
                          (uint32_t{data[frame.offset + 2]} << 8) | data[frame.offset + 3];
  if (stored != frame.header) std::abort();
  if (texts.bitRate.empty() || texts.sampleRate.empty() || texts.layer.empty() || texts.version.empty() ||
      texts.channelMode.empty()) {
    std::abort();
  }
  if (texts.sampleRate == "0 Hz" || texts.bitRate == "0 Kbps") std::abort();
  if (texts.bitRate.size() > 20 || texts.sampleRate.size() > 20 || texts.version.size() > 50) std::abort();
  return 0;
}
