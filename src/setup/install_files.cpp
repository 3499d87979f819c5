// The installed file set and the source checks.
#include "setup/install_files.h"

#include <cctype>

namespace bw {
namespace setup {

const std::vector<std::string>& FilesToCopy() {
  static const std::vector<std::string> files = {
      "Readme.txt",  "BRINDWAX.exe", "DelBrix.exe", "brindhlp.hlp", "Default.wt",
      "Default.htm", "Default.gif",  "Defs.gif",    "WaxAnim.dll"};
  return files;
}

const std::vector<std::string>& OldFilesToDelete() {
  static const std::vector<std::string> files = {
      "ctl3d.dll",   "readme.txt",  "brindwax.exe", "delbrix.exe", "brindhlp.hlp",
      "default.wt",  "default.htm", "default.gif",  "defs.gif",    "waxanim.dll"};
  return files;
}

std::string TemporaryNameOf(const std::string& name) { return name + ".part"; }

namespace {

std::string FolderKey(const std::string& folder) {
  std::string key;
  key.reserve(folder.size() + 1);
  for (char c : folder) {
    const char slash = c == '/' ? '\\' : c;
    // Doubled separators ("C:\\x") name the same folder.
    if (slash == '\\' && !key.empty() && key.back() == '\\') continue;
    key.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(slash))));
  }
  if (key.empty() || key.back() != '\\') key.push_back('\\');
  return key;
}

}  // namespace

bool SameFolder(const std::string& a, const std::string& b) { return FolderKey(a) == FolderKey(b); }

SourceCheck CheckSource(FileSystem& files, const std::string& sourceFolder) {
  SourceCheck check;
  for (const std::string& name : FilesToCopy()) {
    FileInfo info;
    const std::string path = JoinPath(sourceFolder, name);
    if (!files.GetFileInfo(path, &info).IsOk()) {
      if (check.missingFile.empty()) check.missingFile = name;
      continue;
    }
    check.totalBytes += info.size;
  }
  check.ok = check.missingFile.empty();
  return check;
}

}  // namespace setup
}  // namespace bw
