// MPEG program streams (packs of PES packets, as on Video CDs and DVDs) and bare video
// elementary streams. Files up to a limit are read through and their pictures counted; the
// count of larger ones comes from the time stamps of their first and last packets, so a
// DVD-sized file is not read whole to open a dialog.
#include <algorithm>
#include <cmath>
#include <vector>

#include "media/byte_order.h"
#include "media/media_texts.h"
#include "media/mpeg_video_scanner.h"
#include "media/video_info.h"

namespace bw {
namespace {

constexpr std::uint8_t kPackCode = 0xBA;
constexpr std::uint8_t kSystemHeaderCode = 0xBB;
constexpr std::uint8_t kProgramEndCode = 0xB9;
constexpr std::uint8_t kSequenceCode = 0xB3;
// Where the first start code is looked for.
constexpr std::size_t kLeadWindow = 64 * 1024;
// The parts of a large file read for its headers and its time stamps.
constexpr std::uint64_t kHeadWindow = 2 * 1024 * 1024;
constexpr std::uint64_t kTailWindow = 2 * 1024 * 1024;
constexpr std::size_t kBlock = 256 * 1024;
constexpr std::uint64_t kClock = 90000;  // time stamps count a 90 kHz clock
constexpr std::uint64_t kNoStamp = ~0ull;

// Reads a byte range of the source through one moving block.
class Cursor {
 public:
  Cursor(ByteSource& source, std::uint64_t start, std::uint64_t end)
      : source_(source), pos_(start), end_(end) {}

  std::uint64_t pos() const { return pos_; }
  bool AtEnd() const { return pos_ >= end_; }
  bool readError() const { return source_.HadReadError(); }

  // Makes `n` bytes from the current position available; false when the range ends first.
  bool Ensure(std::size_t n) {
    if (n > end_ - std::min(pos_, end_)) return false;
    if (pos_ >= blockStart_ && pos_ + n <= blockStart_ + block_.size()) return true;
    const std::uint64_t want = std::min<std::uint64_t>(std::max(n, kBlock), end_ - pos_);
    block_ = ReadBlock(source_, pos_, static_cast<std::size_t>(want));
    blockStart_ = pos_;
    return block_.size() >= n;
  }
  const std::uint8_t* Data() const { return &block_[static_cast<std::size_t>(pos_ - blockStart_)]; }
  void Advance(std::uint64_t n) { pos_ = n > end_ - pos_ ? end_ : pos_ + n; }

  // Moves to the next 00 00 01 prefix; false when there is none before the end.
  bool NextStartCode() {
    while (Ensure(4)) {
      const std::uint8_t* p = Data();
      const std::size_t available = block_.size() - static_cast<std::size_t>(pos_ - blockStart_);
      for (std::size_t i = 0; i + 3 < available; ++i) {
        if (p[i] == 0 && p[i + 1] == 0 && p[i + 2] == 1) {
          pos_ += i;
          return true;
        }
      }
      pos_ += available - 3;
    }
    return false;
  }

 private:
  ByteSource& source_;
  std::uint64_t pos_;
  std::uint64_t end_;
  std::vector<std::uint8_t> block_;
  std::uint64_t blockStart_ = 0;
};

std::uint64_t ReadStamp(const std::uint8_t* p) {
  return (static_cast<std::uint64_t>((p[0] >> 1) & 0x07) << 30) |
         (static_cast<std::uint64_t>(p[1]) << 22) | (static_cast<std::uint64_t>(p[2] >> 1) << 15) |
         (static_cast<std::uint64_t>(p[3]) << 7) | (p[4] >> 1);
}

struct ProgramScan {
  bool sawPack = false;
  bool mpeg2Packs = false;
  int videoStream = -1;  // the first video stream id met; only it is read
  std::uint64_t firstStamp = kNoStamp;
  std::uint64_t minStamp = kNoStamp;
  std::uint64_t maxStamp = 0;
  bool damaged = false;
};

// The time stamp and payload of one PES packet of `length` bytes after its length field.
bool ParsePesHeader(const std::uint8_t* p, std::size_t length, std::uint64_t* stamp,
                    std::size_t* payload) {
  *stamp = kNoStamp;
  std::size_t i = 0;
  if (length >= 3 && (p[0] & 0xC0) == 0x80) {  // MPEG-2
    const std::size_t headerLength = p[2];
    if (3 + headerLength > length) return false;
    if ((p[1] & 0x80) && headerLength >= 5) *stamp = ReadStamp(p + 3);
    *payload = 3 + headerLength;
    return true;
  }
  while (i < length && i < 16 && p[i] == 0xFF) ++i;  // MPEG-1 stuffing
  if (i < length && (p[i] & 0xC0) == 0x40) i += 2;   // buffer size
  if (i >= length) return false;
  if ((p[i] & 0xF0) == 0x20) {
    if (i + 5 > length) return false;
    *stamp = ReadStamp(p + i);
    i += 5;
  } else if ((p[i] & 0xF0) == 0x30) {
    if (i + 10 > length) return false;
    *stamp = ReadStamp(p + i);
    i += 10;
  } else if (p[i] == 0x0F) {
    i += 1;
  } else {
    return false;
  }
  *payload = i;
  return true;
}

bool IsVideoStream(std::uint8_t id) { return id >= 0xE0 && id <= 0xEF; }

// Streams whose packets carry no PES header fields after their length.
bool HasNoPesHeader(std::uint8_t id) {
  return id == 0xBC || id == 0xBE || id == 0xBF || id == 0xF0 || id == 0xF1 || id == 0xF2 ||
         id == 0xF8 || id == 0xFF;
}

// Demultiplexes the packs between start and end, feeding the video payload to `scanner`
// (when given) and noting the video time stamps. A range that starts in the middle of the
// stream (`atPack` false) is read from its first pack header on.
void ScanProgram(ByteSource& source, std::uint64_t start, std::uint64_t end, bool atPack,
                 MpegVideoScanner* scanner, ProgramScan* scan) {
  Cursor cursor(source, start, end);
  bool lost = !atPack;
  while (cursor.NextStartCode()) {
    if (!cursor.Ensure(4)) break;
    const std::uint8_t code = cursor.Data()[3];
    if (lost && code != kPackCode) {
      cursor.Advance(3);
      continue;
    }
    if (code == kPackCode) {
      if (!cursor.Ensure(14)) break;
      const std::uint8_t* p = cursor.Data();
      if ((p[4] & 0xC0) == 0x40) {
        scan->mpeg2Packs = true;
        cursor.Advance(14 + (p[13] & 0x07));
      } else if ((p[4] & 0xF0) == 0x20) {
        cursor.Advance(12);
      } else {
        cursor.Advance(4);
        lost = true;
        continue;
      }
      scan->sawPack = true;
      lost = false;
      continue;
    }
    if (code == kProgramEndCode) {
      cursor.Advance(4);
      continue;
    }
    if (code < kSystemHeaderCode) {
      // Not a packet: the stream lost its way; find the next pack.
      scan->damaged = true;
      lost = true;
      cursor.Advance(3);
      continue;
    }
    if (!cursor.Ensure(6)) break;
    const std::size_t length = Be16(cursor.Data() + 4);
    const bool video = IsVideoStream(code) && !HasNoPesHeader(code);
    if (video && scan->videoStream < 0) scan->videoStream = code;
    if (!video || code != scan->videoStream || length == 0) {
      // A packet that runs past the end of the file was cut off.
      if (end == source.Size() && end - cursor.pos() < 6 + static_cast<std::uint64_t>(length)) {
        scan->damaged = true;
      }
      cursor.Advance(6 + static_cast<std::uint64_t>(length));
      continue;
    }
    if (!cursor.Ensure(6 + length)) {
      // A packet cut off by the end of the range: at the end of the file, damage.
      if (end == source.Size()) scan->damaged = true;
      break;
    }
    const std::uint8_t* p = cursor.Data() + 6;
    std::uint64_t stamp = kNoStamp;
    std::size_t payload = 0;
    if (!ParsePesHeader(p, length, &stamp, &payload)) {
      scan->damaged = true;
      cursor.Advance(6 + static_cast<std::uint64_t>(length));
      continue;
    }
    if (stamp != kNoStamp) {
      if (scan->firstStamp == kNoStamp) scan->firstStamp = stamp;
      scan->minStamp = std::min(scan->minStamp, stamp);
      scan->maxStamp = std::max(scan->maxStamp, stamp);
    }
    if (scanner != nullptr) scanner->Feed(p + payload, length - payload);
    cursor.Advance(6 + static_cast<std::uint64_t>(length));
  }
  if (cursor.readError()) scan->damaged = true;
}

// Where the first pack or sequence header starts, and which it is; false for neither.
bool FindMpegStart(ByteSource& source, std::uint64_t* offset, std::uint8_t* code) {
  const std::vector<std::uint8_t> lead = ReadBlock(source, 0, kLeadWindow);
  for (std::size_t i = 0; i + 4 <= lead.size(); ++i) {
    if (lead[i] == 0 && lead[i + 1] == 0 && lead[i + 2] == 1) {
      if (lead[i + 3] == kPackCode || lead[i + 3] == kSequenceCode) {
        *offset = i;
        *code = lead[i + 3];
        return true;
      }
      // Anything else first is not a file this reader knows; leading zeros are allowed.
      return false;
    }
    if (lead[i] != 0) return false;
  }
  return false;
}

void FeedRange(ByteSource& source, std::uint64_t start, std::uint64_t end,
               MpegVideoScanner* scanner, bool* readError) {
  std::vector<std::uint8_t> block;
  for (std::uint64_t pos = start; pos < end;) {
    const std::uint64_t want = std::min<std::uint64_t>(kBlock, end - pos);
    block = ReadBlock(source, pos, static_cast<std::size_t>(want));
    if (block.empty()) break;
    scanner->Feed(block.data(), block.size());
    pos += block.size();
  }
  if (source.HadReadError()) *readError = true;
}

void SetFramesAndLength(std::uint64_t frames, double fps, VideoInfo* info) {
  info->frames = frames;
  info->framesKnown = true;
  if (fps > 0) {
    info->durationMs = static_cast<std::uint64_t>(std::llround(frames * 1000.0 / fps));
    info->durationKnown = true;
  }
}

void ApplySequence(const MpegSequence& sequence, VideoInfo* info) {
  if (!sequence.found) return;
  info->width = sequence.width;
  info->height = sequence.height;
  info->framesPerSecond = MpegFramesPerSecond(sequence);
  info->compressionName = sequence.mpeg2 ? kTextVideoMpeg2 : kTextVideoMpeg1;
}

// A length from the stream's bit rate, when nothing better is known.
void EstimateFromBitRate(const MpegSequence& sequence, std::uint64_t bytes, VideoInfo* info) {
  const double fps = MpegFramesPerSecond(sequence);
  if (sequence.bitRate == 0 || fps <= 0) return;
  const double seconds = static_cast<double>(bytes) * 8 / static_cast<double>(sequence.bitRate);
  SetFramesAndLength(static_cast<std::uint64_t>(std::llround(seconds * fps)), fps, info);
}

void ReadProgramStream(ByteSource& source, std::uint64_t start, std::uint64_t exactCountLimit,
                       VideoInfo* info) {
  const std::uint64_t size = source.Size();
  MpegVideoScanner scanner;
  ProgramScan scan;
  const bool exact = size <= exactCountLimit;
  const std::uint64_t headEnd = exact ? size : std::min(size, start + kHeadWindow);
  ScanProgram(source, start, headEnd, true, &scanner, &scan);
  info->containerName = scan.mpeg2Packs ? kTextVideoMpeg2Program : kTextVideoMpeg1Program;
  info->damaged = scan.damaged;
  const MpegSequence& sequence = scanner.sequence();
  ApplySequence(sequence, info);
  if (!sequence.found) info->damaged = true;
  const double fps = MpegFramesPerSecond(sequence);
  if (exact) {
    if (sequence.found) SetFramesAndLength(scanner.pictures(), fps, info);
    return;
  }
  ProgramScan tail;
  tail.videoStream = scan.videoStream;
  // The tail may overlap the head in a file not much larger than the two.
  const std::uint64_t tailStart = size - std::min(size - start, kTailWindow);
  ScanProgram(source, tailStart, size, false, nullptr, &tail);
  if (tail.damaged) info->damaged = true;
  if (fps > 0 && scan.minStamp != kNoStamp && tail.minStamp != kNoStamp &&
      tail.maxStamp >= scan.minStamp) {
    const double seconds = static_cast<double>(tail.maxStamp - scan.minStamp) / kClock;
    SetFramesAndLength(static_cast<std::uint64_t>(std::llround(seconds * fps)) + 1, fps, info);
  } else {
    EstimateFromBitRate(sequence, size - start, info);
  }
}

void ReadElementaryStream(ByteSource& source, std::uint64_t start, std::uint64_t exactCountLimit,
                          VideoInfo* info) {
  const std::uint64_t size = source.Size();
  info->containerName = kTextVideoMpegElementary;
  MpegVideoScanner scanner;
  bool readError = false;
  const bool exact = size <= exactCountLimit;
  FeedRange(source, start, exact ? size : std::min(size, start + kHeadWindow), &scanner, &readError);
  const MpegSequence sequence = scanner.sequence();
  ApplySequence(sequence, info);
  info->damaged = readError || !sequence.found;
  const double fps = MpegFramesPerSecond(sequence);
  if (exact) {
    if (sequence.found) SetFramesAndLength(scanner.pictures(), fps, info);
    return;
  }
  // The last group of pictures' time code, plus the pictures after it.
  const std::uint64_t firstGroup = scanner.haveGroup() ? scanner.firstGroupFrame() : 0;
  MpegVideoScanner tail;
  tail.AssumeSequence(sequence);
  FeedRange(source, size - std::min(size - start, kTailWindow), size, &tail, &readError);
  if (readError) info->damaged = true;
  if (scanner.haveGroup() && tail.haveGroup() && tail.lastGroupFrame() >= firstGroup) {
    SetFramesAndLength(tail.lastGroupFrame() - firstGroup + tail.picturesSinceLastGroup(), fps, info);
  } else {
    EstimateFromBitRate(sequence, size - start, info);
  }
}

}  // namespace

VideoInfo ReadMpegVideoInfo(ByteSource& source, std::uint64_t exactCountLimit) {
  VideoInfo info;
  std::uint64_t start = 0;
  std::uint8_t code = 0;
  if (!FindMpegStart(source, &start, &code)) return info;
  if (code == kPackCode) {
    info.container = VideoContainer::kMpegProgram;
    ReadProgramStream(source, start, exactCountLimit, &info);
  } else {
    info.container = VideoContainer::kMpegElementary;
    ReadElementaryStream(source, start, exactCountLimit, &info);
  }
  DescribeVideo(&info);
  return info;
}

}  // namespace bw
