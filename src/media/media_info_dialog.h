// The file information dialogs (1200 audio, 1300 MIDI, 1400 video) of the media panels.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "media/media_info_page.h"

struct MediaInfoSeriesInput {
  bw::MediaInfoKind kind = bw::MediaInfoKind::kAudio;
  std::vector<std::string> paths;  // the selected files in list order, full paths
  HWND panel = nullptr;            // disabled while the series runs, enabled again after
};

// Shows each file's dialog in turn; Cancel ends the series. Returns how many were shown.
std::size_t RunMediaInfoSeries(HWND owner, const MediaInfoSeriesInput& input);
