// brindwax-cli db FOLDER count|dump|add|replace INDEX|delete INDEX|find SECONDS...|check
// (and sort|search|export|info, in db_tools.cpp):
// FOLDER/brindwax.dat through the same operations the program uses. Failures go to stderr
// with exit code 1 (2 for a malformed command line); nothing is written on a failure.
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "cddb/database.h"
#include "cddb/database_scanner.h"
#include "cli/commands.h"
#include "cli/db_entry_json.h"
#include "cli/db_tools.h"

namespace {

using bw::Database;
using bw::Status;

constexpr int kFailed = 1;
constexpr int kUsage = 2;

int Usage() {
  std::cerr << "usage: brindwax-cli db FOLDER count|dump|add|replace INDEX|delete INDEX|"
               "find SECONDS...|check\n"
               "  add and replace read one entry as JSON on stdin; INDEX is 0-based\n"
               "       brindwax-cli db FOLDER "
            << bw::cli::ToolsUsage();
  return kUsage;
}

int Fail(const std::string& message) {
  std::cerr << "brindwax-cli db: " << message << "\n";
  return kFailed;
}

int Fail(const Status& status) { return Fail(status.ToString()); }

bool ParseNumber(const std::string& text, unsigned max, unsigned* value) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  *value = static_cast<unsigned>(std::stoul(text));
  return *value <= max;
}

bool HasDatabase(Database& db) {
  return db.Files().Exists(db.DataFilePath()) || db.Files().Exists(db.BackupFilePath());
}

int Count(Database& db) {
  std::uint16_t count = 0;
  Status status = db.CountEntries(&count);
  std::cout << count << "\n";
  if (status.IsCorrupt()) return Fail(status);
  if (!status.IsOk() && !status.IsNotFound()) return Fail(status);
  return 0;
}

int Dump(Database& db) {
  nlohmann::ordered_json entries = nlohmann::ordered_json::array();
  bw::DatabaseScanner scanner(db);
  Status status = scanner.Open();
  bw::CdEntry entry;
  while (status.IsOk() && (status = scanner.Next(&entry)).IsOk()) {
    entries.push_back(bw::EntryToJson(entry));
  }
  // What was read before any damage is printed all the same.
  std::cout << entries.dump(2) << "\n";
  if (!status.IsNotFound()) return Fail(status);
  return 0;
}

bool ReadEntryFromStdin(bw::EntryInput* entry, std::string* error) {
  const std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
  const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
  if (json.is_discarded()) {
    *error = "stdin does not hold one JSON object";
    return false;
  }
  return bw::EntryFromJson(json, entry, error);
}

int Add(Database& db) {
  bw::EntryInput entry;
  std::string error;
  if (!ReadEntryFromStdin(&entry, &error)) return Fail(error);
  Status status = db.EnsureDatabaseFile();
  if (status.IsOk()) status = db.AppendEntry(entry.profile, *entry.titles, entry.details);
  return status.IsOk() ? 0 : Fail(status);
}

int Replace(Database& db, unsigned index) {
  bw::EntryInput entry;
  std::string error;
  if (!ReadEntryFromStdin(&entry, &error)) return Fail(error);
  if (!HasDatabase(db)) return Fail("there is no " + db.DataFilePath());
  Status status = db.ReplaceEntry(static_cast<std::uint16_t>(index), entry.profile,
                                  *entry.titles, entry.details);
  return status.IsOk() ? 0 : Fail(status);
}

int Delete(Database& db, unsigned index) {
  if (!HasDatabase(db)) return Fail("there is no " + db.DataFilePath());
  std::uint32_t offset = 0;
  Status status = db.LocateEntry(static_cast<std::uint16_t>(index), &offset);
  if (status.IsOk()) status = db.DeleteEntry(offset);
  return status.IsOk() ? 0 : Fail(status);
}

int Find(Database& db, const std::vector<std::string>& arguments) {
  if (arguments.empty()) return Usage();
  if (arguments.size() > static_cast<std::size_t>(bw::dbformat::kMaxTracks)) {
    return Fail("a disc holds at most 99 tracks");
  }
  bw::DiscProfile profile;
  unsigned total = 0;
  for (const std::string& argument : arguments) {
    unsigned seconds = 0;
    if (!ParseNumber(argument, 0xFFFF, &seconds)) {
      return Fail("\"" + argument + "\" is not a track length in seconds (0 to 65535)");
    }
    profile.trackSeconds[static_cast<std::size_t>(profile.trackCount++)] =
        static_cast<std::uint16_t>(seconds);
    total += seconds;
  }
  if (total > 0xFFFF) return Fail("the tracks add up to more than 65535 seconds");
  profile.totalSeconds = static_cast<std::uint16_t>(total);
  if (!HasDatabase(db)) return kFailed;

  std::uint32_t offset = 0;
  Status status = db.FindEntryByProfile(profile, &offset);
  if (status.IsNotFound()) return kFailed;
  if (!status.IsOk()) return Fail(status);
  bw::DatabaseScanner scanner(db);
  status = scanner.Open();
  bw::EntryBytes entry;
  std::uint16_t index = 0;
  while (status.IsOk() && (status = scanner.NextBytes(&entry, &index)).IsOk()) {
    if (entry.offset == offset) {
      std::cout << index << "\n";
      return 0;
    }
  }
  return Fail(status);
}

int Check(Database& db) {
  if (!HasDatabase(db)) return Fail("there is no " + db.DataFilePath());
  bw::DatabaseCheck check;
  Status status = db.CheckDatabase(&check);
  if (status.IsOk()) {
    std::cout << "sound: " << check.headerCount << " entries, " << check.fileSize << " bytes\n";
    return 0;
  }
  if (check.problems.empty()) return Fail(status);
  std::cerr << db.DataFilePath() << " is damaged (" << check.intactEntries << " of "
            << check.headerCount << " entries intact):\n";
  for (const std::string& problem : check.problems) std::cerr << "  " << problem << "\n";
  return kFailed;
}

}  // namespace

int RunDbCommand(int argc, char** argv) {
  if (argc < 3) return Usage();
  Database db(bw::DefaultFileSystem(), argv[1]);
  const std::string action = argv[2];
  const std::vector<std::string> arguments(argv + 3, argv + argc);
  try {
    if (action == "find") return Find(db, arguments);
    if (action == "sort") return bw::cli::RunSort(db, arguments);
    if (action == "search") return bw::cli::RunSearch(db, arguments);
    if (action == "export") return bw::cli::RunExport(db, arguments);
    if (action == "info") return bw::cli::RunInfo(db, arguments);
    if (action == "replace" || action == "delete") {
      unsigned index = 0;
      if (arguments.size() != 1) return Usage();
      if (!ParseNumber(arguments[0], 0xFFFF, &index)) {
        return Fail("\"" + arguments[0] + "\" is not an entry index (0 to 65534)");
      }
      return action == "replace" ? Replace(db, index) : Delete(db, index);
    }
    if (!arguments.empty()) return Usage();
    if (action == "count") return Count(db);
    if (action == "dump") return Dump(db);
    if (action == "add") return Add(db);
    if (action == "check") return Check(db);
  } catch (const std::exception& failure) {
    return Fail(failure.what());
  }
  return Usage();
}
