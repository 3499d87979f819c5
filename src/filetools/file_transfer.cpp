// The copy and move job: checks first, then one file after another.
#include "filetools/file_transfer.h"

#include "filetools/file_copier.h"
#include "filetools/file_tool_paths.h"
#include "filetools/file_tool_texts.h"
#include "shell/folder_path.h"
#include "shell/program_mode.h"
#include "shell/settings.h"
#include "shell/texts.h"

namespace bw {
namespace {

// Long enough for the temporary copy's name ("~BWC0001.TMP").
constexpr std::size_t kTemporaryNameLength = 12;

std::string TargetOf(const TransferJob& job, const std::string& source) {
  return InFolder(job.destination, NamePart(source));
}

// Whether a file of the job is written anew at the destination (a move on one volume is only
// a rename and needs no room).
bool NeedsRoom(const TransferJob& job, const std::string& source) {
  if (job.operation == TransferOperation::kCopy) return true;
  const std::string volume = VolumeOf(source);
  return volume.empty() || volume != VolumeOf(job.destination);
}

const char* FailureText(TransferResult result, const std::string& source, std::string* text) {
  switch (result) {
    case TransferResult::kCannotRead: return kTextCannotReadFile;
    case TransferResult::kCannotDelete:
      *text = kTextCannotDeleteFile + NamePart(source);
      return text->c_str();
    case TransferResult::kCannotCopy:
    case TransferResult::kDone: break;
  }
  return kTextCannotCopyFile;
}

}  // namespace

std::optional<std::string> DestinationFolder(FileSystem& files, const std::string& typed) {
  std::optional<std::string> folder = CheckFolderPath(
      typed, [&files](const std::string& path) { return IsFolder(files, path); });
  if (!folder) return std::nullopt;
  if (folder->back() != '\\') *folder += '\\';
  if (folder->size() > kFolderPathLimit) return std::nullopt;
  return folder;
}

std::optional<std::string> CheckTransfer(FileSystem& files, const TransferJob& job) {
  if (job.destination.size() + kTemporaryNameLength > kFileToolPathLimit) return kTextInvalidPath;
  std::uint64_t needed = 0;
  for (const std::string& source : job.sources) {
    const std::string target = TargetOf(job, source);
    if (target.size() > kFileToolPathLimit) return kTextInvalidPath;
    if (IsSamePath(source, target)) return kTextCopyOverItself;
    FileInfo info;
    if (NeedsRoom(job, source) && files.GetFileInfo(source, &info).IsOk()) needed += info.size;
  }
  std::uint64_t free = 0;
  // A volume that cannot tell its free space is tried anyway; a copy that then runs out of
  // room fails cleanly and leaves nothing behind.
  if (files.GetFreeBytes(job.destination, &free).IsOk() && needed > free) {
    return kTextNotEnoughSpace;
  }
  return std::nullopt;
}

TransferSummary RunTransfer(FileSystem& files, const TransferJob& job, TransferHost& host) {
  TransferSummary summary;
  bool overwriteAll = false;
  const CopyProgressFunction progress = [&host](std::uint64_t, std::uint64_t) {
    return !host.StopRequested();
  };
  for (std::size_t index = 0; index < job.sources.size(); ++index) {
    const std::string& source = job.sources[index];
    const std::string target = TargetOf(job, source);
    host.ShowProgress(index, job.sources.size(), source);
    if (host.StopRequested()) {
      summary.canceled = true;
      return summary;
    }
    bool replace = false;
    if (files.Exists(target)) {
      if (IsFolder(files, target)) {
        summary.failed = true;
        host.ShowFailure(kTextCannotCopyFile);
        return summary;
      }
      ExistingFileChoice choice =
          overwriteAll ? ExistingFileChoice::kOverwrite : host.AskExisting(source, target);
      if (choice == ExistingFileChoice::kCancel) {
        summary.canceled = true;
        return summary;
      }
      if (choice == ExistingFileChoice::kSkip) {
        ++summary.skipped;
        continue;
      }
      if (choice == ExistingFileChoice::kOverwriteAll) overwriteAll = true;
      replace = true;
    }
    const TransferResult result =
        job.operation == TransferOperation::kCopy
            ? CopyOneFile(files, source, target, replace, progress)
            : MoveOneFile(files, source, target, replace, progress);
    if (result == TransferResult::kDone) {
      ++summary.done;
      continue;
    }
    if (host.StopRequested()) {
      summary.canceled = true;
      return summary;
    }
    // A move whose copy is complete has done its part of the job even if the source stays.
    if (result == TransferResult::kCannotDelete) ++summary.done;
    summary.failed = true;
    std::string text;
    host.ShowFailure(FailureText(result, source, &text));
    return summary;
  }
  return summary;
}

const char* LastDestinationKey(int mode, TransferOperation operation) {
  const bool copy = operation == TransferOperation::kCopy;
  switch (mode) {
    case kModeMidi: return copy ? "MidiCopyToPath" : "MidiMoveToPath";
    case kModeVideo: return copy ? "VideoCopyToPath" : "VideoMoveToPath";
    default: return copy ? "WaveCopyToPath" : "WaveMoveToPath";
  }
}

std::string ReadLastDestination(ProfileStore& store, int mode, TransferOperation operation) {
  std::string folder = store.Get(kMainSection, LastDestinationKey(mode, operation), "");
  if (folder.size() > kFolderPathLimit) folder.clear();
  return folder;
}

void WriteLastDestination(ProfileStore& store, int mode, TransferOperation operation,
                          const std::string& folder) {
  store.Set(kMainSection, LastDestinationKey(mode, operation), folder);
}

}  // namespace bw
