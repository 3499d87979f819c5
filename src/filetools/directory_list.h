// The folder browser's directory list: the ancestor chain of the browsed folder (the drive
// root, then each component, the browsed folder last), then its subfolders in sorted order;
// with the indent and glyph of each line and the folder a double-click on a line goes to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "filetools/directory_lister.h"

namespace bw {

inline constexpr int kDirectoryIndentStep = 4;  // pixels per chain level
inline constexpr int kChainFolderGlyph = 6;     // icon cells of the browser's strip
inline constexpr int kSubfolderGlyph = 5;

struct DirectoryLine {
  std::string text;
  int indent = 0;  // pixels
  bool subfolder = false;

  int Glyph() const { return subfolder ? kSubfolderGlyph : kChainFolderGlyph; }
  bool operator==(const DirectoryLine& other) const {
    return text == other.text && indent == other.indent && subfolder == other.subfolder;
  }
};

// The item data of a line: the indent in the low word, 1 in the high word for subfolders.
std::uint32_t DirectoryItemData(const DirectoryLine& line);
DirectoryLine LineFromItemData(std::uint32_t itemData);  // text left empty

struct DirectoryList {
  std::string folder;  // the browsed folder, ending in "\"
  std::vector<DirectoryLine> lines;
  std::size_t chainCount = 0;  // the first lines, down to the browsed folder itself
};

// `folder` with one final "\" ("D:" becomes "D:\").
std::string WithTrailingSeparator(std::string folder);

// "D:\Music\Rock\" -> "D:\", "Music", "Rock". A network path ("\\server\share\x\") and any
// path without a drive root is one entry, the whole path.
std::vector<std::string> AncestorChain(std::string_view folder);

// The list for `folder` with these subfolder names (sorted here by `order`).
DirectoryList MakeDirectoryList(std::string folder, std::vector<std::string> subfolders,
                                const NameOrder& order = CompareNamesIgnoringCase);

// The same, with the subfolders read through `lister`; a folder that cannot be listed
// shows its chain alone.
DirectoryList ReadDirectoryList(DirectoryLister& lister, std::string folder,
                                const NameOrder& order = CompareNamesIgnoringCase);

// The folder a double-click on chain entry `index` asks for: as many trailing components
// removed as the chain has levels below the entry, at least one, so the browsed folder's own
// entry goes to its parent. A drive root ("D:\") and a share ("\\server\share\") stay.
std::string AncestorTarget(std::string_view folder, std::size_t index);

// The folder a double-click on subfolder `name` asks for; none when its path would not fit
// the program's 260-character buffers.
std::optional<std::string> SubfolderTarget(std::string_view folder, std::string_view name);

struct DirectoryNavigation {
  std::string folder;  // ends in "\"; the window enters it only if it can be made current
  bool toAncestor = false;
};

// What a double-click on line `index` of `list` asks for; none for an index past the list
// or a subfolder too long to enter.
std::optional<DirectoryNavigation> NavigateDirectoryLine(const DirectoryList& list,
                                                         std::size_t index);

// Icons are drawn 20 pixels wide with large fonts, else 16.
int DirectoryIconSize(bool largeFonts);

// The list's horizontal extent: the widest line with its indent and icon, plus the font's
// average character width. `textWidth` measures a text in the list's font.
int DirectoryListExtent(const DirectoryList& list,
                        const std::function<int(const std::string& text)>& textWidth,
                        bool largeFonts, int averageCharWidth);

}  // namespace bw
