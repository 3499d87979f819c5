// The Start of a web page run: the checks and questions before the pages are written, the
// sort, the pages, the companion files of the template and the destination remembered.
#pragma once

#include <string>
#include <string_view>

#include "base/profile_store.h"
#include "cddb/database.h"
#include "cddb/text_rules.h"
#include "web/html_options.h"
#include "web/html_pages.h"

namespace bw {

// The window that runs the generator: its question box and its two status lines.
class HtmlRunHost {
 public:
  virtual ~HtmlRunHost() = default;
  // Asks a yes/no question; true for Yes.
  virtual bool Ask(std::string_view question) = 0;
  virtual void ShowStatus(std::string_view text) = 0;  // the main status line
  virtual void ShowDetail(std::string_view text) = 0;  // the detail status line
  // The wait cursor while the sort and the pages are made.
  virtual void SetBusy(bool busy) {}
  // The beep that ends every run that got as far as its destination.
  virtual void Beep() {}
};

struct HtmlRunRequest {
  std::string templateFolder;    // where the ".WT" files and their files lie
  std::string templateFileName;  // the chosen ".WT" file; empty for none
  PageDestination destination;
  HtmlOptions options;
};

// Runs the whole Start sequence. Ok once the pages are written ("Done!"); otherwise the
// status says why and the main status line shows the text the user sees. After success
// "DestinationPath" and "DestinationFileName" of section "WEB" in `settings` name the page.
Status RunHtmlGenerator(Database& database, ProfileStore& settings, const HtmlRunRequest& request,
                        const TextRules& rules, HtmlRunHost& host);

// The head and tail of the HTML template at `path`, showing "Checking template file." and on
// failure its error text in the main status line.
Status ReadHtmlTemplate(FileSystem& files, const std::string& path, HtmlRunHost& host,
                        PageFrame* frame);

// Copies the template's companion files that the destination folder does not have yet.
void CopyCompanionFiles(FileSystem& files, const std::string& templateFolder,
                        const std::string& templateFileName, const std::string& destinationFolder,
                        HtmlRunHost& host);

}  // namespace bw
