// The Start Menu shortcut through the shell's link object: made by the installer, read back and
// deleted by the uninstaller, both in the system's common Programs folder. COM must be started.
#pragma once

#include <optional>
#include <string>

#include "setup/installer.h"

namespace bw {
namespace setup {

inline constexpr const char kShortcutName[] = "Brindlewax.lnk";

// The common Programs folder of the Start Menu (CSIDL_COMMON_PROGRAMS), without a final "\";
// empty when the system has none.
std::string CommonProgramsFolder();
// CommonProgramsFolder() + "\Brindlewax.lnk", or empty.
std::string ShortcutPath();

bool CreateShortcut(const std::string& linkPath, const ShortcutRequest& shortcut);

struct ShortcutContents {
  std::string target;
  std::string workingFolder;
  std::string description;
};
// What a shortcut file holds; none when it cannot be read.
std::optional<ShortcutContents> ReadShortcut(const std::string& linkPath);

}  // namespace setup
}  // namespace bw
