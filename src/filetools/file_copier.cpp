// One file copied or moved through a temporary name.
#include "filetools/file_copier.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "filetools/file_tool_paths.h"

namespace bw {
namespace {

constexpr std::size_t kPieceSize = 256 * 1024;

// Removes the temporary copy unless it was given its name.
class TemporaryFile {
 public:
  TemporaryFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!kept_) (void)files_.Remove(path_);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::string& Path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  FileSystem& files_;
  std::string path_;
  bool kept_ = false;
};

// Copies every byte of `from` into `to`; a short or failed read is the source's fault.
TransferResult CopyBytes(File& from, File& to, std::uint64_t size,
                         const CopyProgressFunction& progress) {
  std::vector<char> piece(kPieceSize);
  std::uint64_t copied = 0;
  while (copied < size) {
    const std::size_t wanted =
        static_cast<std::size_t>(size - copied < kPieceSize ? size - copied : kPieceSize);
    std::size_t got = 0;
    if (!from.ReadAt(copied, piece.data(), wanted, &got).IsOk() || got != wanted) {
      return TransferResult::kCannotRead;
    }
    if (!to.WriteAt(copied, piece.data(), got).IsOk()) return TransferResult::kCannotCopy;
    copied += got;
    if (progress && !progress(copied, size)) return TransferResult::kCannotCopy;
  }
  return TransferResult::kDone;
}

}  // namespace

std::string TemporaryCopyName(FileSystem& files, const std::string& folder) {
  for (int number = 1; number < 10000; ++number) {
    char name[16];
    std::snprintf(name, sizeof name, "~BWC%04d.TMP", number);
    const std::string path = InFolder(folder, name);
    if (!files.Exists(path)) return path;
  }
  return InFolder(folder, "~BWC0000.TMP");
}

TransferResult CopyOneFile(FileSystem& files, const std::string& source, const std::string& target,
                           bool replace, const CopyProgressFunction& progress) {
  std::unique_ptr<File> from;
  if (!files.Open(source, OpenMode::kRead, &from).IsOk()) return TransferResult::kCannotRead;
  std::uint64_t size = 0;
  if (!from->GetSize(&size).IsOk()) return TransferResult::kCannotRead;
  if (!replace && files.Exists(target)) return TransferResult::kCannotCopy;

  const std::string folder = FolderPart(target);
  TemporaryFile temporary(files, TemporaryCopyName(files, folder));
  std::unique_ptr<File> to;  // closed before the temporary file is removed
  if (!files.Open(temporary.Path(), OpenMode::kCreateNew, &to).IsOk()) {
    temporary.Keep();  // it is not ours: someone else made it meanwhile
    return TransferResult::kCannotCopy;
  }
  const TransferResult copied = CopyBytes(*from, *to, size, progress);
  if (copied != TransferResult::kDone) {
    to.reset();
    return copied;
  }
  std::uint64_t written = 0;
  const bool complete = to->Sync().IsOk() && to->GetSize(&written).IsOk() && written == size;
  to.reset();
  from.reset();
  if (!complete) return TransferResult::kCannotCopy;
  // A date that cannot be kept does not spoil the copy.
  (void)files.CopyModifiedTime(source, temporary.Path());
  // Checked once more: a file that appeared meanwhile is not overwritten without a yes.
  if (!replace && files.Exists(target)) return TransferResult::kCannotCopy;
  if (!files.Rename(temporary.Path(), target).IsOk()) return TransferResult::kCannotCopy;
  temporary.Keep();
  (void)files.SyncFolder(folder);
  return TransferResult::kDone;
}

TransferResult MoveOneFile(FileSystem& files, const std::string& source, const std::string& target,
                           bool replace, const CopyProgressFunction& progress) {
  if (!files.Exists(source)) return TransferResult::kCannotRead;
  if (!replace && files.Exists(target)) return TransferResult::kCannotCopy;
  const std::string volume = VolumeOf(source);
  if (!volume.empty() && volume == VolumeOf(target)) {
    if (!files.Rename(source, target).IsOk()) return TransferResult::kCannotCopy;
    (void)files.SyncFolder(FolderPart(target));
    return TransferResult::kDone;
  }
  const TransferResult copied = CopyOneFile(files, source, target, replace, progress);
  if (copied != TransferResult::kDone) return copied;
  // The copy's size was checked before it got its name; now the original may go.
  FileInfo original;
  FileInfo copy;
  if (!files.GetFileInfo(source, &original).IsOk() || !files.GetFileInfo(target, &copy).IsOk() ||
      original.size != copy.size) {
    return TransferResult::kCannotDelete;
  }
  if (!files.Remove(source).IsOk()) return TransferResult::kCannotDelete;
  return TransferResult::kDone;
}

}  // namespace bw
