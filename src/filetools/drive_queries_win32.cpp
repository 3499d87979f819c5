// Drive queries on Windows. Empty removable and CD drives must not raise the system's
// "no disk" box, so every query runs with critical errors failed quietly.
#include "filetools/drive_queries_win32.h"

#include <windows.h>
#include <winnetwk.h>

#include <vector>

#include "filetools/critical_error_guard_win32.h"

namespace bw {

DriveType Win32DriveQueries::TypeOf(char letter) {
  const char root[] = {letter, ':', '\\', '\0'};
  const UINT type = GetDriveTypeA(root);
  if (type > DRIVE_RAMDISK) return DriveType::kUnknown;
  return static_cast<DriveType>(type);
}

std::optional<std::string> Win32DriveQueries::VolumeLabel(char letter) {
  CriticalErrorGuard quiet;
  const char root[] = {letter, ':', '\\', '\0'};
  char label[kMaxVolumeLabel + 1] = {};
  if (!GetVolumeInformationA(root, label, sizeof(label), nullptr, nullptr, nullptr, nullptr, 0)) {
    return std::nullopt;
  }
  return std::string(label);
}

std::optional<std::string> Win32DriveQueries::RemoteName(char letter) {
  const char drive[] = {letter, ':', '\0'};
  // Most remote names fit; a longer one is asked for again with the size the system names.
  std::vector<char> name(64);
  DWORD size = static_cast<DWORD>(name.size());
  DWORD result = WNetGetConnectionA(drive, name.data(), &size);
  if (result == ERROR_MORE_DATA && size > name.size()) {
    name.resize(size);
    result = WNetGetConnectionA(drive, name.data(), &size);
  }
  if (result != NO_ERROR) return std::nullopt;
  name.back() = '\0';
  return std::string(name.data());
}

std::string Win32DriveQueries::LowerCase(std::string text) {
  if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace bw
