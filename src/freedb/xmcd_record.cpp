// Extracting a catalogue entry from xmcd text.
#include "freedb/xmcd_record.h"

#include <algorithm>

namespace bw {
namespace freedb {
namespace {

std::string CutTo(std::string text, std::size_t limit) {
  if (text.size() > limit) text.resize(limit);
  return text;
}

// Drops one blank at the end (before a separator) or at the start (after one).
std::string_view DropTrailingBlank(std::string_view text) {
  if (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}
std::string_view DropLeadingBlank(std::string_view text) {
  if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

// Position of the separator character in a disc title, or npos.
std::size_t FindTitleSeparator(std::string_view title) {
  if (std::size_t at = title.find(" / "); at != std::string_view::npos) return at + 1;
  if (std::size_t at = title.find(" - "); at != std::string_view::npos) return at + 1;
  if (std::size_t at = title.find('/'); at != std::string_view::npos) return at;
  return title.find('-');
}

}  // namespace

std::string JoinedXmcdValue(std::string_view reply, std::string_view key) {
  std::string value;
  std::size_t pos = 0;
  while (pos < reply.size()) {
    std::size_t end = reply.find('\n', pos);
    if (end == std::string_view::npos) end = reply.size();
    std::string_view line = reply.substr(pos, end - pos);
    pos = end + 1;
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != '=') {
      continue;
    }
    line.remove_prefix(key.size() + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    value += line;
  }
  return value;
}

DiscTitle SplitDiscTitle(std::string_view discTitle) {
  DiscTitle result;
  const std::size_t separator = FindTitleSeparator(discTitle);
  if (separator == std::string_view::npos) {
    result.artist = CutTo(std::string(discTitle), kMaxTitleLength);
    result.discName = result.artist;
    return result;
  }
  result.artist =
      CutTo(std::string(DropTrailingBlank(discTitle.substr(0, separator))), kMaxTitleLength);
  result.discName =
      CutTo(std::string(DropLeadingBlank(discTitle.substr(separator + 1))), kMaxTitleLength);
  return result;
}

std::string DecodeXmcdEscapes(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] != '\\' || (next != 'n' && next != 't' && next != '\\')) {
      decoded += text[i];
      continue;
    }
    if (next == 'n') decoded += "\r\n";
    if (next == 't') decoded += ' ';
    if (next == '\\') decoded += '\\';
    ++i;
  }
  return decoded;
}

std::string ExtractTrackTitle(std::string_view reply, int track) {
  return CutTo(JoinedXmcdValue(reply, "TTITLE" + std::to_string(track)), kMaxTitleLength);
}

DiscTitle ExtractDiscTitle(std::string_view reply) {
  return SplitDiscTitle(JoinedXmcdValue(reply, "DTITLE"));
}

std::string ExtractCategory(std::string_view reply) {
  if (reply.substr(0, 4) != "210 ") return {};
  std::size_t end = 4;
  while (end < reply.size() && static_cast<unsigned char>(reply[end]) > ' ') ++end;
  return CutTo(std::string(reply.substr(4, end - 4)), kMaxCategoryLength);
}

std::string ExtractNotes(std::string_view reply) {
  std::string notes = DecodeXmcdEscapes(JoinedXmcdValue(reply, "EXTD"));
  if (notes.size() > kMaxNotesLength) {
    // Never keep half of a line break.
    const bool splitsLineBreak =
        notes[kMaxNotesLength - 1] == '\r' && notes[kMaxNotesLength] == '\n';
    notes.resize(splitsLineBreak ? kMaxNotesLength - 1 : kMaxNotesLength);
  }
  return notes;
}

TitleTable FreedbRecord::ToTitleTable() const {
  TitleTable table;
  const int count = std::min<int>(static_cast<int>(trackTitles.size()), TitleTable::kSlots);
  for (int i = 0; i < count; ++i) table.Set(i, trackTitles[static_cast<std::size_t>(i)]);
  return table;
}

FreedbRecord ExtractRecord(std::string_view reply, int trackCount) {
  FreedbRecord record;
  const int count = std::clamp(trackCount, 0, dbformat::kMaxTracks);
  for (int i = 0; i < count; ++i) record.trackTitles.push_back(ExtractTrackTitle(reply, i));
  DiscTitle title = ExtractDiscTitle(reply);
  record.details.artist = std::move(title.artist);
  record.details.discName = std::move(title.discName);
  record.details.category = ExtractCategory(reply);
  record.details.notes = ExtractNotes(reply);
  record.details.recording = 0;
  record.details.type = 0;
  record.details.size = 1;
  return record;
}

}  // namespace freedb
}  // namespace bw
