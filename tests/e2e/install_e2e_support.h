// Drives the real setup.exe and DelBrix.exe from the distribution folder under Wine: temporary
// folders, the started programs and their dialogs, and the registry and shortcut they leave.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace install_e2e {

// The folder the build made with setup.exe and every file it installs.
std::string DistributionDir();

// A fresh temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }  // ends in "\"

 private:
  std::string path_;
};

// Copies every file of the distribution folder into `folder`.
bool CopyDistribution(const std::string& folder);
// The names of the files in a folder, sorted without regard to case.
std::vector<std::string> FilesIn(const std::string& folder);
std::string ReadFileText(const std::string& path);  // "<missing>" when it cannot be read
void WriteFileText(const std::string& path, const std::string& text);
bool FolderExists(const std::string& folder);
std::string ReadIni(const std::string& path, const char* section, const char* key);

// One started program; killed at destruction if still running.
class Process {
 public:
  Process() = default;
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  bool Start(const std::string& exe, const std::string& workingFolder);
  HWND WaitForWindow(const char* title, int timeoutMs = 15000) const;
  bool WaitForExit(int timeoutMs);
  bool IsRunning() const;
  void Kill();
  DWORD Id() const { return pid_; }

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// The text of a dialog's control.
std::string ItemText(HWND dialog, int id);
bool ItemVisible(HWND dialog, int id);

// A dialog the installer opened: its window, title and message text.
struct Popup {
  HWND window = nullptr;
  std::string title;
  std::string text;
};

// setup.exe started from a source folder, with its main dialog.
class SetupSession {
 public:
  bool Start(const std::string& sourceFolder);
  HWND Main() const { return main_; }
  void SetDestination(const std::string& folder);
  void ClickStart();
  // The next message, question or Freedb dialog of the installer; none after the time.
  std::optional<Popup> NextPopup(int timeoutMs = 15000);
  // Closes a popup: OK (true) or Cancel in a question; OK elsewhere.
  void Answer(const Popup& popup, bool ok);
  // Fills the Freedb dialog's fields and presses OK.
  void FillFreedb(const Popup& popup, const std::string& email, const std::string& server);
  std::string Status() const;
  bool WaitForExit(int timeoutMs) { return process_.WaitForExit(timeoutMs); }
  void Kill() { process_.Kill(); }
  DWORD Id() const { return process_.Id(); }

 private:
  Process process_;
  HWND main_ = nullptr;
};

// Registry values as the installer leaves them.
std::optional<std::string> RegistryString(HKEY root, const std::string& key, const std::string& name);
bool RegistryKeyExists(HKEY root, const std::string& key);
int RegistryValueCount(HKEY root, const std::string& key);  // -1 without the key
void SetRegistryString(HKEY root, const std::string& key, const std::string& name, const std::string& value);
void CreateRegistryKey(HKEY root, const std::string& key);
// Deletes the key and every key below it.
void DeleteRegistryTree(HKEY root, const std::string& key);

// The shortcut "Brindlewax.lnk" in the common Programs folder, read through the link object.
std::string ShortcutPath();
struct ShortcutFields {
  std::string target;
  std::string workingFolder;
  std::string description;
};
std::optional<ShortcutFields> ReadShortcut(const std::string& path);

}  // namespace install_e2e
