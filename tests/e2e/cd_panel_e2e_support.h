// Starting the program on a virtual CD drive and reading its CD Player panel, for the CD Player
// and Add/Edit dialog tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "cd/current_disc_key.h"
#include "cd/table_of_contents.h"
#include "cd/virtual_disc.h"
#include "cddb/database.h"
#include "e2e_support.h"
#include "resources/resource.h"
#include "base/file_system.h"

namespace cde2e {

inline constexpr char kVirtualDrive = 'R';
inline constexpr int kLeadIn = 150;  // frames before track 1
inline constexpr int kExitButton = 113;

// A disc whose tracks last the given whole seconds.
inline bw::VirtualDisc DiscOfTracks(const std::vector<int>& trackSeconds) {
  std::vector<int32_t> offsets;
  int32_t frame = kLeadIn;
  for (int seconds : trackSeconds) {
    offsets.push_back(frame);
    frame += seconds * 75;
  }
  return bw::MakeVirtualDisc(kVirtualDrive, offsets, frame);
}

inline bw::VirtualDisc DiscOfEqualTracks(int count, int seconds) {
  return DiscOfTracks(std::vector<int>(static_cast<std::size_t>(count), seconds));
}

// The catalogue's key of the disc, as the program reads it from the drive.
inline bw::DiscProfile ProfileOf(const bw::VirtualDisc& disc) {
  std::vector<bw::ReportedTrack> tracks;
  for (std::size_t i = 0; i < disc.trackOffsets.size(); ++i) {
    const int32_t end = i + 1 < disc.trackOffsets.size() ? disc.trackOffsets[i + 1] : disc.leadOut;
    bw::ReportedTrack track;
    track.start = bw::MsfFromFrames(disc.trackOffsets[i]);
    track.length = bw::MsfFromFrames(end - disc.trackOffsets[i]);
    tracks.push_back(track);
  }
  return bw::CurrentDiscKey(bw::BuildTableOfContents(tracks, false));
}

// One program started from a fresh folder on the virtual drive, showing the CD Player panel.
class CdPlayerSession {
 public:
  CdPlayerSession() = default;

  bw::Database Catalogue() const { return bw::Database(bw::DefaultFileSystem(), folder.Path()); }
  std::string DiscPath() const { return folder.File("virtual_cd.txt"); }

  void PutDisc(const bw::VirtualDisc& disc) const {
    const bw::Status written = bw::WriteVirtualDiscFile(DiscPath(), disc);
    EXPECT_TRUE(written.IsOk()) << written.ToString();
  }

  // Starts the program; with `disc` null no virtual drive is named and no drive is set.
  bool Start(const bw::VirtualDisc* disc, const char* autoQuery = "FALSE") {
    folder.WriteIni("MAIN", "BrindlewaxMode", "cdplayer");
    folder.WriteIni("MAIN", "SoundControls", "Off");
    folder.WriteIni("MAIN", "AutoCDDBQuery", autoQuery);
    std::string environment;
    if (disc != nullptr) {
      PutDisc(*disc);
      const std::string root = std::string(1, kVirtualDrive) + ":\\";
      folder.WriteIni("MAIN", "DefaultCDROMDrive", root.c_str());
      environment = std::string(bw::kVirtualCdVariable) + "=" + DiscPath();
    } else {
      folder.WriteIni("MAIN", "DefaultCDROMDrive", "0");
    }
    if (!program.Start(folder, "", environment)) return false;
    main = program.WaitForMainWindow();
    return main != nullptr && e2e::WaitForControl(main, IDC_CD_PLAY_STATE) != nullptr;
  }

  HWND Control(int id) const { return e2e::FindControl(main, id); }
  std::string Text(int id) const { return e2e::GetText(Control(id)); }
  bool IsShown(int id) const { return IsWindowVisible(Control(id)) != FALSE; }
  void Press(int id) const { e2e::ClickId(main, id); }

  bool WaitForText(int id, const std::string& text, int timeoutMs = 5000) const {
    return e2e::WaitUntil([&] { return Text(id) == text; }, timeoutMs);
  }
  bool WaitForState(const char* state, int timeoutMs = 5000) const {
    return WaitForText(IDC_CD_PLAY_STATE, state, timeoutMs);
  }

  // Drags the position bar's thumb to `seconds` into the track and lets go.
  void SeekTo(int seconds) const {
    HWND bar = Control(IDC_CD_POSITION_BAR);
    HWND panel = GetParent(bar);
    PostMessageA(panel, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, seconds), reinterpret_cast<LPARAM>(bar));
    PostMessageA(panel, WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
  }

  // Seconds into the track as the panel shows them ("1:02" gives 62); -1 when empty.
  int TrackTime() const {
    const std::string text = Text(IDC_CD_TRACK_TIME);
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return -1;
    return std::stoi(text.substr(0, colon)) * 60 + std::stoi(text.substr(colon + 1));
  }

  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  HWND main = nullptr;
};

}  // namespace cde2e
