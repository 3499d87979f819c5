// Section "WEB" of the settings file and the destination the user types.
#include <gtest/gtest.h>

#include "base/memory_profile_store.h"
#include "web/web_settings.h"

namespace bw {
namespace {

TEST(WebSettings, MissingValuesTakeTheirDefaults) {
  MemoryProfileStore settings;
  const HtmlDocumentSettings values = ReadHtmlDocumentSettings(settings, "C:\\Wax");
  EXPECT_EQ(values.templateFolder, "C:\\Wax\\");
  EXPECT_EQ(values.templateFileName, "");
  EXPECT_EQ(values.destinationFolder, "C:\\Wax\\");
  EXPECT_EQ(values.destinationFileName, "index.htm");
  const HtmlOptions& o = values.options;
  EXPECT_FALSE(o.multiplePages);
  EXPECT_FALSE(o.table);
  EXPECT_EQ(o.contents, HtmlGrouping::kArtistName);
  EXPECT_EQ(o.heading, HtmlGrouping::kArtistName);
  EXPECT_EQ(o.headingSize, HeadingSize::kMedium);
  EXPECT_TRUE(o.sorting);
  EXPECT_TRUE(o.itemNames);
  EXPECT_EQ(o.borderWidth, "1");
}

TEST(WebSettings, StoredWordsWithoutRegardToCase) {
  MemoryProfileStore settings;
  const auto set = [&](const char* key, const char* value) { settings.Preset("WEB", key, value); };
  set("HTMLOutput", "mULTIPLE");
  set("DatabaseOutput", "Grid");  // any other word is the second value
  set("TableOfContents", "none");
  set("Heading", "ALPHABET");
  set("Size", "Huge");
  set("Sorting", "nope");
  set("ItemNameOutput", "off");
  set("TableBorderWidth", "12345");
  HtmlOptions o = ReadHtmlDocumentSettings(settings, "C:\\").options;
  EXPECT_TRUE(o.multiplePages);
  EXPECT_TRUE(o.table);
  EXPECT_EQ(o.contents, HtmlGrouping::kNone);
  EXPECT_EQ(o.heading, HtmlGrouping::kAlphabet);
  EXPECT_EQ(o.headingSize, HeadingSize::kLarge);
  EXPECT_FALSE(o.sorting);
  EXPECT_FALSE(o.itemNames);
  EXPECT_EQ(o.borderWidth, "123");
  set("Size", "small");
  set("TableBorderWidth", "999");
  o = ReadHtmlDocumentSettings(settings, "C:\\").options;
  EXPECT_EQ(o.headingSize, HeadingSize::kSmall);
  EXPECT_EQ(o.borderWidth, "1");
}

TEST(WebSettings, WrittenBackAsRead) {
  MemoryProfileStore settings;
  settings.Preset("WEB", "TableBorderWidth", "4");
  settings.Preset("WEB", "TableOfContents", "Alphabet");
  settings.Preset("WEB", "TemplateFileName", "Default.wt");
  HtmlDocumentSettings values = ReadHtmlDocumentSettings(settings, "D:\\Wax\\");
  values.options.items.fill(false);  // items are not stored
  WriteHtmlDocumentSettings(settings, values);
  EXPECT_EQ(settings.WrittenKeys("WEB"),
            (std::vector<std::string>{"TemplatePath", "TemplateFileName", "DestinationPath",
                                      "DestinationFileName", "HTMLOutput", "DatabaseOutput",
                                      "TableOfContents", "Heading", "Size", "Sorting",
                                      "ItemNameOutput", "TableBorderWidth"}));
  EXPECT_EQ(settings.Get("WEB", "TableBorderWidth", ""), "4");
  EXPECT_EQ(settings.Get("WEB", "TableOfContents", ""), "Alphabet");
  EXPECT_EQ(settings.Get("WEB", "Heading", ""), "ArtistName");
  EXPECT_EQ(settings.Get("WEB", "Size", ""), "Medium");
  EXPECT_EQ(settings.Get("WEB", "TemplateFileName", ""), "Default.wt");
  EXPECT_EQ(ReadHtmlDocumentSettings(settings, "X:\\").options.items, AllHtmlItems());
}

TEST(WebSettings, DestinationText) {
  const auto exists = [](const std::string& folder) {
    return folder == "C:\\Web" || folder == "C:\\";
  };
  std::string folder = "C:\\Old\\";
  std::string name = "old.htm";
  EXPECT_EQ(CheckDestinationText("C:\\Web\\", exists, &folder, &name),
            DestinationCheck::kNoFileName);
  EXPECT_EQ(CheckDestinationText("C:\\Gone\\a.htm", exists, &folder, &name),
            DestinationCheck::kInvalidFolder);
  EXPECT_EQ(CheckDestinationText("music", exists, &folder, &name),
            DestinationCheck::kInvalidFolder);  // not read as "M:sic"
  EXPECT_EQ(folder, "C:\\Old\\");
  EXPECT_EQ(name, "old.htm");
  EXPECT_EQ(CheckDestinationText("c:/Web/cds.htm", exists, &folder, &name),
            DestinationCheck::kAccepted);
  EXPECT_EQ(folder, "C:\\Web\\");
  EXPECT_EQ(name, "cds.htm");
  EXPECT_EQ(CheckDestinationText("C:pages.htm", exists, &folder, &name),
            DestinationCheck::kInvalidFolder);
  EXPECT_EQ(CheckDestinationText("c:\\x.htm", exists, &folder, &name),
            DestinationCheck::kAccepted);
  EXPECT_EQ(folder, "C:\\");
}

TEST(WebSettings, OnlyPagesInsideTheirFolderAreOpened) {
  EXPECT_EQ(ViewablePage("C:\\Web", "index.HTM"), "C:\\Web\\index.HTM");
  EXPECT_EQ(ViewablePage("C:\\Web\\", "pages\\a.html"), "C:\\Web\\pages\\a.html");
  for (const char* name : {"setup.exe", "index.htm.exe", "..\\index.htm", "C:\\index.htm",
                           "index", "readme.txt", ""}) {
    EXPECT_EQ(ViewablePage("C:\\Web\\", name), "") << name;
  }
  EXPECT_EQ(ViewablePage("", "index.htm"), "");
}

}  // namespace
}  // namespace bw
