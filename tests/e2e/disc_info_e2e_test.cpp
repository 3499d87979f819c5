// The Add / Edit Compact Disc Information dialog on a virtual drive: its pages of 15 rows, the
// titles kept across pages, and what OK and Cancel leave in brindwax.dat.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cd_panel_e2e_support.h"
#include "cddb/database_format.h"
#include "cddb/entry_codec.h"
#include "shell/texts.h"

namespace {

using cde2e::CdPlayerSession;

// Starts on `disc`, waits for Ready and opens the dialog with the Add/Edit Entry button.
HWND OpenDialog(CdPlayerSession& session, const bw::VirtualDisc& disc) {
  if (!session.Start(&disc) || !session.WaitForState(kTextPlayStateReady)) return nullptr;
  session.Press(IDC_CD_ADD_ENTRY);
  return session.program.WaitForWindow(kTextDiscInfoDialogTitle, 5000);
}

std::string Text(HWND dialog, int id) { return e2e::GetText(e2e::FindControl(dialog, id)); }
bool Shown(HWND dialog, int id) { return IsWindowVisible(e2e::FindControl(dialog, id)) != FALSE; }

int RowsShown(HWND dialog) {
  int rows = 0;
  for (int row = 0; row < 15; ++row) {
    const bool number = Shown(dialog, IDC_DISC_INFO_NUMBER_FIRST + row);
    if (number != Shown(dialog, IDC_DISC_INFO_TITLE_FIRST + row) ||
        number != Shown(dialog, IDC_DISC_INFO_LENGTH_FIRST + row)) {
      return -1;  // a row half shown
    }
    if (number) ++rows;
  }
  return rows;
}

bool Checked(HWND dialog, int id) {
  return SendMessageA(e2e::FindControl(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool WaitClosed(const CdPlayerSession& session) {
  return e2e::WaitUntil([&] {
    return e2e::FindTopWindow(kTextDiscInfoDialogTitle, session.program.ProcessId()) == nullptr;
  }, 5000);
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(DiscInfoDialog, SixteenTracksPageWithWrapAround) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfTracks(
      {61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 125});
  HWND dialog = OpenDialog(session, disc);
  ASSERT_NE(dialog, nullptr);
  e2e::Sleep(400);  // the opening animation
  e2e::SaveScreenshot(dialog, "disc_info_dialog");
  EXPECT_TRUE(Shown(dialog, IDC_DISC_INFO_PAGE_UP));
  EXPECT_TRUE(Shown(dialog, IDC_DISC_INFO_PAGE_DOWN_LABEL));
  EXPECT_EQ(RowsShown(dialog), 15);
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_NUMBER_FIRST + 14), "15");
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_LENGTH_FIRST), "1:01");
  // A new disc: no texts, AAD, Album and 5-inch.
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_ARTIST), "");
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_TITLE_FIRST), "");
  EXPECT_TRUE(Checked(dialog, IDC_DISC_INFO_AAD));
  EXPECT_TRUE(Checked(dialog, IDC_DISC_INFO_ALBUM));
  EXPECT_TRUE(Checked(dialog, IDC_DISC_INFO_5_INCH));
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_ENTRY_COUNT), "0");
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_TRACK_COUNT), "16");
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_DISC_LENGTH), "19:05");

  e2e::ClickId(dialog, IDC_DISC_INFO_PAGE_DOWN);
  EXPECT_TRUE(e2e::WaitUntil([&] { return RowsShown(dialog) == 1; }, 3000));
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_NUMBER_FIRST), "16");
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_LENGTH_FIRST), "2:05");
  e2e::ClickId(dialog, IDC_DISC_INFO_PAGE_DOWN);  // from the last page to the first
  EXPECT_TRUE(e2e::WaitUntil([&] { return RowsShown(dialog) == 15; }, 3000));
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_NUMBER_FIRST), "1");
  e2e::ClickId(dialog, IDC_DISC_INFO_PAGE_UP);  // from the first page to the last
  EXPECT_TRUE(e2e::WaitUntil([&] { return RowsShown(dialog) == 1; }, 3000));

  e2e::ClickId(dialog, IDC_DISC_INFO_CANCEL);
  EXPECT_TRUE(WaitClosed(session));
}

TEST(DiscInfoDialog, FifteenTracksHaveNoPages) {
  CdPlayerSession session;
  HWND dialog = OpenDialog(session, cde2e::DiscOfEqualTracks(15, 100));
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(Shown(dialog, IDC_DISC_INFO_PAGE_UP));
  EXPECT_FALSE(Shown(dialog, IDC_DISC_INFO_PAGE_DOWN));
  EXPECT_FALSE(Shown(dialog, IDC_DISC_INFO_PAGE_UP_LABEL));
  EXPECT_FALSE(Shown(dialog, IDC_DISC_INFO_PAGE_DOWN_LABEL));
  EXPECT_EQ(RowsShown(dialog), 15);
  e2e::ClickId(dialog, IDC_DISC_INFO_CANCEL);
  EXPECT_TRUE(WaitClosed(session));
}

TEST(DiscInfoDialog, TitleTypedOnOnePageSurvivesPaging) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfEqualTracks(20, 100);
  HWND dialog = OpenDialog(session, disc);
  ASSERT_NE(dialog, nullptr);
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_TITLE_FIRST + 2), "Third Song");
  e2e::ClickId(dialog, IDC_DISC_INFO_PAGE_DOWN);
  ASSERT_TRUE(e2e::WaitUntil([&] { return RowsShown(dialog) == 5; }, 3000));
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_TITLE_FIRST + 2), "");
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_TITLE_FIRST + 4), "Twentieth");
  e2e::ClickId(dialog, IDC_DISC_INFO_PAGE_UP);
  ASSERT_TRUE(e2e::WaitUntil([&] { return RowsShown(dialog) == 15; }, 3000));
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_TITLE_FIRST + 2), "Third Song");

  // Both pages' titles reach the catalogue.
  e2e::ClickId(dialog, IDC_DISC_INFO_OK);
  ASSERT_TRUE(WaitClosed(session));
  bw::Database catalogue = session.Catalogue();
  std::uint32_t offset = 0;
  ASSERT_TRUE(catalogue.FindEntryByProfile(cde2e::ProfileOf(disc), &offset).IsOk());
  std::string title;
  ASSERT_TRUE(catalogue.ReadEntryTrackTitle(offset, 3, &title).IsOk());
  EXPECT_EQ(title, "Third Song");
  ASSERT_TRUE(catalogue.ReadEntryTrackTitle(offset, 20, &title).IsOk());
  EXPECT_EQ(title, "Twentieth");
}

TEST(DiscInfoDialog, OkOnANewDiscWritesExactlyOneEntry) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfTracks({200, 180, 240});
  HWND dialog = OpenDialog(session, disc);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_DISC_ID), "13026c03");
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_TITLE_FIRST), "Opening");
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_TITLE_FIRST + 2), "Closing");
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_ARTIST), "Quartet");
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_DISC_NAME), "Live");
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_NOTES), "Line one\r\nLine two");
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_YEAR), "1999");
  e2e::ClickId(dialog, IDC_DISC_INFO_DDD);
  e2e::ClickId(dialog, IDC_DISC_INFO_3_INCH);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Checked(dialog, IDC_DISC_INFO_3_INCH); }, 3000));
  e2e::ClickId(dialog, IDC_DISC_INFO_OK);
  ASSERT_TRUE(WaitClosed(session));

  bw::TitleTable titles;
  titles.Set(0, "Opening");
  titles.Set(2, "Closing");
  bw::EntryDetails details;
  details.artist = "Quartet";
  details.discName = "Live";
  details.notes = "Line one\r\nLine two";
  details.yearReleased = "1999";
  details.recording = 3;
  details.type = 0;
  details.size = 0;
  std::vector<std::uint8_t> expected(bw::dbformat::kMagic,
                                     bw::dbformat::kMagic + bw::dbformat::kMagicSize);
  expected.push_back(1);  // count
  expected.push_back(0);
  std::vector<std::uint8_t> entry;
  ASSERT_TRUE(bw::EncodeEntry(cde2e::ProfileOf(disc), titles, details,
                              bw::dbformat::kFirstEntryOffset, &entry).IsOk());
  expected.insert(expected.end(), entry.begin(), entry.end());
  EXPECT_EQ(Bytes(session.folder.ReadFile(bw::dbformat::kDataFileName)), expected);

  // The panel now knows the disc.
  EXPECT_TRUE(session.WaitForText(IDC_CD_ENTRY_LABEL, kTextEditEntryLabel));
  EXPECT_TRUE(session.WaitForText(IDC_CD_DISC_TITLE, "Quartet - Live"));
}

TEST(DiscInfoDialog, OkOnAKnownDiscMovesItsEntryToTheEnd) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfTracks({300, 301});
  const bw::VirtualDisc other = cde2e::DiscOfTracks({100, 110, 120});
  bw::Database catalogue = session.Catalogue();
  bw::TitleTable titles;
  titles.Set(0, "First Known");
  bw::EntryDetails details;
  details.artist = "Known Artist";
  details.recording = 2;
  details.type = 1;
  ASSERT_TRUE(catalogue.EnsureDatabaseFile().IsOk());
  ASSERT_TRUE(catalogue.AppendEntry(cde2e::ProfileOf(disc), titles, details).IsOk());
  ASSERT_TRUE(catalogue.AppendEntry(cde2e::ProfileOf(other), bw::TitleTable(),
                                    bw::EntryDetails()).IsOk());

  HWND dialog = OpenDialog(session, disc);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_ARTIST), "Known Artist");
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_TITLE_FIRST), "First Known");
  EXPECT_TRUE(Checked(dialog, IDC_DISC_INFO_AAD + 2));    // DAD
  EXPECT_TRUE(Checked(dialog, IDC_DISC_INFO_ALBUM + 1));  // Single
  EXPECT_TRUE(Checked(dialog, IDC_DISC_INFO_5_INCH));
  EXPECT_EQ(Text(dialog, IDC_DISC_INFO_ENTRY_COUNT), "2");
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_TITLE_FIRST + 1), "Second Known");
  e2e::ClickId(dialog, IDC_DISC_INFO_OK);
  ASSERT_TRUE(WaitClosed(session));

  std::uint16_t count = 0;
  ASSERT_TRUE(catalogue.CountEntries(&count).IsOk());
  EXPECT_EQ(count, 2);
  std::uint32_t first = 0;
  std::uint32_t last = 0;
  ASSERT_TRUE(catalogue.LocateEntry(0, &first).IsOk());
  ASSERT_TRUE(catalogue.LocateEntry(1, &last).IsOk());
  bw::DiscProfile profile;
  ASSERT_TRUE(catalogue.ReadEntryProfile(first, &profile).IsOk());
  EXPECT_EQ(profile, cde2e::ProfileOf(other));
  ASSERT_TRUE(catalogue.ReadEntryProfile(last, &profile).IsOk());
  EXPECT_EQ(profile, cde2e::ProfileOf(disc));
  bw::TitleTable stored;
  bw::EntryDetails storedDetails;
  ASSERT_TRUE(catalogue.ReadEntry(last, &stored, &storedDetails).IsOk());
  EXPECT_EQ(stored.Get(0), "First Known");
  EXPECT_EQ(stored.Get(1), "Second Known");
  EXPECT_EQ(storedDetails.artist, "Known Artist");
  EXPECT_EQ(storedDetails.recording, 2);
  EXPECT_EQ(storedDetails.type, 1);
  EXPECT_TRUE(catalogue.CheckDatabase().IsOk());
  EXPECT_FALSE(session.folder.Exists(bw::dbformat::kNewFileName));
  EXPECT_FALSE(session.folder.Exists(bw::dbformat::kBackupFileName));
}

TEST(DiscInfoDialog, CancelLeavesTheFileUntouched) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfTracks({90, 91, 92});
  bw::Database catalogue = session.Catalogue();
  bw::TitleTable titles;
  titles.Set(1, "Kept As It Was");
  ASSERT_TRUE(catalogue.EnsureDatabaseFile().IsOk());
  ASSERT_TRUE(catalogue.AppendEntry(cde2e::ProfileOf(disc), titles, bw::EntryDetails()).IsOk());
  const std::string before = session.folder.ReadFile(bw::dbformat::kDataFileName);

  HWND dialog = OpenDialog(session, disc);
  ASSERT_NE(dialog, nullptr);
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_TITLE_FIRST + 1), "Changed");
  e2e::SetText(e2e::FindControl(dialog, IDC_DISC_INFO_ARTIST), "Someone Else");
  e2e::ClickId(dialog, IDC_DISC_INFO_CANCEL);
  ASSERT_TRUE(WaitClosed(session));
  EXPECT_EQ(session.folder.ReadFile(bw::dbformat::kDataFileName), before);
}

}  // namespace
