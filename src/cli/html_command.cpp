// brindwax-cli html FOLDER DEST [options]: the web pages of FOLDER/brindwax.dat through the
// same run as the Create HTML Document dialog. Questions about a missing or broken template
// are answered "go on with the built-in page" (and printed); an existing page is replaced
// only with --force. Status texts go to standard error, the result to standard output.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "base/memory_profile_store.h"
#include "cddb/database.h"
#include "cddb/text_rules.h"
#include "cli/commands.h"
#include "web/html_generator.h"
#include "web/web_texts.h"

namespace {

using namespace bw;

constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char* const kItemWords[kHtmlItemCount] = {
    "artist",   "disc-name", "disc-length", "track-number", "track-name", "track-length",
    "category", "label",     "notes",       "recording",    "type",       "size", "year"};

int Usage() {
  std::cerr
      << "usage: brindwax-cli html FOLDER DEST [--many] [--table] [--contents none|alphabet|artist]\n"
         "         [--heading none|alphabet|artist] [--size small|medium|large] [--no-item-names]\n"
         "         [--items LIST] [--border WIDTH] [--template FILE.wt] [--sort] [--force]\n"
         "  items: artist,disc-name,disc-length,track-number,track-name,track-length,category,\n"
         "         label,notes,recording,type,size,year (all by default)\n";
  return kUsage;
}

bool ParseGrouping(const std::string& word, HtmlGrouping* grouping) {
  if (word == "none") *grouping = HtmlGrouping::kNone;
  else if (word == "alphabet") *grouping = HtmlGrouping::kAlphabet;
  else if (word == "artist") *grouping = HtmlGrouping::kArtistName;
  else return false;
  return true;
}

bool ParseItems(const std::string& list, HtmlItems* items) {
  items->fill(false);
  std::size_t from = 0;
  for (;;) {
    const std::size_t comma = list.find(',', from);
    const std::string word = list.substr(from, comma - from);
    bool known = false;
    for (int i = 0; i < kHtmlItemCount; ++i) {
      if (word == kItemWords[i]) (*items)[i] = known = true;
    }
    if (!known) return false;
    if (comma == std::string::npos) return true;
    from = comma + 1;
  }
}

// Splits a path at its last separator into folder (with the separator) and file name.
void SplitPath(const std::string& path, std::string* folder, std::string* name) {
  const std::size_t last = path.find_last_of("\\/");
  *folder = last == std::string::npos ? std::string() : path.substr(0, last + 1);
  *name = last == std::string::npos ? path : path.substr(last + 1);
}

class ConsoleHost : public HtmlRunHost {
 public:
  explicit ConsoleHost(bool force) : force_(force) {}
  bool Ask(std::string_view question) override {
    if (question == kTextWebAskOverwrite) return force_;
    std::cerr << question << " (going on)\n";
    return true;
  }
  void ShowStatus(std::string_view text) override { status_ = std::string(text); }
  void ShowDetail(std::string_view) override {}
  const std::string& Status() const { return status_; }

 private:
  bool force_;
  std::string status_;
};

}  // namespace

int RunHtmlCommand(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string folder = argv[1];
  HtmlRunRequest request;
  request.options.sorting = false;
  SplitPath(argv[2], &request.destination.folder, &request.destination.fileName);
  if (request.destination.fileName.empty()) {
    std::cerr << kTextWebNoDestinationName << "\n";
    return kFailed;
  }
  bool force = false;
  HtmlOptions& options = request.options;
  for (int i = 3; i < argc; ++i) {
    const std::string argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "--many") options.multiplePages = true;
    else if (argument == "--table") options.table = true;
    else if (argument == "--no-item-names") options.itemNames = false;
    else if (argument == "--sort") options.sorting = true;
    else if (argument == "--force") force = true;
    else if (argument == "--contents" && hasValue) {
      if (!ParseGrouping(argv[++i], &options.contents)) return Usage();
    } else if (argument == "--heading" && hasValue) {
      if (!ParseGrouping(argv[++i], &options.heading)) return Usage();
    } else if (argument == "--size" && hasValue) {
      const std::string size = argv[++i];
      if (size == "small") options.headingSize = HeadingSize::kSmall;
      else if (size == "medium") options.headingSize = HeadingSize::kMedium;
      else if (size == "large") options.headingSize = HeadingSize::kLarge;
      else return Usage();
    } else if (argument == "--items" && hasValue) {
      if (!ParseItems(argv[++i], &options.items)) return Usage();
    } else if (argument == "--border" && hasValue) {
      options.borderWidth = std::string(argv[++i]).substr(0, 3);
    } else if (argument == "--template" && hasValue) {
      SplitPath(argv[++i], &request.templateFolder, &request.templateFileName);
    } else {
      return Usage();
    }
  }
  Database database(DefaultFileSystem(), folder);
  if (!database.Files().Exists(database.DataFilePath())) {
    std::cerr << "brindwax-cli html: there is no " << database.DataFilePath() << "\n";
    return kFailed;
  }
  MemoryProfileStore settings;
  ConsoleHost host(force);
  const Status status = RunHtmlGenerator(database, settings, request, PlatformTextRules(), host);
  if (!status.IsOk()) {
    std::cerr << host.Status() << "\n";
    return kFailed;
  }
  std::cout << host.Status() << "\n";
  return 0;
}
