// The database information dialog's figures: the catalogue file's path, last-modified time and
// size, and from one pass over its entries the number of entries and tracks and their total
// playing time. Reading them never creates the file.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/file_system.h"
#include "cddb/database.h"

namespace bw {

struct PlayingTime {
  std::uint64_t days = 0;
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
};

PlayingTime SplitPlayingTime(std::uint64_t seconds);

struct DatabaseInfo {
  std::string path;     // the full path of brindwax.dat
  bool exists = false;  // false: every figure below is 0
  LocalDateTime modified;
  std::uint64_t sizeBytes = 0;
  std::uint32_t entries = 0;  // the entries that could be read
  std::uint16_t headerCount = 0;
  std::uint64_t tracks = 0;
  std::uint64_t totalSeconds = 0;  // the entries' total playing times added up
  bool damaged = false;            // the pass stopped at damage: the figures are its intact part

  PlayingTime Playing() const { return SplitPlayingTime(totalSeconds); }
};

// Gathers the figures. A missing file gives zeros (exists false) and Ok; a damaged chain gives
// the intact part's figures, damaged set, and Corrupt; other failures their own status.
Status ReadDatabaseInfo(Database& database, DatabaseInfo* info);

// The dialog's texts: label and value per line, in the dialog's order. The size reads
// "1,234 bytes"; the time "2024-05-06 13:45:07"; the playing time "1 Days, 2 Hours, 3 Minutes,
// 4 Seconds". A last line without label tells of a missing or damaged file.
std::vector<std::pair<std::string, std::string>> DatabaseInfoLines(const DatabaseInfo& info);

// "2024-05-06 13:45:07".
std::string DateTimeText(const LocalDateTime& time);

}  // namespace bw
