// The Start Menu shortcut through IShellLinkA and IPersistFile.
#include "setup/shortcut_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace bw {
namespace setup {

namespace {

// Releases a COM interface at the end of its scope.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ~ComPointer() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface** Out() { return &pointer_; }
  void** OutVoid() { return reinterpret_cast<void**>(&pointer_); }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  Interface* pointer_ = nullptr;
};

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

bool NewShellLink(ComPointer<IShellLinkA>& link) {
  return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    link.OutVoid()));
}

}  // namespace

std::string CommonProgramsFolder() {
  char folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS | CSIDL_FLAG_CREATE, nullptr,
                              SHGFP_TYPE_CURRENT, folder))) {
    return std::string();
  }
  std::string path = folder;
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

std::string ShortcutPath() {
  const std::string folder = CommonProgramsFolder();
  return folder.empty() ? std::string() : folder + "\\" + kShortcutName;
}

bool CreateShortcut(const std::string& linkPath, const ShortcutRequest& shortcut) {
  if (linkPath.empty()) return false;
  ComPointer<IShellLinkA> link;
  if (!NewShellLink(link)) return false;
  if (FAILED(link->SetPath(shortcut.target.c_str())) ||
      FAILED(link->SetDescription(shortcut.description.c_str())) ||
      FAILED(link->SetWorkingDirectory(shortcut.workingFolder.c_str()))) {
    return false;
  }
  ComPointer<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid()))) return false;
  return SUCCEEDED(file->Save(Wide(linkPath).c_str(), TRUE));
}

std::optional<ShortcutContents> ReadShortcut(const std::string& linkPath) {
  ComPointer<IShellLinkA> link;
  if (linkPath.empty() || !NewShellLink(link)) return std::nullopt;
  ComPointer<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid())) ||
      FAILED(file->Load(Wide(linkPath).c_str(), STGM_READ))) {
    return std::nullopt;
  }
  char text[MAX_PATH] = {};
  ShortcutContents contents;
  if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) contents.target = text;
  text[0] = '\0';
  if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) contents.workingFolder = text;
  text[0] = '\0';
  if (SUCCEEDED(link->GetDescription(text, MAX_PATH))) contents.description = text;
  return contents;
}

}  // namespace setup
}  // namespace bw
