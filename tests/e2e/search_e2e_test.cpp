// Search Database, opened from Garnish through the editor: what text and property searches
// find, the hit shown in the editor with the focus on its field, the start entry's rules, and
// the options and the list kept from one opening to the next.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "garnish_e2e_support.h"

namespace {

using cde2e::CdPlayerSession;
using garnishe2e::TestEntry;
using garnishe2e::Text;
using garnishe2e::WaitGone;

class SearchTest : public testing::Test {
 protected:
  void Prepare(const std::vector<TestEntry>& entries) {
    bw::Database catalogue = session_.Catalogue();
    garnishe2e::AppendEntries(catalogue, entries);
  }

  // Garnish's Search Database: the editor opens, and the search over it at once.
  void OpenFromGarnish() {
    garnish_ = garnishe2e::OpenGarnish(session_, nullptr);
    ASSERT_NE(garnish_, nullptr);
    e2e::ClickId(garnish_, IDC_GARNISH_SEARCH);
    editor_ = session_.program.WaitForWindow(kTextEditorTitle, 5000);
    ASSERT_NE(editor_, nullptr);
    search_ = session_.program.WaitForWindow(kTextSearchTitle, 5000);
    ASSERT_NE(search_, nullptr);
  }

  // The editor's Search button, for a search opened again.
  void OpenFromEditor() {
    e2e::ClickId(editor_, IDC_EDITOR_SEARCH);
    search_ = session_.program.WaitForWindow(kTextSearchTitle, 5000);
    ASSERT_NE(search_, nullptr);
  }

  void ChooseOption(int id) {
    e2e::ClickId(search_, id);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsChecked(id); }, 3000));
  }

  bool IsChecked(int id) const {
    return SendMessageA(e2e::FindControl(search_, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  bool IsEnabled(int id) const { return IsWindowEnabled(e2e::FindControl(search_, id)) != FALSE; }

  // Types the text, presses Start and waits for the result line; answers a "No match!" box.
  std::string Search(const std::string& text) {
    e2e::SetText(e2e::FindControl(search_, IDC_SEARCH_TEXT), text);
    SetText(IDC_SEARCH_PROGRESS, "");
    e2e::ClickId(search_, IDC_SEARCH_START);
    e2e::WaitUntil([&] { return Text(search_, IDC_SEARCH_PROGRESS).find(kTextItemsFoundSuffix) != std::string::npos; }, 10000);
    if (Text(search_, IDC_SEARCH_PROGRESS) == std::string("0") + kTextItemsFoundSuffix) {
      HWND box = session_.program.WaitForWindow(kTextMessageBoxTitle, 4000);
      if (box == nullptr) return "<no message>";
      message_ = Text(box, IDC_MESSAGE_BOX_TEXT);
      e2e::ClickId(box, IDC_MESSAGE_BOX_OK);
      WaitGone(session_, kTextMessageBoxTitle);
    }
    return Text(search_, IDC_SEARCH_PROGRESS);
  }

  void SetText(int id, const std::string& text) const { e2e::SetText(e2e::FindControl(search_, id), text); }

  std::vector<std::string> Items() const {
    HWND list = e2e::FindControl(search_, IDC_SEARCH_RESULTS);
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      // Across processes the list's text comes over in its wide form.
      wchar_t text[600] = {};
      SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      char narrow[600] = {};
      WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof(narrow), nullptr, nullptr);
      items.push_back(narrow);
    }
    return items;
  }

  // Selects the item with that caption and closes the search with OK.
  void Choose(const std::string& caption) {
    const std::vector<std::string> items = Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] != caption) continue;
      SendMessageA(e2e::FindControl(search_, IDC_SEARCH_RESULTS), LB_SETCURSEL, i, 0);
      e2e::ClickId(search_, IDC_SEARCH_OK);
      ASSERT_TRUE(WaitGone(session_, kTextSearchTitle));
      return;
    }
    FAIL() << "no item " << caption;
  }

  HWND EditorFocus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(editor_, nullptr), &info)) return nullptr;
    return info.hwndFocus;
  }
  bool EditorFocusIs(int id) const {
    const bool focused = e2e::WaitUntil([&] { return EditorFocus() == e2e::FindControl(editor_, id); }, 3000);
    if (!focused) ADD_FAILURE() << "focus on " << GetDlgCtrlID(EditorFocus());
    return focused;
  }

  CdPlayerSession session_;
  HWND garnish_ = nullptr;
  HWND editor_ = nullptr;
  HWND search_ = nullptr;
  std::string message_;
};

TEST_F(SearchTest, TextSearchFindsEveryOccurrenceOnceAnEntryAndShowsTheHit) {
  Prepare({{"xaby", "one", {100}},
           {"aab", "two", {101}},
           {"nothing", "three", {102}},
           {"abc", "four", {103, 104}, "abc"}});  // its titles match too: the hit is a track
  session_.folder.WriteIni("SEARCH", "SearchEntireDatabase", "TRUE");
  ASSERT_NO_FATAL_FAILURE(OpenFromGarnish());
  e2e::Sleep(400);
  EXPECT_EQ(Search("ab"), std::string("3") + kTextItemsFoundSuffix);
  e2e::SaveScreenshot(search_, "search_dialog");
  EXPECT_EQ(Items(), (std::vector<std::string>{"aab - two", "abc - four", "xaby - one"}));

  ASSERT_NO_FATAL_FAILURE(Choose("aab - two"));
  EXPECT_EQ(Text(editor_, IDC_EDITOR_ENTRY_NUMBER), "2");
  EXPECT_EQ(Text(editor_, IDC_EDITOR_ARTIST), "aab");
  EXPECT_TRUE(EditorFocusIs(IDC_EDITOR_ARTIST));

  // The list is kept for the next opening; a track hit puts the focus on that title.
  ASSERT_NO_FATAL_FAILURE(OpenFromEditor());
  EXPECT_EQ(Items().size(), 3u);
  EXPECT_EQ(Text(search_, IDC_SEARCH_PROGRESS), std::string("3") + kTextItemsFoundSuffix);
  ASSERT_NO_FATAL_FAILURE(Choose("abc - four"));
  EXPECT_EQ(Text(editor_, IDC_EDITOR_ENTRY_NUMBER), "4");
  EXPECT_TRUE(EditorFocusIs(IDC_EDITOR_TITLE_FIRST));
}

TEST_F(SearchTest, CaseIsFoldedOnlyWhenAskedAndNoMatchSaysSo) {
  Prepare({{"Rock Band", "Loud", {100}}, {"Quiet", "Soft", {101}}});
  ASSERT_NO_FATAL_FAILURE(OpenFromGarnish());
  ChooseOption(IDC_SEARCH_ENTIRE);
  EXPECT_EQ(Search("ROCK"), std::string("1") + kTextItemsFoundSuffix);
  EXPECT_EQ(Items(), std::vector<std::string>{"Rock Band - Loud"});
  ChooseOption(IDC_SEARCH_CASE_MODE);
  EXPECT_EQ(Search("ROCK"), std::string("0") + kTextItemsFoundSuffix);
  EXPECT_EQ(message_, kTextNoMatch);
  EXPECT_TRUE(Items().empty());
  // The options go to the settings file at exit; the chosen mode is kept meanwhile.
  e2e::ClickId(search_, IDC_SEARCH_CANCEL);
  ASSERT_TRUE(WaitGone(session_, kTextSearchTitle));
  ASSERT_NO_FATAL_FAILURE(OpenFromEditor());
  EXPECT_TRUE(IsChecked(IDC_SEARCH_CASE_MODE));
  EXPECT_TRUE(IsChecked(IDC_SEARCH_ENTIRE));
  EXPECT_EQ(Text(search_, IDC_SEARCH_TEXT), "ROCK");
}

TEST_F(SearchTest, AHitInTrackSeventeenOpensThePageOfIt) {
  std::vector<std::uint16_t> seventeen(17, 60);
  Prepare({{"Many", "Tracks", seventeen}});
  ASSERT_NO_FATAL_FAILURE(OpenFromGarnish());
  EXPECT_EQ(Search("Track 17"), std::string("1") + kTextItemsFoundSuffix);
  ASSERT_NO_FATAL_FAILURE(Choose("Many - Tracks"));
  EXPECT_TRUE(EditorFocusIs(IDC_EDITOR_TITLE_FIRST + 1));
  EXPECT_EQ(Text(editor_, IDC_EDITOR_TITLE_FIRST + 1), "Track 17");
}

TEST_F(SearchTest, PropertyOptionsFromTheSettings) {
  Prepare({{"One", "A", {100}}});
  session_.folder.WriteIni("SEARCH", "TextSearch", "FALSE");
  session_.folder.WriteIni("SEARCH", "RadioSearch", "A");
  ASSERT_NO_FATAL_FAILURE(OpenFromGarnish());
  EXPECT_TRUE(IsChecked(IDC_SEARCH_PROPERTY_LAST));  // 5-inch
  EXPECT_FALSE(IsEnabled(IDC_SEARCH_TEXT));
  EXPECT_FALSE(IsEnabled(IDC_SEARCH_FIELD_FIRST));
  // Entries are 5-inch unless told otherwise.
  EXPECT_EQ(Search(""), std::string("1") + kTextItemsFoundSuffix);
  ChooseOption(IDC_SEARCH_PROPERTY_FIRST + 2);  // DAD
  EXPECT_EQ(Search(""), std::string("0") + kTextItemsFoundSuffix);
  ChooseOption(IDC_SEARCH_TEXT_MODE);
  EXPECT_TRUE(IsEnabled(IDC_SEARCH_TEXT));
  e2e::ClickId(search_, IDC_SEARCH_CANCEL);
  ASSERT_TRUE(WaitGone(session_, kTextSearchTitle));
}

TEST_F(SearchTest, RadioSearchThreeIsDad) {
  Prepare({{"One", "A", {100}}});
  session_.folder.WriteIni("SEARCH", "TextSearch", "FALSE");
  session_.folder.WriteIni("SEARCH", "RadioSearch", "3");
  ASSERT_NO_FATAL_FAILURE(OpenFromGarnish());
  EXPECT_TRUE(IsChecked(IDC_SEARCH_PROPERTY_FIRST + 2));
}

TEST_F(SearchTest, StartEntryRulesAndCancelKeepsTheEditorsEntry) {
  Prepare({{"a1", "x", {100}}, {"a2", "x", {101}}, {"a3", "x", {102}}});
  ASSERT_NO_FATAL_FAILURE(OpenFromGarnish());
  EXPECT_TRUE(IsChecked(IDC_SEARCH_FROM_ENTRY));
  EXPECT_EQ(Text(search_, IDC_SEARCH_START_ENTRY), "1");
  // The arrows wrap around.
  e2e::ClickId(search_, IDC_SEARCH_PREVIOUS_ENTRY);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Text(search_, IDC_SEARCH_START_ENTRY) == "3"; }, 3000));
  e2e::ClickId(search_, IDC_SEARCH_NEXT_ENTRY);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Text(search_, IDC_SEARCH_START_ENTRY) == "1"; }, 3000));
  // From entry 2 only the later entries are searched; a number beyond the last counts as the last.
  SetText(IDC_SEARCH_START_ENTRY, "2");
  EXPECT_EQ(Search("a"), std::string("2") + kTextItemsFoundSuffix);
  SetText(IDC_SEARCH_START_ENTRY, "70000");
  EXPECT_EQ(Search("a"), std::string("1") + kTextItemsFoundSuffix);
  EXPECT_EQ(Text(search_, IDC_SEARCH_START_ENTRY), "3");
  // "Entire Database" starts at entry 1 whatever the start entry says.
  ChooseOption(IDC_SEARCH_ENTIRE);
  EXPECT_FALSE(IsEnabled(IDC_SEARCH_START_ENTRY));
  EXPECT_EQ(Search("a"), std::string("3") + kTextItemsFoundSuffix);

  e2e::ClickId(search_, IDC_SEARCH_CANCEL);
  ASSERT_TRUE(WaitGone(session_, kTextSearchTitle));
  EXPECT_EQ(Text(editor_, IDC_EDITOR_ENTRY_NUMBER), "1");
  EXPECT_EQ(Text(editor_, IDC_EDITOR_ARTIST), "a1");
}

TEST_F(SearchTest, SearchingAgainGoesOnAfterTheChosenHit) {
  Prepare({{"hit", "1", {100}}, {"hit", "2", {101}}, {"hit", "3", {102}}});
  ASSERT_NO_FATAL_FAILURE(OpenFromGarnish());
  EXPECT_EQ(Search("hit"), std::string("3") + kTextItemsFoundSuffix);
  ASSERT_NO_FATAL_FAILURE(Choose("hit - 1"));
  EXPECT_EQ(Text(editor_, IDC_EDITOR_ENTRY_NUMBER), "1");
  ASSERT_NO_FATAL_FAILURE(OpenFromEditor());
  EXPECT_EQ(Text(search_, IDC_SEARCH_START_ENTRY), "2");
  EXPECT_EQ(Search("hit"), std::string("2") + kTextItemsFoundSuffix);
  // OK with nothing selected counts as cancelled.
  e2e::ClickId(search_, IDC_SEARCH_OK);
  ASSERT_TRUE(WaitGone(session_, kTextSearchTitle));
  EXPECT_EQ(Text(editor_, IDC_EDITOR_ENTRY_NUMBER), "1");
}

TEST_F(SearchTest, DoubleClickAndTheCloseButtonChooseTheSelectedItem) {
  Prepare({{"first", "1", {100}}, {"second", "2", {101}}, {"third", "3", {102}}});
  ASSERT_NO_FATAL_FAILURE(OpenFromGarnish());
  ChooseOption(IDC_SEARCH_ENTIRE);
  EXPECT_EQ(Search("d"), std::string("2") + kTextItemsFoundSuffix);
  HWND list = e2e::FindControl(search_, IDC_SEARCH_RESULTS);
  SendMessageA(list, LB_SETCURSEL, 1, 0);  // "third - 3"
  PostMessageA(search_, WM_COMMAND, MAKEWPARAM(IDC_SEARCH_RESULTS, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(list));
  ASSERT_TRUE(WaitGone(session_, kTextSearchTitle));
  EXPECT_EQ(Text(editor_, IDC_EDITOR_ENTRY_NUMBER), "3");

  ASSERT_NO_FATAL_FAILURE(OpenFromEditor());
  SendMessageA(e2e::FindControl(search_, IDC_SEARCH_RESULTS), LB_SETCURSEL, 0, 0);  // "second"
  PostMessageA(search_, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitGone(session_, kTextSearchTitle));
  EXPECT_EQ(Text(editor_, IDC_EDITOR_ENTRY_NUMBER), "2");
}

// The saved list names entries by their place: once a sort has moved them, it is dropped.
TEST_F(SearchTest, TheSavedListIsDroppedAfterASort) {
  Prepare({{"zz hit", "1", {100}}, {"aa hit", "2", {101}}});
  ASSERT_NO_FATAL_FAILURE(OpenFromGarnish());
  ChooseOption(IDC_SEARCH_ENTIRE);
  EXPECT_EQ(Search("hit"), std::string("2") + kTextItemsFoundSuffix);
  ASSERT_NO_FATAL_FAILURE(Choose("zz hit - 1"));
  e2e::ClickId(editor_, IDC_EDITOR_OK);
  ASSERT_TRUE(WaitGone(session_, kTextEditorTitle));

  e2e::ClickId(garnish_, IDC_GARNISH_SORTER);
  HWND sorter = session_.program.WaitForWindow(kTextSorterTitle, 5000);
  ASSERT_NE(sorter, nullptr);
  e2e::ClickId(sorter, IDC_SORTER_START);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(sorter, IDC_SORTER_STATUS) == kTextToolDone; }, 10000));
  e2e::ClickId(sorter, IDC_SORTER_OK);
  ASSERT_TRUE(WaitGone(session_, kTextSorterTitle));

  e2e::ClickId(garnish_, IDC_GARNISH_SEARCH);
  search_ = session_.program.WaitForWindow(kTextSearchTitle, 5000);
  ASSERT_NE(search_, nullptr);
  editor_ = session_.program.WaitForWindow(kTextEditorTitle, 5000);
  EXPECT_TRUE(Items().empty());
  EXPECT_EQ(Text(search_, IDC_SEARCH_PROGRESS), "");
  // Nor does the old hit move the start: entry 1 is "aa hit" now.
  EXPECT_EQ(Text(search_, IDC_SEARCH_START_ENTRY), "1");
}

}  // namespace
