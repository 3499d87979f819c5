// The system registry behind RegistryStore: string values through the advapi32 functions.
#include <windows.h>

#include "base/unique_handle.h"
#include "setup/registry_store.h"

namespace bw {

namespace {

struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle key) noexcept { RegCloseKey(key); }
};
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::kClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
}

UniqueRegistryKey OpenKey(RegistryRoot root, const std::string& key, REGSAM access) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(RootKey(root), key.c_str(), 0, access, &opened) != ERROR_SUCCESS) {
    return UniqueRegistryKey();
  }
  return UniqueRegistryKey(opened);
}

class Win32Registry final : public RegistryStore {
 public:
  bool KeyExists(RegistryRoot root, const std::string& key) override {
    return OpenKey(root, key, KEY_QUERY_VALUE | KEY_SET_VALUE).IsValid();
  }

  std::optional<std::string> GetString(RegistryRoot root, const std::string& key,
                                       const std::string& name) override {
    UniqueRegistryKey opened = OpenKey(root, key, KEY_QUERY_VALUE);
    if (!opened) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(opened.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return std::nullopt;
    }
    std::string value(size + 1, '\0');
    DWORD got = size + 1;
    if (RegQueryValueExA(opened.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&value[0]), &got) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    value.resize(got);
    while (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
  }

  bool SetString(RegistryRoot root, const std::string& key, const std::string& name,
                 const std::string& value) override {
    UniqueRegistryKey opened = OpenKey(root, key, KEY_SET_VALUE);
    if (!opened) return false;
    return RegSetValueExA(opened.Get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }

  bool CreateKey(RegistryRoot root, const std::string& key) override {
    HKEY created = nullptr;
    if (RegCreateKeyExA(RootKey(root), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    RegCloseKey(created);
    return true;
  }

  bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) override {
    UniqueRegistryKey opened = OpenKey(root, key, KEY_SET_VALUE);
    if (!opened) return false;
    const LONG result = RegDeleteValueA(opened.Get(), name.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
  }
};

}  // namespace

RegistryStore& SystemRegistry() {
  static Win32Registry registry;
  return registry;
}

}  // namespace bw
