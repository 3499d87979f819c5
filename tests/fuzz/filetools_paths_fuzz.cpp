// Fuzz target for the folder browser's path handling and the file-name patterns: any bytes
// as a browsed folder, subfolder names and a pattern. Every line of the directory list leads
// to a folder ending in "\" that is the browsed folder itself, one of its ancestors, or one
// of its subfolders within the 259-character limit; patterns never fail to match themselves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "filetools/directory_list.h"
#include "filetools/drive_entries.h"
#include "filetools/file_pattern.h"
#include "filetools/search_kind.h"

namespace {

bool HasWildcard(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Fields are separated by NUL bytes: folder, pattern, then subfolder names.
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      fields.emplace_back();
    } else {
      fields.back() += static_cast<char>(data[i]);
    }
  }
  const std::string folder = fields[0];
  const std::string pattern = fields.size() > 1 ? fields[1] : "*.wav";
  std::vector<std::string> names(fields.begin() + (fields.size() > 2 ? 2 : fields.size()), fields.end());

  const bw::DirectoryList list = bw::MakeDirectoryList(folder, names);
  if (list.chainCount > list.lines.size()) std::abort();
  const std::string browsed = bw::WithTrailingSeparator(folder);
  if (list.folder != browsed) std::abort();
  for (std::size_t i = 0; i <= list.lines.size(); ++i) {
    const auto navigation = bw::NavigateDirectoryLine(list, i);
    if (!navigation) {
      if (i < list.chainCount) std::abort();  // an ancestor is always somewhere to go
      continue;
    }
    const std::string& target = navigation->folder;
    if (target.empty() || target.back() != '\\') std::abort();
    if (navigation->toAncestor) {
      if (browsed.compare(0, target.size(), target) != 0) std::abort();  // never leaves the path
    } else {
      if (target.size() > 259 || target.compare(0, browsed.size(), browsed) != 0) std::abort();
    }
  }

  for (const std::string& name : names) {
    if (!bw::MatchesFilePattern(name, "*")) std::abort();
    if (!HasWildcard(name) && !bw::MatchesFilePattern(name, name)) std::abort();
    (void)bw::MatchesFilePattern(name, pattern);
  }
  (void)bw::DriveLetterOfEntry(folder);
  (void)bw::FindDriveEntry(names, folder);
  if (const auto drive = bw::SearchDriveOf(folder)) {
    if (drive->size() != 2 || (*drive)[0] < 'A' || (*drive)[0] > 'Z') std::abort();
  }
  const std::string after = bw::FolderAfterDriveChange(true, folder, "C:\\Music\\");
  if (after.size() > 259 && after != "C:\\Music\\") std::abort();
  return 0;
}
