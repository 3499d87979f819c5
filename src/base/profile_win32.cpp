// GetPrivateProfileStringA / WritePrivateProfileStringA behind ProfileStore.
#include "base/profile_win32.h"

#include <windows.h>

#include <vector>

std::string Win32ProfileStore::Get(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) {
  // The profile functions answer with a truncated text when the buffer is too small; grow
  // until the value fits (the program's own limits are applied by the readers).
  std::vector<char> buffer(1024);
  for (;;) {
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                  buffer.data(), static_cast<DWORD>(buffer.size()),
                                                  iniPath_.c_str());
    if (length + 1 < buffer.size() || buffer.size() >= 65536) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 4);
  }
}

void Win32ProfileStore::Set(const std::string& section, const std::string& key,
                            const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), iniPath_.c_str());
}

void Win32ProfileStore::Remove(const std::string& section, const std::string& key) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, iniPath_.c_str());
}
