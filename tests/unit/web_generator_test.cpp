// A whole web page run: its questions and texts, the grouping, one page and many, the
// template's head, tail and companion files, and that failures leave no half-written page.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/memory_profile_store.h"
#include "cddb/cddb_texts.h"
#include "web/web_texts.h"
#include "web_test_support.h"

namespace bw {
namespace {

using testing::CountOf;
using testing::FaultFileSystem;
using testing::FileExists;
using testing::ReadBytes;
using testing::RecordingHost;
using testing::RefEntry;
using testing::RefFile;
using testing::TempFolder;
using testing::WebEntry;
using testing::WriteBytes;

class WebRun : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder_.File("site"));
    std::filesystem::create_directories(folder_.File("templates"));
    request_.templateFolder = folder_.File("templates");
    request_.destination = {folder_.File("site"), "index.htm"};
    request_.options.sorting = false;
  }
  void Catalogue(const std::vector<RefEntry>& entries) {
    WriteBytes(folder_.File("brindwax.dat"), RefFile(entries));
  }
  Status Run(FileSystem& files = DefaultFileSystem()) {
    Database database(files, folder_.Path());
    return RunHtmlGenerator(database, settings_, request_, PortableTextRules(), host_);
  }
  std::string Site(const std::string& name) const { return folder_.File("site/" + name); }
  std::string Page(const std::string& name = "index.htm") const { return ReadBytes(Site(name)); }
  void Template(const std::string& wt, const std::string& html) {
    WriteBytes(folder_.File("templates/t.wt"), wt);
    WriteBytes(folder_.File("templates/t.htm"), html);
    request_.templateFileName = "t.wt";
  }

  TempFolder folder_;
  MemoryProfileStore settings_;
  RecordingHost host_;
  HtmlRunRequest request_;
};

TEST_F(WebRun, WithoutTemplateWritesTheBuiltInPageAndRemembersIt) {
  Catalogue({WebEntry("Abba")});
  ASSERT_TRUE(Run().IsOk());
  ASSERT_EQ(host_.questions, std::vector<std::string>{kTextWebAskNoTemplate});
  const std::string page = Page();
  EXPECT_EQ(page.rfind("<HTML><HEAD><TITLE>My Personal CD Database</TITLE></HEAD><BODY>"
                       "<! This document was created by Brindlewax.", 0), 0u);
  EXPECT_EQ(page.substr(page.size() - 14), "</BODY></HTML>");
  EXPECT_EQ(CountOf(page, "This document was created by <b>Brindlewax</b>."), 1u);
  EXPECT_EQ(host_.statuses,
            (std::vector<std::string>{kTextWebCreatingPage, kTextWebCreatingBuffer,
                                      kTextWebWriting, kTextWebDone}));
  EXPECT_EQ(host_.beeps, 1);
  EXPECT_EQ(settings_.Get("WEB", "DestinationPath", ""), folder_.File("site"));
  EXPECT_EQ(settings_.Get("WEB", "DestinationFileName", ""), "index.htm");
  EXPECT_FALSE(FileExists(Site("index.htm.new")));
}

TEST_F(WebRun, EndingsBeforeAnyPage) {
  Catalogue({WebEntry("Abba")});
  request_.options.items.fill(false);
  EXPECT_FALSE(Run().IsOk());
  EXPECT_EQ(host_.LastStatus(), kTextWebNoItems);
  EXPECT_TRUE(host_.questions.empty());

  request_.options.items = AllHtmlItems();
  host_.answer = false;
  EXPECT_FALSE(Run().IsOk());
  EXPECT_EQ(host_.LastStatus(), kTextWebAborted);
  EXPECT_EQ(host_.details.back(), "");

  WriteBytes(Site("index.htm"), "earlier page");
  host_.answer = true;
  host_.questions.clear();
  request_.templateFileName = "missing.wt";  // a missing .WT has no file name
  host_.answer = true;
  struct NoToOverwrite : RecordingHost {
    bool Ask(std::string_view question) override {
      RecordingHost::Ask(question);
      return question != kTextWebAskOverwrite;
    }
  } keep;
  Database database(DefaultFileSystem(), folder_.Path());
  EXPECT_FALSE(RunHtmlGenerator(database, settings_, request_, PortableTextRules(), keep).IsOk());
  EXPECT_EQ(keep.questions,
            (std::vector<std::string>{kTextWebAskNoHtmlFile, kTextWebAskOverwrite}));
  EXPECT_EQ(keep.LastStatus(), kTextWebFileExists);
  EXPECT_EQ(keep.beeps, 0);
  EXPECT_EQ(Page(), "earlier page");
  EXPECT_FALSE(settings_.Has("WEB", "DestinationPath"));
}

TEST_F(WebRun, TemplateHeadAndTailKeepTheirCase) {
  Catalogue({WebEntry("Abba")});
  Template("[WEBTemplate]\r\nName=Night\r\nFileName=t.htm\r\n",
           "<Html><Body BGCOLOR=Black>\r\n<%OUTPUT%>\r\n<P>Tail <%Output%></Body></Html>");
  ASSERT_TRUE(Run().IsOk());
  EXPECT_TRUE(host_.questions.empty());
  const std::string page = Page();
  EXPECT_EQ(page.rfind("<Html><Body BGCOLOR=Black>\r\n<! This document", 0), 0u);
  EXPECT_EQ(page.substr(page.size() - 34), "\r\n<P>Tail <%Output%></Body></Html>");
  EXPECT_EQ(host_.statuses.front(), kTextWebCheckingTemplate);
}

TEST_F(WebRun, BrokenTemplatesAskBeforeTheBuiltInPage) {
  Catalogue({WebEntry("Abba")});
  Template("[WEBTemplate]\r\nFileName=t.htm\r\n", "<html>no tag</html>");
  ASSERT_TRUE(Run().IsOk());
  EXPECT_EQ(host_.questions, std::vector<std::string>{kTextWebAskBadHtmlFile});
  EXPECT_EQ(host_.statuses[1], kTextWebMissingTag);
  EXPECT_EQ(Page().rfind(kTextWebBuiltInHead, 0), 0u);

  host_ = RecordingHost();
  WriteBytes(folder_.File("templates/t.wt"), "[WEBTemplate]\r\nFileName=gone.htm\r\n");
  ASSERT_TRUE(Run().IsOk());
  EXPECT_EQ(host_.questions.front(), kTextWebAskBadHtmlFile);
  EXPECT_EQ(host_.statuses[1], kTextWebCannotOpenTemplate);

  // A file name reaching out of the template folder is never read.
  host_ = RecordingHost();
  WriteBytes(folder_.File("outside.htm"), "<%Output%>");
  WriteBytes(folder_.File("templates/t.wt"), "[WEBTemplate]\r\nFileName=..\\outside.htm\r\n");
  ASSERT_TRUE(Run().IsOk());
  EXPECT_EQ(host_.questions.front(), kTextWebAskNoHtmlFile);
  EXPECT_EQ(host_.statuses.front(), kTextWebCreatingPage);
}

TEST_F(WebRun, GroupsCompareArtistsWithoutRegardToCase) {
  Catalogue({WebEntry("abba"), WebEntry("ABBA"), WebEntry("Beatles")});
  request_.options.contents = HtmlGrouping::kArtistName;
  ASSERT_TRUE(Run().IsOk());
  std::string page = Page();
  EXPECT_EQ(CountOf(page, "<a href=\"#"), 2u);
  EXPECT_NE(page.find("<B><a href=\"#abba\">abba</a></B><BR>\r\n"
                      "<B><a href=\"#Beatles\">Beatles</a></B><BR>\r\n"), std::string::npos);
  EXPECT_EQ(CountOf(page, "<h2>"), 2u);

  request_.options.contents = HtmlGrouping::kAlphabet;
  request_.options.heading = HtmlGrouping::kAlphabet;
  request_.options.headingSize = HeadingSize::kLarge;
  host_.answer = true;
  ASSERT_TRUE(Run().IsOk());
  page = Page();
  EXPECT_NE(page.find("<B><a href=\"#a\">a</a></B><BR>\r\n<B><a href=\"#B\">B</a></B><BR>\r\n"),
            std::string::npos);
  EXPECT_NE(page.find("<a name=\"a\"></a>\r\n<h1>a</h1>\r\n<B>abba</B>"), std::string::npos);
  EXPECT_EQ(CountOf(page, "<h1>"), 2u);
}

TEST_F(WebRun, AlphabetContentsWithArtistHeadingsHeadEachArtist) {
  Catalogue({WebEntry("Abba"), WebEntry("ABBA"), WebEntry("Air"), WebEntry("Blur")});
  request_.options.contents = HtmlGrouping::kAlphabet;
  request_.options.heading = HtmlGrouping::kArtistName;
  request_.options.headingSize = HeadingSize::kSmall;
  ASSERT_TRUE(Run().IsOk());
  const std::string page = Page();
  EXPECT_EQ(CountOf(page, "<h3>"), 3u);  // Abba (with ABBA), Air, Blur
  EXPECT_NE(page.find("<h3>Air</h3>"), std::string::npos);
  EXPECT_EQ(CountOf(page, "<a name="), 2u);

  request_.options.contents = HtmlGrouping::kNone;
  request_.options.heading = HtmlGrouping::kNone;
  ASSERT_TRUE(Run().IsOk());
  EXPECT_EQ(CountOf(Page(), "<a "), 1u);  // the credit's link alone
  EXPECT_EQ(CountOf(Page(), "<h"), 0u);
}

TEST_F(WebRun, ManyPagesNumberEachPageBeforeTheFirstDot) {
  Catalogue({WebEntry("abba"), WebEntry("ABBA"), WebEntry("Beatles"), WebEntry("Cure")});
  request_.options.multiplePages = true;
  request_.options.contents = HtmlGrouping::kNone;  // acts as artist name
  WriteBytes(Site("index1.htm"), "old page");
  ASSERT_TRUE(Run().IsOk());
  const std::string index = Page();
  EXPECT_NE(index.find("<B><a href=\"index0.htm\">abba</a></B><BR>\r\n"
                       "<B><a href=\"index1.htm\">Beatles</a></B><BR>\r\n"
                       "<B><a href=\"index2.htm\">Cure</a></B><BR>\r\n"
                       "<BR><BR><font size=-1>This document"),
            std::string::npos)
      << index;
  EXPECT_FALSE(FileExists(Site("index3.htm")));
  const std::string first = Page("index0.htm");
  EXPECT_EQ(first.rfind(std::string(kTextWebBuiltInHead) + "<! This document", 0), 0u);
  EXPECT_EQ(CountOf(first, "<B>abba</B>") + CountOf(first, "<B>ABBA</B>"), 2u);
  EXPECT_EQ(CountOf(first, "<b>Brindlewax</b>"), 0u);  // the credit is the index's alone
  EXPECT_EQ(first.substr(first.size() - 14), kTextWebBuiltInTail);
  EXPECT_NE(Page("index1.htm").find("<B>Beatles</B>"), std::string::npos);
  for (const auto& file : std::filesystem::directory_iterator(folder_.File("site"))) {
    EXPECT_NE(file.path().extension(), ".new") << file.path();
  }

  request_.destination.fileName = "my page";  // no dot: the number goes at the end
  ASSERT_TRUE(Run().IsOk());
  EXPECT_NE(Page("my page").find("href=\"my%20page0\""), std::string::npos);
  EXPECT_TRUE(FileExists(Site("my page2")));
}

TEST_F(WebRun, SortsThroughTheCatalogueSorterFirst) {
  Catalogue({WebEntry("Cure"), WebEntry("Abba"), WebEntry("Blur")});
  request_.options.sorting = true;
  ASSERT_TRUE(Run().IsOk());
  const std::string page = Page();
  EXPECT_LT(page.find("<B>Abba</B>"), page.find("<B>Blur</B>"));
  EXPECT_LT(page.find("<B>Blur</B>"), page.find("<B>Cure</B>"));
  EXPECT_EQ(ReadBytes(folder_.File("brindwax.dat")),
            RefFile({WebEntry("Abba"), WebEntry("Blur"), WebEntry("Cure")}));
  EXPECT_EQ(host_.statuses[1], kTextWebSorting);

  // A sort that cannot run ends the run instead of writing pages out of order.
  WriteBytes(folder_.File("brindwax.dat"),
             RefFile({WebEntry("Cure"), WebEntry("Abba")}) + "junk after the last entry");
  std::string damaged = ReadBytes(folder_.File("brindwax.dat"));
  damaged[6] = 3;  // a count the chain does not have
  WriteBytes(folder_.File("brindwax.dat"), damaged);
  host_ = RecordingHost();
  EXPECT_FALSE(Run().IsOk());
  EXPECT_EQ(host_.LastStatus(), kTextSortDamaged);
  EXPECT_EQ(ReadBytes(folder_.File("brindwax.dat")), damaged);
  EXPECT_FALSE(FileExists(Site("index.htm.new")));
}

TEST_F(WebRun, CompanionFilesAreCopiedOnlyWhenAbsent) {
  Catalogue({WebEntry("Abba")});
  Template("[WEBTemplate]\r\nFileName=t.htm\r\nNumberOfItems=4\r\nItem1=logo.gif\r\n"
           "Item2=style.css\r\nItem3=..\\escape.txt\r\nItem4=gone.gif\r\n",
           "<html><%Output%></html>");
  const std::string logo(200000, 'g');  // more than one copy block
  WriteBytes(folder_.File("templates/logo.gif"), logo);
  WriteBytes(folder_.File("templates/style.css"), "new style");
  WriteBytes(folder_.File("escape.txt"), "outside");
  WriteBytes(Site("style.css"), "the user's own style");
  // Whole seconds: Windows keeps 100-ns ticks and some file systems keep less.
  const auto old = std::chrono::floor<std::chrono::seconds>(
      std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400));
  std::filesystem::last_write_time(folder_.File("templates/logo.gif"), old);

  ASSERT_TRUE(Run().IsOk());
  EXPECT_EQ(ReadBytes(Site("logo.gif")), logo);
  EXPECT_EQ(std::filesystem::last_write_time(Site("logo.gif")), old);
  EXPECT_EQ(ReadBytes(Site("style.css")), "the user's own style");
  EXPECT_FALSE(FileExists(folder_.File("site/../site/escape.txt")));
  EXPECT_FALSE(FileExists(Site("gone.gif")));
  EXPECT_FALSE(FileExists(Site("logo.gif.new")));
  EXPECT_NE(std::find(host_.statuses.begin(), host_.statuses.end(), kTextWebCopying),
            host_.statuses.end());
  EXPECT_EQ(host_.LastStatus(), kTextWebDone);
}

TEST_F(WebRun, FailedWritesLeaveEarlierPagesWhole) {
  Catalogue({WebEntry("Abba"), WebEntry("Blur")});
  request_.options.multiplePages = true;
  ASSERT_TRUE(Run().IsOk());
  const std::string index = Page();
  const std::string second = Page("index1.htm");

  FaultFileSystem faults(DefaultFileSystem());
  for (int step = 1; step <= 12; ++step) {
    faults.Arm(FaultFileSystem::Fault::kFailFrom, step);
    host_ = RecordingHost();
    settings_ = MemoryProfileStore();
    const Status status = Run(faults);
    faults.Disarm();
    if (status.IsOk()) break;
    EXPECT_TRUE(host_.LastStatus() == kTextWebCannotWrite ||
                host_.LastStatus() == kTextWebCannotCreate)
        << step << ": " << host_.LastStatus();
    EXPECT_EQ(Page(), index) << step;
    EXPECT_EQ(Page("index1.htm"), second) << step;
    EXPECT_FALSE(settings_.Has("WEB", "DestinationPath"));
  }
}

}  // namespace
}  // namespace bw
