// The settings file seen as sections of key=value lines. The program reaches
// BRINDWAX.INI only through this interface, so tests can record every write.
#pragma once

#include <string>

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // The stored text of section/key, or defaultValue when the key is absent.
  // Keys and sections match without regard to case.
  virtual std::string Get(const std::string& section, const std::string& key,
                          const std::string& defaultValue) = 0;

  // Stores value under section/key, creating the file or section as needed.
  virtual void Set(const std::string& section, const std::string& key,
                   const std::string& value) = 0;

  // Deletes section/key (used when an editor or mixer selection is cleared).
  virtual void Remove(const std::string& section, const std::string& key) = 0;
};
