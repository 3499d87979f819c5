// What the audio information dialog shows of an MP3 file: the five header texts, the length,
// and the title, artist, album and year of its tags.
#pragma once

#include <cstdint>
#include <string>

#include "media/ansi_text.h"
#include "media/byte_source.h"
#include "media/id3_tags.h"
#include "media/mp3_frame_search.h"
#include "media/mp3_header.h"

namespace bw {

struct Mp3FileInfo {
  bool frameFound = false;
  bool hasTags = false;  // an ID3v1 or ID3v2 tag, even without audio after it
  bool damaged = false;
  Mp3HeaderTexts header;
  std::uint64_t durationMs = 0;
  bool durationKnown = false;
  bool variableBitRate = false;  // a "Xing" or "VBRI" header says so
  Id3Tags tags;

  std::string length;       // "3:25.041 Minutes"
  std::string tagVersions;  // "ID3v2.3, ID3v1.1"
};

Mp3FileInfo ReadMp3FileInfo(ByteSource& source, UnicodeToAnsi toAnsi = Utf16ToWindows1252);

// Milliseconds of audio from the first frame: the frame count of a "Xing"/"Info" or "VBRI"
// header when there is one, otherwise the audio bytes at the first frame's constant rate.
// False for a free-format stream without such a header.
bool Mp3Duration(ByteSource& source, const Mp3FirstFrame& frame, std::uint64_t audioEnd,
                 std::uint64_t* milliseconds, bool* variableBitRate);

}  // namespace bw
