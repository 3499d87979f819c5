// The system's answers about drives for the folder browser: GetDriveTypeA,
// GetVolumeInformationA, WNetGetConnectionA and CharLowerBuffA. Windows builds only.
#pragma once

#include "filetools/drive_entries.h"

namespace bw {

class Win32DriveQueries final : public DriveQueries {
 public:
  DriveType TypeOf(char letter) override;
  std::optional<std::string> VolumeLabel(char letter) override;
  std::optional<std::string> RemoteName(char letter) override;
  std::string LowerCase(std::string text) override;
};

}  // namespace bw
