// The installer's folders: the source taken from the installer's own path, the default
// destination, and the folders of a destination path that may need creating.
#pragma once

#include <string>
#include <vector>

namespace bw {
namespace setup {

// The folder of a program path, with its final "\" ("D:\CD\setup.exe" -> "D:\CD\").
std::string FolderOfProgram(const std::string& programPath);

// "Brindlewax" under the Program Files folder, ending in "\".
std::string DefaultDestination(const std::string& programFilesFolder);

// The folders a destination walk looks at, from the left: every folder below the drive root
// (or below "\\server\share\"), without its final "\". "C:\Program Files\Brindlewax\" gives
// "C:\Program Files" and "C:\Program Files\Brindlewax". A path without a root gives nothing.
std::vector<std::string> FoldersAlongPath(const std::string& destination);

// The destination written into the shortcut as its working folder: without its final "\",
// except for a drive root, which keeps it ("C:\").
std::string WorkingFolderOf(const std::string& destination);

// A path as a command line quotes it: in double quotes.
std::string Quoted(const std::string& path);

}  // namespace setup
}  // namespace bw
