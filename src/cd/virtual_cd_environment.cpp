// Finds the virtual CD drives' descriptions through the environment.
#include "cd/virtual_cd_environment.h"

#include <cctype>
#include <cstdlib>

#include "cd/virtual_disc.h"

namespace bw {
namespace {

// The drive letter of one description; '\0' when it cannot be read.
char DescribedLetter(FileSystem& fileSystem, const std::string& path) {
  VirtualDisc disc;
  if (!ReadVirtualDiscFile(fileSystem, path, &disc).IsOk()) return '\0';
  return disc.driveLetter;
}

}  // namespace

std::string VirtualCdDescriptionPath() {
  const char* path = std::getenv(kVirtualCdVariable);
  return path != nullptr ? path : "";
}

std::vector<std::string> SplitDescriptionPaths(const std::string& value) {
  std::vector<std::string> paths;
  std::size_t start = 0;
  while (start <= value.size()) {
    std::size_t end = value.find(';', start);
    if (end == std::string::npos) end = value.size();
    if (end > start) paths.push_back(value.substr(start, end - start));
    start = end + 1;
  }
  return paths;
}

std::vector<std::string> VirtualCdDescriptionPaths() {
  return SplitDescriptionPaths(VirtualCdDescriptionPath());
}

char VirtualCdDriveLetter(FileSystem& fileSystem) {
  for (const std::string& path : VirtualCdDescriptionPaths()) {
    if (const char letter = DescribedLetter(fileSystem, path)) return letter;
  }
  return '\0';
}

bool IsVirtualCdDrive(FileSystem& fileSystem, char driveLetter) {
  const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(driveLetter)));
  if (wanted < 'A' || wanted > 'Z') return false;
  for (const std::string& path : VirtualCdDescriptionPaths()) {
    if (DescribedLetter(fileSystem, path) == wanted) return true;
  }
  return false;
}

}  // namespace bw
