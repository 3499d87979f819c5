// The catalogue tools on the command line. Texts given on the command line and texts printed
// are UTF-8 here and ANSI on Windows, where the console and the arguments use the ANSI code
// page the catalogue is stored in.
#include "cli/db_tools.h"

#include <algorithm>
#include <cctype>
#include <iostream>

#include "cddb/cddb_texts.h"
#include "cddb/database_export.h"
#include "cddb/database_info.h"
#include "cddb/database_search.h"
#include "cddb/database_sorter.h"
#include "cddb/text_rules.h"
#include "cddb/windows1252.h"

namespace bw::cli {
namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

int Usage() {
  std::cerr << "usage: brindwax-cli db FOLDER " << ToolsUsage();
  return kUsage;
}

int Fail(const std::string& message) {
  std::cerr << "brindwax-cli db: " << message << "\n";
  return kFailed;
}

bool ToAnsi(const std::string& text, std::string* ansi, std::string* error) {
#ifdef _WIN32
  *ansi = text;
  (void)error;
  return true;
#else
  return Utf8ToWindows1252(text, ansi, error);
#endif
}

std::string FromAnsi(const std::string& text) {
#ifdef _WIN32
  return text;
#else
  return Windows1252ToUtf8(text);
#endif
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<std::string> SplitCommas(const std::string& list) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t comma = list.find(',', from);
    parts.push_back(Lower(list.substr(from, comma - from)));
    if (comma == std::string::npos) return parts;
    from = comma + 1;
  }
}

// The tools' status texts: steps and the result; counts and items are many and left out.
ProgressCallback StatusPrinter(std::string* result) {
  return [result](const ProgressEvent& event) {
    if (event.kind == ProgressKind::kResult) *result = std::string(event.text);
  };
}

int Finish(const Status& status, const std::string& result) {
  if (status.IsOk()) {
    std::cout << result << "\n";
    return 0;
  }
  std::cerr << result << "\n";
  return Fail(status.ToString());
}

const char* const kFieldNames[kSearchFieldCount] = {"track",    "artist", "disc-name", "category",
                                                   "label",    "notes",  "year"};

// "recording AAD", "type cd+video", "size 5" and the like, as option 1 to 10.
int PropertyOption(const std::string& field, const std::string& value) {
  const std::string f = Lower(field);
  const std::string v = Lower(value);
  if (f == "recording") {
    for (int i = 0; i < 4; ++i) {
      if (v == Lower(kTextRecordingNames[i])) return 1 + i;
    }
  } else if (f == "type") {
    for (int i = 0; i < 4; ++i) {
      if (v == Lower(kTextTypeNames[i])) return 5 + i;
    }
  } else if (f == "size") {
    if (v == "3" || v == "3-inch" || v == "3 inch") return 9;
    if (v == "5" || v == "5-inch" || v == "5 inch") return 10;
  }
  return 0;
}

const char* const kItemNames[kExportItemCount] = {
    "artist",   "disc-name", "disc-length", "track-number", "track-name", "track-length",
    "category", "label",     "notes",       "recording",    "type",       "size", "year"};

}  // namespace

const char* ToolsUsage() {
  return "sort\n"
         "       ... db FOLDER search TEXT [--fields track,artist,disc-name,category,label,notes,year]\n"
         "                                 [--case] [--from INDEX]\n"
         "       ... db FOLDER search --property recording|type|size VALUE [--from INDEX]\n"
         "       ... db FOLDER export --plain|--delimited [--sorted] [--items LIST] OUTFILE\n"
         "       ... db FOLDER info\n"
         "  export items: artist,disc-name,disc-length,track-number,track-name,track-length,\n"
         "                category,label,notes,recording,type,size,year (all by default)\n";
}

int RunSort(Database& db, const std::vector<std::string>& arguments) {
  if (!arguments.empty()) return Usage();
  if (!db.Files().Exists(db.DataFilePath()) && !db.Files().Exists(db.BackupFilePath())) {
    return Fail("there is no " + db.DataFilePath());
  }
  std::string result;
  const Status status = SortDatabase(db, PlatformTextRules().compare, StatusPrinter(&result));
  return Finish(status, result);
}

int RunSearch(Database& db, const std::vector<std::string>& arguments) {
  SearchRequest request;
  bool textGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == "--case") {
      request.heedCase = true;
    } else if (argument == "--fields" && hasValue) {
      request.fields.fill(false);
      for (const std::string& name : SplitCommas(arguments[++i])) {
        const auto* found = std::find(std::begin(kFieldNames), std::end(kFieldNames), name);
        if (found == std::end(kFieldNames)) return Fail("unknown field \"" + name + "\"");
        request.fields[static_cast<std::size_t>(found - std::begin(kFieldNames))] = true;
      }
    } else if (argument == "--property" && i + 2 < arguments.size()) {
      request.textSearch = false;
      request.propertyOption = PropertyOption(arguments[i + 1], arguments[i + 2]);
      if (request.propertyOption == 0) {
        return Fail("no property \"" + arguments[i + 1] + " " + arguments[i + 2] + "\"");
      }
      i += 2;
    } else if (argument == "--from" && hasValue) {
      const std::string& index = arguments[++i];
      if (index.empty() || index.size() > 5 || index.find_first_not_of("0123456789") != std::string::npos ||
          std::stoul(index) > 65534) {
        return Fail("\"" + index + "\" is not an entry index (0 to 65534)");
      }
      request.startIndex = static_cast<std::uint16_t>(std::stoul(index));
    } else if (!textGiven && argument.rfind("--", 0) != 0) {
      std::string error;
      if (!ToAnsi(argument, &request.text, &error)) return Fail("the search text: " + error);
      textGiven = true;
    } else {
      return Usage();
    }
  }
  if (request.textSearch != textGiven) return Usage();

  std::vector<SearchHit> hits;
  const Status status = SearchDatabase(db, request, PlatformTextRules(), nullptr, &hits);
  for (const SearchHit& hit : hits) {
    std::cout << hit.index << "\t" << hit.fieldCode << "\t" << FromAnsi(hit.caption) << "\n";
  }
  std::cout << ItemsFoundText(hits.size()) << "\n";
  // No file finds nothing, as the dialog shows it; damage is reported after the intact hits.
  if (!status.IsOk() && !status.IsNotFound()) return Fail(status.ToString());
  return 0;
}

int RunExport(Database& db, const std::vector<std::string>& arguments) {
  ExportOptions options;
  options.sorted = false;
  bool formGiven = false;
  std::string destination;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--plain" || argument == "--delimited") {
      if (formGiven) return Usage();
      formGiven = true;
      options.form = argument == "--plain" ? ExportForm::kPlainText : ExportForm::kDelimitedText;
    } else if (argument == "--sorted") {
      options.sorted = true;
    } else if (argument == "--items" && i + 1 < arguments.size()) {
      options.items = ExportItems{};
      for (const std::string& name : SplitCommas(arguments[++i])) {
        const auto* found = std::find(std::begin(kItemNames), std::end(kItemNames), name);
        if (found == std::end(kItemNames)) return Fail("unknown item \"" + name + "\"");
        options.items[static_cast<std::size_t>(found - std::begin(kItemNames))] = true;
      }
    } else if (destination.empty() && argument.rfind("--", 0) != 0) {
      destination = argument;
    } else {
      return Usage();
    }
  }
  if (!formGiven || destination.empty()) return Usage();
  if (!db.Files().Exists(db.DataFilePath()) && !db.Files().Exists(db.BackupFilePath())) {
    return Fail("there is no " + db.DataFilePath());
  }
  std::string result;
  // Naming the file on the command line is the answer to the question of overwriting it.
  const Status status = ExportDatabase(db, options, destination, PlatformTextRules().compare,
                                       [] { return true; }, StatusPrinter(&result));
  return Finish(status, result);
}

int RunInfo(Database& db, const std::vector<std::string>& arguments) {
  if (!arguments.empty()) return Usage();
  DatabaseInfo info;
  const Status status = ReadDatabaseInfo(db, &info);
  for (const auto& [label, value] : DatabaseInfoLines(info)) {
    std::cout << (label.empty() ? "" : label + " ") << value << "\n";
  }
  if (!status.IsOk()) return Fail(status.ToString());
  return 0;
}

}  // namespace bw::cli
