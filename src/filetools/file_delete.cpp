// Deleting files one by one.
#include "filetools/file_delete.h"

#include "filetools/file_tool_paths.h"
#include "filetools/file_tool_texts.h"

namespace bw {

DeleteSummary DeleteFiles(FileSystem& files, const std::vector<std::string>& paths) {
  DeleteSummary summary;
  for (const std::string& path : paths) {
    // Only files: a folder that took a listed file's name meanwhile is not touched.
    FileInfo info;
    if (files.GetFileInfo(path, &info).IsOk() && files.Remove(path).IsOk()) {
      ++summary.deleted;
    } else {
      summary.failedNames.push_back(NamePart(path));
    }
  }
  return summary;
}

std::optional<std::string> DeleteFailureText(const DeleteSummary& summary) {
  if (summary.failedNames.empty()) return std::nullopt;
  // The message box holds a few lines; the rest are counted.
  constexpr std::size_t kNamesShown = 8;
  std::string text = kTextCannotDeleteFile;
  const std::size_t count = summary.failedNames.size();
  for (std::size_t i = 0; i < count && i < kNamesShown; ++i) {
    text += (i ? ", " : "") + summary.failedNames[i];
  }
  if (count > kNamesShown) text += " (and " + std::to_string(count - kNamesShown) + " more)";
  return text;
}

}  // namespace bw
