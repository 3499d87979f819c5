// The Windows folder lister.
#include "filetools/directory_lister_win32.h"

#include <windows.h>

#include "base/win32_handles.h"
#include "filetools/critical_error_guard_win32.h"

namespace bw {
namespace {

unsigned AttributesOf(DWORD attributes) {
  unsigned result = 0;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) result |= kEntryFolder;
  if (attributes & FILE_ATTRIBUTE_HIDDEN) result |= kEntryHidden;
  if (attributes & FILE_ATTRIBUTE_SYSTEM) result |= kEntrySystem;
  if (attributes & FILE_ATTRIBUTE_READONLY) result |= kEntryReadOnly;
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) result |= kEntryLink;
  return result;
}

Status ErrorStatus(const std::string& what, const std::string& path, DWORD error) {
  std::string message = what + " " + path + " (Windows error " + std::to_string(error) + ")";
  if (error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME ||
      error == ERROR_NOT_READY || error == ERROR_DIRECTORY) {
    return Status::NotFound(message);
  }
  return Status::IoError(message);
}

// Opening a folder needs FILE_FLAG_BACKUP_SEMANTICS; no access right is asked for, so a
// folder that may be listed but not read still has its identity.
FileId IdentityOf(const std::string& folder) {
  FileId id;
  UniqueFileHandle handle(CreateFileA(folder.c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!handle || !GetFileInformationByHandle(handle.Get(), &info)) return id;
  id.volume = info.dwVolumeSerialNumber;
  id.index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  // Some network file systems answer 0 for every file; such an id tells folders apart from
  // nothing and must not make the walk skip them.
  id.known = id.index != 0;
  return id;
}

}  // namespace

int CompareNamesAsListBoxesDo(std::string_view a, std::string_view b) {
  const int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                                    static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
  if (result == 0) return CompareNamesIgnoringCase(a, b);  // the system could not compare them
  return result - CSTR_EQUAL;
}

Status Win32DirectoryLister::List(const std::string& folder, FileId* folderId,
                                  const DirectoryEntryVisitor& visit) {
  CriticalErrorGuard quiet;
  *folderId = FileId{};
  std::string pattern = folder;
  if (pattern.empty() || (pattern.back() != '\\' && pattern.back() != '/')) pattern += '\\';
  pattern += '*';

  WIN32_FIND_DATAA found{};
  UniqueFindHandle find(FindFirstFileA(pattern.c_str(), &found));
  if (!find) {
    const DWORD error = GetLastError();
    // An empty drive root has not even "." and ".." to give.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) {
      *folderId = IdentityOf(folder);
      return Status::Ok();
    }
    return ErrorStatus("cannot list folder", folder, error);
  }
  *folderId = IdentityOf(folder);
  do {
    const std::string_view name(found.cFileName);
    if (name.empty() || name == "." || name == "..") continue;
    visit(DirectoryEntry{name, AttributesOf(found.dwFileAttributes)});
  } while (FindNextFileA(find.Get(), &found));
  const DWORD error = GetLastError();
  if (error != ERROR_NO_MORE_FILES) return ErrorStatus("cannot list folder", folder, error);
  return Status::Ok();
}

}  // namespace bw
