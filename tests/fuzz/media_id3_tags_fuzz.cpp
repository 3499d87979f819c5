// Fuzz target for the ID3 tag reader: any bytes give bounded texts without control
// characters, and the MP3 information built on them never fails.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "media/byte_source.h"
#include "media/id3_tags.h"
#include "media/mp3_info.h"
#include "media_fuzz_input.h"

namespace {

void CheckText(const std::string& text) {
  if (text.size() > 255) std::abort();
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = bw::fuzzing::MediaInput(data, size, [](const std::string& rest) {
    // A version 2.3 tag header whose size covers the rest.
    const std::size_t n = rest.size();
    return std::string("ID3\3\0", 5) + static_cast<char>(rest.empty() ? 0 : rest[0] & 0xC0) +
           static_cast<char>((n >> 21) & 0x7F) + static_cast<char>((n >> 14) & 0x7F) +
           static_cast<char>((n >> 7) & 0x7F) + static_cast<char>(n & 0x7F);
  });
  bw::MemoryByteSource source(input);
  const bw::Id3Tags tags = bw::ReadId3Tags(source);
  CheckText(tags.title);
  CheckText(tags.artist);
  CheckText(tags.album);
  CheckText(tags.year);
  const bw::Mp3FileInfo info = bw::ReadMp3FileInfo(source);
  if (info.frameFound == info.header.IsEmpty()) std::abort();
  if (!info.durationKnown && !info.length.empty()) std::abort();
  return 0;
}
