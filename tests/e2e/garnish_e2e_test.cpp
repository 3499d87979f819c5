// Garnish on the CD Player panel: the messages of an empty catalogue, the count read at each
// click, and the database information dialog's figures.
#include <gtest/gtest.h>

#include <string>

#include "cddb/database_format.h"
#include "cddb/database_info.h"
#include "garnish_e2e_support.h"
#include "shell/text_helpers.h"

namespace {

using cde2e::CdPlayerSession;
using garnishe2e::MessageAfterClick;
using garnishe2e::Text;
using garnishe2e::WaitGone;

HWND OpenInfo(const CdPlayerSession& session, HWND garnish) {
  e2e::ClickId(garnish, IDC_GARNISH_INFO);
  return session.program.WaitForWindow(kTextInfoTitle, 5000);
}

void CloseInfo(const CdPlayerSession& session, HWND info) {
  e2e::ClickId(info, IDC_DATABASE_INFO_OK);
  EXPECT_TRUE(WaitGone(session, kTextInfoTitle));
}

TEST(Garnish, EmptyCatalogueRefusesTheEntryToolsAndTheOthersStillAct) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfTracks({200, 180});
  HWND garnish = garnishe2e::OpenGarnish(session, &disc);
  ASSERT_NE(garnish, nullptr);
  e2e::Sleep(400);  // the opening animation
  e2e::SaveScreenshot(garnish, "garnish_dialog");

  EXPECT_EQ(MessageAfterClick(session, garnish, IDC_GARNISH_EDITOR), kTextEmptyNothingToEdit);
  EXPECT_EQ(MessageAfterClick(session, garnish, IDC_GARNISH_SEARCH), kTextEmptyNothingToSearch);
  EXPECT_EQ(MessageAfterClick(session, garnish, IDC_GARNISH_SORTER), kTextEmptyNothingToSort);
  EXPECT_EQ(MessageAfterClick(session, garnish, IDC_GARNISH_EXPORT), kTextEmptyNothingToExport);
  EXPECT_EQ(MessageAfterClick(session, garnish, IDC_GARNISH_CREATE_HTML),
            kTextEmptyNothingForWebPage);

  // The information needs no entries.
  HWND info = OpenInfo(session, garnish);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_ENTRIES), "0");
  CloseInfo(session, info);

  // OK closes Garnish, and the panel is back.
  e2e::ClickId(garnish, IDC_GARNISH_OK);
  EXPECT_TRUE(WaitGone(session, kTextGarnishTitle));
  EXPECT_TRUE(session.WaitForState(kTextPlayStateReady));
}

TEST(Garnish, AnEntryAddedWhileOpenIsCountedAtTheNextClick) {
  CdPlayerSession session;
  const bw::VirtualDisc disc = cde2e::DiscOfTracks({200, 180});
  HWND garnish = garnishe2e::OpenGarnish(session, &disc);
  ASSERT_NE(garnish, nullptr);
  ASSERT_EQ(MessageAfterClick(session, garnish, IDC_GARNISH_SORTER), kTextEmptyNothingToSort);

  bw::Database catalogue = session.Catalogue();
  garnishe2e::AppendEntries(catalogue, {{"Late Arrival", "Fresh", {100, 120}}});
  e2e::ClickId(garnish, IDC_GARNISH_SORTER);
  HWND sorter = session.program.WaitForWindow(kTextSorterTitle, 5000);
  ASSERT_NE(sorter, nullptr);
  EXPECT_EQ(session.program.WaitForWindow(kTextMessageBoxTitle, 300), nullptr);
  e2e::ClickId(sorter, IDC_SORTER_OK);
  EXPECT_TRUE(WaitGone(session, kTextSorterTitle));

  // The close button closes Garnish as OK does.
  PostMessageA(garnish, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(WaitGone(session, kTextGarnishTitle));
}

TEST(DatabaseInformation, FiguresOfAPreparedCatalogue) {
  CdPlayerSession session;
  bw::Database catalogue = session.Catalogue();
  // 10 tracks, 1 day 1 hour 1 minute 5 seconds in all (90,065 s, more than 16 bits hold).
  garnishe2e::AppendEntries(catalogue, {{"One", "A", {30000, 30000}},
                                        {"Two", "B", {30000, 60, 5}},
                                        {"Three", "C", {1, 1, 1, 1, 1}}});
  HWND garnish = garnishe2e::OpenGarnish(session, nullptr);
  ASSERT_NE(garnish, nullptr);
  HWND info = OpenInfo(session, garnish);
  ASSERT_NE(info, nullptr);
  e2e::Sleep(400);
  e2e::SaveScreenshot(info, "database_info_dialog");

  const std::string path = session.folder.File(bw::dbformat::kDataFileName);
  bw::FileInfo file;
  ASSERT_TRUE(bw::DefaultFileSystem().GetFileInfo(path, &file).IsOk());
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_FILE), path);
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_MODIFIED), bw::DateTimeText(file.modified));
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_SIZE), bw::ByteCountText(file.size));
  EXPECT_NE(Text(info, IDC_DATABASE_INFO_SIZE).find(" bytes"), std::string::npos);
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_ENTRIES), "3");
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_TRACKS), "10");
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_PLAYING_TIME), "1 Days, 1 Hours, 1 Minutes, 10 Seconds");
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_NOTE), "");
  CloseInfo(session, info);
}

TEST(DatabaseInformation, MissingFileShowsZerosAndIsNotCreated) {
  CdPlayerSession session;
  HWND garnish = garnishe2e::OpenGarnish(session, nullptr);
  ASSERT_NE(garnish, nullptr);
  ASSERT_FALSE(session.folder.Exists(bw::dbformat::kDataFileName));
  HWND info = OpenInfo(session, garnish);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_ENTRIES), "0");
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_TRACKS), "0");
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_SIZE), bw::ByteCountText(0));
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_PLAYING_TIME), "0 Days, 0 Hours, 0 Minutes, 0 Seconds");
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_NOTE), kTextInfoNoFile);
  CloseInfo(session, info);
  EXPECT_FALSE(session.folder.Exists(bw::dbformat::kDataFileName));
}

TEST(DatabaseInformation, DamagedChainShowsItsIntactPart) {
  CdPlayerSession session;
  bw::Database catalogue = session.Catalogue();
  garnishe2e::AppendEntries(catalogue, {{"One", "A", {100, 200}}, {"Two", "B", {300}}});
  // A third entry the header counts but the file does not hold.
  std::string bytes = session.folder.ReadFile(bw::dbformat::kDataFileName);
  bytes[bw::dbformat::kCountOffset] = 3;
  session.folder.WriteTextFile(bw::dbformat::kDataFileName, bytes);

  HWND garnish = garnishe2e::OpenGarnish(session, nullptr);
  ASSERT_NE(garnish, nullptr);
  HWND info = OpenInfo(session, garnish);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_ENTRIES), "2");
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_TRACKS), "3");
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_PLAYING_TIME), "0 Days, 0 Hours, 10 Minutes, 0 Seconds");
  EXPECT_EQ(Text(info, IDC_DATABASE_INFO_NOTE),
            std::string(kTextInfoDamagedPrefix) + "2" + kTextInfoDamagedSuffix);
  CloseInfo(session, info);
  // Only read: the file is as it was.
  EXPECT_EQ(session.folder.ReadFile(bw::dbformat::kDataFileName), bytes);
}

}  // namespace
