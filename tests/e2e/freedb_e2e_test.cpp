// The CD Player panel's freedb query, end to end: the real program with a virtual disc in its
// drive asks the test servers over CDDBP and HTTP, and the tests check what the servers heard,
// what the panel shows and what the catalogue holds afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cd/virtual_disc.h"
#include "cddb/database.h"
#include "e2e_support.h"
#include "fake_cddb_servers.h"
#include "resources/resource.h"
#include "base/file_system.h"
#include "freedb/freedb_texts.h"
#include "shell/texts.h"

namespace {

using fake_freedb::Answer;
using fake_freedb::CddbpServer;
using fake_freedb::HttpServer;
using fake_freedb::Say;

// The disc in the virtual drive: the ten tracks of the record "7908090a" of the test data.
const std::vector<int32_t> kTrackOffsets = {150,   12860, 23460,  37067,  54250,
                                            70892, 90637, 107507, 124742, 139870};
constexpr int32_t kLeadOut = 154425;
// Its query words: disc ID, track count, the frame offsets, the disc length in seconds.
constexpr const char* kQueryWords =
    "cddb query 7908090a 10 150 12860 23460 37067 54250 70892 90637 107507 124742 139870 2059";
// Each track's whole seconds as the drive reports them.
const std::vector<uint16_t> kTrackSeconds = {169, 141, 181, 229, 221, 263, 224, 229, 201, 194};

constexpr const char* kRecordFile = "freedb/records/alrs+freedb__dbdump_7908090a";
constexpr const char* kEmail = "tester@example.org";
constexpr const char* kHello = "CDDB HELLO tester example.org Brindlewax 2.3";
constexpr const char* kQuestionTitle = "Brindlewax Question!";
constexpr const char* kInexactTitle = "Found Inexact Matches In Freedb Database";
constexpr int kQueryTimeoutMs = 20000;

// The read reply a server sends for `selector`: the 210 line, the record, the terminator.
std::string ReadReply(const std::string& selector, const std::string& record) {
  return "210 " + selector + " CD database entry follows (until terminating `.')\r\n" +
         fake_freedb::WithCrLf(record) + ".\r\n";
}

std::string TestRecord() { return fake_freedb::TestData(kRecordFile); }

// Every value of `key` in an xmcd text, continuation lines joined: the tests' own reading of
// a record, to compare the program's with.
std::string XmcdValue(const std::string& record, const std::string& key) {
  std::string value;
  std::size_t start = 0;
  while (start < record.size()) {
    std::size_t end = record.find('\n', start);
    if (end == std::string::npos) end = record.size();
    std::string line = record.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(key + "=", 0) == 0) value += line.substr(key.size() + 1);
    start = end + 1;
  }
  return value;
}

struct StoredEntry {
  bw::DiscProfile profile;
  std::vector<std::string> titles;
  bw::EntryDetails details;
};

// What a CDDBP script answers to the query and the read; the rest as the default server.
CddbpServer::Script CddbpScript(std::string queryReply, std::string readReply) {
  CddbpServer::Script script;
  script.answer = [queryReply, readReply](const std::string& line) {
    if (line.rfind("cddb query ", 0) == 0) return Say(queryReply);
    if (line.rfind("cddb read ", 0) == 0) return Say(readReply);
    return CddbpServer::DefaultAnswer(line);
  };
  return script;
}

HttpServer::Script HttpScript(std::string queryReply, std::string readReply) {
  return [queryReply, readReply](const std::string& target) {
    if (target.find("cmd=cddb+query+") != std::string::npos) {
      return Say(fake_freedb::HttpOk(queryReply));
    }
    if (target.find("cmd=cddb+read+") != std::string::npos) {
      return Say(fake_freedb::HttpOk(readReply));
    }
    return Say(fake_freedb::HttpOk("500 Unrecognized command.\r\n"));
  };
}

class FreedbQuery : public ::testing::Test {
 protected:
  // Starts the program on the CD Player panel with the disc in the drive, talking CDDBP to
  // 127.0.0.1, or HTTP to `httpServer` when one is given.
  void StartProgram(const HttpServer* httpServer = nullptr, bool autoQuery = false) {
    folder_ = std::make_unique<e2e::ProgramFolder>();
    const std::string discPath = folder_->File("virtual_cd.txt");
    ASSERT_TRUE(
        bw::WriteVirtualDiscFile(discPath, bw::MakeVirtualDisc('D', kTrackOffsets, kLeadOut))
            .IsOk());
    folder_->WriteIni("MAIN", "DefaultCDROMDrive", "D:\\");
    folder_->WriteIni("MAIN", "CDAnimation", "Off");
    folder_->WriteIni("MAIN", "AutoCDDBQuery", autoQuery ? "TRUE" : "FALSE");
    folder_->WriteIni("CDDB", "EMailAddress", kEmail);
    folder_->WriteIni("CDDB", "CurrentCDDBPServer", "127.0.0.1 - Local test server");
    if (httpServer != nullptr) {
      folder_->WriteIni("CDDB", "CDDBProtocal", "HTTP");
      folder_->WriteIni("CDDB", "CurrentHTTPServer", httpServer->ServerEntry().c_str());
      folder_->WriteIni("CDDB", "CGIScriptName", "/~cddb/cddb.cgi");
    } else {
      folder_->WriteIni("CDDB", "CDDBProtocal", "CDDBP");
    }
    program_ = std::make_unique<e2e::RunningProgram>();
    ASSERT_TRUE(program_->Start(*folder_, "", "BRINDWAX_VIRTUAL_CD=" + discPath));
    main_ = program_->WaitForMainWindow();
    ASSERT_NE(main_, nullptr) << "no main window";
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return e2e::GetText(Control(IDC_CD_PLAY_STATE)) == kTextPlayStateReady; }, 10000))
        << "the disc was not seen; play state " << e2e::GetText(Control(IDC_CD_PLAY_STATE));
  }

  void TearDown() override {
    if (program_) program_->Kill();
    program_.reset();
    folder_.reset();
  }

  HWND Control(int id) const { return e2e::FindControl(main_, id); }
  std::string Status() const { return e2e::GetText(Control(IDC_CD_QUERY_STATUS)); }
  std::string Labels() const {
    return e2e::GetText(Control(IDC_CD_QUERY_LABEL_UPPER)) + " / " +
           e2e::GetText(Control(IDC_CD_QUERY_LABEL_LOWER));
  }
  static std::string IdleLabels() {
    return std::string(kTextQueryLabelIdleUpper) + " / " + kTextQueryLabelIdleLower;
  }
  static std::string RunningLabels() {
    return std::string(kTextQueryLabelRunningUpper) + " / " + kTextQueryLabelRunningLower;
  }

  void ClickQuery() { e2e::Click(Control(IDC_CD_QUERY)); }

  // Waits for the status line to read `text` and the query to be over.
  void ExpectQueryEnds(const std::string& text) {
    EXPECT_TRUE(e2e::WaitUntil([&] { return Status() == text && Labels() == IdleLabels(); },
                               kQueryTimeoutMs))
        << "status \"" << Status() << "\", labels " << Labels();
  }

  std::vector<StoredEntry> Catalogue() const {
    std::vector<StoredEntry> entries;
    bw::Database database(bw::DefaultFileSystem(), folder_->Path());
    std::uint16_t count = 0;
    if (!database.CountEntries(&count).IsOk()) return entries;
    for (std::uint16_t i = 0; i < count; ++i) {
      std::uint32_t offset = 0;
      StoredEntry entry;
      bw::TitleTable table;
      if (!database.LocateEntry(i, &offset).IsOk() ||
          !database.ReadEntryProfile(offset, &entry.profile).IsOk() ||
          !database.ReadEntry(offset, &table, &entry.details).IsOk()) {
        ADD_FAILURE() << "entry " << i << " cannot be read";
        return entries;
      }
      for (int t = 0; t < entry.profile.trackCount; ++t) entry.titles.push_back(table.Get(t));
      entries.push_back(entry);
    }
    return entries;
  }

  std::string CatalogueBytes() const { return folder_->ReadFile("brindwax.dat"); }

  // The entry the record of the test data makes for the disc in the drive.
  static void ExpectTestRecordEntry(const StoredEntry& entry, const std::string& category) {
    const std::string record = TestRecord();
    ASSERT_EQ(entry.profile.trackCount, static_cast<int>(kTrackSeconds.size()));
    for (std::size_t t = 0; t < kTrackSeconds.size(); ++t) {
      EXPECT_EQ(entry.profile.trackSeconds[t], kTrackSeconds[t]) << "track " << t + 1;
      EXPECT_EQ(entry.titles[t], XmcdValue(record, "TTITLE" + std::to_string(t)))
          << "track " << t + 1;
    }
    const std::string discTitle = XmcdValue(record, "DTITLE");
    const std::size_t slash = discTitle.find(" / ");
    EXPECT_EQ(entry.details.artist, discTitle.substr(0, slash));
    EXPECT_EQ(entry.details.discName, discTitle.substr(slash + 3));
    EXPECT_EQ(entry.details.category, category);
    EXPECT_EQ(entry.details.label, "");
    EXPECT_EQ(entry.details.notes, XmcdValue(record, "EXTD"));
    EXPECT_EQ(entry.details.recording, 0);  // AAD
    EXPECT_EQ(entry.details.type, 0);       // Album
    EXPECT_EQ(entry.details.size, 1);       // 5 inch
    EXPECT_EQ(entry.details.yearReleased, "");
  }

  // Runs a whole CDDBP query that stores the test record (for tests that need it catalogued).
  void CatalogueTestRecordOverCddbp() {
    CddbpServer server(CddbpScript("200 rock 7908090a Catalogued / Before\r\n",
                                   ReadReply("rock 7908090a", TestRecord())));
    ASSERT_TRUE(server.Listening());
    ClickQuery();
    ExpectQueryEnds(kTextFreedbDone);
    ASSERT_EQ(Catalogue().size(), 1u);
  }

  std::unique_ptr<e2e::ProgramFolder> folder_;
  std::unique_ptr<e2e::RunningProgram> program_;
  HWND main_ = nullptr;
};

TEST_F(FreedbQuery, ExactMatchOverCddbpReadsAndStoresTheRecord) {
  CddbpServer server(CddbpScript("200 rock 7a0b1c09 Gladys Knight / Hits\r\n",
                                 ReadReply("rock 7a0b1c09", TestRecord())));
  ASSERT_TRUE(server.Listening());
  StartProgram();
  ClickQuery();
  ExpectQueryEnds(kTextFreedbDone);
  ASSERT_TRUE(e2e::WaitUntil([&] { return server.Lines().size() >= 4; }, 5000));
  EXPECT_EQ(server.Received(), std::string(kHello) + "\r\n" + kQueryWords +
                                   "\r\ncddb read rock 7a0b1c09\r\nquit\r\n");
  EXPECT_EQ(server.ConnectionsOn(888), 1);
  EXPECT_EQ(server.ConnectionsOn(8880), 0);

  std::vector<StoredEntry> entries = Catalogue();
  ASSERT_EQ(entries.size(), 1u);
  ExpectTestRecordEntry(entries[0], "rock");
  // The panel shows the stored disc at once.
  EXPECT_EQ(e2e::GetText(Control(IDC_CD_ENTRY_LABEL)), kTextEditEntryLabel);
}

// A catalogue the program refuses to build on (its count promises entries it does not hold)
// keeps its bytes, and the query does not claim "Done!".
TEST_F(FreedbQuery, RecordTheCatalogueCannotTakeIsReportedNotDone) {
  CddbpServer server(CddbpScript("200 rock 7a0b1c09 Gladys Knight / Hits\r\n",
                                 ReadReply("rock 7a0b1c09", TestRecord())));
  ASSERT_TRUE(server.Listening());
  StartProgram();
  const std::string damaged("\xFFTQL\x00\x0A\x02\x00", 8);
  folder_->WriteTextFile("brindwax.dat", damaged);
  ClickQuery();
  ExpectQueryEnds(kTextRecordNotStored);
  EXPECT_EQ(folder_->ReadFile("brindwax.dat"), damaged);
}

// The same answers over HTTP make the same catalogue, byte for byte.
TEST_F(FreedbQuery, HttpStoresTheSameBytesAsCddbp) {
  const std::string queryReply = "200 rock 7a0b1c09 Gladys Knight / Hits\r\n";
  const std::string readReply = ReadReply("rock 7a0b1c09", TestRecord());
  std::string overCddbp;
  {
    CddbpServer server(CddbpScript(queryReply, readReply));
    StartProgram();
    ClickQuery();
    ExpectQueryEnds(kTextFreedbDone);
    overCddbp = CatalogueBytes();
    TearDown();
  }
  HttpServer server(HttpScript(queryReply, readReply));
  ASSERT_TRUE(server.Listening());
  StartProgram(&server);
  ClickQuery();
  ExpectQueryEnds(kTextFreedbDone);
  EXPECT_EQ(CatalogueBytes(), overCddbp);
  EXPECT_FALSE(overCddbp.empty());

  const std::string hello = "&hello=tester+example.org+Brindlewax+2.3&proto=3";
  std::string queryPath = std::string("/~cddb/cddb.cgi?cmd=") + kQueryWords + hello;
  std::replace(queryPath.begin(), queryPath.end(), ' ', '+');
  EXPECT_EQ(server.Targets(),
            (std::vector<std::string>{queryPath,
                                      "/~cddb/cddb.cgi?cmd=cddb+read+rock+7a0b1c09" + hello}));
  for (const std::string& agent : server.UserAgents()) EXPECT_EQ(agent, "Brindlewax 2.3");
}

TEST_F(FreedbQuery, SingleInexactMatchIsReadWithoutAsking) {
  CddbpServer server(CddbpScript(
      "211 Found inexact matches, list follows (until terminating `.')\r\n"
      "soul 7908090a Gladys Knight / Greatest Hits\r\n.\r\n",
      ReadReply("soul 7908090a", TestRecord())));
  StartProgram();
  ClickQuery();
  ExpectQueryEnds(kTextFreedbDone);
  EXPECT_EQ(e2e::FindTopWindow(kInexactTitle, program_->ProcessId()), nullptr);
  std::vector<std::string> lines = server.Lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "cddb read soul 7908090a"), lines.end());
  ASSERT_EQ(Catalogue().size(), 1u);
  EXPECT_EQ(Catalogue()[0].details.category, "soul");
}

// Two matches from the test data: the dialog lists them; the user's choice is read, and
// Cancel ends the query (over CDDBP with "quit").
TEST_F(FreedbQuery, InexactMatchesLetTheUserChooseOrCancel) {
  const std::string matches =
      fake_freedb::WithCrLf(fake_freedb::TestData("freedb/replies/query_211_d50dd30f.txt"));
  struct Case {
    bool overHttp;
    int button;  // IDC_INEXACT_OK after choosing the second line, or IDC_INEXACT_CANCEL
  };
  const Case cases[] = {
      {false, IDC_INEXACT_OK}, {false, IDC_INEXACT_CANCEL}, {true, IDC_INEXACT_CANCEL}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.overHttp ? "HTTP" : "CDDBP") +
                 (c.button == IDC_INEXACT_OK ? " OK" : " Cancel"));
    const std::string readReply = ReadReply("misc d50dd30f", TestRecord());
    CddbpServer cddbp(CddbpScript(matches, readReply));
    HttpServer http(HttpScript(matches, readReply));
    StartProgram(c.overHttp ? &http : nullptr);
    ClickQuery();
    HWND dialog = program_->WaitForWindow(kInexactTitle, kQueryTimeoutMs);
    ASSERT_NE(dialog, nullptr) << "no inexact-match dialog; status " << Status();
    HWND list = e2e::FindControl(dialog, IDC_INEXACT_LIST);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    e2e::SaveScreenshot(dialog, "freedb_inexact_matches");
    if (c.button == IDC_INEXACT_OK) SendMessageA(list, LB_SETCURSEL, 1, 0);
    e2e::ClickId(dialog, c.button);
    if (c.button == IDC_INEXACT_OK) {
      ExpectQueryEnds(kTextFreedbDone);
      std::vector<std::string> lines = cddbp.Lines();
      EXPECT_NE(std::find(lines.begin(), lines.end(), "cddb read misc d50dd30f"), lines.end());
      EXPECT_EQ(Catalogue().size(), 1u);
    } else {
      ExpectQueryEnds(kTextFreedbCanceled);
      if (!c.overHttp) {
        ASSERT_TRUE(e2e::WaitUntil([&] { return cddbp.FinishedConnections() == 1; }, 5000));
        EXPECT_EQ(cddbp.Lines().back(), "quit");
      }
      EXPECT_TRUE(Catalogue().empty());
    }
    TearDown();
  }
}

TEST_F(FreedbQuery, NoMatchEndsWithDiscDoesNotExist) {
  const std::string noMatch =
      fake_freedb::WithCrLf(fake_freedb::TestData("freedb/replies/query_202_f90ec511.txt"));
  for (bool overHttp : {false, true}) {
    SCOPED_TRACE(overHttp ? "HTTP" : "CDDBP");
    CddbpServer cddbp(CddbpScript(noMatch, ""));
    HttpServer http(HttpScript(noMatch, ""));
    StartProgram(overHttp ? &http : nullptr);
    ClickQuery();
    ExpectQueryEnds(kTextDiscNotInFreedb);
    if (!overHttp) {
      ASSERT_TRUE(e2e::WaitUntil([&] { return cddbp.FinishedConnections() == 1; }, 5000));
      EXPECT_EQ(cddbp.Lines().back(), "quit");
    }
    EXPECT_TRUE(Catalogue().empty());
    TearDown();
  }
}

TEST_F(FreedbQuery, RefusedPort888IsTriedOnceMoreOn8880) {
  {
    CddbpServer::Script script = CddbpScript("200 rock 7a0b1c09 Gladys Knight / Hits\r\n",
                                             ReadReply("rock 7a0b1c09", TestRecord()));
    script.listenOn888 = false;
    CddbpServer server(script);
    StartProgram();
    ClickQuery();
    ExpectQueryEnds(kTextFreedbDone);
    EXPECT_EQ(server.ConnectionsOn(8880), 1);
    EXPECT_EQ(Catalogue().size(), 1u);
    TearDown();
  }
  CddbpServer::Script refusingBoth;
  refusingBoth.listenOn888 = false;
  refusingBoth.listenOn8880 = false;
  CddbpServer server(refusingBoth);
  StartProgram();
  ClickQuery();
  ExpectQueryEnds(kTextCouldNotConnectCddbp);
}

TEST_F(FreedbQuery, GreetingOtherThan201IsACommunicationProblem) {
  CddbpServer::Script script;
  script.greeting = Say("200 a server that skips its banner\r\n");
  CddbpServer server(script);
  StartProgram();
  ClickQuery();
  EXPECT_TRUE(e2e::WaitUntil([&] { return Status() == kTextCddbpCommunicationProblem; },
                             kQueryTimeoutMs))
      << Status();
  // The server is left to close the connection after "quit".
  ExpectQueryEnds(kTextCddbpCommunicationProblem);
  EXPECT_EQ(server.Lines(), std::vector<std::string>{"quit"});
}

// The read reply's last piece holds ".\r\n", "\r\n" or "\n" alone: whichever read brings the
// end of the terminating line completes the reply, and the record is stored.
TEST_F(FreedbQuery, TerminatorCompletesTheReplyWhereverTheReadsSplitIt) {
  const std::string readReply = ReadReply("rock 7a0b1c09", TestRecord());
  for (std::size_t cutBeforeEnd : {3, 2, 1}) {
    SCOPED_TRACE(cutBeforeEnd);
    CddbpServer::Script script;
    script.answer = [&](const std::string& line) {
      if (line.rfind("cddb query ", 0) == 0) return Say("200 rock 7a0b1c09 A / B\r\n");
      if (line.rfind("cddb read ", 0) == 0) {
        return fake_freedb::SayInPieces(readReply, {readReply.size() - cutBeforeEnd}, 700);
      }
      return CddbpServer::DefaultAnswer(line);
    };
    CddbpServer server(script);
    StartProgram();
    ClickQuery();
    ExpectQueryEnds(kTextFreedbDone);
    EXPECT_EQ(Catalogue().size(), 1u);
    TearDown();
  }
}

TEST_F(FreedbQuery, HtmlPageMeansAWrongCgiScript) {
  HttpServer server([](const std::string&) {
    return Say(fake_freedb::HttpOk("<html><body>404 Not Found</body></html>"));
  });
  StartProgram(&server);
  ClickQuery();
  ExpectQueryEnds(kTextInvalidCgiScript);
  EXPECT_TRUE(Catalogue().empty());
}

// A read reply beyond the 81,920-byte buffer is cut there; what the buffer holds is stored.
TEST_F(FreedbQuery, HttpReplyLongerThanTheBufferIsCutWithoutError) {
  std::string record = TestRecord();
  for (int i = 0; record.size() < 100000; ++i) record += "# padding line " + std::to_string(i) + "\n";
  HttpServer server(HttpScript("200 rock 7a0b1c09 A / B\r\n", ReadReply("rock 7a0b1c09", record)));
  StartProgram(&server);
  ClickQuery();
  ExpectQueryEnds(kTextFreedbDone);
  std::vector<StoredEntry> entries = Catalogue();
  ASSERT_EQ(entries.size(), 1u);
  ExpectTestRecordEntry(entries[0], "rock");
}

// A record of the test's own: a disc title over two lines, notes with escapes, a title too
// long for the catalogue.
TEST_F(FreedbQuery, RecordFieldsAreJoinedDecodedAndCut) {
  const std::string longTitle(300, 'x');
  std::string record = "# xmcd\nDISCID=7908090a\nDTITLE=The Long Named Art\nDTITLE=ist / Second Half\n";
  record += "TTITLE0=" + longTitle + "\n";
  for (int t = 1; t < 10; ++t) record += "TTITLE" + std::to_string(t) + "=Track\n";
  record += "EXTD=a\\nb\\tc\n";
  CddbpServer server(CddbpScript("200 misc 7908090a A / B\r\n", ReadReply("misc 7908090a", record)));
  StartProgram();
  ClickQuery();
  ExpectQueryEnds(kTextFreedbDone);
  std::vector<StoredEntry> entries = Catalogue();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].details.artist, "The Long Named Artist");
  EXPECT_EQ(entries[0].details.discName, "Second Half");
  EXPECT_EQ(entries[0].details.notes, "a\r\nb c");
  EXPECT_EQ(entries[0].titles[0], longTitle.substr(0, 255));
}

// For a disc already catalogued the program asks first: No keeps the catalogue as it was, Yes
// puts the new record in place of the old one.
TEST_F(FreedbQuery, CataloguedDiscIsOverwrittenOnlyWhenTheUserAgrees) {
  for (bool agree : {false, true}) {
    SCOPED_TRACE(agree ? "Yes" : "No");
    StartProgram();
    CatalogueTestRecordOverCddbp();
    const std::string before = CatalogueBytes();

    std::string record = TestRecord();
    record.replace(record.find("DTITLE="), 7, "DTITLE=New Artist / ");
    CddbpServer server(
        CddbpScript("200 jazz 7908090a A / B\r\n", ReadReply("jazz 7908090a", record)));
    ClickQuery();
    HWND question = program_->WaitForWindow(kQuestionTitle, kQueryTimeoutMs);
    ASSERT_NE(question, nullptr) << Status();
    EXPECT_EQ(e2e::GetText(e2e::FindControl(question, IDC_QUESTION_BOX_TEXT)),
              kTextOverwriteSavedDiscQuestion);
    e2e::ClickId(question, agree ? IDC_QUESTION_BOX_OK : IDC_QUESTION_BOX_CANCEL);
    if (agree) {
      ExpectQueryEnds(kTextFreedbDone);
      std::vector<StoredEntry> entries = Catalogue();
      ASSERT_EQ(entries.size(), 1u);
      EXPECT_EQ(entries[0].details.artist, "New Artist");
      EXPECT_EQ(entries[0].details.category, "jazz");
    } else {
      ExpectQueryEnds(kTextFreedbCanceled);
      EXPECT_EQ(CatalogueBytes(), before);
      ASSERT_TRUE(e2e::WaitUntil([&] { return server.FinishedConnections() == 1; }, 5000));
      EXPECT_EQ(server.Lines().back(), "quit");
    }
    TearDown();
  }
}

// A server that never answers: the second press of the button stops the query at once.
TEST_F(FreedbQuery, StopEndsAQueryTheServerNeverAnswers) {
  for (bool overHttp : {false, true}) {
    SCOPED_TRACE(overHttp ? "HTTP" : "CDDBP");
    CddbpServer::Script silent;
    silent.greeting = fake_freedb::Silence();
    CddbpServer cddbp(silent);
    HttpServer http([](const std::string&) { return fake_freedb::Silence(); });
    StartProgram(overHttp ? &http : nullptr);
    ClickQuery();
    ASSERT_TRUE(e2e::WaitUntil([&] { return Labels() == RunningLabels(); }, 5000)) << Labels();
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return cddbp.ConnectionsOn(888) + http.Targets().size() == 1; }, 5000));
    e2e::SaveScreenshot(main_, overHttp ? "freedb_query_running_http" : "freedb_query_running");
    ClickQuery();
    ExpectQueryEnds(kTextFreedbStopped);
    if (!overHttp) {
      // The connection is closed, not left to the server.
      EXPECT_TRUE(e2e::WaitUntil([&] { return cddbp.FinishedConnections() == 1; }, 5000));
    }
    TearDown();
  }
}

// Exit while the server keeps silent: the query is ended (its connection closed) and the
// program still ends normally.
TEST_F(FreedbQuery, ExitEndsARunningQuery) {
  constexpr int kExitButton = 113;
  for (bool overHttp : {false, true}) {
    SCOPED_TRACE(overHttp ? "HTTP" : "CDDBP");
    CddbpServer::Script silent;
    silent.greeting = fake_freedb::Silence();
    CddbpServer cddbp(silent);
    HttpServer http([](const std::string&) { return fake_freedb::Silence(); });
    StartProgram(overHttp ? &http : nullptr);
    ClickQuery();
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return cddbp.ConnectionsOn(888) + http.Targets().size() == 1; }, 5000));
    e2e::ClickId(main_, kExitButton);
    DWORD exitCode = 1;
    ASSERT_TRUE(program_->WaitForExit(15000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    if (!overHttp) {
      EXPECT_TRUE(e2e::WaitUntil([&] { return cddbp.FinishedConnections() == 1; }, 5000));
    }
    TearDown();
  }
}

TEST_F(FreedbQuery, AutomaticQueryStartsWhenAnUnknownDiscIsPlayed) {
  CddbpServer server(CddbpScript("200 rock 7a0b1c09 Gladys Knight / Hits\r\n",
                                 ReadReply("rock 7a0b1c09", TestRecord())));
  StartProgram(nullptr, /*autoQuery=*/true);
  EXPECT_EQ(server.ConnectionsOn(888), 0);
  e2e::Click(Control(IDC_CD_PLAY));
  ExpectQueryEnds(kTextFreedbDone);
  EXPECT_EQ(server.ConnectionsOn(888), 1);
  EXPECT_EQ(Catalogue().size(), 1u);
}

}  // namespace
