// What the drive search looks for: program files for the EXE folder browser, else the media
// files of the current mode; with the texts that name the kind and the drive.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/settings.h"

namespace bw {

enum class SearchKind { kExecutable, kAudio, kMidi, kVideo };

// The media kind of a mode; modes other than MIDI and Video search for audio files.
SearchKind SearchKindForMode(int mode);

// "Executable", "Audio", "MIDI" or "Video".
const char* SearchKindWord(SearchKind kind);

// "*.exe"; or the enabled patterns of the media kind in the media panels' order.
std::vector<std::string> SearchPatterns(SearchKind kind, const MainSettings& settings);

// A selected result's count line: "12 Audio File(s)".
std::string SearchCountText(SearchKind kind, std::int64_t count);

// "Search for Audio files on drive C:" and the two total labels.
std::string SearchTitle(SearchKind kind, std::string_view drive);
std::string SearchFileTotalLabel(SearchKind kind, std::string_view drive);
std::string SearchFolderTotalLabel(SearchKind kind, std::string_view drive);

// The drive a search of `folder` walks: its letter upper-cased and ":" ("C:"). None for a
// network path or anything else without a drive letter: the browser then shows
// kTextSearchMappedDrivesOnly.
std::optional<std::string> SearchDriveOf(std::string_view folder);

// "C:" -> "C:\", the folder the walk starts at.
std::string DriveRoot(std::string_view drive);

}  // namespace bw
