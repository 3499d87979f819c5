// Entry point of the end-to-end test program. Copied under the name "cmdline_recorder.exe" it
// is a stand-in external program instead: it appends the command line it was started with,
// and the folder it was started in, to "recorded_command_lines.txt" beside itself and ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

bool RecordCommandLineIfRecorder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string self(path, length);
  const std::size_t slash = self.find_last_of("\\/");
  const std::string folder = self.substr(0, slash + 1);
  if (lstrcmpiA(self.substr(slash + 1).c_str(), "cmdline_recorder.exe") != 0) return false;
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  const std::string line = std::string(GetCommandLineA()) + "|" + current + "\r\n";
  HANDLE file = CreateFileA((folder + "recorded_command_lines.txt").c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (RecordCommandLineIfRecorder()) return 0;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
