// Fuzz target for the MIDI reader (standard and RIFF MIDI files): any bytes give a
// consistent reading, with texts only for a file that has a MIDI header.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "media/byte_source.h"
#include "media/midi_info.h"
#include "media_fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = bw::fuzzing::MediaInput(data, size, [](const std::string&) {
    return std::string("MThd\0\0\0\6\0\1\0\2\1\xE0MTrk", 18);
  });
  bw::MemoryByteSource source(input);
  const bw::MidiInfo info = bw::ReadMidiInfo(source);
  if (!info.isMidi) {
    if (!info.formatText.empty() || !info.length.empty() || !info.tempo.empty()) std::abort();
    return 0;
  }
  if (info.formatText.empty() || info.tracksText.empty()) std::abort();
  if (info.tracksRead > info.declaredTracks) std::abort();
  if (info.tracksRead < info.declaredTracks && !info.damaged) std::abort();
  if (info.title.size() > 255) std::abort();
  if (info.startBpm < 0 || info.tempoChanges < 0) std::abort();
  return 0;
}
