// Counting the selected files and their bytes.
#include "filetools/selection_summary.h"

#include "filetools/file_tool_texts.h"
#include "shell/text_helpers.h"

namespace bw {

std::string SelectionSummaryText(FileSystem& files, const std::vector<std::string>& paths) {
  std::uint64_t bytes = 0;
  for (const std::string& path : paths) {
    FileInfo info;
    if (files.GetFileInfo(path, &info).IsOk()) bytes += info.size;
  }
  return std::to_string(paths.size()) + (paths.size() == 1 ? kTextOneFile : kTextManyFiles) +
         ByteCountText(bytes);
}

}  // namespace bw
