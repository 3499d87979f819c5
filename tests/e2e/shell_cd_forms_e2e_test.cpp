// The CD play forms of the command line ("/play D:" and "-play D:\Track02.cda"), at start and
// handed over to a running copy, on the virtual CD drive.
#include <gtest/gtest.h>

#include <string>

#include "cd/virtual_cd_environment.h"
#include "cd_panel_e2e_support.h"
#include "shell/texts.h"
#include "shell_e2e_support.h"

namespace {

using shelle2e::ExitProgram;

struct VirtualCdStart {
  VirtualCdStart() {
    const bw::VirtualDisc disc = cde2e::DiscOfEqualTracks(5, 200);
    const bw::Status written = bw::WriteVirtualDiscFile(folder.File("virtual_cd.txt"), disc);
    EXPECT_TRUE(written.IsOk()) << written.ToString();
    folder.WriteIni("MAIN", "SoundControls", "Off");
    folder.WriteIni("MAIN", "BrindlewaxMode", "wave");
    folder.WriteIni("MAIN", "DefaultCDROMDrive", "0");
  }
  std::string Environment() const {
    return std::string(bw::kVirtualCdVariable) + "=" + folder.File("virtual_cd.txt");
  }
  std::string Text(int id) const { return e2e::GetText(e2e::FindControl(main, id)); }
  bool WaitForTrack(const std::string& track) const {
    return e2e::WaitUntil([&] {
      return Text(IDC_CD_TRACK_NUMBER) == track && Text(IDC_CD_PLAY_STATE) == kTextPlayStatePlaying;
    }, 10000);
  }

  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  HWND main = nullptr;
};

TEST(ShellCdForms, DashFormPlaysTheNamedTrackOfItsDrive) {
  VirtualCdStart start;
  const std::string drive(1, cde2e::kVirtualDrive);
  ASSERT_TRUE(start.program.Start(start.folder, "-play " + drive + ":\\Track03.cda", start.Environment()));
  start.main = start.program.WaitForMainWindow();
  ASSERT_NE(start.main, nullptr);
  EXPECT_TRUE(shelle2e::WaitForPanel(start.main, shelle2e::kCdPlayerTab));
  EXPECT_TRUE(start.WaitForTrack("3")) << start.Text(IDC_CD_TRACK_NUMBER) << " "
                                       << start.Text(IDC_CD_PLAY_STATE);
  ASSERT_EQ(ExitProgram(start.program, start.main), 0);
  // The command line's drive is this run's drive, and shutdown stores it.
  EXPECT_EQ(start.folder.ReadIni("MAIN", "DefaultCDROMDrive"), drive + ":\\");
  EXPECT_EQ(start.folder.ReadIni("MAIN", "BrindlewaxMode"), "cdplayer");
}

TEST(ShellCdForms, SlashFormOfASecondCopyPlaysTrackOneInTheFirst) {
  VirtualCdStart start;
  const std::string drive(1, cde2e::kVirtualDrive);
  start.folder.WriteIni("MAIN", "DefaultCDROMDrive", (drive + ":\\").c_str());
  ASSERT_TRUE(start.program.Start(start.folder, "", start.Environment()));
  start.main = start.program.WaitForMainWindow();
  ASSERT_NE(start.main, nullptr);
  ASSERT_TRUE(shelle2e::WaitForPanel(start.main, shelle2e::kAudioTab));

  e2e::RunningProgram second;
  ASSERT_TRUE(second.Start(start.folder, "/play " + drive + ":", start.Environment()));
  DWORD code = 1;
  ASSERT_TRUE(second.WaitForExit(15000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(shelle2e::WaitForPanel(start.main, shelle2e::kCdPlayerTab));
  EXPECT_TRUE(start.WaitForTrack("1")) << start.Text(IDC_CD_TRACK_NUMBER) << " "
                                       << start.Text(IDC_CD_PLAY_STATE);
  ASSERT_EQ(ExitProgram(start.program, start.main), 0);
}

}  // namespace
