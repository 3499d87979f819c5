// Writers of small media files for the reader tests, each written from the formats' own
// layout rather than from the readers: MPEG audio headers, ID3 tags, RIFF chunks, MIDI
// tracks, QuickTime atoms and MPEG packs.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/file_system.h"

namespace bw::media_testing {

inline std::string Be(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return out;
}
inline std::string Le(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return out;
}
inline std::string Zeros(std::size_t n) { return std::string(n, '\0'); }

inline std::string ReadTestFile(const std::string& relative) {
  std::ifstream in(std::string(BW_TESTDATA_DIR) + "/" + relative, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// --- MPEG audio ---

// The header with the protection bit set (no CRC) and the given fields.
inline std::string Mp3Header(int versionBits, int layerBits, int bitRateIndex, int rateIndex,
                             int channelMode, bool padding = false) {
  const std::uint32_t h = 0xFFE00000u | (versionBits << 19) | (layerBits << 17) | (1u << 16) |
                          (bitRateIndex << 12) | (rateIndex << 10) | (padding ? 1u << 9 : 0) |
                          (channelMode << 6);
  return Be(h, 4);
}
// 128 kbit/s, 44.1 kHz, joint stereo, MPEG-1 Layer III.
inline std::string Mp3Header128() { return Mp3Header(3, 1, 9, 0, 1); }

// --- ID3 ---

inline std::string SyncSafe(std::uint32_t n) {
  return std::string{static_cast<char>((n >> 21) & 0x7F), static_cast<char>((n >> 14) & 0x7F),
                     static_cast<char>((n >> 7) & 0x7F), static_cast<char>(n & 0x7F)};
}

struct Id3Frame {
  std::string id;
  std::string body;  // encoding byte and text
  std::uint16_t flags = 0;
};

inline std::string Id3v2Frame(int major, const Id3Frame& frame) {
  if (major == 2) return frame.id + Be(frame.body.size(), 3) + frame.body;
  const std::string size = major == 3 ? Be(frame.body.size(), 4) : SyncSafe(frame.body.size());
  return frame.id + size + Be(frame.flags, 2) + frame.body;
}

inline std::string Id3v2Tag(int major, std::uint8_t flags, const std::string& body) {
  return std::string("ID3") + static_cast<char>(major) + '\0' + static_cast<char>(flags) +
         SyncSafe(body.size()) + body;
}

inline std::string Id3v2Tag(int major, std::initializer_list<Id3Frame> frames, std::size_t padding = 0) {
  std::string body;
  for (const Id3Frame& frame : frames) body += Id3v2Frame(major, frame);
  return Id3v2Tag(major, 0, body + Zeros(padding));
}

inline std::string Latin1(const std::string& text) { return std::string(1, '\0') + text; }
inline std::string Utf8(const std::string& text) { return std::string(1, '\3') + text; }
inline std::string Utf16Le(const std::u16string& text, bool mark = true) {
  std::string out(1, '\1');
  if (mark) out += "\xFF\xFE";
  for (char16_t c : text) out += Le(c, 2);
  return out;
}
inline std::string Utf16Be(const std::u16string& text) {
  std::string out = "\1\xFE\xFF";
  for (char16_t c : text) out += Be(c, 2);
  return out;
}

inline std::string Fixed(const std::string& text, std::size_t size) {
  std::string out = text.substr(0, size);
  out.resize(size, '\0');
  return out;
}

inline std::string Id3v1Tag(const std::string& title, const std::string& artist,
                            const std::string& album, const std::string& year, int track = 0) {
  std::string comment = Fixed("comment", 30);
  if (track != 0) comment[28] = '\0', comment[29] = static_cast<char>(track);
  return "TAG" + Fixed(title, 30) + Fixed(artist, 30) + Fixed(album, 30) + Fixed(year, 4) +
         comment + '\x0C';
}

// --- RIFF ---

inline std::string Chunk(const std::string& id, const std::string& body) {
  std::string out = id + Le(body.size(), 4) + body;
  if (body.size() & 1) out.push_back('\0');
  return out;
}
inline std::string Riff(const std::string& form, const std::string& chunks) {
  return "RIFF" + Le(4 + chunks.size(), 4) + form + chunks;
}
inline std::string WaveFormat(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                              std::uint16_t bits, std::uint16_t blockAlign, std::uint32_t bytesPerSecond) {
  return Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(bytesPerSecond, 4) + Le(blockAlign, 2) +
         Le(bits, 2);
}
inline std::string PcmFormat(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
  const std::uint16_t align = static_cast<std::uint16_t>(channels * ((bits + 7) / 8));
  return WaveFormat(1, channels, rate, bits, align, rate * align);
}

// --- MIDI ---

inline std::string VarLen(std::uint32_t n) {
  std::string out(1, static_cast<char>(n & 0x7F));
  while (n >>= 7) out.insert(out.begin(), static_cast<char>(0x80 | (n & 0x7F)));
  return out;
}

class MidiTrack {
 public:
  MidiTrack& Event(std::uint32_t delta, const std::string& bytes) {
    data_ += VarLen(delta) + bytes;
    return *this;
  }
  MidiTrack& Tempo(std::uint32_t delta, std::uint32_t microsecondsPerQuarter) {
    return Event(delta, "\xFF\x51\x03" + Be(microsecondsPerQuarter, 3));
  }
  MidiTrack& Name(const std::string& name) {
    return Event(0, "\xFF\x03" + VarLen(name.size()) + name);
  }
  MidiTrack& Note(std::uint32_t delta, std::uint32_t length) {
    return Event(delta, "\x90\x3C\x64").Event(length, std::string("\x80\x3C\x00", 3));
  }
  std::string Chunk(bool endOfTrack = true) const {
    const std::string data = endOfTrack ? data_ + VarLen(0) + std::string("\xFF\x2F\x00", 3) : data_;
    return "MTrk" + Be(data.size(), 4) + data;
  }

 private:
  std::string data_;
};

inline std::string MidiFile(int format, std::uint16_t division, const std::vector<std::string>& tracks,
                            int declaredTracks = -1) {
  std::string out = "MThd" + Be(6, 4) + Be(format, 2) +
                    Be(declaredTracks < 0 ? tracks.size() : declaredTracks, 2) + Be(division, 2);
  for (const std::string& track : tracks) out += track;
  return out;
}

// --- QuickTime ---

inline std::string Atom(const std::string& type, const std::string& body) {
  return Be(8 + body.size(), 4) + type + body;
}
inline std::string MovieHeader(std::uint32_t timeScale, std::uint32_t duration) {
  return Atom("mvhd", Zeros(4) + Zeros(8) + Be(timeScale, 4) + Be(duration, 4) + Zeros(80));
}
inline std::string TrackHeader(std::uint32_t width, std::uint32_t height) {
  return Atom("tkhd", Zeros(76) + Be(width << 16, 4) + Be(height << 16, 4));
}
inline std::string MediaHeader(std::uint32_t timeScale, std::uint32_t duration) {
  return Atom("mdhd", Zeros(4) + Zeros(8) + Be(timeScale, 4) + Be(duration, 4) + Zeros(4));
}
inline std::string Handler(const std::string& type) {
  return Atom("hdlr", Zeros(8) + type + Zeros(12));
}
inline std::string SampleDescription(const std::string& codec, std::uint16_t width, std::uint16_t height) {
  const std::string entry = Be(86, 4) + codec + Zeros(6) + Be(1, 2) + Zeros(16) + Be(width, 2) +
                            Be(height, 2) + Zeros(70 - 20);
  return Atom("stsd", Zeros(4) + Be(1, 4) + entry);
}
inline std::string SampleSizes(std::uint32_t count) {
  return Atom("stsz", Zeros(4) + Be(0, 4) + Be(count, 4) + Zeros(4 * count));
}
inline std::string Track(const std::string& handler, const std::string& header, const std::string& mediaHeader,
                         const std::string& table) {
  return Atom("trak", header + Atom("mdia", mediaHeader + Handler(handler) +
                                                Atom("minf", Atom("stbl", table))));
}

// --- MPEG video ---

inline std::string StartCode(std::uint8_t code) { return std::string("\0\0\1", 3) + static_cast<char>(code); }

// Aspect ratio 1:1; `bitRate400` in units of 400 bit/s (0x3FFFF: variable).
inline std::string SequenceHeader(std::uint32_t width, std::uint32_t height, int rateCode,
                                  std::uint32_t bitRate400 = 0x3FFFF) {
  const std::uint32_t rest = (bitRate400 << 14) | (1u << 13) | (20u << 3);
  return StartCode(0xB3) + static_cast<char>(width >> 4) +
         static_cast<char>(((width & 0xF) << 4) | (height >> 8)) + static_cast<char>(height & 0xFF) +
         static_cast<char>(0x10 | rateCode) + Be(rest, 4);
}
// The MPEG-2 sequence extension with the size's top bits and the frame-rate factor n+1 / d+1.
inline std::string SequenceExtension(std::uint32_t widthTop = 0, std::uint32_t heightTop = 0, int n = 0, int d = 0) {
  return StartCode(0xB5) + static_cast<char>(0x14) +
         static_cast<char>(0x80 | (1 << 3) | (1 << 1) | (widthTop >> 1)) +
         static_cast<char>(((widthTop & 1) << 7) | (heightTop << 5)) + static_cast<char>(0x01) +
         static_cast<char>(0) + static_cast<char>((n << 5) | d);
}
inline std::string GroupHeader(int hours, int minutes, int seconds, int pictures, bool dropFrame = false) {
  return StartCode(0xB8) + static_cast<char>((dropFrame ? 0x80 : 0) | (hours << 2) | (minutes >> 4)) +
         static_cast<char>(((minutes & 0xF) << 4) | 0x08 | (seconds >> 3)) +
         static_cast<char>(((seconds & 7) << 5) | (pictures >> 1)) +
         static_cast<char>(((pictures & 1) << 7) | 0x40);
}
// A picture header and a little coded data free of start codes.
inline std::string Picture() { return StartCode(0x00) + std::string("\x00\x0F\xFF\xF8", 4) + std::string(20, '\x55'); }

inline std::string Stamp(std::uint64_t pts, std::uint8_t prefix = 0x20) {
  return std::string{static_cast<char>(prefix | ((pts >> 29) & 0x0E) | 1),
                     static_cast<char>((pts >> 22) & 0xFF), static_cast<char>(((pts >> 14) & 0xFE) | 1),
                     static_cast<char>((pts >> 7) & 0xFF), static_cast<char>(((pts << 1) & 0xFE) | 1)};
}
inline std::string Mpeg1Pack() { return StartCode(0xBA) + std::string("\x21\x00\x01\x00\x01\x80\x00\x01", 8); }
inline std::string Mpeg2Pack() { return StartCode(0xBA) + std::string("\x44\x00\x04\x00\x04\x01\x01\x89\xC3\xF8", 10); }
// A PES packet; `pts` < 0 for none.
inline std::string Pes(std::uint8_t id, const std::string& payload, std::int64_t pts, bool mpeg2) {
  std::string header;
  if (mpeg2) {
    header = pts >= 0 ? std::string("\x80\x80\x05", 3) + Stamp(static_cast<std::uint64_t>(pts))
                      : std::string("\x80\x00\x00", 3);
  } else {
    header = pts >= 0 ? Stamp(static_cast<std::uint64_t>(pts)) : std::string("\x0F");
  }
  return StartCode(id) + Be(header.size() + payload.size(), 2) + header + payload;
}

// A file system whose every open fails, and one whose reads fail past a given offset.
class UnopenableFileSystem : public FileSystem {
 public:
  Status Open(const std::string& path, OpenMode, std::unique_ptr<File>*) override {
    return Status::IoError("cannot open " + path);
  }
  bool Exists(const std::string&) override { return false; }
  Status GetFileInfo(const std::string& path, FileInfo*) override {
    return Status::IoError("cannot look at " + path);
  }
  Status Rename(const std::string&, const std::string&) override { return Status::IoError("no"); }
  Status Remove(const std::string&) override { return Status::IoError("no"); }
  Status SyncFolder(const std::string&) override { return Status::Ok(); }
};

class FailingReadFileSystem : public UnopenableFileSystem {
 public:
  FailingReadFileSystem(std::string bytes, std::uint64_t failFrom)
      : bytes_(std::move(bytes)), failFrom_(failFrom) {}
  Status Open(const std::string&, OpenMode, std::unique_ptr<File>* file) override {
    *file = std::make_unique<MemoryFile>(bytes_, failFrom_);
    return Status::Ok();
  }

 private:
  class MemoryFile : public File {
   public:
    MemoryFile(const std::string& bytes, std::uint64_t failFrom) : bytes_(bytes), failFrom_(failFrom) {}
    Status ReadAt(std::uint64_t offset, void* buffer, std::size_t size, std::size_t* got) override {
      *got = 0;
      if (offset + size > failFrom_) return Status::IoError("the disk went away");
      if (offset < bytes_.size()) {
        *got = std::min<std::size_t>(size, bytes_.size() - static_cast<std::size_t>(offset));
        std::copy_n(bytes_.data() + offset, *got, static_cast<char*>(buffer));
      }
      return Status::Ok();
    }
    Status WriteAt(std::uint64_t, const void*, std::size_t) override { return Status::IoError("read-only"); }
    Status GetSize(std::uint64_t* size) override {
      *size = bytes_.size();
      return Status::Ok();
    }
    Status Truncate(std::uint64_t) override { return Status::IoError("read-only"); }
    Status Sync() override { return Status::Ok(); }

   private:
    const std::string& bytes_;
    std::uint64_t failFrom_;
  };
  std::string bytes_;
  std::uint64_t failFrom_;
};

}  // namespace bw::media_testing
