// The POSIX folder lister: opendir/readdir on a descriptor whose fstat names the folder.
#include "filetools/directory_lister_posix.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/unique_handle.h"

namespace bw {
namespace {

struct DirTraits {
  using Handle = DIR*;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { closedir(handle); }
};
using UniqueDir = UniqueHandle<DirTraits>;

struct DescriptorTraits {
  using Handle = int;
  static Handle Invalid() noexcept { return -1; }
  static void Close(Handle handle) noexcept { close(handle); }
};
using UniqueDescriptor = UniqueHandle<DescriptorTraits>;

int DriveIndex(char letter) {
  if (letter >= 'a' && letter <= 'z') return letter - 'a';
  if (letter >= 'A' && letter <= 'Z') return letter - 'A';
  return -1;
}

Status ErrnoStatus(const std::string& what, const std::string& path, int error) {
  std::string message = what + " " + path + " (" + strerror(error) + ")";
  if (error == ENOENT || error == ENOTDIR) return Status::NotFound(message);
  return Status::IoError(message);
}

unsigned AttributesOf(int folderFd, const struct dirent& entry) {
  unsigned attributes = entry.d_name[0] == '.' ? static_cast<unsigned>(kEntryHidden) : 0u;
  unsigned char type = entry.d_type;
  if (type == DT_UNKNOWN) {
    struct stat info;
    if (fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) return attributes;
    type = S_ISLNK(info.st_mode) ? DT_LNK : S_ISDIR(info.st_mode) ? DT_DIR : DT_REG;
  }
  if (type == DT_DIR) return attributes | kEntryFolder;
  if (type == DT_LNK) {
    attributes |= kEntryLink;
    struct stat target;
    if (fstatat(folderFd, entry.d_name, &target, 0) == 0 && S_ISDIR(target.st_mode)) {
      attributes |= kEntryFolder;
    }
  }
  return attributes;
}

}  // namespace

void PosixDirectoryLister::MountDrive(char letter, std::string hostFolder) {
  const int index = DriveIndex(letter);
  if (index < 0) return;
  while (hostFolder.size() > 1 && hostFolder.back() == '/') hostFolder.pop_back();
  mounts_[static_cast<std::size_t>(index)] = std::move(hostFolder);
}

std::optional<std::string> PosixDirectoryLister::HostPath(const std::string& programPath) const {
  if (programPath.size() < 2 || programPath[1] != ':') return std::nullopt;
  const int index = DriveIndex(programPath[0]);
  if (index < 0 || mounts_[static_cast<std::size_t>(index)].empty()) return std::nullopt;
  std::string host = mounts_[static_cast<std::size_t>(index)];
  std::size_t start = 2;
  while (start <= programPath.size()) {
    std::size_t end = programPath.find('\\', start);
    if (end == std::string::npos) end = programPath.size();
    const std::string_view component(programPath.data() + start, end - start);
    if (component == "..") return std::nullopt;
    if (!component.empty() && component != ".") {
      if (host.back() != '/') host += '/';
      host.append(component.data(), component.size());
    }
    start = end + 1;
  }
  return host;
}

Status PosixDirectoryLister::List(const std::string& folder, FileId* folderId,
                                  const DirectoryEntryVisitor& visit) {
  *folderId = FileId{};
  const std::optional<std::string> host = HostPath(folder);
  if (!host) return Status::NotFound("no mounted drive holds " + folder);

  UniqueDescriptor descriptor(open(host->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!descriptor) return ErrnoStatus("cannot open folder", *host, errno);
  struct stat info;
  if (fstat(descriptor.Get(), &info) == 0) {
    folderId->volume = static_cast<std::uint64_t>(info.st_dev);
    folderId->index = static_cast<std::uint64_t>(info.st_ino);
    folderId->known = true;
  }
  UniqueDir dir(fdopendir(descriptor.Get()));
  if (!dir) return ErrnoStatus("cannot list folder", *host, errno);
  descriptor.Release();  // the DIR stream owns the descriptor now

  const int fd = dirfd(dir.Get());
  for (;;) {
    errno = 0;
    const struct dirent* entry = readdir(dir.Get());
    if (entry == nullptr) {
      if (errno != 0) return ErrnoStatus("cannot list folder", *host, errno);
      return Status::Ok();
    }
    const std::string_view name(entry->d_name);
    if (name == "." || name == "..") continue;
    visit(DirectoryEntry{name, AttributesOf(fd, *entry)});
  }
}

}  // namespace bw
