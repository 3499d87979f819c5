// Title, artist, album and year from the ID3 tags of an MP3 file: an ID3v2 tag (versions 2.2,
// 2.3 and 2.4) at the start and an ID3v1 tag in the last 128 bytes.
#pragma once

#include <string>

#include "media/ansi_text.h"
#include "media/byte_source.h"

namespace bw {

struct Id3Tags {
  // ANSI texts; empty when no tag has the field. ID3v2 values win over ID3v1 ones.
  std::string title;
  std::string artist;
  std::string album;
  std::string year;

  int v2MajorVersion = 0;  // 0 without an ID3v2 tag
  int v2Revision = 0;
  bool hasV1 = false;
  bool v1HasTrack = false;  // ID3v1.1
  // The ID3v2 tag ends before its frames do, or says it is longer than the file.
  bool damaged = false;
};

// Never fails: what cannot be read stays empty.
Id3Tags ReadId3Tags(ByteSource& source, UnicodeToAnsi toAnsi = Utf16ToWindows1252);

// "ID3v2.3, ID3v1.1"; empty without tags.
std::string TagVersionsText(const Id3Tags& tags);

// One text frame's body (encoding byte and text) as ANSI: Latin-1 bytes are taken as they
// are, since taggers write the user's own code page there; UTF-16 and UTF-8 go through
// `toAnsi`. Several values (separated by NUL) are joined with "/"; control characters are
// dropped and blanks trimmed.
std::string DecodeId3TextFrame(const std::string& body, UnicodeToAnsi toAnsi);

}  // namespace bw
