// Web template files: the ".WT" description (an INI file with one section "WEBTemplate") and
// the HTML template it names, split at its first "<%Output%>" tag into a head and a tail.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"

namespace bw {

// What a ".WT" file says. Empty texts stand for keys that are missing (or that hold the
// profile functions' "missing" defaults: "0" for the file names, "vexly" for the count).
struct WebTemplate {
  std::string name;      // "Name", shown when the template is chosen
  std::string fileName;  // "FileName": the HTML template, relative to the template folder
  bool hasItemCount = false;  // "NumberOfItems" present
  long itemCount = 0;         // its decimal value (0 for a text that is no number)
  // "Item1" to "Item<count>" that are present, in number order.
  std::vector<std::string> items;
};

// The value of `key` in `section` of INI text, read as the profile functions read it: names
// matched without regard to case, the first section and key of a name counting, blanks around
// names and values dropped, one pair of matching quotes around a value taken away, lines
// starting with ";" ignored. No value when the key is absent.
std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key);

WebTemplate ParseWebTemplate(std::string_view text);

// Reads and parses a ".WT" file; a file that cannot be read gives a template with nothing
// present, as the profile functions answer for a missing file.
WebTemplate ReadWebTemplate(FileSystem& files, const std::string& path);

// True for a name that stays inside the folder it is relative to: not empty, no drive or
// root, no ".." part. Template file names and items that are not are never read or written.
bool IsContainedName(std::string_view name);

// An HTML template split at its first output tag.
struct HtmlTemplate {
  std::string head;
  std::string tail;
};

// Splits `text` at the first "<%Output%>" found without regard to case; false without one.
// Head and tail keep their own case; a second tag stays in the tail.
bool SplitHtmlTemplate(std::string_view text, HtmlTemplate* parts);

// Reads a whole file into `text`: Ok, NotFound, IoError, or Corrupt for a file too large to
// hold in memory.
Status ReadWholeFile(FileSystem& files, const std::string& path, std::string* text);

}  // namespace bw
