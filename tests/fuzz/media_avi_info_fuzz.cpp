// Fuzz target for the AVI reader: any bytes give texts that agree with the numbers.
#include <cstdlib>

#include "media/byte_source.h"
#include "media/video_info.h"
#include "media_fuzz_input.h"
#include "media_video_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = bw::fuzzing::MediaInput(data, size, [](const std::string& rest) {
    return "RIFF" + bw::fuzzing::Le32(rest.size() + 16) + "AVI LIST" + bw::fuzzing::Le32(rest.size() + 4) + "hdrl";
  });
  bw::MemoryByteSource source(input);
  bw::fuzzing::CheckVideo(bw::ReadAviInfo(source));
  bw::fuzzing::CheckVideo(bw::ReadVideoInfo(source));
  return 0;
}
