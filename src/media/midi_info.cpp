// The Standard MIDI File reader: header chunk, the event walk of each track (running status,
// system exclusive and meta events) and the tempo map that turns ticks into time.
#include "media/midi_info.h"

#include <algorithm>
#include <vector>

#include "media/byte_order.h"
#include "media/display_texts.h"
#include "media/media_texts.h"

namespace bw {
namespace {

// Foreign chunks between tracks are skipped; this many in a row is not a MIDI file.
constexpr int kMaxChunks = 65536;
constexpr std::size_t kMaxTitle = 255;

struct TempoEvent {
  std::uint64_t tick;
  std::uint32_t microsecondsPerQuarter;
};

struct TrackResult {
  std::uint64_t endTick = 0;
  std::vector<TempoEvent> tempos;
  std::string name;
  bool damaged = false;
};

// A variable-length quantity of at most four bytes.
bool ReadVarLen(const std::vector<std::uint8_t>& data, std::size_t* pos, std::uint32_t* value) {
  std::uint32_t result = 0;
  for (int i = 0; i < 4; ++i) {
    if (*pos >= data.size()) return false;
    const std::uint8_t byte = data[(*pos)++];
    result = (result << 7) | (byte & 0x7F);
    if (!(byte & 0x80)) {
      *value = result;
      return true;
    }
  }
  return false;
}

std::string CleanName(const std::uint8_t* bytes, std::size_t size) {
  std::string name;
  for (std::size_t i = 0; i < size && name.size() < kMaxTitle; ++i) {
    if (bytes[i] == 0) break;
    if (bytes[i] >= 0x20 && bytes[i] != 0x7F) name.push_back(static_cast<char>(bytes[i]));
    else if (bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n') name.push_back(' ');
  }
  const std::size_t first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

TrackResult WalkTrack(const std::vector<std::uint8_t>& data) {
  TrackResult track;
  std::size_t pos = 0;
  std::uint64_t tick = 0;
  std::uint8_t runningStatus = 0;
  while (pos < data.size()) {
    std::uint32_t delta = 0;
    if (!ReadVarLen(data, &pos, &delta)) {
      track.damaged = true;
      break;
    }
    tick += delta;
    if (pos >= data.size()) {
      track.damaged = true;
      break;
    }
    std::uint8_t status = data[pos];
    if (status & 0x80) {
      ++pos;
    } else if (runningStatus != 0) {
      status = runningStatus;  // the data byte belongs to the previous status
    } else {
      track.damaged = true;
      break;
    }
    if (status == 0xFF) {
      if (pos >= data.size()) {
        track.damaged = true;
        break;
      }
      const std::uint8_t type = data[pos++];
      std::uint32_t length = 0;
      if (!ReadVarLen(data, &pos, &length) || length > data.size() - pos) {
        track.damaged = true;
        break;
      }
      if (type == 0x51 && length >= 3) {
        const std::uint32_t tempo = Be24(&data[pos]);
        if (tempo != 0) track.tempos.push_back({tick, tempo});
      } else if (type == 0x03 && track.name.empty()) {
        track.name = CleanName(&data[pos], length);
      }
      pos += length;
      if (type == 0x2F) break;  // end of track
    } else if (status == 0xF0 || status == 0xF7) {
      std::uint32_t length = 0;
      if (!ReadVarLen(data, &pos, &length) || length > data.size() - pos) {
        track.damaged = true;
        break;
      }
      pos += length;
    } else if (status >= 0x80 && status < 0xF0) {
      runningStatus = status;
      const std::size_t dataBytes = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
      if (dataBytes > data.size() - pos) {
        track.damaged = true;
        break;
      }
      for (std::size_t i = 0; i < dataBytes; ++i) {
        if (data[pos + i] & 0x80) track.damaged = true;
      }
      if (track.damaged) break;
      pos += dataBytes;
    } else {
      track.damaged = true;  // system common and real-time bytes have no place in a file
      break;
    }
  }
  track.endTick = tick;
  return track;
}

// Seconds from tick 0 to `endTick` under a tempo map sorted by tick.
double SecondsOf(const std::vector<TempoEvent>& tempos, std::uint64_t endTick,
                 std::uint16_t ticksPerQuarter) {
  double microseconds = 0;
  std::uint64_t tick = 0;
  std::uint32_t tempo = kDefaultMicrosecondsPerQuarter;
  for (const TempoEvent& event : tempos) {
    if (event.tick >= endTick) break;
    microseconds += static_cast<double>(event.tick - tick) * tempo / ticksPerQuarter;
    tick = event.tick;
    tempo = event.microsecondsPerQuarter;
  }
  microseconds += static_cast<double>(endTick - tick) * tempo / ticksPerQuarter;
  return microseconds / 1e6;
}

double SmpteFramesPerSecond(std::uint16_t division) {
  const int frames = -static_cast<std::int8_t>(division >> 8);
  return frames == 29 ? 30000.0 / 1001 : frames;
}

void Describe(MidiInfo* info) {
  switch (info->format) {
    case 0: info->formatText = kTextMidiFormat0; break;
    case 1: info->formatText = kTextMidiFormat1; break;
    case 2: info->formatText = kTextMidiFormat2; break;
    default: info->formatText = kTextMidiFormatOther + std::to_string(info->format); break;
  }
  info->tracksText = CountText(static_cast<std::uint64_t>(info->declaredTracks), kTextTrackSuffix,
                               kTextTracksSuffix);
  if (info->division & 0x8000) {
    const double fps = SmpteFramesPerSecond(info->division);
    if (fps > 0 && (info->division & 0xFF) != 0) {
      info->divisionText = FrameRateText(fps) + ", " + std::to_string(info->division & 0xFF) +
                           kTextTicksPerFrame;
    }
  } else if (info->division != 0) {
    info->divisionText = std::to_string(info->division) + kTextTicksPerQuarter;
  }
  if (info->startBpm > 0) {
    info->tempo = BpmText(info->startBpm);
    if (info->tempoChanges > 0) {
      info->tempo += kTextTempoChangesOpen + std::to_string(info->tempoChanges) +
                     (info->tempoChanges == 1 ? kTextTempoChange : kTextTempoChanges);
    }
  }
  if (info->durationKnown) info->length = LengthText(info->durationMs);
}

// The header and tracks of a Standard MIDI File that starts at `start` and ends at `end`.
void ReadSmf(ByteSource& source, std::uint64_t start, std::uint64_t end, MidiInfo* info) {
  std::uint8_t header[14];
  if (end - start < 14 || source.ReadAt(start, header, 14) != 14) return;
  if (!IsFourCc(header, "MThd")) return;
  const std::uint32_t headerLength = Be32(header + 4);
  if (headerLength < 6) return;
  info->isMidi = true;
  info->format = Be16(header + 8);
  info->declaredTracks = Be16(header + 10);
  info->division = Be16(header + 12);

  std::vector<TrackResult> tracks;
  std::uint64_t offset = start + 8 + static_cast<std::uint64_t>(headerLength);
  for (int n = 0; n < kMaxChunks && tracks.size() < static_cast<std::size_t>(info->declaredTracks); ++n) {
    if (offset > end || end - offset < 8) break;
    std::uint8_t chunk[8];
    if (source.ReadAt(offset, chunk, 8) != 8) break;
    const std::uint64_t length = Be32(chunk + 4);
    const std::uint64_t body = offset + 8;
    const std::uint64_t available = end - body;
    if (IsFourCc(chunk, "MTrk")) {
      const std::size_t size = static_cast<std::size_t>(length < available ? length : available);
      const std::vector<std::uint8_t> data = ReadBlock(source, body, size);
      tracks.push_back(WalkTrack(data));
      if (length > available || data.size() < size) tracks.back().damaged = true;
    }
    if (length > available) break;
    offset = body + length;
  }
  info->tracksRead = static_cast<int>(tracks.size());
  if (info->tracksRead < info->declaredTracks) info->damaged = true;
  for (const TrackResult& track : tracks) {
    if (track.damaged) info->damaged = true;
  }
  if (!tracks.empty() && info->format != 2) info->title = tracks.front().name;

  const bool smpte = (info->division & 0x8000) != 0;
  if (smpte) {
    const double ticksPerSecond = SmpteFramesPerSecond(info->division) * (info->division & 0xFF);
    if (ticksPerSecond > 0 && !tracks.empty()) {
      std::uint64_t endTick = 0;
      for (const TrackResult& track : tracks) endTick = std::max(endTick, track.endTick);
      info->durationMs = static_cast<std::uint64_t>(endTick * 1000.0 / ticksPerSecond + 0.5);
      info->durationKnown = true;
    }
    return;
  }
  if (info->division == 0) {
    info->damaged = true;
    return;
  }

  // Formats 0 and 1 share one tempo map, whichever track carries it; the songs of format 2
  // follow one another, each with its own.
  double seconds = 0;
  std::vector<TempoEvent> map;
  if (info->format == 2) {
    for (TrackResult& track : tracks) {
      std::stable_sort(track.tempos.begin(), track.tempos.end(),
                       [](const TempoEvent& a, const TempoEvent& b) { return a.tick < b.tick; });
      seconds += SecondsOf(track.tempos, track.endTick, info->division);
    }
    if (!tracks.empty()) map = tracks.front().tempos;
  } else {
    std::uint64_t endTick = 0;
    for (const TrackResult& track : tracks) {
      map.insert(map.end(), track.tempos.begin(), track.tempos.end());
      endTick = std::max(endTick, track.endTick);
    }
    std::stable_sort(map.begin(), map.end(),
                     [](const TempoEvent& a, const TempoEvent& b) { return a.tick < b.tick; });
    seconds = SecondsOf(map, endTick, info->division);
  }
  if (!tracks.empty()) {
    info->durationMs = static_cast<std::uint64_t>(seconds * 1000 + 0.5);
    info->durationKnown = true;
  }

  // The tempo at the start is the last one set at tick 0; later events that set another
  // tempo than the one in effect are changes.
  std::uint32_t tempo = kDefaultMicrosecondsPerQuarter;
  std::size_t i = 0;
  for (; i < map.size() && map[i].tick == 0; ++i) tempo = map[i].microsecondsPerQuarter;
  info->startBpm = 60e6 / tempo;
  for (; i < map.size(); ++i) {
    if (map[i].microsecondsPerQuarter != tempo) {
      ++info->tempoChanges;
      tempo = map[i].microsecondsPerQuarter;
    }
  }
}

}  // namespace

MidiInfo ReadMidiInfo(ByteSource& source) {
  MidiInfo info;
  const std::uint64_t size = source.Size();
  std::uint8_t head[12];
  const std::size_t got = source.ReadAt(0, head, sizeof head);
  if (got == sizeof head && IsFourCc(head, "RIFF") && IsFourCc(head + 8, "RMID")) {
    // The standard file sits in the "data" chunk.
    std::uint64_t offset = 12;
    for (int n = 0; n < kMaxChunks; ++n) {
      std::uint8_t chunk[8];
      if (source.ReadAt(offset, chunk, 8) != 8) break;
      const std::uint64_t length = Le32(chunk + 4);
      const std::uint64_t body = offset + 8;
      if (IsFourCc(chunk, "data")) {
        info.isRmid = true;
        const std::uint64_t end = length < size - body ? body + length : size;
        ReadSmf(source, body, end, &info);
        if (body + length > size) info.damaged = true;
        break;
      }
      offset = body + length + (length & 1);
    }
  } else {
    ReadSmf(source, 0, size, &info);
  }
  if (info.isMidi) Describe(&info);
  return info;
}

}  // namespace bw
