// The settings file through the Windows profile functions, always with its full path.
#pragma once

#include <string>

#include "base/profile_store.h"

class Win32ProfileStore : public ProfileStore {
 public:
  explicit Win32ProfileStore(std::string iniPath) : iniPath_(std::move(iniPath)) {}

  std::string Get(const std::string& section, const std::string& key,
                  const std::string& defaultValue) override;
  void Set(const std::string& section, const std::string& key, const std::string& value) override;
  void Remove(const std::string& section, const std::string& key) override;

  const std::string& Path() const { return iniPath_; }

 private:
  std::string iniPath_;
};
