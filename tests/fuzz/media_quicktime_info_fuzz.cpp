// Fuzz target for the QuickTime reader: any bytes give texts that agree with the numbers.
#include <cstdlib>

#include "media/byte_source.h"
#include "media/video_info.h"
#include "media_fuzz_input.h"
#include "media_video_fuzz_check.h"

namespace {

std::string Be32(std::size_t n) {
  return std::string{static_cast<char>((n >> 24) & 0xFF), static_cast<char>((n >> 16) & 0xFF),
                     static_cast<char>((n >> 8) & 0xFF), static_cast<char>(n & 0xFF)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = bw::fuzzing::MediaInput(data, size, [](const std::string& rest) {
    return Be32(rest.size() + 16) + "moov" + Be32(rest.size() + 8) + "trak";
  });
  bw::MemoryByteSource source(input);
  bw::fuzzing::CheckVideo(bw::ReadQuickTimeInfo(source));
  bw::fuzzing::CheckVideo(bw::ReadVideoInfo(source));
  return 0;
}
