// The media folder a panel takes from its location edit or from a dropped file or folder:
// always a checked folder that ends in "\" and fits the program's 260-character buffers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/folder_path.h"

namespace bw {

// Dropped items are read into a buffer of 256 characters.
inline constexpr std::size_t kDroppedItemLimit = 255;

// The typed folder in the program's form ("d:/music" -> "D:\music\", "e:" -> "E:\"), or
// nothing when it is invalid: no drive letter or network path, two separators in a row, not a
// folder `makeCurrent` can enter, or longer than 259 characters with its final "\".
// `makeCurrent` is shown the folder without its final "\" (a drive root keeps it).
std::optional<std::string> NormaliseMediaFolder(std::string_view typed,
                                                const FolderExistsFunction& makeCurrent);

// What a dropped item gives the folder normalisation: a folder as it is, a file cut at its
// last "\" (the separator dropped).
std::string DroppedItemFolderText(std::string_view item, bool isFolder);

}  // namespace bw
