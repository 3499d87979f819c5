// Checks a folder path typed into a location field and puts it into the program's form.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace bw {

// Folders are kept in buffers of 260 characters, terminator included.
inline constexpr std::size_t kFolderPathLimit = 259;

using FolderExistsFunction = std::function<bool(const std::string& folder)>;

// The typed text as a folder: first letter upper case; a drive letter followed by ":" (one
// letter alone, or a letter and ":", is that drive's root, "D:\"); "/" turned into "\"; a
// network path ("\\server\share") taken as typed. A trailing "\" is kept but not shown to
// `folderExists`, except on a drive root. No result when the text is no such folder, holds
// two separators in a row, does not start with a letter or "\\", or is too long: the caller
// then shows kTextInvalidPath and keeps its current folder.
std::optional<std::string> CheckFolderPath(std::string_view typed,
                                           const FolderExistsFunction& folderExists);

}  // namespace bw
