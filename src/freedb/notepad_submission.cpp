// The submission file and the Notepad that shows it.
#include "freedb/notepad_submission.h"

#include <windows.h>

#include <memory>

#include "base/file_system.h"
#include "base/win32_handles.h"
#include "freedb/freedb_texts.h"
#include "freedb/submission_forms.h"

namespace bw {
namespace freedb {
namespace {

bool WriteWholeFile(const std::string& path, const std::string& text) {
  std::unique_ptr<File> file;
  return DefaultFileSystem().Open(path, OpenMode::kCreateTruncate, &file).IsOk() &&
         file->WriteAt(0, text.data(), text.size()).IsOk();
}

}  // namespace

std::optional<std::string> OpenSubmissionInNotepad(const std::string& programFolder,
                                                   const std::string& text) {
  const std::string path = programFolder + kSubmissionFileName;
  if (!WriteWholeFile(path, text)) return kTextNotepadFileFailed + path + ".";

  std::string commandLine = NotepadCommandLine(path);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return kTextNotepadStartFailed + path + ".";
  }
  // Notepad runs on its own; its handles are not needed.
  UniqueKernelHandle processHandle(process.hProcess);
  UniqueKernelHandle threadHandle(process.hThread);
  return std::nullopt;
}

}  // namespace freedb
}  // namespace bw
