// Starting the Python mail server from under Wine: a Unix program started by CreateProcess
// runs natively, without a process handle, so it is told to stop through a file.
#include "smtp_capture_server.h"

#include <windows.h>

#include <cstdio>

#include "e2e_support.h"

namespace e2e {
namespace {

constexpr const char* kPython = "Z:\\usr\\bin\\python3";

std::string ReadWhole(const std::string& path) {
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    std::fclose(file);
  }
  return text;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

SmtpCaptureServer::SmtpCaptureServer() {
  const std::string name =
      "bw-smtp-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
  unixFolder_ = "/tmp/" + name;
  windowsFolder_ = "Z:\\tmp\\" + name + "\\";
  if (!CreateDirectoryA(windowsFolder_.c_str(), nullptr)) return;
  std::string commandLine = std::string("python3 ") + BW_E2E_SOURCE_DIR +
                            "/smtp_capture_server.py " + unixFolder_ + " --port 25";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(kPython, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    if (process.hProcess != nullptr) CloseHandle(process.hProcess);
    if (process.hThread != nullptr) CloseHandle(process.hThread);
  } else {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", commandLine.c_str(), GetLastError());
  }
}

SmtpCaptureServer::~SmtpCaptureServer() {
  if (FileExists(windowsFolder_ + "ready")) {
    if (FILE* stop = std::fopen((windowsFolder_ + "stop").c_str(), "wb")) std::fclose(stop);
    WaitUntil([&] { return FileExists(windowsFolder_ + "stopped"); }, 10000);
  }
  for (const char* name : {"ready", "stop", "stopped", "envelope.txt", "data.bin"}) {
    DeleteFileA((windowsFolder_ + name).c_str());
  }
  RemoveDirectoryA(windowsFolder_.c_str());
}

bool SmtpCaptureServer::WaitReady(int timeoutMs) const {
  return WaitUntil([&] { return FileExists(windowsFolder_ + "ready"); }, timeoutMs);
}

bool SmtpCaptureServer::WaitForMessage(int timeoutMs) const {
  return WaitUntil([&] { return FileExists(windowsFolder_ + "envelope.txt"); }, timeoutMs);
}

std::string SmtpCaptureServer::Envelope() const { return ReadWhole(windowsFolder_ + "envelope.txt"); }

std::string SmtpCaptureServer::Data() const { return ReadWhole(windowsFolder_ + "data.bin"); }

}  // namespace e2e
