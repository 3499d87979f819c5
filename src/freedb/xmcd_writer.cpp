// Writing a disc as xmcd text for submission.
#include "freedb/xmcd_writer.h"

#include <cstdio>

#include "freedb/freedb_settings.h"
#include "shell/version.h"

namespace bw {
namespace freedb {

void AppendXmcdValue(std::string_view key, std::string_view value, std::string* out) {
  std::size_t at = 0;
  do {
    out->append(key);
    out->push_back('=');
    out->append(value.substr(at, kXmcdPieceLength));
    out->append("\r\n");
    at += kXmcdPieceLength;
  } while (at < value.size());
}

std::string EncodeXmcdNotes(std::string_view notes) {
  std::string encoded;
  encoded.reserve(notes.size() + notes.size() / 8);
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const char c = notes[i];
    if (c == '\r' || c == '\n') {
      encoded += "\\n";
      if (c == '\r' && i + 1 < notes.size() && notes[i + 1] == '\n') ++i;
    } else if (c == '\\') {
      encoded += "\\\\";
    } else {
      encoded += c;
    }
  }
  return encoded;
}

std::string OneLineXmcdText(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

std::string WriteXmcdRecord(const DiscQuery& disc, const SubmittedEntry& entry) {
  const std::size_t tracks = disc.frameOffsets.size();
  std::string record;
  record.reserve(512 + tracks * 120 + entry.notes.size() * 2);

  record += "# xmcd\r\n#\r\n# Track frame offsets:\r\n";
  for (std::int32_t offset : disc.frameOffsets) {
    record += "# " + std::to_string(offset) + "\r\n";
  }
  record += "#\r\n# Disc length: " + std::to_string(disc.lengthSeconds) + " seconds\r\n";
  record += "#\r\n# Revision: 1\r\n# Submitted via: " + ClientIdentification() + " " +
            kMakerWebAddress + "\r\n#\r\n";

  char discId[9];
  std::snprintf(discId, sizeof discId, "%08x", static_cast<unsigned>(disc.discId));
  record += "DISCID=";
  record += discId;
  record += "\r\n";

  AppendXmcdValue("DTITLE", OneLineXmcdText(entry.artist + " / " + entry.discName), &record);
  for (std::size_t t = 0; t < tracks; ++t) {
    const std::string title = t < entry.trackTitles.size() ? entry.trackTitles[t] : std::string();
    AppendXmcdValue("TTITLE" + std::to_string(t), OneLineXmcdText(title), &record);
  }
  AppendXmcdValue("EXTD", EncodeXmcdNotes(entry.notes.substr(0, kMaxSubmittedNotes)), &record);
  for (std::size_t t = 0; t < tracks; ++t) record += "EXTT" + std::to_string(t) + "=\r\n";
  record += "PLAYORDER=";
  return record;
}

}  // namespace freedb
}  // namespace bw
