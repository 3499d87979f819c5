// The CD Player panel on a virtual drive: track pages, the skip rules, the repeat switches,
// changing discs, data discs, a missing drive, and the titles the catalogue holds.
#include <gtest/gtest.h>

#include <string>

#include "cd/format_seconds.h"
#include "cd_panel_e2e_support.h"
#include "shell/texts.h"

namespace {

using cde2e::CdPlayerSession;

constexpr int kTrackButtons = 15;

// Which track buttons (and their labels) show, and the numbers on the labels.
std::string ShownTracks(const CdPlayerSession& session) {
  std::string shown;
  for (int k = 0; k < kTrackButtons; ++k) {
    const bool button = session.IsShown(IDC_CD_TRACK_FIRST + k);
    const bool label = session.IsShown(IDC_CD_TRACK_LABEL_FIRST + k);
    if (button != label) return "button and label differ at " + std::to_string(k);
    if (button) shown += session.Text(IDC_CD_TRACK_LABEL_FIRST + k) + " ";
  }
  return shown;
}

bool PageButtonsShown(const CdPlayerSession& session) {
  return session.IsShown(IDC_CD_PAGE_UP) && session.IsShown(IDC_CD_PAGE_DOWN) &&
         session.IsShown(IDC_CD_PAGE_UP_LABEL) && session.IsShown(IDC_CD_PAGE_DOWN_LABEL);
}

bool PageButtonsHidden(const CdPlayerSession& session) {
  return !session.IsShown(IDC_CD_PAGE_UP) && !session.IsShown(IDC_CD_PAGE_DOWN) &&
         !session.IsShown(IDC_CD_PAGE_UP_LABEL) && !session.IsShown(IDC_CD_PAGE_DOWN_LABEL);
}

TEST(CdPlayerPanel, TwentyTracksPageWithWrapAround) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfEqualTracks(20, 180);
  ASSERT_TRUE(session.Start(&disc));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateReady));
  EXPECT_EQ(session.Text(IDC_CD_TOTAL_TRACKS), "20");
  EXPECT_EQ(session.Text(IDC_CD_DISC_LENGTH), "60:00");
  EXPECT_TRUE(PageButtonsShown(session));
  EXPECT_EQ(ShownTracks(session), "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 ");

  const std::string secondPage = "16 17 18 19 20 ";
  session.Press(IDC_CD_PAGE_DOWN);
  EXPECT_TRUE(e2e::WaitUntil([&] { return ShownTracks(session) == secondPage; }, 3000))
      << ShownTracks(session);
  e2e::SaveScreenshot(session.main, "cd_player_page_2");
  session.Press(IDC_CD_PAGE_DOWN);  // past the last page: the first
  EXPECT_TRUE(e2e::WaitUntil([&] { return ShownTracks(session).rfind("1 2 ", 0) == 0; }, 3000));
  session.Press(IDC_CD_PAGE_UP);  // before the first page: the last
  EXPECT_TRUE(e2e::WaitUntil([&] { return ShownTracks(session) == secondPage; }, 3000));

  // A button of the second page plays its own track.
  session.Press(IDC_CD_TRACK_FIRST + 2);
  EXPECT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "18"));
  EXPECT_TRUE(session.WaitForState(kTextPlayStatePlaying));
}

TEST(CdPlayerPanel, OnePageShowsNoPageButtons) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfEqualTracks(12, 200);
  ASSERT_TRUE(session.Start(&disc));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateReady));
  EXPECT_EQ(session.Text(IDC_CD_TOTAL_TRACKS), "12");
  EXPECT_TRUE(PageButtonsHidden(session));
  EXPECT_EQ(ShownTracks(session), "1 2 3 4 5 6 7 8 9 10 11 12 ");
  EXPECT_EQ(session.Text(IDC_CD_ENTRY_LABEL), kTextAddEntryLabel);  // not in the catalogue
}

TEST(CdPlayerPanel, SkipBackFollowsTheSecondsIntoTheTrack) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfEqualTracks(6, 240);
  ASSERT_TRUE(session.Start(&disc));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateReady));

  // Within the first seconds of track 1: the last track.
  session.Press(IDC_CD_PLAY);
  ASSERT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "1"));
  session.Press(IDC_CD_SKIP_BACK);
  EXPECT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "6"));
  ASSERT_TRUE(session.WaitForState(kTextPlayStatePlaying));

  // A minute and two seconds in: only the seconds field counts, so the previous track. The
  // click follows the seek at once; from half a minute in, a lost seek would restart track 6.
  session.SeekTo(30);
  ASSERT_TRUE(e2e::WaitUntil([&] { return session.TrackTime() >= 30; }, 4000))
      << session.Text(IDC_CD_TRACK_TIME);
  session.SeekTo(62);
  session.Press(IDC_CD_SKIP_BACK);
  EXPECT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "5"));

  // Half a minute in: the same track from its start.
  session.SeekTo(30);
  ASSERT_TRUE(e2e::WaitUntil([&] { return session.TrackTime() >= 30; }, 4000))
      << session.Text(IDC_CD_TRACK_TIME);
  session.Press(IDC_CD_SKIP_BACK);
  EXPECT_TRUE(e2e::WaitUntil([&] { return session.TrackTime() >= 0 && session.TrackTime() < 5; },
                             4000))
      << session.Text(IDC_CD_TRACK_TIME);
  EXPECT_EQ(session.Text(IDC_CD_TRACK_NUMBER), "5");

  // Skip >> moves on; after the last track it comes back to track 1.
  session.Press(IDC_CD_SKIP_FORWARD);
  EXPECT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "6"));
  session.Press(IDC_CD_SKIP_FORWARD);
  EXPECT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "1"));
}

TEST(CdPlayerPanel, TimesWhilePlayingAndPauseResume) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfTracks({100, 200, 300});
  ASSERT_TRUE(session.Start(&disc));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateReady));
  session.Press(IDC_CD_TRACK_FIRST + 1);
  ASSERT_TRUE(session.WaitForState(kTextPlayStatePlaying));
  session.SeekTo(50);
  ASSERT_TRUE(e2e::WaitUntil([&] { return session.TrackTime() >= 50; }, 4000));
  session.Press(IDC_CD_PAUSE);
  ASSERT_TRUE(session.WaitForState(kTextPlayStatePaused));
  const int into = session.TrackTime();
  EXPECT_EQ(session.Text(IDC_CD_TRACK_LENGTH), "3:20");
  EXPECT_EQ(session.Text(IDC_CD_BAR_END), "3:20");
  EXPECT_EQ(session.Text(IDC_CD_TRACK_REMAINING), bw::FormatSeconds(200 - into));
  EXPECT_EQ(session.Text(IDC_CD_TOTAL_TIME), bw::FormatSeconds(100 + into));
  EXPECT_EQ(session.Text(IDC_CD_TOTAL_REMAINING), bw::FormatSeconds(600 - 100 - into));
  e2e::Sleep(1500);
  EXPECT_EQ(session.TrackTime(), into) << "a pause holds the position";
  session.Press(IDC_CD_PLAY);  // resumes
  EXPECT_TRUE(session.WaitForState(kTextPlayStatePlaying));
  EXPECT_TRUE(e2e::WaitUntil([&] { return session.TrackTime() > into; }, 4000));
  session.Press(IDC_CD_STOP);
  EXPECT_TRUE(session.WaitForState(kTextPlayStateReady));
}

TEST(CdPlayerPanel, RepeatTrackStartsTheTrackAgain) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfTracks({4, 4, 60});
  ASSERT_TRUE(session.Start(&disc));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateReady));
  session.Press(IDC_CD_REPEAT_TRACK);
  session.Press(IDC_CD_PLAY);
  ASSERT_TRUE(session.WaitForState(kTextPlayStatePlaying));
  // Track 1 lasts 4 seconds; well after that it is still (again) track 1.
  bool sawTrack2 = false;
  e2e::WaitUntil([&] {
    sawTrack2 = sawTrack2 || session.Text(IDC_CD_TRACK_NUMBER) == "2";
    return false;
  }, 7000);
  EXPECT_FALSE(sawTrack2);
  EXPECT_EQ(session.Text(IDC_CD_TRACK_NUMBER), "1");
  EXPECT_EQ(session.Text(IDC_CD_PLAY_STATE), kTextPlayStatePlaying);

  // Switched off, playback runs on into track 2.
  session.Press(IDC_CD_REPEAT_TRACK);
  EXPECT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "2", 8000));
}

TEST(CdPlayerPanel, RepeatDiscStartsTrackOneAfterTheLast) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfTracks({30, 30, 3});
  ASSERT_TRUE(session.Start(&disc));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateReady));
  session.Press(IDC_CD_REPEAT_DISC);
  session.Press(IDC_CD_TRACK_FIRST + 2);
  ASSERT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "3"));
  EXPECT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "1", 8000));
  EXPECT_TRUE(session.WaitForState(kTextPlayStatePlaying));

  // Without it the end of the disc settles on Ready.
  session.Press(IDC_CD_REPEAT_DISC);
  session.Press(IDC_CD_TRACK_FIRST + 2);
  ASSERT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "3"));
  EXPECT_TRUE(session.WaitForState(kTextPlayStateReady, 8000));
}

TEST(CdPlayerPanel, OpeningTheDoorEmptiesAndANewDiscIsRead) {
  CdPlayerSession session;
  const bw::VirtualDisc first = cde2e::DiscOfEqualTracks(10, 120);
  ASSERT_TRUE(session.Start(&first));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateReady));
  session.Press(IDC_CD_PLAY);
  ASSERT_TRUE(session.WaitForState(kTextPlayStatePlaying));

  bw::VirtualDisc open = first;
  open.doorOpen = true;
  session.PutDisc(open);
  EXPECT_TRUE(session.WaitForState(kTextPlayStateEmpty));
  EXPECT_TRUE(e2e::WaitUntil([&] { return ShownTracks(session).empty(); }, 3000));
  EXPECT_EQ(session.Text(IDC_CD_TOTAL_TRACKS), "");
  EXPECT_EQ(session.Text(IDC_CD_EJECT_LABEL), kTextLoadLabel);
  // Empty refuses Play.
  session.Press(IDC_CD_PLAY);
  e2e::Sleep(1200);
  EXPECT_EQ(session.Text(IDC_CD_PLAY_STATE), kTextPlayStateEmpty);

  const bw::VirtualDisc second = cde2e::DiscOfTracks({61, 62, 63, 64, 65, 66, 67});
  session.PutDisc(second);
  EXPECT_TRUE(session.WaitForState(kTextPlayStateReady));
  EXPECT_TRUE(e2e::WaitUntil([&] { return ShownTracks(session) == "1 2 3 4 5 6 7 "; }, 3000))
      << ShownTracks(session);
  EXPECT_EQ(session.Text(IDC_CD_TOTAL_TRACKS), "7");
  EXPECT_EQ(session.Text(IDC_CD_DISC_LENGTH), "7:28");
  EXPECT_EQ(session.Text(IDC_CD_EJECT_LABEL), kTextEjectLabel);
}

TEST(CdPlayerPanel, EjectAndLoadThroughTheButton) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfEqualTracks(4, 100);
  ASSERT_TRUE(session.Start(&disc));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateReady));
  session.Press(IDC_CD_EJECT);
  EXPECT_TRUE(session.WaitForState(kTextPlayStateEmpty));
  EXPECT_EQ(session.Text(IDC_CD_EJECT_LABEL), kTextLoadLabel);
  session.Press(IDC_CD_EJECT);  // now Load
  EXPECT_TRUE(session.WaitForState(kTextPlayStateReady));
  EXPECT_EQ(session.Text(IDC_CD_EJECT_LABEL), kTextEjectLabel);
  EXPECT_EQ(ShownTracks(session), "1 2 3 4 ");
}

TEST(CdPlayerPanel, DataDiscIgnoresPlay) {
  CdPlayerSession session;
  bw::VirtualDisc disc = cde2e::DiscOfEqualTracks(1, 600);
  disc.firstTrackAudio = false;
  ASSERT_TRUE(session.Start(&disc));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateDataDisc));
  session.Press(IDC_CD_PLAY);
  session.Press(IDC_CD_TRACK_FIRST);
  e2e::Sleep(1500);
  EXPECT_EQ(session.Text(IDC_CD_PLAY_STATE), kTextPlayStateDataDisc);
  EXPECT_EQ(session.Text(IDC_CD_TRACK_NUMBER), "");
  EXPECT_EQ(e2e::FindTopWindow("Brindlewax Message", session.program.ProcessId()), nullptr);
}

TEST(CdPlayerPanel, NoDriveAsksToRetryOnPlay) {
  CdPlayerSession session;
  ASSERT_TRUE(session.Start(nullptr));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateEmpty));
  session.Press(IDC_CD_PLAY);
  HWND question = session.program.WaitForWindow("Brindlewax Question!", 5000);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(question, 1020)), kTextCdOpenRetryQuestion);
  e2e::ClickId(question, 1010);  // try again: there is still no drive
  HWND message = session.program.WaitForWindow("Brindlewax Message", 5000);
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(message, 620)), kTextCdStillCannotOpen);
  e2e::ClickId(message, 610);
  EXPECT_TRUE(e2e::WaitUntil([&] {
    return e2e::FindTopWindow("Brindlewax Message", session.program.ProcessId()) == nullptr;
  }, 3000));
  EXPECT_EQ(session.Text(IDC_CD_PLAY_STATE), kTextPlayStateEmpty);
}

TEST(CdPlayerPanel, KnownDiscShowsItsTitles) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfTracks({150, 160, 170});
  bw::TitleTable titles;
  titles.Set(0, "Overture");
  titles.Set(1, "Second Movement");
  titles.Set(2, "Finale");
  bw::EntryDetails details;
  details.artist = "The Testers";
  details.discName = "Polled Once a Second";
  bw::Database catalogue = session.Catalogue();
  ASSERT_TRUE(catalogue.EnsureDatabaseFile().IsOk());
  ASSERT_TRUE(catalogue.AppendEntry(cde2e::ProfileOf(disc), titles, details).IsOk());

  ASSERT_TRUE(session.Start(&disc));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateReady));
  EXPECT_TRUE(session.WaitForText(IDC_CD_DISC_TITLE, "The Testers - Polled Once a Second"));
  EXPECT_EQ(session.Text(IDC_CD_ENTRY_LABEL), kTextEditEntryLabel);
  session.Press(IDC_CD_TRACK_FIRST + 1);
  EXPECT_TRUE(session.WaitForText(IDC_CD_TRACK_TITLE, "Second Movement"));
  EXPECT_TRUE(session.WaitForState(kTextPlayStatePlaying));

  // The mouse over a track button shows that track's title.
  RECT button = {};
  GetWindowRect(session.Control(IDC_CD_TRACK_FIRST + 2), &button);
  SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  EXPECT_TRUE(session.WaitForText(IDC_CD_HOVER_TITLE, "Finale"));
  SetCursorPos(0, 0);
  EXPECT_TRUE(session.WaitForText(IDC_CD_HOVER_TITLE, ""));

  // Minimised while playing, the main window's title names the track.
  ShowWindow(session.main, SW_MINIMIZE);
  EXPECT_TRUE(e2e::WaitUntil([&] {
    return e2e::GetText(session.main) == std::string("Second Movement - ") + kTextProgramTitle;
  }, 4000)) << e2e::GetText(session.main);

  // A second copy still finds this one, whatever its title shows, and hands the play over.
  e2e::RunningProgram second;
  ASSERT_TRUE(second.Start(session.folder, "/play E:"));
  DWORD secondExit = 1;
  EXPECT_TRUE(second.WaitForExit(15000, &secondExit));
  EXPECT_EQ(secondExit, 0u);
  EXPECT_TRUE(e2e::WaitUntil([&] { return IsIconic(session.main) == FALSE; }, 4000));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(session.main) == kTextProgramTitle; }, 4000));

  // Exit ends the program cleanly while the disc plays and its animation runs.
  e2e::Sleep(600);
  session.Press(cde2e::kExitButton);
  DWORD exitCode = 1;
  EXPECT_TRUE(session.program.WaitForExit(15000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}

TEST(CdPlayerPanel, PlayRequestFromAnotherProgram) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfEqualTracks(9, 100);
  ASSERT_TRUE(session.Start(&disc));
  ASSERT_TRUE(session.WaitForState(kTextPlayStateReady));
  HWND panel = GetParent(session.Control(IDC_CD_PLAY));
  PostMessageA(panel, WM_COMMAND, IDC_CD_PLAY, MAKELPARAM(7, 6969));
  EXPECT_TRUE(session.WaitForText(IDC_CD_TRACK_NUMBER, "7"));
  EXPECT_TRUE(session.WaitForState(kTextPlayStatePlaying));
}

}  // namespace
