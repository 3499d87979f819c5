// Normalising and checking a typed folder path.
#include "shell/folder_path.h"

#include <cctype>

namespace bw {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::optional<std::string> CheckFolderPath(std::string_view typed,
                                           const FolderExistsFunction& folderExists) {
  if (typed.empty()) return std::nullopt;
  std::string path(typed);
  path[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));

  if (path[0] >= 'A' && path[0] <= 'Z') {
    if (path.size() == 1) path += ':';
    path[1] = ':';
    // "D:" alone means the root; "D:folder" would mean a folder relative to whatever that
    // drive's current folder happens to be, which is no place to keep media.
    if (path.size() == 2) path += '\\';
    if (!IsSeparator(path[2])) return std::nullopt;
    for (std::size_t i = 2; i < path.size(); ++i) {
      if (path[i] == '/') path[i] = '\\';
      if (i > 2 && path[i] == '\\' && path[i - 1] == '\\') return std::nullopt;
    }
  } else if (path.size() < 2 || path[0] != '\\' || path[1] != '\\') {
    return std::nullopt;  // a network path is taken as typed
  }
  if (path.size() > kFolderPathLimit) return std::nullopt;

  const bool isDriveRoot = path.size() == 3 && path[1] == ':';
  const bool trailingSeparator = !isDriveRoot && path.back() == '\\';
  if (trailingSeparator) path.pop_back();
  if (!folderExists(path)) return std::nullopt;
  if (trailingSeparator) path += '\\';
  return path;
}

}  // namespace bw
