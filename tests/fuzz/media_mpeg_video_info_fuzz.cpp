// Fuzz target for the MPEG video reader, program and elementary streams, both counted through
// and measured by their time stamps: any bytes give texts that agree with the numbers.
#include <cstdlib>

#include "media/byte_source.h"
#include "media/video_info.h"
#include "media_fuzz_input.h"
#include "media_video_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = bw::fuzzing::MediaInput(data, size, [](const std::string& rest) {
    // A pack header, then the video packet the rest of the input fills.
    return std::string("\0\0\1\xBA\x21\x00\x01\x00\x01\x80\x00\x01\0\0\1\xE0", 16) +
           static_cast<char>((rest.size() >> 8) & 0xFF) + static_cast<char>(rest.size() & 0xFF);
  });
  bw::MemoryByteSource source(input);
  bw::fuzzing::CheckVideo(bw::ReadMpegVideoInfo(source));
  bw::fuzzing::CheckVideo(bw::ReadMpegVideoInfo(source, 0));
  return 0;
}
