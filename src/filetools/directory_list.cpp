// Building and navigating the folder browser's directory list.
#include "filetools/directory_list.h"

#include <algorithm>

#include "shell/folder_path.h"

namespace bw {
namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Length of the drive root ("D:\", 3) or of the share ("\\server\share\"), or 0 when the
// folder has neither.
std::size_t RootLength(std::string_view folder) {
  if (folder.size() >= 3 && IsDriveLetter(folder[0]) && folder[1] == ':' && folder[2] == '\\') {
    return 3;
  }
  if (folder.size() >= 2 && folder[0] == '\\' && folder[1] == '\\') {
    const std::size_t serverEnd = folder.find('\\', 2);
    if (serverEnd == std::string_view::npos || serverEnd == 2) return 0;
    const std::size_t shareEnd = folder.find('\\', serverEnd + 1);
    if (shareEnd == std::string_view::npos || shareEnd == serverEnd + 1) return 0;
    return shareEnd + 1;
  }
  return 0;
}

std::vector<std::string_view> ComponentsAfter(std::string_view folder, std::size_t start) {
  std::vector<std::string_view> components;
  while (start < folder.size()) {
    std::size_t end = folder.find('\\', start);
    if (end == std::string_view::npos) end = folder.size();
    if (end > start) components.push_back(folder.substr(start, end - start));
    start = end + 1;
  }
  return components;
}

}  // namespace

std::uint32_t DirectoryItemData(const DirectoryLine& line) {
  return (line.subfolder ? 0x10000u : 0u) | (static_cast<std::uint32_t>(line.indent) & 0xFFFFu);
}

DirectoryLine LineFromItemData(std::uint32_t itemData) {
  DirectoryLine line;
  line.indent = static_cast<int>(itemData & 0xFFFFu);
  line.subfolder = (itemData >> 16) == 1;
  return line;
}

std::string WithTrailingSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

std::vector<std::string> AncestorChain(std::string_view folder) {
  const std::string path = WithTrailingSeparator(std::string(folder));
  std::vector<std::string> chain;
  if (path.empty()) return chain;
  const bool drivePath = RootLength(path) == 3 && path[1] == ':';
  if (!drivePath) {
    chain.push_back(path);  // a network path is shown whole
    return chain;
  }
  chain.push_back(path.substr(0, 3));
  for (std::string_view component : ComponentsAfter(path, 3)) chain.emplace_back(component);
  return chain;
}

DirectoryList MakeDirectoryList(std::string folder, std::vector<std::string> subfolders,
                                const NameOrder& order) {
  DirectoryList list;
  list.folder = WithTrailingSeparator(std::move(folder));
  const std::vector<std::string> chain = AncestorChain(list.folder);
  list.chainCount = chain.size();
  list.lines.reserve(chain.size() + subfolders.size());
  for (std::size_t i = 0; i < chain.size(); ++i) {
    list.lines.push_back(DirectoryLine{chain[i], static_cast<int>(i) * kDirectoryIndentStep, false});
  }
  subfolders.erase(std::remove_if(subfolders.begin(), subfolders.end(),
                                  [](const std::string& name) {
                                    return name.empty() || name == "." || name == "..";
                                  }),
                   subfolders.end());
  std::sort(subfolders.begin(), subfolders.end(),
            [&order](const std::string& a, const std::string& b) { return NameBefore(order, a, b); });
  const int subfolderIndent = static_cast<int>(list.chainCount) * kDirectoryIndentStep;
  for (std::string& name : subfolders) {
    list.lines.push_back(DirectoryLine{std::move(name), subfolderIndent, true});
  }
  return list;
}

DirectoryList ReadDirectoryList(DirectoryLister& lister, std::string folder,
                                const NameOrder& order) {
  folder = WithTrailingSeparator(std::move(folder));
  std::vector<std::string> subfolders;
  FileId ignored;
  const Status status = lister.List(folder, &ignored, [&subfolders](const DirectoryEntry& entry) {
    if (entry.IsFolder()) subfolders.emplace_back(entry.name);
  });
  if (!status.IsOk()) subfolders.clear();
  return MakeDirectoryList(std::move(folder), std::move(subfolders), order);
}

std::string AncestorTarget(std::string_view folder, std::size_t index) {
  const std::string path = WithTrailingSeparator(std::string(folder));
  const std::size_t rootLength = RootLength(path);
  if (rootLength == 0) return path;
  const std::vector<std::string_view> components = ComponentsAfter(path, rootLength);
  if (components.empty()) return path;  // a drive root or a share has no parent to go to

  // A drive path's chain has one entry per component below the root; a network path's
  // chain is the one entry of the browsed folder.
  const std::size_t chainCount = path[1] == ':' ? components.size() + 1 : 1;
  const std::size_t below = index < chainCount ? chainCount - 1 - index : 0;
  const std::size_t remove = std::min(std::max<std::size_t>(below, 1), components.size());

  // Cut the path itself just after the last component kept, so the result is always the
  // start of the browsed folder.
  if (remove == components.size()) return path.substr(0, rootLength);
  const std::string_view kept = components[components.size() - remove - 1];
  const std::size_t end = static_cast<std::size_t>(kept.data() - path.data()) + kept.size();
  return path.substr(0, end + 1);
}

std::optional<std::string> SubfolderTarget(std::string_view folder, std::string_view name) {
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of("\\/") != std::string_view::npos) {
    return std::nullopt;
  }
  std::string target = WithTrailingSeparator(std::string(folder));
  target.append(name.data(), name.size());
  target += '\\';
  if (target.size() > kFolderPathLimit) return std::nullopt;
  return target;
}

std::optional<DirectoryNavigation> NavigateDirectoryLine(const DirectoryList& list,
                                                         std::size_t index) {
  if (index < list.chainCount) return DirectoryNavigation{AncestorTarget(list.folder, index), true};
  if (index >= list.lines.size()) return std::nullopt;
  std::optional<std::string> target = SubfolderTarget(list.folder, list.lines[index].text);
  if (!target) return std::nullopt;
  return DirectoryNavigation{std::move(*target), false};
}

int DirectoryIconSize(bool largeFonts) { return largeFonts ? 20 : 16; }

int DirectoryListExtent(const DirectoryList& list,
                        const std::function<int(const std::string& text)>& textWidth,
                        bool largeFonts, int averageCharWidth) {
  int widest = 0;
  for (const DirectoryLine& line : list.lines) {
    widest = std::max(widest, line.indent + DirectoryIconSize(largeFonts) + textWidth(line.text));
  }
  return widest + averageCharWidth;
}

}  // namespace bw
