// Test-side helpers for driving BRINDWAX.exe under Wine.
#include "e2e_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace e2e {
namespace {

std::string EnvOrEmpty(const char* name) {
  char buffer[1024];
  DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return (n > 0 && n < sizeof buffer) ? std::string(buffer, n) : std::string();
}

std::string ExecutableDir() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  return p.substr(0, p.find_last_of("\\/") + 1);
}

void CopyOrFail(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
    std::fprintf(stderr, "e2e: cannot copy %s to %s\n", from.c_str(), to.c_str());
  }
}

void RemoveTree(const std::string& dir) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((dir + "*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = dir + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full + "\\");
      } else {
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  RemoveDirectoryA(dir.c_str());
}

struct WindowSearch {
  const char* title;
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  if (std::string(text) != search->title) return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (search->processId != 0 && pid != search->processId) return TRUE;
  search->found = window;
  return FALSE;
}

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  if (GetDlgCtrlID(window) == search->id && IsWindow(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string ToWindowsPath(const std::string& path) {
  std::string result = (!path.empty() && path[0] == '/') ? "Z:" + path : path;
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  if (!result.empty() && result.back() != '\\') result += '\\';
  return result;
}

std::string BuiltProgramDir() {
  std::string dir = EnvOrEmpty("BW_E2E_PROGRAM_DIR");
  return dir.empty() ? ExecutableDir() : ToWindowsPath(dir);
}

ProgramFolder::ProgramFolder(bool withAnimationLibrary) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static int serial = 0;
  for (;;) {
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%sbwx%lu_%d\\", temp, GetCurrentProcessId(), ++serial);
    if (CreateDirectoryA(name, nullptr)) {
      path_ = name;
      break;
    }
  }
  std::string built = BuiltProgramDir();
  CopyOrFail(built + "BRINDWAX.exe", path_ + "BRINDWAX.EXE");
  if (withAnimationLibrary) CopyOrFail(built + "WaxAnim.dll", path_ + "WaxAnim.dll");
}

ProgramFolder::~ProgramFolder() { RemoveTree(path_); }

void ProgramFolder::WriteIni(const char* section, const char* key, const char* value) const {
  WritePrivateProfileStringA(section, key, value, IniPath().c_str());
}

std::string ProgramFolder::ReadIni(const char* section, const char* key, const char* missing) const {
  char value[1024];
  GetPrivateProfileStringA(section, key, missing, value, sizeof value, IniPath().c_str());
  return value;
}

void ProgramFolder::WriteTextFile(const std::string& name, const std::string& text) const {
  std::ofstream out(File(name), std::ios::binary);
  out << text;
}

std::string ProgramFolder::ReadFile(const std::string& name) const {
  std::ifstream in(File(name), std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool ProgramFolder::Exists(const std::string& name) const {
  return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

RunningProgram::~RunningProgram() {
  Kill();
}

bool RunningProgram::Start(const ProgramFolder& folder, const std::string& arguments,
                           const std::string& extraEnvironment) {
  // The child inherits this process's environment; extra lines are set around the start.
  std::vector<std::pair<std::string, std::string>> saved;
  std::istringstream lines(extraEnvironment);
  std::string line;
  while (std::getline(lines, line)) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string name = line.substr(0, eq);
    saved.emplace_back(name, EnvOrEmpty(name.c_str()));
    SetEnvironmentVariableA(name.c_str(), line.substr(eq + 1).c_str());
  }
  std::string exe = folder.File("BRINDWAX.EXE");
  std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  std::vector<char> mutableCommand(commandLine.begin(), commandLine.end());
  mutableCommand.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  BOOL ok = CreateProcessA(exe.c_str(), mutableCommand.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folder.Path().c_str(), &startup, &info);
  for (auto& [name, value] : saved) {
    SetEnvironmentVariableA(name.c_str(), value.empty() ? nullptr : value.c_str());
  }
  if (!ok) return false;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  pid_ = info.dwProcessId;
  return true;
}

HWND RunningProgram::WaitForMainWindow(int timeoutMs) {
  return WaitForWindow("Brindlewax 2.3", timeoutMs);
}

HWND RunningProgram::WaitForWindow(const char* title, int timeoutMs) const {
  HWND found = nullptr;
  WaitUntil([&] {
    found = FindTopWindow(title, pid_);
    return found != nullptr && IsWindowVisible(found);
  }, timeoutMs);
  return found;
}

bool RunningProgram::WaitForExit(int timeoutMs, DWORD* exitCode) {
  if (!process_) return true;
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(process_, exitCode);
  return true;
}

bool RunningProgram::IsRunning() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void RunningProgram::Kill() {
  if (!process_) return;
  if (IsRunning()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
  process_ = nullptr;
}

HWND FindTopWindow(const char* title, DWORD processId) {
  WindowSearch search{title, processId, nullptr};
  EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindControl(HWND parent, int id) {
  if (!parent) return nullptr;
  ControlSearch search{id, nullptr};
  EnumChildWindows(parent, MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForControl(HWND parent, int id, int timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindControl(parent, id)) != nullptr; }, timeoutMs);
  return found;
}

std::string GetText(HWND window) {
  if (!window) return "<no window>";
  char text[4096] = {};
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, &result);
  return text;
}

void SetText(HWND window, const std::string& text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &result);
}

void Click(HWND button) {
  PostMessageA(button, BM_CLICK, 0, 0);
}

void ClickId(HWND parent, int id) {
  Click(FindControl(parent, id));
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return false;
    ::Sleep(50);
  }
}

void Sleep(int ms) { ::Sleep(ms); }

ScreenPixels CaptureScreenPixels(HWND window) {
  RECT rect;
  if (window) {
    GetWindowRect(window, &rect);
  } else {
    rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  ScreenPixels pixels;
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return pixels;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const auto* begin = static_cast<const unsigned char*>(bits);
    pixels.width = width;
    pixels.height = height;
    pixels.bgrx.assign(begin, begin + static_cast<size_t>(width) * height * 4);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

bool SaveScreenshot(HWND window, const std::string& name) {
  std::string dir = EnvOrEmpty("BW_E2E_SCREENSHOTS");
  if (dir.empty()) return false;
  ScreenPixels pixels = CaptureScreenPixels(window);
  if (pixels.bgrx.empty()) return false;
  // 24 bits a pixel: the fourth byte of a 32-bit capture is whatever the screen left there
  // (zero almost everywhere), and viewers take it for alpha and show a blank picture.
  const size_t stride = (static_cast<size_t>(pixels.width) * 3 + 3) & ~static_cast<size_t>(3);
  std::vector<unsigned char> rows(stride * pixels.height, 0);
  for (int y = 0; y < pixels.height; ++y) {
    const unsigned char* from = pixels.bgrx.data() + static_cast<size_t>(y) * pixels.width * 4;
    unsigned char* to = rows.data() + static_cast<size_t>(y) * stride;
    for (int x = 0; x < pixels.width; ++x, from += 4, to += 3) {
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = pixels.width;
  header.biHeight = pixels.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(rows.size());
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::ofstream out(ToWindowsPath(dir) + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(rows.data()), static_cast<std::streamsize>(rows.size()));
  return static_cast<bool>(out);
}

}  // namespace e2e
