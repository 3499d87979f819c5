// QuickTime and MPEG-4 files: the atom tree under "moov" -- the movie header "mvhd" for the
// length, and of the first video track its "tkhd" picture size, "mdhd" time scale, the
// sample description's compression and the sample count of "stsz" or "stts".
#include <algorithm>
#include <vector>

#include "media/byte_order.h"
#include "media/media_texts.h"
#include "media/video_info.h"

namespace bw {
namespace {

constexpr int kMaxDepth = 8;
// Atoms visited in all; a real movie has a few hundred.
constexpr int kMaxAtoms = 100000;
// Time-to-sample entries summed when a track has no sample-size table.
constexpr std::uint32_t kMaxTimeToSampleEntries = 1u << 20;

struct Track {
  bool video = false;
  std::uint32_t width = 0;   // tkhd, whole pixels
  std::uint32_t height = 0;
  std::uint32_t timeScale = 0;
  std::uint64_t duration = 0;
  std::uint8_t codec[4] = {};
  std::uint32_t entryWidth = 0;  // the visual sample entry's own size
  std::uint32_t entryHeight = 0;
  bool haveSampleCount = false;
  std::uint64_t sampleCount = 0;
};

struct Movie {
  bool haveHeader = false;
  std::uint32_t timeScale = 0;
  std::uint64_t duration = 0;
  bool haveVideo = false;
  Track video;
  bool damaged = false;
  int atoms = 0;
};

class AtomWalker {
 public:
  AtomWalker(ByteSource& source, Movie* movie) : source_(source), movie_(movie) {}

  // Calls Visit for each atom between start and end.
  void Walk(std::uint64_t start, std::uint64_t end, int depth, Track* track) {
    std::uint64_t pos = start;
    while (end - pos >= 8 && ++movie_->atoms < kMaxAtoms) {
      std::uint8_t header[16];
      const std::size_t got = source_.ReadAt(pos, header, 16);
      if (got < 8) {
        movie_->damaged = true;
        return;
      }
      std::uint64_t size = Be32(header);
      std::uint64_t headerSize = 8;
      if (size == 1) {
        if (got < 16) {
          movie_->damaged = true;
          return;
        }
        size = Be64(header + 8);
        headerSize = 16;
      } else if (size == 0) {
        size = end - pos;  // runs to the end of its container
      }
      if (size < headerSize) {
        movie_->damaged = true;
        return;
      }
      bool cut = false;
      if (size > end - pos) {
        cut = true;
        size = end - pos;
      }
      Visit(header + 4, pos + headerSize, pos + size, depth, track);
      if (cut) {
        // Only damage inside the movie's own atoms matters; a cut-off media data atom at
        // the end of the file has already given what is needed.
        if (!IsFourCc(header + 4, "mdat")) movie_->damaged = true;
        return;
      }
      pos += size;
    }
  }

 private:
  std::vector<std::uint8_t> Body(std::uint64_t start, std::uint64_t end, std::size_t most) {
    const std::uint64_t size = end - start;
    return ReadBlock(source_, start, static_cast<std::size_t>(size < most ? size : most));
  }

  void Visit(const std::uint8_t* type, std::uint64_t start, std::uint64_t end, int depth,
             Track* track) {
    if (depth >= kMaxDepth) return;
    if (IsFourCc(type, "moov") || IsFourCc(type, "mdia") || IsFourCc(type, "minf") ||
        IsFourCc(type, "stbl")) {
      Walk(start, end, depth + 1, track);
    } else if (IsFourCc(type, "trak")) {
      if (movie_->haveVideo) return;  // the first video track is the one shown
      Track candidate;
      Walk(start, end, depth + 1, &candidate);
      if (candidate.video) {
        movie_->haveVideo = true;
        movie_->video = candidate;
      }
    } else if (IsFourCc(type, "mvhd")) {
      ReadMovieHeader(Body(start, end, 32));
    } else if (track != nullptr && IsFourCc(type, "tkhd")) {
      ReadTrackHeader(Body(start, end, 96), track);
    } else if (track != nullptr && IsFourCc(type, "mdhd")) {
      ReadMediaHeader(Body(start, end, 32), track);
    } else if (track != nullptr && IsFourCc(type, "hdlr")) {
      const std::vector<std::uint8_t> body = Body(start, end, 12);
      if (body.size() >= 12 && IsFourCc(&body[8], "vide")) track->video = true;
    } else if (track != nullptr && IsFourCc(type, "stsd")) {
      // version and flags, entry count, then the first entry: size, format, 6 reserved bytes,
      // data reference index, then for pictures 16 bytes before width and height.
      const std::vector<std::uint8_t> body = Body(start, end, 44);
      if (body.size() >= 16) std::copy(&body[12], &body[16], track->codec);
      if (body.size() >= 44) {
        track->entryWidth = Be16(&body[40]);
        track->entryHeight = Be16(&body[42]);
      }
    } else if (track != nullptr && IsFourCc(type, "stsz")) {
      const std::vector<std::uint8_t> body = Body(start, end, 12);
      if (body.size() >= 12) {
        track->haveSampleCount = true;
        track->sampleCount = Be32(&body[8]);
      } else {
        movie_->damaged = true;
      }
    } else if (track != nullptr && IsFourCc(type, "stts") && !track->haveSampleCount) {
      SumTimeToSample(start, end, track);
    }
  }

  void ReadMovieHeader(const std::vector<std::uint8_t>& body) {
    if (body.size() >= 20 && body[0] == 0) {
      movie_->haveHeader = true;
      movie_->timeScale = Be32(&body[12]);
      movie_->duration = Be32(&body[16]);
    } else if (body.size() >= 32 && body[0] == 1) {
      movie_->haveHeader = true;
      movie_->timeScale = Be32(&body[20]);
      movie_->duration = Be64(&body[24]);
    } else {
      movie_->damaged = true;
    }
  }

  void ReadTrackHeader(const std::vector<std::uint8_t>& body, Track* track) {
    // Width and height, 16.16 fixed point, end the header: at 76 in version 0, 88 in 1.
    const std::size_t at = body.empty() ? 0 : (body[0] == 1 ? 88 : 76);
    if (at == 0 || body.size() < at + 8) {
      movie_->damaged = true;
      return;
    }
    track->width = Be32(&body[at]) >> 16;
    track->height = Be32(&body[at + 4]) >> 16;
  }

  void ReadMediaHeader(const std::vector<std::uint8_t>& body, Track* track) {
    if (body.size() >= 20 && body[0] == 0) {
      track->timeScale = Be32(&body[12]);
      track->duration = Be32(&body[16]);
    } else if (body.size() >= 32 && body[0] == 1) {
      track->timeScale = Be32(&body[20]);
      track->duration = Be64(&body[24]);
    } else {
      movie_->damaged = true;
    }
  }

  void SumTimeToSample(std::uint64_t start, std::uint64_t end, Track* track) {
    const std::vector<std::uint8_t> head = Body(start, end, 8);
    if (head.size() < 8) {
      movie_->damaged = true;
      return;
    }
    std::uint32_t entries = Be32(&head[4]);
    if (entries > kMaxTimeToSampleEntries) entries = kMaxTimeToSampleEntries;
    const std::uint64_t wanted = static_cast<std::uint64_t>(entries) * 8;
    const std::vector<std::uint8_t> table = Body(start + 8, end, static_cast<std::size_t>(wanted));
    if (table.size() < wanted) movie_->damaged = true;
    std::uint64_t count = 0;
    for (std::size_t i = 0; i + 8 <= table.size(); i += 8) count += Be32(&table[i]);
    track->haveSampleCount = true;
    track->sampleCount = count;
  }

  ByteSource& source_;
  Movie* movie_;
};

}  // namespace

VideoInfo ReadQuickTimeInfo(ByteSource& source) {
  VideoInfo info;
  Movie movie;
  AtomWalker(source, &movie).Walk(0, source.Size(), 0, nullptr);
  std::uint8_t head[12] = {};
  const std::size_t got = source.ReadAt(0, head, sizeof head);
  if (!movie.haveHeader && !movie.haveVideo) {
    if (got >= 8 && (IsFourCc(head + 4, "ftyp") || IsFourCc(head + 4, "moov") ||
                     IsFourCc(head + 4, "mdat"))) {
      info.container = VideoContainer::kQuickTime;  // a movie without its header
      info.containerName = kTextVideoQuickTime;
      info.damaged = true;
      DescribeVideo(&info);
    }
    return info;
  }
  info.container = VideoContainer::kQuickTime;
  // Files that name a brand other than QuickTime's own are MPEG-4 files.
  const bool mpeg4 = got >= 12 && IsFourCc(head + 4, "ftyp") && !IsFourCc(head + 8, "qt  ");
  info.containerName = mpeg4 ? kTextVideoMpeg4 : kTextVideoQuickTime;
  info.damaged = movie.damaged || !movie.haveHeader;

  if (movie.haveVideo) {
    const Track& video = movie.video;
    info.width = video.width != 0 ? video.width : video.entryWidth;
    info.height = video.height != 0 ? video.height : video.entryHeight;
    info.compressionName = FourCcText(video.codec);
    // A fragmented movie keeps its samples outside the header; its count here is 0.
    if (video.haveSampleCount && video.sampleCount != 0) {
      info.frames = video.sampleCount;
      info.framesKnown = true;
    }
    if (video.timeScale != 0 && video.duration != 0 && info.framesKnown) {
      info.framesPerSecond =
          static_cast<double>(video.sampleCount) * video.timeScale / static_cast<double>(video.duration);
    }
  }
  if (movie.haveHeader && movie.timeScale != 0) {
    info.durationMs = static_cast<std::uint64_t>(
        static_cast<double>(movie.duration) * 1000.0 / movie.timeScale + 0.5);
    info.durationKnown = movie.duration != 0;
  }
  if (!info.durationKnown && movie.haveVideo && movie.video.timeScale != 0 && movie.video.duration != 0) {
    info.durationMs = static_cast<std::uint64_t>(
        static_cast<double>(movie.video.duration) * 1000.0 / movie.video.timeScale + 0.5);
    info.durationKnown = true;
  }
  DescribeVideo(&info);
  return info;
}

}  // namespace bw
