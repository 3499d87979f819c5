// The Create HTML Document dialog's choices as section "WEB" of the settings file keeps them,
// and the rules for the destination the user types.
#pragma once

#include <string>
#include <string_view>

#include "base/profile_store.h"
#include "shell/folder_path.h"
#include "web/html_options.h"

namespace bw {

struct HtmlDocumentSettings {
  std::string templateFolder;
  std::string templateFileName;  // empty: none selected
  std::string destinationFolder;
  std::string destinationFileName;
  HtmlOptions options;  // every item ticked: the items are not stored
};

// Reads section "WEB"; missing values take the program folder, "index.htm" and the options'
// defaults, and a two-way switch holding any other word takes its second value.
HtmlDocumentSettings ReadHtmlDocumentSettings(ProfileStore& settings,
                                              const std::string& programFolder);
// Writes every key of section "WEB".
void WriteHtmlDocumentSettings(ProfileStore& settings, const HtmlDocumentSettings& values);

// What the destination field's text makes of the destination.
enum class DestinationCheck { kAccepted, kNoFileName, kInvalidFolder };

// The text after its last separator is the file name; the folder before it is checked and
// normalised as every folder the program takes (ending in one backslash). On kAccepted
// `folder` and `fileName` hold the new destination; otherwise they are left as they were.
DestinationCheck CheckDestinationText(std::string_view typed,
                                      const FolderExistsFunction& folderExists,
                                      std::string* folder, std::string* fileName);

// The file the dialog may open with the shell: an ".htm" or ".html" file named inside
// `folder` (never a program or a file elsewhere that a template names); empty otherwise.
std::string ViewablePage(const std::string& folder, const std::string& fileName);

// A folder as the dialog keeps it: ending in one backslash (a trailing "/" counts as one).
std::string EndInBackslash(std::string folder);

}  // namespace bw
