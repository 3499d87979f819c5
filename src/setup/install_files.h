// The installed file set: the files the installer copies (in order), the older files it clears
// away first, and the two program names; and the checks made on the source before anything in
// the destination is touched.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/file_system.h"

namespace bw {
namespace setup {

inline constexpr const char kProgramFile[] = "BRINDWAX.exe";
inline constexpr const char kUninstallerFile[] = "DelBrix.exe";
inline constexpr const char kSettingsFile[] = "BRINDWAX.INI";
inline constexpr const char kHelpFile[] = "brindhlp.hlp";

// Copied from the source folder in this order.
const std::vector<std::string>& FilesToCopy();
// Deleted from the destination before the new files take their names (missing ones are passed
// over); ctl3d.dll is a leftover of the earliest versions.
const std::vector<std::string>& OldFilesToDelete();

// The name a file is copied to before it replaces the installed one, so a failed copy never
// leaves a half-written program file under the real name.
std::string TemporaryNameOf(const std::string& name);

// "C:\x" and "c:/X\" name the same folder; compared by text, letters without regard to case.
bool SameFolder(const std::string& a, const std::string& b);

// What the source folder holds for an installation.
struct SourceCheck {
  bool ok = false;
  std::string missingFile;        // the first file of the copy list that cannot be read
  std::uint64_t totalBytes = 0;   // the sum of the copy list's sizes (those that exist)
};
SourceCheck CheckSource(FileSystem& files, const std::string& sourceFolder);

}  // namespace setup
}  // namespace bw
