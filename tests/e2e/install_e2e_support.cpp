// Test-side helpers for the installer and the uninstaller.
#include "install_e2e_support.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "e2e_support.h"

namespace install_e2e {

namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(folder + name + "\\");
      } else {
        SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((folder + name).c_str());
      }
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

BOOL CALLBACK FindVisibleOfProcess(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->first && IsWindowVisible(window)) search->second.push_back(window);
  return TRUE;
}

std::string WindowTitle(HWND window) {
  char title[256] = {};
  GetWindowTextA(window, title, sizeof title);
  return title;
}

}  // namespace

std::string DistributionDir() {
  std::string built = e2e::BuiltProgramDir();
  if (!built.empty() && built.back() == '\\') built.pop_back();
  return built.substr(0, built.find_last_of('\\') + 1) + "distribution\\";
}

TempFolder::TempFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static int serial = 0;
  for (;;) {
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%sbwi%lu_%d\\", temp, GetCurrentProcessId(), ++serial);
    if (CreateDirectoryA(name, nullptr)) {
      path_ = name;
      break;
    }
  }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

bool CopyDistribution(const std::string& folder) {
  const std::string from = DistributionDir();
  const std::vector<std::string> names = FilesIn(from);
  bool ok = !names.empty();
  for (const std::string& name : names) {
    ok = CopyFileA((from + name).c_str(), (folder + name).c_str(), FALSE) && ok;
  }
  return ok;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
  return names;
}

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFileText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

bool FolderExists(const std::string& folder) {
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadIni(const std::string& path, const char* section, const char* key) {
  char value[1024] = {};
  GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, path.c_str());
  return value;
}

Process::~Process() { Kill(); }

bool Process::Start(const std::string& exe, const std::string& workingFolder) {
  std::string commandLine = "\"" + exe + "\"";
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.c_str(), &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  pid_ = info.dwProcessId;
  return true;
}

HWND Process::WaitForWindow(const char* title, int timeoutMs) const {
  HWND found = nullptr;
  e2e::WaitUntil([&] {
    found = e2e::FindTopWindow(title, pid_);
    return found != nullptr && IsWindowVisible(found);
  }, timeoutMs);
  return found != nullptr && IsWindowVisible(found) ? found : nullptr;
}

bool Process::WaitForExit(int timeoutMs) {
  return process_ == nullptr || WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

bool Process::IsRunning() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void Process::Kill() {
  if (process_ == nullptr) return;
  if (IsRunning()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
  process_ = nullptr;
}

std::string ItemText(HWND dialog, int id) { return e2e::GetText(GetDlgItem(dialog, id)); }

bool ItemVisible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

bool SetupSession::Start(const std::string& sourceFolder) {
  if (!process_.Start(sourceFolder + "setup.exe", sourceFolder)) return false;
  main_ = process_.WaitForWindow("Setup 2.3");
  return main_ != nullptr;
}

void SetupSession::SetDestination(const std::string& folder) {
  e2e::SetText(GetDlgItem(main_, 121), folder);
}

void SetupSession::ClickStart() { e2e::Click(GetDlgItem(main_, 103)); }

std::optional<Popup> SetupSession::NextPopup(int timeoutMs) {
  Popup popup;
  const bool found = e2e::WaitUntil([&] {
    std::pair<DWORD, std::vector<HWND>> search{process_.Id(), {}};
    EnumWindows(FindVisibleOfProcess, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.second) {
      const std::string title = WindowTitle(window);
      int textId = 0;
      if (title == "Setup Message!") textId = 401;
      if (title == "Setup Question!") textId = 501;
      if (title == "Setup Freedb Information") textId = 601;
      if (textId == 0) continue;
      popup = Popup{window, title, ItemText(window, textId)};
      return true;
    }
    return false;
  }, timeoutMs);
  if (!found) return std::nullopt;
  return popup;
}

void SetupSession::Answer(const Popup& popup, bool ok) {
  int id = 606;
  if (popup.title == "Setup Message!") id = 402;
  if (popup.title == "Setup Question!") id = ok ? 502 : 503;
  e2e::Click(GetDlgItem(popup.window, id));
  e2e::WaitUntil([&] { return !IsWindow(popup.window); }, 5000);
}

void SetupSession::FillFreedb(const Popup& popup, const std::string& email, const std::string& server) {
  e2e::SetText(GetDlgItem(popup.window, 603), email);
  e2e::SetText(GetDlgItem(popup.window, 605), server);
  Answer(popup, true);
}

std::string SetupSession::Status() const { return ItemText(main_, 140); }

std::optional<std::string> RegistryString(HKEY root, const std::string& key, const std::string& name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
  char value[1024] = {};
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  const LONG result = RegQueryValueExA(opened, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(opened);
  if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::string(value);
}

bool RegistryKeyExists(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

int RegistryValueCount(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return -1;
  DWORD values = 0;
  RegQueryInfoKeyA(opened, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(opened);
  return static_cast<int>(values);
}

void SetRegistryString(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
  HKEY created = nullptr;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(created, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(created);
}

void CreateRegistryKey(HKEY root, const std::string& key) {
  HKEY created = nullptr;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) == ERROR_SUCCESS) {
    RegCloseKey(created);
  }
}

void DeleteRegistryTree(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS) return;
  char child[256];
  for (;;) {
    DWORD size = sizeof child;
    if (RegEnumKeyExA(opened, 0, child, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    DeleteRegistryTree(root, key + "\\" + child);
  }
  RegCloseKey(opened);
  RegDeleteKeyA(root, key.c_str());
}

std::string ShortcutPath() {
  char folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, folder))) return "";
  return std::string(folder) + "\\Brindlewax.lnk";
}

std::optional<ShortcutFields> ReadShortcut(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    return std::nullopt;
  }
  std::optional<ShortcutFields> fields;
  IPersistFile* file = nullptr;
  wchar_t wide[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(wide, STGM_READ))) {
    char text[MAX_PATH];
    ShortcutFields read;
    text[0] = '\0';
    link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
    read.target = text;
    text[0] = '\0';
    link->GetWorkingDirectory(text, MAX_PATH);
    read.workingFolder = text;
    text[0] = '\0';
    link->GetDescription(text, MAX_PATH);
    read.description = text;
    fields = read;
  }
  if (file != nullptr) file->Release();
  link->Release();
  return fields;
}

}  // namespace install_e2e
