// Fuzz target for the WAV reader: any bytes give a consistent reading; a file of another
// kind has no texts, and the data never counts more bytes than the file holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "media/byte_source.h"
#include "media/wave_info.h"
#include "media_fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = bw::fuzzing::MediaInput(data, size, [](const std::string& rest) {
    return "RIFF" + bw::fuzzing::Le32(rest.size() + 4) + "WAVE";
  });
  bw::MemoryByteSource source(input);
  const bw::WaveInfo info = bw::ReadWaveInfo(source);
  if (!info.isWave && !(info.format.empty() && info.length.empty())) std::abort();
  if (info.dataBytes > input.size()) std::abort();
  if (info.hasFormat != !info.format.empty()) std::abort();
  if (!info.durationKnown && !info.length.empty()) std::abort();
  if (info.sampleRateText == "0 Hz") std::abort();
  return 0;
}
