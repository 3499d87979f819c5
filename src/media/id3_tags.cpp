// ID3v1 and ID3v2 tags: the frame walk of each version, unsynchronisation, text encodings.
#include "media/id3_tags.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "media/byte_order.h"
#include "media/id3v2_header.h"
#include "media/media_texts.h"

namespace bw {
namespace {

constexpr std::size_t kId3v1Size = 128;
// A text frame longer than this is not a title; only its start is read.
constexpr std::size_t kMaxTextFrame = 64 * 1024;
// A tag unsynchronised as a whole must be read in full to find its frames; one this large
// is read only up to here (cover pictures come after the texts in practice).
constexpr std::size_t kMaxUnsynchronisedTag = 16 * 1024 * 1024;
// The dialogs show one line per field.
constexpr std::size_t kMaxFieldLength = 255;

enum class Field { kNone, kTitle, kArtist, kAlbum, kYear, kRecordingTime };

Field FieldOfFrame(const char* id, int major) {
  if (major == 2) {
    if (std::strcmp(id, "TT2") == 0) return Field::kTitle;
    if (std::strcmp(id, "TP1") == 0) return Field::kArtist;
    if (std::strcmp(id, "TAL") == 0) return Field::kAlbum;
    if (std::strcmp(id, "TYE") == 0) return Field::kYear;
    return Field::kNone;
  }
  if (std::strcmp(id, "TIT2") == 0) return Field::kTitle;
  if (std::strcmp(id, "TPE1") == 0) return Field::kArtist;
  if (std::strcmp(id, "TALB") == 0) return Field::kAlbum;
  if (std::strcmp(id, "TYER") == 0) return Field::kYear;
  if (std::strcmp(id, "TDRC") == 0) return Field::kRecordingTime;
  return Field::kNone;
}

// Undoes the unsynchronisation scheme: every 0xFF 0x00 was written for a plain 0xFF.
std::string Resynchronise(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    out.push_back(bytes[i]);
    if (static_cast<std::uint8_t>(bytes[i]) == 0xFF && i + 1 < bytes.size() && bytes[i + 1] == 0) ++i;
  }
  return out;
}

std::string Clean(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte == '\t' || byte == '\r' || byte == '\n') {
      out.push_back(' ');
    } else if (byte >= 0x20 && byte != 0x7F) {
      out.push_back(c);
    }
  }
  const std::size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  out = out.substr(first, out.find_last_not_of(' ') - first + 1);
  if (out.size() > kMaxFieldLength) out.resize(kMaxFieldLength);
  return out;
}

void AddValue(const std::string& value, std::string* joined) {
  const std::string cleaned = Clean(value);
  if (cleaned.empty()) return;
  if (!joined->empty()) joined->push_back('/');
  joined->append(cleaned);
}

// The UTF-16 strings of a frame, each with its own byte-order mark (or the given order).
std::string DecodeUtf16Values(const std::string& bytes, bool bigEndian, bool marks,
                              UnicodeToAnsi toAnsi) {
  std::string joined;
  std::u16string value;
  bool big = bigEndian;
  bool atStart = true;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto b0 = static_cast<std::uint8_t>(bytes[i]);
    const auto b1 = static_cast<std::uint8_t>(bytes[i + 1]);
    if (atStart && marks) {
      atStart = false;
      if (b0 == 0xFF && b1 == 0xFE) { big = false; continue; }
      if (b0 == 0xFE && b1 == 0xFF) { big = true; continue; }
      big = false;  // no mark: the order Windows writes
    }
    const char16_t unit = static_cast<char16_t>(big ? (b0 << 8) | b1 : (b1 << 8) | b0);
    if (unit == 0) {
      AddValue(toAnsi(value), &joined);
      value.clear();
      atStart = true;
      big = bigEndian;
      continue;
    }
    value.push_back(unit);
  }
  AddValue(toAnsi(value), &joined);
  return joined;
}

std::string DecodeByteValues(const std::string& bytes, bool utf8, UnicodeToAnsi toAnsi) {
  std::string joined;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    std::size_t end = bytes.find('\0', start);
    if (end == std::string::npos) end = bytes.size();
    const std::string value = bytes.substr(start, end - start);
    AddValue(utf8 ? toAnsi(Utf8ToUtf16(value)) : value, &joined);
    start = end + 1;
  }
  return joined;
}

// The year of a recording time "2011-05-02T10:00": its first four digits.
std::string YearOf(const std::string& time) {
  if (time.size() >= 4 && std::isdigit(static_cast<unsigned char>(time[0])) &&
      std::isdigit(static_cast<unsigned char>(time[1])) &&
      std::isdigit(static_cast<unsigned char>(time[2])) &&
      std::isdigit(static_cast<unsigned char>(time[3]))) {
    return time.substr(0, 4);
  }
  return time;
}

void Store(Field field, const std::string& text, Id3Tags* tags) {
  if (text.empty()) return;
  std::string* slot = nullptr;
  std::string value = text;
  switch (field) {
    case Field::kTitle: slot = &tags->title; break;
    case Field::kArtist: slot = &tags->artist; break;
    case Field::kAlbum: slot = &tags->album; break;
    case Field::kYear: slot = &tags->year; break;
    case Field::kRecordingTime:
      slot = &tags->year;
      value = YearOf(text);
      break;
    case Field::kNone: return;
  }
  if (slot->empty()) *slot = value;
}

struct FrameWalk {
  ByteSource* source;
  std::uint64_t position;
  std::uint64_t end;
  int major;
  bool allUnsynchronised;  // version 2.4 tag flag: every frame is
};

bool IsFrameIdChar(std::uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// Walks the frames; returns false when the walk ran into damage.
bool WalkFrames(FrameWalk walk, UnicodeToAnsi toAnsi, Id3Tags* tags) {
  const std::size_t headerSize = walk.major == 2 ? 6 : 10;
  const std::size_t idSize = walk.major == 2 ? 3 : 4;
  while (walk.position + headerSize <= walk.end) {
    std::uint8_t header[10];
    if (walk.source->ReadAt(walk.position, header, headerSize) != headerSize) return false;
    if (header[0] == 0) return true;  // padding
    char id[5] = {};
    for (std::size_t i = 0; i < idSize; ++i) {
      if (!IsFrameIdChar(header[i])) return false;
      id[i] = static_cast<char>(header[i]);
    }
    std::uint32_t size = 0;
    std::uint16_t flags = 0;
    if (walk.major == 2) {
      size = Be24(header + 3);
    } else if (walk.major == 3) {
      size = Be32(header + 4);
      flags = Be16(header + 8);
    } else if (!ReadSyncSafe32(header + 4, &size)) {
      size = Be32(header + 4);  // some writers of 2.4 kept the plain size of 2.3
      flags = Be16(header + 8);
    } else {
      flags = Be16(header + 8);
    }
    const std::uint64_t bodyStart = walk.position + headerSize;
    const bool clipped = size > walk.end - bodyStart;
    const std::uint64_t bodySize = clipped ? walk.end - bodyStart : size;
    const Field field = FieldOfFrame(id, walk.major);
    if (field != Field::kNone) {
      std::size_t skip = 0;
      bool unreadable = false;
      bool unsynchronised = walk.allUnsynchronised;
      if (walk.major == 3) {
        unreadable = (flags & 0x00C0) != 0;  // compressed or encrypted
        if (flags & 0x0020) skip += 1;        // group id
      } else if (walk.major == 4) {
        unreadable = (flags & 0x000C) != 0;
        if (flags & 0x0040) skip += 1;
        if (flags & 0x0001) skip += 4;  // data length indicator
        if (flags & 0x0002) unsynchronised = true;
      }
      if (!unreadable && bodySize > skip) {
        std::size_t length = static_cast<std::size_t>(bodySize) - skip;
        if (length > kMaxTextFrame) length = kMaxTextFrame;
        std::string body(length, '\0');
        body.resize(walk.source->ReadAt(bodyStart + skip, body.data(), length));
        if (unsynchronised) body = Resynchronise(body);
        Store(field, DecodeId3TextFrame(body, toAnsi), tags);
      }
    }
    if (clipped) return false;
    walk.position = bodyStart + bodySize;
  }
  return true;
}

void ReadId3v2(ByteSource& source, UnicodeToAnsi toAnsi, Id3Tags* tags) {
  std::uint8_t bytes[kId3v2HeaderSize];
  Id3v2Header header;
  if (!ParseId3v2Header(bytes, source.ReadAt(0, bytes, sizeof bytes), &header)) return;
  tags->v2MajorVersion = header.majorVersion;
  tags->v2Revision = header.revision;
  if (header.majorVersion < 2 || header.majorVersion > 4) return;  // a layout we do not know
  if (header.majorVersion == 2 && (header.flags & 0x40)) return;     // 2.2 compression
  std::uint64_t end = kId3v2HeaderSize + static_cast<std::uint64_t>(header.bodySize);
  if (end > source.Size()) {
    tags->damaged = true;
    end = source.Size();
  }
  FrameWalk walk{&source, kId3v2HeaderSize, end, header.majorVersion, false};

  // Before 2.4 unsynchronisation covers the whole tag, frame headers included.
  std::string resynchronised;
  std::unique_ptr<MemoryByteSource> memory;
  if (header.majorVersion < 4 && (header.flags & kId3v2Unsynchronised)) {
    std::size_t length = static_cast<std::size_t>(end - kId3v2HeaderSize);
    if (length > kMaxUnsynchronisedTag) length = kMaxUnsynchronisedTag;
    std::string raw(length, '\0');
    raw.resize(source.ReadAt(kId3v2HeaderSize, raw.data(), length));
    resynchronised = Resynchronise(raw);
    memory = std::make_unique<MemoryByteSource>(resynchronised);
    walk.source = memory.get();
    walk.position = 0;
    walk.end = resynchronised.size();
  } else if (header.majorVersion == 4 && (header.flags & kId3v2Unsynchronised)) {
    walk.allUnsynchronised = true;
  }

  if (header.majorVersion >= 3 && (header.flags & kId3v2ExtendedHeader)) {
    std::uint8_t sizeBytes[4];
    if (walk.source->ReadAt(walk.position, sizeBytes, 4) != 4) {
      tags->damaged = true;
      return;
    }
    std::uint32_t extended = 0;
    if (header.majorVersion == 3) {
      extended = Be32(sizeBytes) + 4;  // the size leaves itself out
    } else if (!ReadSyncSafe32(sizeBytes, &extended)) {
      tags->damaged = true;
      return;
    }
    if (extended > walk.end - walk.position) {
      tags->damaged = true;
      return;
    }
    walk.position += extended;
  }
  if (!WalkFrames(walk, toAnsi, tags)) tags->damaged = true;
}

std::string Id3v1Field(const std::uint8_t* bytes, std::size_t size) {
  std::size_t length = 0;
  while (length < size && bytes[length] != 0) ++length;
  return Clean(std::string(reinterpret_cast<const char*>(bytes), length));
}

void ReadId3v1(ByteSource& source, Id3Tags* tags) {
  if (source.Size() < kId3v1Size) return;
  std::uint8_t tag[kId3v1Size];
  if (source.ReadAt(source.Size() - kId3v1Size, tag, kId3v1Size) != kId3v1Size) return;
  if (std::memcmp(tag, "TAG", 3) != 0) return;
  tags->hasV1 = true;
  tags->v1HasTrack = tag[125] == 0 && tag[126] != 0;
  // ID3v1 holds plain bytes of the writer's code page; they are shown as they are.
  Store(Field::kTitle, Id3v1Field(tag + 3, 30), tags);
  Store(Field::kArtist, Id3v1Field(tag + 33, 30), tags);
  Store(Field::kAlbum, Id3v1Field(tag + 63, 30), tags);
  Store(Field::kYear, Id3v1Field(tag + 93, 4), tags);
}

}  // namespace

std::string DecodeId3TextFrame(const std::string& body, UnicodeToAnsi toAnsi) {
  if (body.empty()) return {};
  const std::string text = body.substr(1);
  switch (static_cast<std::uint8_t>(body[0])) {
    case 0: return DecodeByteValues(text, false, toAnsi);
    case 1: return DecodeUtf16Values(text, false, true, toAnsi);
    case 2: return DecodeUtf16Values(text, true, false, toAnsi);
    case 3: return DecodeByteValues(text, true, toAnsi);
    default: return {};
  }
}

Id3Tags ReadId3Tags(ByteSource& source, UnicodeToAnsi toAnsi) {
  Id3Tags tags;
  ReadId3v2(source, toAnsi, &tags);
  ReadId3v1(source, &tags);
  return tags;
}

std::string TagVersionsText(const Id3Tags& tags) {
  std::string text;
  if (tags.v2MajorVersion != 0) {
    text = kTextId3v2Prefix + std::to_string(tags.v2MajorVersion);
  }
  if (tags.hasV1) {
    if (!text.empty()) text += kTextTagsBetween;
    text += tags.v1HasTrack ? kTextId3v11 : kTextId3v1;
  }
  return text;
}

}  // namespace bw
