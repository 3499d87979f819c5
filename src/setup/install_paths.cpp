// The installer's folders.
#include "setup/install_paths.h"

#include "filetools/directory_list.h"

namespace bw {
namespace setup {

std::string FolderOfProgram(const std::string& programPath) {
  const std::size_t cut = programPath.find_last_of("\\/");
  if (cut == std::string::npos) return std::string();
  return programPath.substr(0, cut + 1);
}

std::string DefaultDestination(const std::string& programFilesFolder) {
  if (programFilesFolder.empty()) return "C:\\Brindlewax\\";
  return WithTrailingSeparator(programFilesFolder) + "Brindlewax\\";
}

namespace {

// Where the part below the root begins: after "C:\" or after "\\server\share\"; npos when
// the path has no root.
std::size_t BelowRoot(const std::string& path) {
  if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return 3;
  if (path.rfind("\\\\", 0) == 0) {
    const std::size_t server = path.find('\\', 2);
    if (server == std::string::npos || server == 2) return std::string::npos;
    const std::size_t share = path.find('\\', server + 1);
    if (share == std::string::npos || share == server + 1) return std::string::npos;
    return share + 1;
  }
  return std::string::npos;
}

}  // namespace

std::vector<std::string> FoldersAlongPath(const std::string& destination) {
  std::vector<std::string> folders;
  const std::string path = WithTrailingSeparator(destination);
  const std::size_t start = BelowRoot(path);
  if (start == std::string::npos) return folders;
  for (std::size_t at = path.find('\\', start); at != std::string::npos; at = path.find('\\', at + 1)) {
    // "C:\a\\b": an empty component names no folder of its own.
    if (at == start || path[at - 1] == '\\') continue;
    folders.push_back(path.substr(0, at));
  }
  return folders;
}

std::string WorkingFolderOf(const std::string& destination) {
  std::string folder = WithTrailingSeparator(destination);
  if (folder.size() > 3 || BelowRoot(folder) == std::string::npos) folder.pop_back();
  return folder;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

}  // namespace setup
}  // namespace bw
