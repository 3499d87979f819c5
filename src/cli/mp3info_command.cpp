// brindwax-cli mp3info FILE...: the five texts of an MP3 file's first frame header, as the
// Audio panel and the audio information dialog show them. With several files each block
// begins with "==> FILE <==".
#include <cstdio>
#include <string>

#include "cddb/windows1252.h"
#include "cli/commands.h"
#include "media/media_texts.h"
#include "media/mp3_frame_search.h"

namespace {

bool PrintHeaderTexts(const char* path) {
  const bw::Mp3HeaderTexts texts = bw::ReadMp3HeaderTexts(bw::DefaultFileSystem(), path);
  const std::pair<const char*, const std::string*> lines[] = {
      {kLabelBitRate, &texts.bitRate}, {kLabelSampleRate, &texts.sampleRate},
      {kLabelChannelMode, &texts.channelMode}, {kLabelLayer, &texts.layer},
      {kLabelVersion, &texts.version}};
  for (const auto& [label, text] : lines) {
    std::printf("%s %s\n", label, bw::Windows1252ToUtf8(*text).c_str());
  }
  if (texts.IsEmpty()) {
    std::fprintf(stderr, "mp3info: no MPEG audio frame header in %s\n", path);
    return false;
  }
  return true;
}

}  // namespace

int RunMp3InfoCommand(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: brindwax-cli mp3info FILE...\n");
    return 2;
  }
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    if (argc > 2) std::printf("==> %s <==\n", argv[i]);
    if (!PrintHeaderTexts(argv[i])) status = 1;
  }
  return status;
}
