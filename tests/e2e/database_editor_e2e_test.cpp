// The database editor opened from Garnish: browsing by arrows and entry numbers, Save in
// place, Delete with its question, and the search's hit shown with the focus on its field.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cddb/database_format.h"
#include "cddb/editor_entry.h"
#include "garnish_e2e_support.h"
#include "shell_e2e_support.h"

namespace {

using cde2e::CdPlayerSession;
using garnishe2e::Text;
using garnishe2e::WaitGone;

// Three entries; the second has 20 tracks, so it shows two pages.
const std::vector<garnishe2e::TestEntry> kEntries = {
    {"First Artist", "Opening Disc", {200, 180, 240}, "First Artist song"},
    {"Second Artist", "Long Disc", std::vector<std::uint16_t>(20, 100), "Second Artist song"},
    {"Third Artist", "Closing Disc", {61, 62}, "Third Artist song"},
};

class DatabaseEditor : public ::testing::Test {
 protected:
  // Fills the catalogue and opens the editor from Garnish (its Search Database button when
  // `searchAtOnce`).
  HWND Open(const std::vector<garnishe2e::TestEntry>& entries, bool searchAtOnce = false) {
    bw::Database catalogue = session.Catalogue();
    garnishe2e::AppendEntries(catalogue, entries);
    garnish = garnishe2e::OpenGarnish(session, nullptr);
    if (garnish == nullptr) return nullptr;
    e2e::ClickId(garnish, searchAtOnce ? IDC_GARNISH_SEARCH : IDC_GARNISH_EDITOR);
    editor = session.program.WaitForWindow(kTextEditorTitle, 5000);
    return editor;
  }

  std::string Field(int id) const { return Text(editor, id); }
  bool Shown(int id) const { return IsWindowVisible(e2e::FindControl(editor, id)) != FALSE; }
  bool Checked(int id) const {
    return SendMessageA(e2e::FindControl(editor, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  HWND Focus() const { return shelle2e::FocusOf(editor); }
  bool WaitForArtist(const std::string& artist) const {
    return e2e::WaitUntil([&] { return Field(IDC_EDITOR_ARTIST) == artist; }, 3000);
  }

  // Types a number into the entry number field (reached by its group's Alt+E) and presses
  // Enter, which moves on to Artist.
  void TypeEntryNumber(const std::string& text) {
    HWND number = e2e::FindControl(editor, IDC_EDITOR_ENTRY_NUMBER);
    shelle2e::PostAltKey(editor, 'E');
    ASSERT_TRUE(e2e::WaitUntil([&] { return Focus() == number; }, 3000));
    e2e::Sleep(300);  // the mnemonic's character passes first
    e2e::SetText(number, text);
    shelle2e::PostKey(number, VK_RETURN);
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return Focus() == e2e::FindControl(editor, IDC_EDITOR_ARTIST); }, 3000));
  }

  // The question box's answer: OK for yes, Cancel for no.
  void Answer(bool yes) {
    HWND box = session.program.WaitForWindow(kTextQuestionBoxTitle, 4000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Text(box, IDC_QUESTION_BOX_TEXT), kTextAskDeleteEntry);
    e2e::ClickId(box, yes ? IDC_QUESTION_BOX_OK : IDC_QUESTION_BOX_CANCEL);
    EXPECT_TRUE(WaitGone(session, kTextQuestionBoxTitle));
  }

  std::vector<bw::EditorEntry> Stored() {
    bw::Database catalogue = session.Catalogue();
    std::uint16_t count = 0;
    EXPECT_TRUE(catalogue.CountEntries(&count).IsOk());
    std::vector<bw::EditorEntry> entries(count);
    for (std::uint16_t i = 0; i < count; ++i) {
      EXPECT_TRUE(bw::ReadEditorEntry(catalogue, i, &entries[i]).IsOk());
    }
    return entries;
  }

  void CloseEditor() {
    e2e::ClickId(editor, IDC_EDITOR_OK);
    EXPECT_TRUE(WaitGone(session, kTextEditorTitle));
  }

  CdPlayerSession session;
  HWND garnish = nullptr;
  HWND editor = nullptr;
};

TEST_F(DatabaseEditor, BrowsesByArrowsAndEntryNumbers) {
  ASSERT_NE(Open(kEntries), nullptr);
  e2e::Sleep(400);  // the opening animation
  e2e::SaveScreenshot(editor, "database_editor");
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_NUMBER), "1");
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_COUNT), "3");
  EXPECT_EQ(Field(IDC_EDITOR_ARTIST), "First Artist");
  EXPECT_EQ(Field(IDC_EDITOR_TITLE_FIRST + 2), "First Artist song 3");
  EXPECT_EQ(Field(IDC_EDITOR_LENGTH_FIRST), "3:20");
  EXPECT_EQ(Field(IDC_EDITOR_TRACK_COUNT), "3");
  EXPECT_EQ(Field(IDC_EDITOR_DISC_LENGTH), "10:20");
  EXPECT_FALSE(Shown(IDC_EDITOR_TITLE_FIRST + 3));
  EXPECT_FALSE(Shown(IDC_EDITOR_PAGE_DOWN));
  EXPECT_TRUE(Checked(IDC_EDITOR_AAD));
  EXPECT_TRUE(Checked(IDC_EDITOR_5_INCH));

  // Previous from the first entry is the last; next from the last is the first.
  e2e::ClickId(editor, IDC_EDITOR_PREVIOUS);
  ASSERT_TRUE(WaitForArtist("Third Artist"));
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_NUMBER), "3");
  e2e::ClickId(editor, IDC_EDITOR_NEXT);
  ASSERT_TRUE(WaitForArtist("First Artist"));
  e2e::ClickId(editor, IDC_EDITOR_NEXT);
  ASSERT_TRUE(WaitForArtist("Second Artist"));
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_NUMBER), "2");

  // Twenty tracks: two pages, the second showing rows 16 to 20.
  EXPECT_TRUE(Shown(IDC_EDITOR_PAGE_DOWN));
  EXPECT_TRUE(Shown(IDC_EDITOR_PAGE_UP_LABEL));
  e2e::ClickId(editor, IDC_EDITOR_PAGE_DOWN);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Field(IDC_EDITOR_NUMBER_FIRST) == "16"; }, 3000));
  EXPECT_TRUE(Shown(IDC_EDITOR_TITLE_FIRST + 4));
  EXPECT_FALSE(Shown(IDC_EDITOR_TITLE_FIRST + 5));
  EXPECT_EQ(Field(IDC_EDITOR_TITLE_FIRST + 4), "Second Artist song 20");

  // 0 and text that is no number show entry 1; a negative number or one beyond the count
  // (70000 included, which a 16-bit conversion would wrap to 4464) the last.
  const std::pair<const char*, const char*> typed[] = {
      {"0", "First Artist"}, {"2", "Second Artist"}, {"abc", "First Artist"},
      {"-4", "Third Artist"}, {"  2", "Second Artist"}, {"70000", "Third Artist"}};
  for (const auto& [text, artist] : typed) {
    TypeEntryNumber(text);
    EXPECT_TRUE(WaitForArtist(artist)) << text;
  }
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_NUMBER), "3");
  CloseEditor();
}

TEST_F(DatabaseEditor, SaveReplacesTheEntryInPlace) {
  std::vector<garnishe2e::TestEntry> entries = kEntries;
  ASSERT_NE(Open(entries), nullptr);
  e2e::ClickId(editor, IDC_EDITOR_NEXT);
  ASSERT_TRUE(WaitForArtist("Second Artist"));
  e2e::SetText(e2e::FindControl(editor, IDC_EDITOR_ARTIST), "Corrected Artist");
  e2e::SetText(e2e::FindControl(editor, IDC_EDITOR_NOTES), "Line one\r\nLine two");
  e2e::SetText(e2e::FindControl(editor, IDC_EDITOR_YEAR), "1987");
  e2e::SetText(e2e::FindControl(editor, IDC_EDITOR_TITLE_FIRST + 1), "Page one title");
  e2e::ClickId(editor, IDC_EDITOR_PAGE_DOWN);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Field(IDC_EDITOR_NUMBER_FIRST) == "16"; }, 3000));
  e2e::SetText(e2e::FindControl(editor, IDC_EDITOR_TITLE_FIRST + 1), "Seventeenth");
  e2e::ClickId(editor, IDC_EDITOR_DDD);
  e2e::ClickId(editor, IDC_EDITOR_3_INCH);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Checked(IDC_EDITOR_3_INCH); }, 3000));
  const std::vector<bw::EditorEntry> before = Stored();
  e2e::ClickId(editor, IDC_EDITOR_SAVE);

  ASSERT_TRUE(e2e::WaitUntil([&] { return Stored()[1].details.artist == "Corrected Artist"; }, 5000));
  const std::vector<bw::EditorEntry> after = Stored();
  ASSERT_EQ(after.size(), 3u);
  EXPECT_TRUE(bw::SameStoredEntry(after[0], before[0]));
  EXPECT_EQ(after[2].details, before[2].details);
  EXPECT_EQ(after[1].profile, before[1].profile);  // the disc's profile stays as it was
  EXPECT_EQ(after[1].details.notes, "Line one\r\nLine two");
  EXPECT_EQ(after[1].details.yearReleased, "1987");
  EXPECT_EQ(after[1].details.recording, 3);
  EXPECT_EQ(after[1].details.size, 0);
  EXPECT_EQ(after[1].titles->Get(1), "Page one title");
  EXPECT_EQ(after[1].titles->Get(16), "Seventeenth");
  EXPECT_EQ(after[1].titles->Get(19), "Second Artist song 20");
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_NUMBER), "2");
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_COUNT), "3");
  EXPECT_TRUE(session.Catalogue().CheckDatabase().IsOk());
  EXPECT_FALSE(session.folder.Exists(bw::dbformat::kNewFileName));
  EXPECT_FALSE(session.folder.Exists(bw::dbformat::kBackupFileName));

  // Moving on drops unsaved edits; passing through the entry number with the same number
  // does not.
  e2e::SetText(e2e::FindControl(editor, IDC_EDITOR_LABEL), "Kept while on this entry");
  TypeEntryNumber("2");
  EXPECT_EQ(Field(IDC_EDITOR_LABEL), "Kept while on this entry");
  e2e::ClickId(editor, IDC_EDITOR_NEXT);
  ASSERT_TRUE(WaitForArtist("Third Artist"));
  e2e::ClickId(editor, IDC_EDITOR_PREVIOUS);
  ASSERT_TRUE(WaitForArtist("Corrected Artist"));
  EXPECT_EQ(Field(IDC_EDITOR_LABEL), "");
  EXPECT_TRUE(Checked(IDC_EDITOR_3_INCH));  // saved as 3-inch, shown as 3-inch
  CloseEditor();
}

TEST_F(DatabaseEditor, DeleteAsksAndTheLastDeleteClosesTheEditor) {
  ASSERT_NE(Open(kEntries), nullptr);
  const std::string original = session.folder.ReadFile(bw::dbformat::kDataFileName);
  e2e::ClickId(editor, IDC_EDITOR_PREVIOUS);
  ASSERT_TRUE(WaitForArtist("Third Artist"));

  // No changes nothing.
  e2e::ClickId(editor, IDC_EDITOR_DELETE);
  Answer(false);
  EXPECT_EQ(session.folder.ReadFile(bw::dbformat::kDataFileName), original);
  EXPECT_EQ(Field(IDC_EDITOR_ARTIST), "Third Artist");

  // Deleting the last of three shows the new last entry.
  e2e::ClickId(editor, IDC_EDITOR_DELETE);
  Answer(true);
  ASSERT_TRUE(WaitForArtist("Second Artist"));
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_NUMBER), "2");
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_COUNT), "2");
  ASSERT_EQ(Stored().size(), 2u);

  // Deleting the first keeps the number and shows the entry that moved up.
  TypeEntryNumber("1");
  ASSERT_TRUE(WaitForArtist("First Artist"));
  e2e::ClickId(editor, IDC_EDITOR_DELETE);
  Answer(true);
  ASSERT_TRUE(WaitForArtist("Second Artist"));
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_NUMBER), "1");
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_COUNT), "1");

  // Deleting the only entry says so and closes the editor; Garnish stays.
  e2e::ClickId(editor, IDC_EDITOR_DELETE);
  Answer(true);
  HWND box = session.program.WaitForWindow(kTextMessageBoxTitle, 4000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Text(box, IDC_MESSAGE_BOX_TEXT), kTextEmptyNothingToEdit);
  e2e::ClickId(box, IDC_MESSAGE_BOX_OK);
  EXPECT_TRUE(WaitGone(session, kTextEditorTitle));
  EXPECT_TRUE(Stored().empty());
  EXPECT_EQ(session.folder.ReadFile(bw::dbformat::kDataFileName).size(), 8u);
  EXPECT_NE(e2e::FindTopWindow(kTextGarnishTitle, session.program.ProcessId()), nullptr);
}

TEST_F(DatabaseEditor, SearchHitInTrackSeventeenOpensPageTwoOnItsRow) {
  std::vector<garnishe2e::TestEntry> entries = kEntries;
  ASSERT_NE(Open(entries, true), nullptr);
  // Search Database opens the search at once.
  HWND search = session.program.WaitForWindow(kTextSearchTitle, 5000);
  ASSERT_NE(search, nullptr);
  e2e::SetText(e2e::FindControl(search, IDC_SEARCH_TEXT), "song 17");
  e2e::ClickId(search, IDC_SEARCH_ENTIRE);
  e2e::ClickId(search, IDC_SEARCH_START);
  HWND list = e2e::FindControl(search, IDC_SEARCH_RESULTS);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 1; }, 5000));
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  e2e::ClickId(search, IDC_SEARCH_OK);
  ASSERT_TRUE(WaitGone(session, kTextSearchTitle));

  ASSERT_TRUE(WaitForArtist("Second Artist"));
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_NUMBER), "2");
  EXPECT_TRUE(e2e::WaitUntil([&] { return Field(IDC_EDITOR_NUMBER_FIRST) == "16"; }, 3000));
  HWND row = e2e::FindControl(editor, IDC_EDITOR_TITLE_FIRST + 1);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Focus() == row; }, 3000));
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(row, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, std::string("Second Artist song 17").size());
  e2e::Sleep(300);  // the editor repaints where the search lay
  e2e::SaveScreenshot(editor, "database_editor_search_hit");

  // Alt+S opens the search again; Cancel returns to the entry shown before.
  shelle2e::PostAltKey(editor, 'S');
  search = session.program.WaitForWindow(kTextSearchTitle, 5000);
  ASSERT_NE(search, nullptr);
  e2e::ClickId(search, IDC_SEARCH_NEXT_ENTRY);
  e2e::ClickId(search, IDC_SEARCH_CANCEL);
  ASSERT_TRUE(WaitGone(session, kTextSearchTitle));
  EXPECT_EQ(Field(IDC_EDITOR_ARTIST), "Second Artist");
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_NUMBER), "2");
  CloseEditor();
}

TEST_F(DatabaseEditor, ASaveOnADamagedCatalogueSaysSoAndWritesNothing) {
  bw::Database catalogue = session.Catalogue();
  garnishe2e::AppendEntries(catalogue, {kEntries[0], kEntries[2]});
  // The header claims a third entry that the chain does not hold.
  std::string bytes = session.folder.ReadFile(bw::dbformat::kDataFileName);
  bytes[6] = 3;
  session.folder.WriteTextFile(bw::dbformat::kDataFileName, bytes);
  ASSERT_NE(Open({}), nullptr);
  EXPECT_EQ(Field(IDC_EDITOR_ENTRY_COUNT), "2");  // the intact entries
  e2e::SetText(e2e::FindControl(editor, IDC_EDITOR_ARTIST), "Not stored");
  e2e::ClickId(editor, IDC_EDITOR_SAVE);
  HWND box = session.program.WaitForWindow(kTextMessageBoxTitle, 4000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Text(box, IDC_MESSAGE_BOX_TEXT), kTextEditorSaveFailed);
  e2e::ClickId(box, IDC_MESSAGE_BOX_OK);
  ASSERT_TRUE(WaitGone(session, kTextMessageBoxTitle));
  EXPECT_EQ(session.folder.ReadFile(bw::dbformat::kDataFileName), bytes);
  CloseEditor();
}

}  // namespace
