// The folder browser's kinds and calling protocol.
#include "filetools/folder_browser.h"

#include "filetools/filetools_texts.h"
#include "shell/media_kinds.h"

namespace bw {
namespace {

// The media mode a media-kind browser serves; the CD Player's mode counts as Audio.
int MediaModeOf(int mode) { return IsMediaMode(mode) ? mode : kModeAudio; }

const char* TitleOf(BrowserKind kind, int mode) {
  switch (kind) {
    case BrowserKind::kDestination: return kTextDestinationPathSetup;
    case BrowserKind::kExe: return kTextExePathSetup;
    case BrowserKind::kExport: return kTextExportPathSetup;
    case BrowserKind::kHtml: return kTextHtmlPathSetup;
    case BrowserKind::kMedia: break;
  }
  switch (MediaModeOf(mode)) {
    case kModeMidi: return kTextMidiPathSetup;
    case kModeVideo: return kTextVideoPathSetup;
    default: return kTextAudioPathSetup;
  }
}

const char* QuestionOf(BrowserKind kind, int mode) {
  switch (kind) {
    case BrowserKind::kExe: return kTextExeFilesQuestion;
    case BrowserKind::kMedia: break;
    default: return kTextBlank;
  }
  switch (MediaModeOf(mode)) {
    case kModeMidi: return kTextMidiFilesQuestion;
    case kModeVideo: return kTextVideoFilesQuestion;
    default: return kTextAudioFilesQuestion;
  }
}

bool HasCallerList(BrowserKind kind) {
  return kind == BrowserKind::kExe || kind == BrowserKind::kMedia;
}

}  // namespace

BrowserKind DecideBrowserKind(const BrowserCaller& caller) {
  if (caller.copyOrMoveOperation) return BrowserKind::kDestination;
  if (caller.exeSelection) return BrowserKind::kExe;
  if (caller.exportDialogOpen) return BrowserKind::kExport;
  if (caller.htmlDialogOpen) return BrowserKind::kHtml;
  return BrowserKind::kMedia;
}

std::string StartingFolder(BrowserKind kind, int mode, const FolderBrowserBuffers& buffers,
                           const MainSettings& settings) {
  switch (kind) {
    case BrowserKind::kDestination: return buffers.destinationFolder;
    case BrowserKind::kExe: return buffers.exeFolder;
    case BrowserKind::kExport:
    case BrowserKind::kHtml: return buffers.exportFolder;
    case BrowserKind::kMedia: break;
  }
  return *MediaFolder(MediaModeOf(mode), settings);
}

std::vector<std::string> CallerListPatterns(BrowserKind kind, int mode,
                                            const MainSettings& settings) {
  if (kind == BrowserKind::kExe) return {"*.exe"};
  if (kind == BrowserKind::kMedia) return MediaFilePatterns(MediaModeOf(mode), settings);
  return {};
}

std::vector<std::string> CallerListSearches(const std::vector<std::string>& patterns,
                                            const std::string& folder) {
  std::string base = folder;
  if (!base.empty() && base.back() != '\\' && base.back() != '/') base += '\\';
  std::vector<std::string> searches;
  searches.reserve(patterns.size());
  for (const std::string& pattern : patterns) searches.push_back(base + pattern);
  return searches;
}

FolderBrowserSetup SetUpFolderBrowser(const BrowserCaller& caller,
                                      const FolderBrowserBuffers& buffers,
                                      const MainSettings& settings) {
  FolderBrowserSetup setup;
  setup.kind = DecideBrowserKind(caller);
  setup.mode = setup.kind == BrowserKind::kMedia ? MediaModeOf(caller.mode) : caller.mode;
  setup.title = TitleOf(setup.kind, setup.mode);
  setup.filesQuestion = QuestionOf(setup.kind, setup.mode);
  setup.offersSearch = HasCallerList(setup.kind);
  if (setup.offersSearch) {
    setup.searchKind = setup.kind == BrowserKind::kExe ? SearchKind::kExecutable
                                                       : SearchKindForMode(setup.mode);
  }
  setup.searchAtOnce = buffers.searchMode && setup.offersSearch;
  setup.startingFolder = StartingFolder(setup.kind, setup.mode, buffers, settings);
  setup.callerListPatterns = CallerListPatterns(setup.kind, setup.mode, settings);
  return setup;
}

const char* FilesAnswer(BrowserKind kind, int callerListCount) {
  if (!HasCallerList(kind)) return kTextBlank;
  return callerListCount > 0 ? kTextFilesYes : kTextFilesNo;
}

void AcceptBrowsedFolder(BrowserKind kind, int mode, FolderBrowserBuffers& buffers,
                         MainSettings& settings) {
  buffers.accepted = true;
  if (kind == BrowserKind::kMedia) {
    *MediaFolder(MediaModeOf(mode), settings) = buffers.browsedFolder;
  } else if (kind == BrowserKind::kExe) {
    buffers.exeFolder = buffers.browsedFolder;
  }
}

}  // namespace bw
