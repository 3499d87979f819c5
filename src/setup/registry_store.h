// The registry as the installer and the uninstaller use it: string values under two roots,
// behind one interface so tests can keep a registry in memory. A value name "" is the key's
// default value.
#pragma once

#include <optional>
#include <string>

namespace bw {

enum class RegistryRoot { kClassesRoot, kLocalMachine };

class RegistryStore {
 public:
  virtual ~RegistryStore() = default;
  // Whether the key exists and can be opened for writing.
  virtual bool KeyExists(RegistryRoot root, const std::string& key) = 0;
  // The string value; none when the key or the value is missing or not a string.
  virtual std::optional<std::string> GetString(RegistryRoot root, const std::string& key,
                                               const std::string& name) = 0;
  // Sets a value of an existing key; false when the key cannot be opened.
  [[nodiscard]] virtual bool SetString(RegistryRoot root, const std::string& key, const std::string& name,
                         const std::string& value) = 0;
  // Creates the key (and the keys above it) or opens it when it exists.
  [[nodiscard]] virtual bool CreateKey(RegistryRoot root, const std::string& key) = 0;
  // Deletes a value; a missing value counts as deleted.
  [[nodiscard]] virtual bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) = 0;
};

// The system's registry (Windows builds only).
RegistryStore& SystemRegistry();

}  // namespace bw
