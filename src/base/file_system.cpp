// Helpers shared by every file system: path joining and exact reads.
#include "base/file_system.h"

namespace bw {

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  if (last == '/' || last == '\\' || last == ':') return folder + name;
#ifdef _WIN32
  return folder + '\\' + name;
#else
  return folder + '/' + name;
#endif
}

Status ReadExactly(File& file, std::uint64_t offset, void* buffer, std::size_t size) {
  std::size_t bytesRead = 0;
  Status status = file.ReadAt(offset, buffer, size, &bytesRead);
  if (!status.IsOk()) return status;
  if (bytesRead != size) {
    return Status::Corrupt("file ends at offset " + std::to_string(offset + bytesRead) +
                           ", " + std::to_string(size) + " bytes were expected at offset " +
                           std::to_string(offset));
  }
  return Status::Ok();
}

}  // namespace bw
