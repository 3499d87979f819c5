// An in-memory ProfileStore that keeps the order of every write: the fake
// behind the settings tests, usable by any test that needs a settings file.
#pragma once

#include <string>
#include <vector>

#include "base/profile_store.h"

class MemoryProfileStore : public ProfileStore {
 public:
  struct Write {
    std::string section;
    std::string key;
    std::string value;
    bool removed = false;
  };

  std::string Get(const std::string& section, const std::string& key,
                  const std::string& defaultValue) override;
  void Set(const std::string& section, const std::string& key,
           const std::string& value) override;
  void Remove(const std::string& section, const std::string& key) override;

  // Seeds a value without recording it as a write.
  void Preset(const std::string& section, const std::string& key, const std::string& value);
  bool Has(const std::string& section, const std::string& key) const;

  const std::vector<Write>& Writes() const { return writes_; }
  // Keys written to section, in write order (removals excluded).
  std::vector<std::string> WrittenKeys(const std::string& section) const;
  void ClearWrites() { writes_.clear(); }

 private:
  struct Entry {
    std::string section;
    std::string key;
    std::string value;
  };
  Entry* Find(const std::string& section, const std::string& key);
  const Entry* Find(const std::string& section, const std::string& key) const;
  void Store(const std::string& section, const std::string& key, const std::string& value);

  std::vector<Entry> entries_;
  std::vector<Write> writes_;
};
