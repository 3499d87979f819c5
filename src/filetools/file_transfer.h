// Copying and moving the selected files of a media panel into one destination folder: the
// checks made before anything is written, the question for each file that already exists
// there, and the last destination of each kind and operation in the settings file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/profile_store.h"

namespace bw {

// The operation codes of the media panels: 1 copy, 2 move.
enum class TransferOperation { kCopy = 1, kMove = 2 };

enum class ExistingFileChoice { kOverwrite, kSkip, kOverwriteAll, kCancel };

struct TransferJob {
  TransferOperation operation = TransferOperation::kCopy;
  std::vector<std::string> sources;  // full paths
  std::string destination;           // a folder, ending in "\"
};

// What a running transfer asks and tells; the dialogs answer.
class TransferHost {
 public:
  virtual ~TransferHost() = default;
  // `target` exists already: what to do with it.
  virtual ExistingFileChoice AskExisting(const std::string& source, const std::string& target) = 0;
  // Before each file: its place in the job (from 0) and its path.
  virtual void ShowProgress(std::size_t index, std::size_t count, const std::string& source) = 0;
  // Told a failure's text ("Error: Can't copy file!"); the job ends there.
  virtual void ShowFailure(const std::string& text) = 0;
  // Asked between pieces of a long copy; true ends the job as a cancel does.
  virtual bool StopRequested() { return false; }
};

struct TransferSummary {
  int done = 0;     // files copied or moved
  int skipped = 0;  // existing files the user kept
  bool canceled = false;
  bool failed = false;
};

// The typed destination as a folder ending in "\", when it is one: "d:/music" gives
// "D:\Music\" when that folder exists. None for anything CheckFolderPath refuses.
std::optional<std::string> DestinationFolder(FileSystem& files, const std::string& typed);

// The reason the whole job is refused, before anything is written, as the text to show:
// "Invalid path!" when a target or the temporary copy's path would pass 259 characters,
// "Error: Can't copy file over itself!" when a file is its own target, "Not enough disk
// space to copy file(s)!" when the destination's volume cannot hold the copies. None when
// the job may start.
std::optional<std::string> CheckTransfer(FileSystem& files, const TransferJob& job);

// Runs the job file by file, in order. An existing target is replaced only on the user's
// Overwrite or Overwrite All; Skip keeps it, Cancel ends the job with the files done so
// far. The first failure ends the job.
TransferSummary RunTransfer(FileSystem& files, const TransferJob& job, TransferHost& host);

// The last destination key of a kind and operation: "WaveCopyToPath", "WaveMoveToPath",
// "MidiCopyToPath", ... "VideoMoveToPath"; `mode` is 50 Audio, 51 MIDI or 52 Video.
const char* LastDestinationKey(int mode, TransferOperation operation);
std::string ReadLastDestination(ProfileStore& store, int mode, TransferOperation operation);
void WriteLastDestination(ProfileStore& store, int mode, TransferOperation operation,
                          const std::string& folder);

}  // namespace bw
