// Finds the virtual CD drive's description through the environment.
#include "cd/virtual_cd_environment.h"

#include <cstdlib>

#include "cd/virtual_disc.h"

namespace bw {

std::string VirtualCdDescriptionPath() {
  const char* path = std::getenv(kVirtualCdVariable);
  return path != nullptr ? path : "";
}

char VirtualCdDriveLetter(FileSystem& fileSystem) {
  const std::string path = VirtualCdDescriptionPath();
  if (path.empty()) return '\0';
  VirtualDisc disc;
  if (!ReadVirtualDiscFile(fileSystem, path, &disc).IsOk()) return '\0';
  return disc.driveLetter;
}

}  // namespace bw
