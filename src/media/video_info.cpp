// The video readers' shared part: telling the container by its first bytes, and the texts.
#include "media/video_info.h"

#include <cmath>

#include "media/byte_order.h"
#include "media/display_texts.h"

namespace bw {
namespace {

bool IsQuickTimeAtom(const std::uint8_t* type) {
  static const char* const kTypes[] = {"ftyp", "moov", "mdat", "free", "skip", "wide", "pnot"};
  for (const char* name : kTypes) {
    if (IsFourCc(type, name)) return true;
  }
  return false;
}

}  // namespace

std::string FourCcText(const std::uint8_t* code) {
  std::string text;
  for (int i = 0; i < 4; ++i) {
    const std::uint8_t c = code[i];
    text.push_back(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : ' ');
  }
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

void DescribeVideo(VideoInfo* info) {
  info->format = info->containerName;
  info->compression = info->compressionName;
  if (info->width != 0 && info->height != 0) info->frameSize = PixelsText(info->width, info->height);
  if (info->framesKnown) info->framesText = FramesText(info->frames);
  if (info->framesPerSecond > 0 && std::isfinite(info->framesPerSecond)) {
    info->frameRate = FrameRateText(info->framesPerSecond);
  }
  if (info->durationKnown) info->length = LengthText(info->durationMs);
}

VideoInfo ReadVideoInfo(ByteSource& source) {
  std::uint8_t head[12] = {};
  const std::size_t got = source.ReadAt(0, head, sizeof head);
  if (got >= 12 && IsFourCc(head, "RIFF") && (IsFourCc(head + 8, "AVI ") || IsFourCc(head + 8, "AVIX"))) {
    return ReadAviInfo(source);
  }
  if (got >= 8 && IsQuickTimeAtom(head + 4)) return ReadQuickTimeInfo(source);
  VideoInfo mpeg = ReadMpegVideoInfo(source);
  return mpeg;
}

}  // namespace bw
