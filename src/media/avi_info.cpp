// AVI files: the main header "avih", the first video stream's "strh" and "strf", and the
// OpenDML total frame count "dmlh", all inside the "hdrl" list at the start of the file.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "media/byte_order.h"
#include "media/media_texts.h"
#include "media/video_info.h"

namespace bw {
namespace {

// The header list holds a few kilobytes; more than this is read no further.
constexpr std::size_t kMaxHeaderList = 1024 * 1024;
constexpr int kMaxDepth = 4;

struct AviHeaders {
  bool haveMain = false;
  std::uint32_t microSecPerFrame = 0;
  std::uint32_t totalFrames = 0;
  std::uint32_t mainWidth = 0;
  std::uint32_t mainHeight = 0;

  bool haveVideoStream = false;
  bool inVideoStream = false;  // the strl list being read belongs to the first video stream
  bool videoStreamDone = false;
  std::uint8_t handler[4] = {};
  std::uint32_t scale = 0;
  std::uint32_t rate = 0;
  std::uint32_t length = 0;
  bool haveFormat = false;
  std::int32_t formatWidth = 0;
  std::int32_t formatHeight = 0;
  std::uint8_t compression[4] = {};

  bool haveOpenDml = false;
  std::uint32_t openDmlFrames = 0;
  bool cutShort = false;
};

void WalkList(const std::vector<std::uint8_t>& data, std::size_t pos, std::size_t end, int depth,
              AviHeaders* headers) {
  while (pos + 8 <= end) {
    const std::uint8_t* id = &data[pos];
    const std::uint32_t size = Le32(&data[pos + 4]);
    const std::size_t body = pos + 8;
    std::size_t bodyEnd = end;
    if (size > end - body) {
      headers->cutShort = true;
    } else {
      bodyEnd = body + size;
    }
    const std::size_t bodySize = bodyEnd - body;
    if (IsFourCc(id, "LIST") && bodySize >= 4 && depth < kMaxDepth) {
      const bool streamList = IsFourCc(&data[body], "strl");
      if (streamList) headers->inVideoStream = false;
      WalkList(data, body + 4, bodyEnd, depth + 1, headers);
      if (streamList && headers->inVideoStream) headers->videoStreamDone = true;
      headers->inVideoStream = false;
    } else if (IsFourCc(id, "avih") && bodySize >= 40) {
      headers->haveMain = true;
      headers->microSecPerFrame = Le32(&data[body]);
      headers->totalFrames = Le32(&data[body + 16]);
      headers->mainWidth = Le32(&data[body + 32]);
      headers->mainHeight = Le32(&data[body + 36]);
    } else if (IsFourCc(id, "strh") && bodySize >= 36) {
      if (IsFourCc(&data[body], "vids") && !headers->videoStreamDone && !headers->haveVideoStream) {
        headers->haveVideoStream = true;
        headers->inVideoStream = true;
        std::copy(&data[body + 4], &data[body + 8], headers->handler);
        headers->scale = Le32(&data[body + 20]);
        headers->rate = Le32(&data[body + 24]);
        headers->length = Le32(&data[body + 32]);
      }
    } else if (IsFourCc(id, "strf") && headers->inVideoStream && bodySize >= 20) {
      headers->haveFormat = true;
      headers->formatWidth = static_cast<std::int32_t>(Le32(&data[body + 4]));
      headers->formatHeight = static_cast<std::int32_t>(Le32(&data[body + 8]));
      std::copy(&data[body + 16], &data[body + 20], headers->compression);
    } else if (IsFourCc(id, "dmlh") && bodySize >= 4) {
      headers->haveOpenDml = true;
      headers->openDmlFrames = Le32(&data[body]);
    }
    if (bodyEnd >= end) break;
    pos = bodyEnd + (size & 1);
  }
}

std::string CompressionName(const AviHeaders& headers) {
  const std::uint32_t code = Le32(headers.compression);
  if (code == 0 || code == 3) return kTextVideoUncompressed;  // BI_RGB, BI_BITFIELDS
  std::string name = FourCcText(headers.compression);
  if (name.empty()) name = FourCcText(headers.handler);
  return name;
}

}  // namespace

VideoInfo ReadAviInfo(ByteSource& source) {
  VideoInfo info;
  std::uint8_t head[12];
  if (source.ReadAt(0, head, sizeof head) != sizeof head || !IsFourCc(head, "RIFF") ||
      !IsFourCc(head + 8, "AVI ")) {
    return info;
  }
  info.container = VideoContainer::kAvi;
  info.containerName = kTextVideoAvi;

  // The header list comes first; look a few chunks further in case something precedes it.
  AviHeaders headers;
  std::uint64_t offset = 12;
  for (int n = 0; n < 16; ++n) {
    std::uint8_t chunk[12];
    const std::size_t got = source.ReadAt(offset, chunk, sizeof chunk);
    if (got < 8) break;
    const std::uint32_t size = Le32(chunk + 4);
    if (got == 12 && IsFourCc(chunk, "LIST") && IsFourCc(chunk + 8, "hdrl")) {
      std::size_t length = size;
      if (length > kMaxHeaderList) length = kMaxHeaderList;
      const std::vector<std::uint8_t> list = ReadBlock(source, offset + 8, length);
      if (list.size() < size) headers.cutShort = true;
      WalkList(list, 4, list.size(), 1, &headers);
      break;
    }
    offset += 8 + static_cast<std::uint64_t>(size) + (size & 1);
  }
  if (!headers.haveMain || headers.cutShort) info.damaged = true;

  if (headers.haveFormat && headers.formatWidth > 0 && headers.formatHeight != 0) {
    info.width = static_cast<std::uint32_t>(headers.formatWidth);
    // A negative height is a top-down picture of the same size.
    info.height = static_cast<std::uint32_t>(std::abs(static_cast<std::int64_t>(headers.formatHeight)));
  } else if (headers.haveMain) {
    info.width = headers.mainWidth;
    info.height = headers.mainHeight;
  }
  if (headers.haveFormat) info.compressionName = CompressionName(headers);
  if (headers.haveOpenDml) info.containerName = kTextVideoAviOpenDml;

  // The stream's own length counts every frame; the main header's count stops at the
  // first RIFF of an OpenDML file, whose "dmlh" has the whole count.
  if (headers.haveVideoStream && headers.length != 0) {
    info.frames = headers.length;
  } else if (headers.haveOpenDml && headers.openDmlFrames != 0) {
    info.frames = headers.openDmlFrames;
  } else {
    info.frames = headers.totalFrames;
  }
  info.framesKnown = headers.haveMain || headers.haveVideoStream;

  if (headers.haveVideoStream && headers.rate != 0 && headers.scale != 0) {
    info.framesPerSecond = static_cast<double>(headers.rate) / headers.scale;
  } else if (headers.microSecPerFrame != 0) {
    info.framesPerSecond = 1e6 / headers.microSecPerFrame;
  }
  if (info.framesKnown && info.framesPerSecond > 0) {
    double milliseconds = 0;
    if (headers.haveVideoStream && headers.rate != 0 && headers.scale != 0) {
      milliseconds = static_cast<double>(info.frames) * headers.scale * 1000.0 / headers.rate;
    } else {
      milliseconds = static_cast<double>(info.frames) * headers.microSecPerFrame / 1000.0;
    }
    info.durationMs = static_cast<std::uint64_t>(milliseconds + 0.5);
    info.durationKnown = true;
  }
  DescribeVideo(&info);
  return info;
}

}  // namespace bw
