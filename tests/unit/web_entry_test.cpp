// One entry's HTML: both forms byte for byte, the column spans of the track rows, lengths as
// minutes and seconds, and catalogue texts that can never become markup.
#include <gtest/gtest.h>

#include "cddb/database_scanner.h"
#include "cddb/entry_layout.h"
#include "web/html_entry.h"
#include "web_test_support.h"

namespace bw {
namespace {

using testing::RefEntry;
using testing::RefFile;
using testing::TempFolder;
using testing::WebEntry;
using testing::WriteBytes;

// The HTML of the one entry of a catalogue holding `entry`.
std::string EntryHtml(const RefEntry& entry, const HtmlOptions& options) {
  TempFolder folder;
  WriteBytes(folder.File("brindwax.dat"), RefFile({entry}));
  Database database(DefaultFileSystem(), folder.Path());
  DatabaseScanner scanner(database);
  EXPECT_TRUE(scanner.Open().IsOk());
  EntryBytes bytes;
  EXPECT_TRUE(scanner.NextBytes(&bytes).IsOk());
  EntryLayout layout;
  EXPECT_TRUE(LayOutEntry(bytes, &layout).IsOk());
  std::string html;
  AppendEntryHtml(bytes, layout, options, &html);
  return html;
}

HtmlOptions With(bool table, std::initializer_list<HtmlItem> items, bool itemNames = true) {
  HtmlOptions options;
  options.table = table;
  options.itemNames = itemNames;
  options.items.fill(false);
  for (HtmlItem item : items) options.items[item] = true;
  return options;
}

TEST(WebEntry, TableWithEveryItem) {
  HtmlOptions options = With(true, {});
  options.items = AllHtmlItems();
  options.borderWidth = "2";
  EXPECT_EQ(EntryHtml(WebEntry("Artist"), options),
            "<TABLE COLS=3 BORDER=2>\r\n"
            "<TR><TD COLSPAN=3><B>Artist</B></TD></TR>\r\n"
            "<TR><TD COLSPAN=2>Disc</TD>\r\n"
            "<TD>4:12</TD></TR>\r\n"
            "<TR><TD>1. </TD><TD>First</TD><TD>3:07</TD></TR>\r\n"
            "<TR><TD>2. </TD><TD>Second</TD><TD>1:05</TD></TR>\r\n"
            "<TR><TD>Category: </TD><TD COLSPAN=2>rock</TD></TR>\r\n"
            "<TR><TD>Label: </TD><TD COLSPAN=2>Label</TD></TR>\r\n"
            "<TR><TD>Notes: </TD><TD COLSPAN=2>Notes</TD></TR>\r\n"
            "<TR><TD>Recording: </TD><TD COLSPAN=2>ADD</TD></TR>\r\n"
            "<TR><TD>Type: </TD><TD COLSPAN=2>Album</TD></TR>\r\n"
            "<TR><TD>Size: </TD><TD COLSPAN=2>5 Inch</TD></TR>\r\n"
            "<TR><TD>Year Released: </TD><TD COLSPAN=2>1979</TD></TR>\r\n"
            "</TABLE><BR>\r\n\r\n");
}

TEST(WebEntry, PlainWithEveryItem) {
  HtmlOptions options = With(false, {});
  options.items = AllHtmlItems();
  options.itemNames = false;
  RefEntry entry = WebEntry("Artist");
  entry.codes[0] = 9;  // codes past the last name show the last name
  entry.codes[1] = 7;
  entry.codes[2] = 0;
  EXPECT_EQ(EntryHtml(entry, options),
            "<B>Artist</B><BR>\r\n"
            "Disc \r\n"
            "4:12<BR>\r\n"
            "1. First 3:07<BR>\r\n"
            "2. Second 1:05<BR>\r\n"
            "rock<BR>\r\nLabel<BR>\r\nNotes<BR>\r\nDDD<BR>\r\nCD+Video<BR>\r\n3 Inch<BR>\r\n"
            "1979<BR>\r\n"
            "<BR>\r\n\r\n");
}

TEST(WebEntry, TrackRowsKeepThreeColumns) {
  const RefEntry entry = WebEntry("A");
  const auto firstRow = [&](std::initializer_list<HtmlItem> items) {
    const std::string html = EntryHtml(entry, With(true, items));
    const std::size_t start = html.find("<TR>");
    return html.substr(start, html.find("\r\n", start) - start);
  };
  EXPECT_EQ(firstRow({kItemTrackNumber, kItemTrackLength}),
            "<TR><TD>1. </TD><TD COLSPAN=2>3:07</TD></TR>");
  EXPECT_EQ(firstRow({kItemTrackName, kItemTrackLength}),
            "<TR><TD COLSPAN=2>First</TD><TD>3:07</TD></TR>");
  EXPECT_EQ(firstRow({kItemTrackNumber, kItemTrackName}),
            "<TR><TD>1. </TD><TD COLSPAN=2>First</TD></TR>");
  EXPECT_EQ(firstRow({kItemTrackName}), "<TR><TD COLSPAN=3>First</TD></TR>");
  EXPECT_EQ(firstRow({kItemTrackNumber}), "<TR><TD COLSPAN=3>1. </TD></TR>");
  EXPECT_EQ(firstRow({kItemTrackLength}), "<TR><TD COLSPAN=3>3:07</TD></TR>");
  // The last track's row is not followed by an opened one.
  const std::string html = EntryHtml(entry, With(true, {kItemTrackLength}));
  EXPECT_NE(html.find("1:05</TD></TR>\r\n</TABLE>"), std::string::npos) << html;
}

TEST(WebEntry, DiscLengthOfZeroActsAsOff) {
  RefEntry entry = WebEntry("A");
  entry.totalSeconds = 0;
  for (bool table : {true, false}) {
    EXPECT_EQ(EntryHtml(entry, With(table, {kItemDiscName, kItemDiscLength})),
              EntryHtml(entry, With(table, {kItemDiscName})));
  }
  EXPECT_EQ(EntryHtml(WebEntry("A"), With(true, {kItemDiscLength})),
            "<TABLE COLS=3 BORDER=1>\r\n<TR><TD COLSPAN=3>4:12</TD></TR>\r\n</TABLE><BR>\r\n\r\n");
}

TEST(WebEntry, CatalogueTextsAreEscaped) {
  RefEntry entry = WebEntry("<script>alert(1)</script>", "Tom & Jerry's \"Best\"");
  entry.tracks[0].first = "<b>bold</b>";
  HtmlOptions options = With(false, {kItemArtist, kItemDiscName, kItemTrackName});
  const std::string html = EntryHtml(entry, options);
  EXPECT_EQ(html,
            "<B>&lt;script&gt;alert(1)&lt;/script&gt;</B><BR>\r\n"
            "Tom &amp; Jerry&#39;s &quot;Best&quot;<BR>\r\n"
            "&lt;b&gt;bold&lt;/b&gt;<BR>\r\nSecond<BR>\r\n<BR>\r\n\r\n");
  options.table = true;
  options.borderWidth = "1><";  // even a hand-edited width stays inside its tag
  EXPECT_EQ(EntryHtml(entry, options).substr(0, 35), "<TABLE COLS=3 BORDER=1&gt;&lt;>\r\n<T");
}

TEST(WebEntry, PageNamesArePercentEncoded) {
  std::string link;
  AppendPercentEncoded("My \"CDs\"#1 & \xE9t\xE9.htm", &link);
  EXPECT_EQ(link, "My%20%22CDs%22%231%20%26%20%E9t%E9.htm");
}

}  // namespace
}  // namespace bw
