// The information pass: the file's attributes, then one walk over the entries' heads.
#include "cddb/database_info.h"

#include "cddb/cddb_texts.h"
#include "cddb/database_format.h"
#include "cddb/database_scanner.h"
#include "cddb/tool_texts.h"
#include "shell/text_helpers.h"

namespace bw {

PlayingTime SplitPlayingTime(std::uint64_t seconds) {
  PlayingTime time;
  time.days = seconds / 86400;
  time.hours = static_cast<int>(seconds / 3600 % 24);
  time.minutes = static_cast<int>(seconds / 60 % 60);
  time.seconds = static_cast<int>(seconds % 60);
  return time;
}

Status ReadDatabaseInfo(Database& database, DatabaseInfo* info) {
  *info = DatabaseInfo();
  info->path = database.DataFilePath();
  // The scanner first: it puts the file back after an interrupted swap, and the attributes
  // are then those of the file it reads.
  DatabaseScanner scanner(database);
  Status status = scanner.Open();
  if (status.IsNotFound()) return Status::Ok();
  FileInfo file;
  Status attributes = database.Files().GetFileInfo(info->path, &file);
  if (!attributes.IsOk()) return attributes;
  info->exists = true;
  info->modified = file.modified;
  info->sizeBytes = file.size;
  if (!status.IsOk()) {
    info->damaged = status.IsCorrupt();
    return status;
  }
  info->headerCount = scanner.HeaderCount();
  EntryBytes entry;
  while ((status = scanner.NextBytes(&entry)).IsOk()) {
    ++info->entries;
    info->tracks += entry.data[dbformat::kTrackCountAt];
    info->totalSeconds += dbformat::GetU16(entry.data + dbformat::kTotalSecondsAt);
  }
  if (status.IsNotFound()) return Status::Ok();
  info->damaged = status.IsCorrupt();
  return status;
}

std::string DateTimeText(const LocalDateTime& time) {
  const auto two = [](int value, std::string* out) {
    out->push_back(static_cast<char>('0' + value / 10 % 10));
    out->push_back(static_cast<char>('0' + value % 10));
  };
  std::string text;
  AppendDecimal(static_cast<std::uint64_t>(time.year), &text);
  text += '-';
  two(time.month, &text);
  text += '-';
  two(time.day, &text);
  text += ' ';
  two(time.hour, &text);
  text += ':';
  two(time.minute, &text);
  text += ':';
  two(time.second, &text);
  return text;
}

std::vector<std::pair<std::string, std::string>> DatabaseInfoLines(const DatabaseInfo& info) {
  const auto number = [](std::uint64_t value) {
    std::string text;
    AppendDecimal(value, &text);
    return text;
  };
  const PlayingTime playing = info.Playing();
  std::string time = number(playing.days) + " " + kTextInfoDays + ", " +
                     number(static_cast<std::uint64_t>(playing.hours)) + " " + kTextInfoHours +
                     ", " + number(static_cast<std::uint64_t>(playing.minutes)) + " " +
                     kTextInfoMinutes + ", " +
                     number(static_cast<std::uint64_t>(playing.seconds)) + " " + kTextInfoSeconds;
  std::vector<std::pair<std::string, std::string>> lines = {
      {kTextInfoFile, info.path},
      {kTextInfoModified, info.exists ? DateTimeText(info.modified) : std::string()},
      {kTextInfoSize, ByteCountText(info.sizeBytes)},
      {kTextInfoEntries, number(info.entries)},
      {kTextInfoTracks, number(info.tracks)},
      {kTextInfoPlayingTime, time},
  };
  if (!info.exists) {
    lines.push_back({std::string(), kTextInfoNoFile});
  } else if (info.damaged) {
    lines.push_back({std::string(), kTextInfoDamagedPrefix + number(info.entries) +
                                        kTextInfoDamagedSuffix});
  }
  return lines;
}

}  // namespace bw
