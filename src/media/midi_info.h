// What the MIDI file information dialog shows of a Standard MIDI File (.mid) or a RIFF MIDI
// file (.rmi): format, tracks, time division, tempo and length, and the sequence name.
#pragma once

#include <cstdint>
#include <string>

#include "media/byte_source.h"

namespace bw {

struct MidiInfo {
  bool isMidi = false;   // an "MThd" header was found
  bool isRmid = false;   // inside a RIFF "RMID" file
  bool damaged = false;  // tracks missing or cut short, or events that make no sense
  int format = 0;
  int declaredTracks = 0;
  int tracksRead = 0;
  std::uint16_t division = 0;  // ticks per quarter note, or SMPTE when the top bit is set
  double startBpm = 0;         // 0 for SMPTE timing, where tempo does not count
  int tempoChanges = 0;        // tempo events that change the tempo in effect
  std::uint64_t durationMs = 0;
  bool durationKnown = false;

  // Display texts; empty when unknown.
  std::string formatText;    // "Format 1 (multiple tracks)"
  std::string tracksText;    // "3 Tracks"
  std::string divisionText;  // "480 Ticks per quarter note", "25 fps, 40 Ticks per frame"
  std::string tempo;         // "120 BPM", "120 BPM (3 changes)"
  std::string length;        // "1:23.456 Minutes"
  std::string title;         // the first track's name in formats 0 and 1
};

// The tempo a file has before its first tempo event: 120 beats per minute.
constexpr std::uint32_t kDefaultMicrosecondsPerQuarter = 500000;

MidiInfo ReadMidiInfo(ByteSource& source);

}  // namespace bw
