// The pages themselves: the catalogue's entries grouped by artist or first character, with a
// table of contents and headings, written as one page or as an index and a page per group.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cddb/database.h"
#include "cddb/text_rules.h"
#include "web/html_options.h"

namespace bw {

// The text around the generated text of every page: the HTML template's head and tail, or
// the built-in page.
struct PageFrame {
  std::string head;
  std::string tail;
};
PageFrame BuiltInPageFrame();

// Where the pages go: the destination file, and its folder for the many pages.
struct PageDestination {
  std::string folder;
  std::string fileName;
};

// The file name of page `page`: `fileName` with the number inserted before its first "."
// (or appended when it has none): "index.htm", 2 -> "index2.htm".
std::string NumberedPageName(const std::string& fileName, unsigned page);

// The temporary name a page or companion file is written under before it takes its own.
std::string WorkFileOf(const std::string& path);

// Writes the pages of every entry in file order. The destination's work file must have been
// prepared (created) already; on success it has become the destination. `showStatus` and
// `showDetail` hear the main and detail status texts. On failure the text is
// kTextWebNoMemory, kTextWebCannotWrite or kTextExportCannotRead, already shown, and no page of
// this run is left half written.
Status WriteHtmlPages(Database& database, const HtmlOptions& options, const PageFrame& frame,
                      const PageDestination& destination, TextCompare compareIgnoringCase,
                      const std::function<void(std::string_view)>& showStatus,
                      const std::function<void(std::string_view)>& showDetail);

}  // namespace bw
