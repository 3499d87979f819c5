// Opening Garnish from the CD Player panel and reading the catalogue tools it opens, for the
// Garnish, information and sorter tests.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cd_panel_e2e_support.h"
#include "cddb/cddb_texts.h"
#include "cddb/database.h"
#include "shell/texts.h"

namespace garnishe2e {

inline std::string Text(HWND dialog, int id) { return e2e::GetText(e2e::FindControl(dialog, id)); }

inline bool WaitGone(const cde2e::CdPlayerSession& session, const char* title) {
  return e2e::WaitUntil([&] {
    return e2e::FindTopWindow(title, session.program.ProcessId()) == nullptr;
  }, 5000);
}

// Starts the program (on `disc`, or with no drive when it is null) and opens Garnish.
inline HWND OpenGarnish(cde2e::CdPlayerSession& session, const bw::VirtualDisc* disc) {
  if (!session.Start(disc)) return nullptr;
  if (disc != nullptr && !session.WaitForState(kTextPlayStateReady)) return nullptr;
  session.Press(IDC_CD_GARNISH);
  return session.program.WaitForWindow(kTextGarnishTitle, 5000);
}

// Clicks a Garnish button and returns the text of the message box it shows, closing the box;
// "<no message>" when none appears.
inline std::string MessageAfterClick(const cde2e::CdPlayerSession& session, HWND garnish, int id) {
  e2e::ClickId(garnish, id);
  HWND box = session.program.WaitForWindow(kTextMessageBoxTitle, 4000);
  if (box == nullptr) return "<no message>";
  const std::string text = Text(box, IDC_MESSAGE_BOX_TEXT);
  e2e::ClickId(box, IDC_MESSAGE_BOX_OK);
  WaitGone(session, kTextMessageBoxTitle);
  return text;
}

// One entry with the given artist, disc name and track lengths.
struct TestEntry {
  std::string artist;
  std::string discName;
  std::vector<std::uint16_t> trackSeconds;
  std::string titlePrefix = "Track";  // the titles read "Track 1", "Track 2" ...
};

inline bw::DiscProfile ProfileOfTracks(const std::vector<std::uint16_t>& seconds) {
  bw::DiscProfile profile;
  profile.trackCount = static_cast<int>(seconds.size());
  std::uint32_t total = 0;
  for (std::size_t i = 0; i < seconds.size(); ++i) {
    profile.trackSeconds[i] = seconds[i];
    total += seconds[i];
  }
  profile.totalSeconds = static_cast<std::uint16_t>(total);
  return profile;
}

inline void AppendEntries(bw::Database& catalogue, const std::vector<TestEntry>& entries) {
  ASSERT_TRUE(catalogue.EnsureDatabaseFile().IsOk());
  for (const TestEntry& entry : entries) {
    bw::TitleTable titles;
    for (std::size_t i = 0; i < entry.trackSeconds.size(); ++i) {
      titles.Set(static_cast<int>(i), entry.titlePrefix + " " + std::to_string(i + 1));
    }
    bw::EntryDetails details;
    details.artist = entry.artist;
    details.discName = entry.discName;
    ASSERT_TRUE(catalogue.AppendEntry(ProfileOfTracks(entry.trackSeconds), titles, details).IsOk());
  }
}

// Runs the Windows brindwax-cli beside the program with `arguments`; its exit code, or -1.
inline long RunCommandLine(const std::string& arguments) {
  std::string command = "\"" + e2e::BuiltProgramDir() + "brindwax-cli.exe\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<long>(code);
}

// The catalogue folder without its trailing backslash, quoted for a command line.
inline std::string QuotedFolder(const e2e::ProgramFolder& folder) {
  std::string path = folder.Path();
  path.pop_back();
  return "\"" + path + "\"";
}

}  // namespace garnishe2e
