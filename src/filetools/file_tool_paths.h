// Paths as the file tools compare, join and check them: Windows paths ("C:\Music\a.wav",
// "\\server\share\a.wav"), whatever the machine the core is built on.
#pragma once

#include <string>
#include <string_view>

#include "base/file_system.h"

namespace bw {

// The longest full path the file tools write or rename to; the program's path buffers hold
// 260 characters with their terminator.
inline constexpr std::size_t kFileToolPathLimit = 259;

// The form two paths are compared in: "/" as "\", letters in capitals, separators in a row
// as one (the two of a network path's start kept), "." and ".." steps resolved and no
// trailing separator. "c:/Music//.\\A.WAV" and "C:\MUSIC\a.wav" compare equal.
std::string ComparablePath(std::string_view path);
bool IsSamePath(std::string_view a, std::string_view b);

// The volume a path lies on, in comparable form: "C:" or "\\SERVER\SHARE"; empty when the
// path names neither.
std::string VolumeOf(std::string_view path);

// "C:\Music\" of "C:\Music\a.wav" (with its separator) and "a.wav".
std::string FolderPart(std::string_view path);
std::string NamePart(std::string_view path);

// `folder` (with or without a trailing separator) followed by `name`.
std::string InFolder(std::string_view folder, std::string_view name);

// Whether `name` can be a file name: not empty, no path separator, none of : * ? " < > | or
// a control character, not "." or "..", and not ending in a blank or a dot (which Windows
// would silently drop).
bool IsValidFileName(std::string_view name);

// A folder the file system knows (a file of that name is not one).
bool IsFolder(FileSystem& files, const std::string& path);

}  // namespace bw
