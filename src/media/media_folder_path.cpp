// Media folders from typed and dropped paths.
#include "media/media_folder_path.h"

namespace bw {

std::optional<std::string> NormaliseMediaFolder(std::string_view typed,
                                                const FolderExistsFunction& makeCurrent) {
  std::optional<std::string> folder = CheckFolderPath(typed, makeCurrent);
  if (!folder) return std::nullopt;
  if (folder->back() != '\\') *folder += '\\';
  if (folder->size() > kFolderPathLimit) return std::nullopt;
  return folder;
}

std::string DroppedItemFolderText(std::string_view item, bool isFolder) {
  std::string_view text = item.substr(0, kDroppedItemLimit);
  if (isFolder) return std::string(text);
  const std::size_t separator = text.find_last_of('\\');
  return std::string(separator == std::string_view::npos ? text : text.substr(0, separator));
}

}  // namespace bw
