// Drives the real BRINDWAX.exe from a test program running beside it under Wine: a program
// folder of its own, the process, its windows and controls, the settings file it leaves.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Where BRINDWAX.exe and WaxAnim.dll were built (BW_E2E_PROGRAM_DIR, else the test's folder).
std::string BuiltProgramDir();

// Turns a Unix path (as the environment hands it over under Wine) into a Windows path.
std::string ToWindowsPath(const std::string& path);

// A fresh temporary program folder holding copies of the program and its animation library.
class ProgramFolder {
 public:
  explicit ProgramFolder(bool withAnimationLibrary = true);
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::string& Path() const { return path_; }  // ends in a backslash
  std::string File(const std::string& name) const { return path_ + name; }
  std::string IniPath() const { return File("BRINDWAX.INI"); }

  // Settings file access through the same profile functions the program uses.
  void WriteIni(const char* section, const char* key, const char* value) const;
  std::string ReadIni(const char* section, const char* key, const char* missing = "<missing>") const;
  void WriteTextFile(const std::string& name, const std::string& text) const;
  std::string ReadFile(const std::string& name) const;  // empty when missing
  bool Exists(const std::string& name) const;

 private:
  std::string path_;
};

// One started copy of the program; killed at destruction if still running.
class RunningProgram {
 public:
  RunningProgram() = default;
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // Starts the folder's BRINDWAX.exe with the arguments; extra environment "NAME=value" lines
  // are set for the child only.
  bool Start(const ProgramFolder& folder, const std::string& arguments = "",
             const std::string& extraEnvironment = "");
  // Waits for the main window ("Brindlewax 2.3") of this process.
  HWND WaitForMainWindow(int timeoutMs = 20000);
  // Waits for a top-level window of this process with that title.
  HWND WaitForWindow(const char* title, int timeoutMs = 10000) const;
  bool WaitForExit(int timeoutMs, DWORD* exitCode = nullptr);
  bool IsRunning() const;
  DWORD ProcessId() const { return pid_; }
  void Kill();

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Top-level window with that title belonging to the process (0 = any process).
HWND FindTopWindow(const char* title, DWORD processId = 0);
// A control by its id anywhere below the window (panels are child dialogs of the main window).
HWND FindControl(HWND parent, int id);
HWND WaitForControl(HWND parent, int id, int timeoutMs = 5000);

std::string GetText(HWND window);
void SetText(HWND window, const std::string& text);
// Clicks without waiting for what the click opens (a modal dialog would block a sent click).
void Click(HWND button);
void ClickId(HWND parent, int id);

// Polls the condition every 50 ms until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs);
void Sleep(int ms);

// The screen pixels of the window's rectangle (the whole screen when window is null), bottom
// row first, 4 bytes each (blue, green, red, unused); empty when there is nothing to capture.
struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> bgrx;
  bool operator==(const ScreenPixels& other) const { return bgrx == other.bgrx; }
  bool operator!=(const ScreenPixels& other) const { return !(*this == other); }
};
ScreenPixels CaptureScreenPixels(HWND window);

// Saves the window (or the whole screen when window is null) as BW_E2E_SCREENSHOTS/name.bmp,
// an opaque 24-bit bitmap.
bool SaveScreenshot(HWND window, const std::string& name);

}  // namespace e2e
