// The Path Setup folder browser apart from its window: which kind of caller opened it and
// what follows from that (title, files indicator, Search, the caller's list), and the
// calling protocol's shared buffers with what OK stores where.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "filetools/search_kind.h"
#include "shell/settings.h"

namespace bw {

enum class BrowserKind {
  kDestination,  // copy and move: the destination folder
  kExe,          // editor and volume-mixer selection: a folder of programs
  kExport,       // export to text: the output folder
  kHtml,         // HTML pages: the output folder
  kMedia,        // media panels: the media folder of the current mode
};

// What the browser looks at to decide its kind.
struct BrowserCaller {
  bool copyOrMoveOperation = false;  // a media panel's copy or move operation code is set
  bool exeSelection = false;         // called by the editor or volume-mixer selection
  bool exportDialogOpen = false;
  bool htmlDialogOpen = false;
  int mode = kModeAudio;             // the current mode
};

// Destination before EXE before export/HTML before media, whatever else is also true.
BrowserKind DecideBrowserKind(const BrowserCaller& caller);

// The program's buffers of the calling protocol. The caller clears `accepted`, puts its
// starting folder into its kind's buffer (the media kinds use the media folder itself),
// runs the browser, and takes `browsedFolder` when `accepted` is set.
struct FolderBrowserBuffers {
  std::string browsedFolder;
  std::string destinationFolder;
  std::string exeFolder;
  std::string exportFolder;  // export and HTML
  bool accepted = false;
  bool searchMode = false;   // set by a media panel's Search button for the call
};

// Everything the browser's window needs to set itself up.
struct FolderBrowserSetup {
  BrowserKind kind = BrowserKind::kMedia;
  int mode = kModeAudio;
  std::string title;
  std::string filesQuestion;  // "Audio files?", or a blank where there is no indicator
  bool offersSearch = false;  // the Search button and its label are shown
  std::optional<SearchKind> searchKind;  // what Search looks for, when it is offered
  bool searchAtOnce = false;  // search mode: Search is posted as soon as the browser opens
  std::string startingFolder;  // copied into the browsed folder
  // Patterns of the caller's list, refilled from the browsed folder after each navigation
  // ("*.exe", the mode's enabled media patterns); empty when there is no such list.
  std::vector<std::string> callerListPatterns;
};

FolderBrowserSetup SetUpFolderBrowser(const BrowserCaller& caller,
                                      const FolderBrowserBuffers& buffers,
                                      const MainSettings& settings);

// The folder a kind starts at, and refills its caller's list from on Cancel.
std::string StartingFolder(BrowserKind kind, int mode, const FolderBrowserBuffers& buffers,
                           const MainSettings& settings);

// The caller's list patterns of a kind (see FolderBrowserSetup::callerListPatterns).
std::vector<std::string> CallerListPatterns(BrowserKind kind, int mode,
                                            const MainSettings& settings);

// The file searches that refill the caller's list for `folder`: folder + each pattern.
std::vector<std::string> CallerListSearches(const std::vector<std::string>& patterns,
                                            const std::string& folder);

// The indicator answer (label 232): "Yes" when the caller's list holds a file, "No" when
// it is empty, a blank for the kinds without a list.
const char* FilesAnswer(BrowserKind kind, int callerListCount);

// OK: sets `accepted` and stores the browsed folder as the media kind's media folder or as
// the EXE folder; the other kinds' callers read `browsedFolder` themselves.
void AcceptBrowsedFolder(BrowserKind kind, int mode, FolderBrowserBuffers& buffers,
                         MainSettings& settings);

}  // namespace bw
