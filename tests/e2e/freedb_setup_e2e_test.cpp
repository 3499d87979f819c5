// Freedb Setup and Freedb Server Information opened from Garnish, end to end: the settings a
// first opening writes, Update's site list and statistics from the test servers over CDDBP and
// HTTP, and what OK, Cancel and closing during a refresh leave in the settings file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_cddb_servers.h"
#include "freedb/freedb_texts.h"
#include "freedb/sites_dialogue.h"
#include "garnish_e2e_support.h"
#include "shell/texts.h"

namespace {

using fake_freedb::Answer;
using fake_freedb::CddbpServer;
using fake_freedb::HttpServer;
using fake_freedb::Say;
using fake_freedb::SayInPieces;
using fake_freedb::Silence;

constexpr const char* kEmail = "tester@example.org";
constexpr const char* kDefaultEntry = "gnudb.gnudb.org - Random freedb server";
constexpr int kUpdateTimeoutMs = 15000;

const std::string kSiteList =
    "210 OK, site information follows (until terminating `.')\r\n"
    "freedb.example.org http 80 /~cddb/cddb.cgi N040.44 W079.59 Random freedb server\r\n"
    "us.example.org cddbp 8880 - N037.23 W121.53 San Jose, CA USA\r\n"
    "us.example.org http 80 /~cddb/cddb.cgi N037.23 W121.53 San Jose, CA USA\r\n"
    ".\r\n";

const std::string kStatistics =
    "210 OK, status information follows (until terminating `.')\r\n"
    "Server status:\r\n    current proto: 3\r\n    max proto: 6\r\n    interface: cddbp\r\n"
    "    current users: 1\r\n    max users: 100\r\n"
    "Database entries: 2345678\r\nDatabase entries by category:\r\n"
    "    blues: 11\r\n    classical: 22\r\n    country: 33\r\n    data: 44\r\n"
    "    folk: 55\r\n    jazz: 66\r\n    misc: 77\r\n    newage: 88\r\n    reggae: 99\r\n"
    "    rock: 12345\r\n    soundtrack: 111\r\n.\r\n";
constexpr const char* kVersionReply =
    "200 cddbd v1.5.2PL0 Copyright (c) 1996-2006 Steve Scherf et al.\r\n";

// Every multi-line reply ends with its ".\r\n" cut between the dot and the line end, the two
// parts a moment apart: a client that waits for the close instead never sends "quit".
Answer SplitTerminator(const std::string& reply) {
  return SayInPieces(reply, {reply.size() - 2}, 400);
}

CddbpServer::Script FreedbScript() {
  CddbpServer::Script script;
  script.answer = [](const std::string& line) {
    if (line == "proto 3") return Say("201 OK, CDDB protocol level now: 3\r\n");
    if (line == "sites") return SplitTerminator(kSiteList);
    if (line == "stat") return SplitTerminator(kStatistics);
    if (line == "ver") return Say(kVersionReply);
    return CddbpServer::DefaultAnswer(line);
  };
  return script;
}

// Points the site list at the test servers for the programs started while it lives.
class SitesServerVariable {
 public:
  explicit SitesServerVariable(const std::string& host) {
    SetEnvironmentVariableA(bw::freedb::kSitesServerVariable, host.c_str());
  }
  ~SitesServerVariable() { SetEnvironmentVariableA(bw::freedb::kSitesServerVariable, nullptr); }
};

// Another process's combo box item (the wide form crosses processes whole).
std::string ComboItem(HWND combo, LRESULT index) {
  wchar_t wide[256] = {};
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide));
  char text[512] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

std::vector<std::string> ComboEntries(HWND combo) {
  std::vector<std::string> entries;
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) entries.push_back(ComboItem(combo, i));
  return entries;
}

std::string Selected(HWND combo) {
  const LRESULT at = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  return at == CB_ERR ? "<none>" : ComboItem(combo, at);
}

class FreedbDialogs : public testing::Test {
 protected:
  // Starts the program with the "CDDB" settings given and opens Garnish.
  void OpenGarnish() {
    garnish_ = garnishe2e::OpenGarnish(session_, &disc_);
    ASSERT_NE(garnish_, nullptr);
  }

  HWND OpenFromGarnish(int button, const char* title) const {
    e2e::ClickId(garnish_, button);
    HWND dialog = session_.program.WaitForWindow(title, 5000);
    e2e::Sleep(300);  // the opening animation
    return dialog;
  }

  std::string Ini(const char* section, const char* key) const {
    return session_.folder.ReadIni(section, key);
  }
  void SetIni(const char* section, const char* key, const char* value) {
    session_.folder.WriteIni(section, key, value);
  }

  static std::string Text(HWND dialog, int id) { return garnishe2e::Text(dialog, id); }
  static bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(e2e::FindControl(dialog, id)) != FALSE;
  }
  static bool Checked(HWND dialog, int id) {
    return SendMessageA(e2e::FindControl(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  // Waits for an Update to end with `status` and the caption back at "Update".
  static void ExpectUpdateEnds(HWND dialog, int statusId, int captionId, const char* status) {
    EXPECT_TRUE(e2e::WaitUntil([&] {
      return Text(dialog, statusId) == status && Text(dialog, captionId) == kTextCaptionUpdate;
    }, kUpdateTimeoutMs)) << "status \"" << Text(dialog, statusId) << "\", caption "
                          << Text(dialog, captionId);
  }

  void ExpectClosed(const char* title) const {
    EXPECT_TRUE(garnishe2e::WaitGone(session_, title));
  }

  bw::VirtualDisc disc_ = cde2e::DiscOfTracks({200, 180});
  cde2e::CdPlayerSession session_;
  HWND garnish_ = nullptr;
};

TEST_F(FreedbDialogs, SetupFirstOpeningWritesTheDefaultServers) {
  OpenGarnish();
  HWND setup = OpenFromGarnish(IDC_GARNISH_FREEDB_SETUP, "Freedb Setup");
  ASSERT_NE(setup, nullptr);
  e2e::SaveScreenshot(setup, "freedb_setup_dialog");
  // Written at once, before any OK.
  EXPECT_EQ(Ini("CDDB", "HTTPServer0"), kDefaultEntry);
  EXPECT_EQ(Ini("CDDB", "TotalHTTPServers"), "1");
  EXPECT_EQ(Ini("CDDB", "CurrentHTTPServer"), kDefaultEntry);
  EXPECT_EQ(Ini("CDDB", "CDDBPServer0"), kDefaultEntry);
  EXPECT_EQ(Ini("CDDB", "TotalCDDBPServers"), "1");
  EXPECT_EQ(Ini("CDDB", "CurrentCDDBPServer"), kDefaultEntry);
  HWND http = e2e::FindControl(setup, IDC_FREEDB_SETUP_HTTP_SERVERS);
  HWND cddbp = e2e::FindControl(setup, IDC_FREEDB_SETUP_CDDBP_SERVERS);
  EXPECT_EQ(ComboEntries(http), std::vector<std::string>{kDefaultEntry});
  EXPECT_EQ(Selected(http), kDefaultEntry);
  EXPECT_EQ(Selected(cddbp), kDefaultEntry);
  EXPECT_EQ(Text(setup, IDC_FREEDB_SETUP_HTTP_COUNT), "1");
  EXPECT_EQ(Text(setup, IDC_FREEDB_SETUP_CDDBP_COUNT), "1");
  EXPECT_EQ(Text(setup, IDC_FREEDB_SETUP_CGI), "/~cddb/cddb.cgi");
  // HTTP and SMTP when nothing is stored, with their controls enabled and the others not.
  EXPECT_TRUE(Checked(setup, IDC_FREEDB_SETUP_HTTP));
  EXPECT_TRUE(Checked(setup, IDC_FREEDB_SETUP_SMTP));
  EXPECT_TRUE(Enabled(setup, IDC_FREEDB_SETUP_HTTP_SERVERS));
  EXPECT_FALSE(Enabled(setup, IDC_FREEDB_SETUP_CDDBP_SERVERS));
  EXPECT_TRUE(Enabled(setup, IDC_FREEDB_SETUP_MAIL_SERVER));

  // The transport is written at its click; the submission mode only by OK.
  e2e::ClickId(setup, IDC_FREEDB_SETUP_CDDBP);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Ini("CDDB", "CDDBProtocal") == "CDDBP"; }, 3000));
  EXPECT_TRUE(Enabled(setup, IDC_FREEDB_SETUP_CDDBP_SERVERS));
  EXPECT_FALSE(Enabled(setup, IDC_FREEDB_SETUP_CGI));
  e2e::ClickId(setup, IDC_FREEDB_SETUP_NOTEPAD);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !Enabled(setup, IDC_FREEDB_SETUP_MAIL_SERVER); }, 3000));
  e2e::SetText(e2e::FindControl(setup, IDC_FREEDB_SETUP_EMAIL), kEmail);
  e2e::ClickId(setup, IDC_FREEDB_SETUP_CANCEL);
  ExpectClosed("Freedb Setup");
  EXPECT_EQ(Ini("CDDB", "EMailAddress"), "<missing>");
  EXPECT_EQ(Ini("CDDB", "CDDBSubmissionMode"), "<missing>");

  // OK stores what is shown.
  setup = OpenFromGarnish(IDC_GARNISH_FREEDB_SETUP, "Freedb Setup");
  ASSERT_NE(setup, nullptr);
  EXPECT_TRUE(Checked(setup, IDC_FREEDB_SETUP_CDDBP));
  e2e::SetText(e2e::FindControl(setup, IDC_FREEDB_SETUP_EMAIL), kEmail);
  e2e::ClickId(setup, IDC_FREEDB_SETUP_MAPI);
  e2e::Sleep(200);
  e2e::ClickId(setup, IDC_FREEDB_SETUP_OK);
  ExpectClosed("Freedb Setup");
  EXPECT_EQ(Ini("CDDB", "EMailAddress"), kEmail);
  EXPECT_EQ(Ini("CDDB", "CDDBSubmissionMode"), "MAPI");
  EXPECT_EQ(Ini("CDDB", "CGIScriptName"), "/~cddb/cddb.cgi");
}

TEST_F(FreedbDialogs, SetupUpdateWithoutAnAddressContactsNoServer) {
  CddbpServer server(FreedbScript());
  ASSERT_TRUE(server.Listening());
  SitesServerVariable sites("127.0.0.1");
  SetIni("CDDB", "CDDBProtocal", "CDDBP");
  OpenGarnish();
  HWND setup = OpenFromGarnish(IDC_GARNISH_FREEDB_SETUP, "Freedb Setup");
  ASSERT_NE(setup, nullptr);
  e2e::SetText(e2e::FindControl(setup, IDC_FREEDB_SETUP_EMAIL), "");
  EXPECT_EQ(garnishe2e::MessageAfterClick(session_, setup, IDC_FREEDB_SETUP_UPDATE),
            kTextEmailRequired);
  e2e::Sleep(500);
  EXPECT_EQ(server.ConnectionsOn(888) + server.ConnectionsOn(8880), 0);
  EXPECT_EQ(Text(setup, IDC_FREEDB_SETUP_UPDATE_CAPTION), kTextCaptionUpdate);
  EXPECT_EQ(Ini("CDDB", "EMailAddress"), "");  // written at once, empty as typed
  e2e::ClickId(setup, IDC_FREEDB_SETUP_CANCEL);
  ExpectClosed("Freedb Setup");
}

// The list's terminator split across two reads completes it at once; the fetched entries are
// shown and stored by OK.
TEST_F(FreedbDialogs, SetupSiteListOverCddbpFillsBothLists) {
  CddbpServer server(FreedbScript());
  ASSERT_TRUE(server.Listening());
  SitesServerVariable sites("127.0.0.1");
  SetIni("CDDB", "CDDBProtocal", "CDDBP");
  SetIni("CDDB", "EMailAddress", kEmail);
  // The host alone chooses its entry in the fetched list.
  SetIni("CDDB", "TotalHTTPServers", "1");
  SetIni("CDDB", "HTTPServer0", "us.example.org");
  SetIni("CDDB", "CurrentHTTPServer", "us.example.org");
  OpenGarnish();
  HWND setup = OpenFromGarnish(IDC_GARNISH_FREEDB_SETUP, "Freedb Setup");
  ASSERT_NE(setup, nullptr);
  e2e::ClickId(setup, IDC_FREEDB_SETUP_UPDATE);
  ExpectUpdateEnds(setup, IDC_FREEDB_SETUP_STATUS, IDC_FREEDB_SETUP_UPDATE_CAPTION,
                   kTextFreedbDone);
  EXPECT_EQ(server.Lines(),
            (std::vector<std::string>{"CDDB HELLO tester example.org Brindlewax 2.3", "proto 3",
                                      "sites", "quit"}));
  HWND http = e2e::FindControl(setup, IDC_FREEDB_SETUP_HTTP_SERVERS);
  EXPECT_EQ(ComboEntries(http),
            (std::vector<std::string>{"freedb.example.org - Random freedb server",
                                      "us.example.org - San Jose, CA USA"}));
  EXPECT_EQ(Selected(http), "us.example.org - San Jose, CA USA");
  HWND cddbp = e2e::FindControl(setup, IDC_FREEDB_SETUP_CDDBP_SERVERS);
  EXPECT_EQ(ComboEntries(cddbp), (std::vector<std::string>{"us.example.org - San Jose, CA USA"}));
  // The default server in use is not in the list: its first entry is chosen.
  EXPECT_EQ(Selected(cddbp), "us.example.org - San Jose, CA USA");
  EXPECT_EQ(Text(setup, IDC_FREEDB_SETUP_HTTP_COUNT), "2");
  EXPECT_EQ(Text(setup, IDC_FREEDB_SETUP_CDDBP_COUNT), "1");
  EXPECT_EQ(Ini("CDDB", "LastUpdated").rfind(kTextLastUpdatedPrefix, 0), 0u);
  // The new lists are stored only by OK.
  EXPECT_EQ(Ini("CDDB", "TotalHTTPServers"), "1");
  e2e::SaveScreenshot(setup, "freedb_setup_updated");
  e2e::ClickId(setup, IDC_FREEDB_SETUP_OK);
  ExpectClosed("Freedb Setup");
  EXPECT_EQ(Ini("CDDB", "TotalHTTPServers"), "2");
  EXPECT_EQ(Ini("CDDB", "HTTPServer0"), "freedb.example.org - Random freedb server");
  EXPECT_EQ(Ini("CDDB", "HTTPServer1"), "us.example.org - San Jose, CA USA");
  EXPECT_EQ(Ini("CDDB", "CurrentHTTPServer"), "us.example.org - San Jose, CA USA");
  EXPECT_EQ(Ini("CDDB", "TotalCDDBPServers"), "1");
  EXPECT_EQ(Ini("CDDB", "CDDBPServer0"), "us.example.org - San Jose, CA USA");
  EXPECT_EQ(Ini("CDDB", "CurrentCDDBPServer"), "us.example.org - San Jose, CA USA");
}

TEST_F(FreedbDialogs, SetupSiteListOverHttp) {
  HttpServer server([](const std::string&) { return Say(fake_freedb::HttpOk(kSiteList)); });
  ASSERT_TRUE(server.Listening());
  SitesServerVariable sites("127.0.0.1:" + std::to_string(server.Port()));
  SetIni("CDDB", "EMailAddress", kEmail);
  OpenGarnish();
  HWND setup = OpenFromGarnish(IDC_GARNISH_FREEDB_SETUP, "Freedb Setup");
  ASSERT_NE(setup, nullptr);
  e2e::ClickId(setup, IDC_FREEDB_SETUP_UPDATE);
  ExpectUpdateEnds(setup, IDC_FREEDB_SETUP_STATUS, IDC_FREEDB_SETUP_UPDATE_CAPTION,
                   kTextFreedbDone);
  EXPECT_EQ(server.Targets(),
            std::vector<std::string>{
                "/~cddb/cddb.cgi?cmd=sites&hello=tester+example.org+Brindlewax+2.3&proto=3"});
  EXPECT_EQ(Text(setup, IDC_FREEDB_SETUP_HTTP_COUNT), "2");
  e2e::ClickId(setup, IDC_FREEDB_SETUP_CANCEL);
  ExpectClosed("Freedb Setup");
  EXPECT_EQ(Ini("CDDB", "TotalHTTPServers"), "1");  // Cancel keeps the old list
}

// All counts "0" at first; a refresh over CDDBP shows the server's, and OK stores them.
TEST_F(FreedbDialogs, ServerInfoRefreshShowsAndStoresTheStatistics) {
  CddbpServer server(FreedbScript());
  ASSERT_TRUE(server.Listening());
  SetIni("CDDB", "CDDBProtocal", "CDDBP");
  SetIni("CDDB", "EMailAddress", kEmail);
  SetIni("CDDB", "CurrentCDDBPServer", "127.0.0.1 - Local test server");
  OpenGarnish();
  HWND info = OpenFromGarnish(IDC_GARNISH_SERVER_INFO, "Freedb Server Information");
  ASSERT_NE(info, nullptr);
  for (int id = IDC_SERVER_INFO_TOTAL; id <= IDC_SERVER_INFO_SOUNDTRACK; ++id) {
    EXPECT_EQ(Text(info, id), "0") << id;
  }
  EXPECT_EQ(Text(info, IDC_SERVER_INFO_MAX_USERS), "0");
  EXPECT_EQ(Text(info, IDC_SERVER_INFO_SERVER), "127.0.0.1 - Local test server");

  e2e::ClickId(info, IDC_SERVER_INFO_UPDATE);
  ExpectUpdateEnds(info, IDC_SERVER_INFO_STATUS, IDC_SERVER_INFO_UPDATE_CAPTION,
                   kTextFreedbDone);
  EXPECT_EQ(Text(info, IDC_SERVER_INFO_ROCK), "12345");
  EXPECT_EQ(Text(info, IDC_SERVER_INFO_TOTAL), "2345678");
  EXPECT_EQ(Text(info, IDC_SERVER_INFO_SOUNDTRACK), "111");
  EXPECT_EQ(Text(info, IDC_SERVER_INFO_MAX_USERS), "100");
  EXPECT_EQ(Text(info, IDC_SERVER_INFO_VERSION),
            "v1.5.2PL0 Copyright (c) 1996-2006 Steve Scherf et al.");
  EXPECT_EQ(server.Lines(),
            (std::vector<std::string>{"CDDB HELLO tester example.org Brindlewax 2.3", "stat",
                                      "ver", "quit"}));
  EXPECT_EQ(Ini("CDDBServerInformation", "LastUpdated").rfind(kTextLastUpdatedPrefix, 0), 0u);
  e2e::SaveScreenshot(info, "server_info_dialog");
  e2e::ClickId(info, IDC_SERVER_INFO_OK);
  ExpectClosed("Freedb Server Information");
  EXPECT_EQ(Ini("CDDBServerInformation", "Rock"), "12345");
  EXPECT_EQ(Ini("CDDBServerInformation", "TotalEntries"), "2345678");
  EXPECT_EQ(Ini("CDDBServerInformation", "MaxUsers"), "100");
}

// Closing while the server says nothing stops the refresh and keeps the stored values.
TEST_F(FreedbDialogs, ServerInfoClosedDuringRefreshKeepsTheOldValues) {
  CddbpServer::Script script = FreedbScript();
  script.answer = [](const std::string& line) {
    if (line == "stat") return Silence();
    return CddbpServer::DefaultAnswer(line);
  };
  CddbpServer server(script);
  ASSERT_TRUE(server.Listening());
  SetIni("CDDB", "CDDBProtocal", "CDDBP");
  SetIni("CDDB", "EMailAddress", kEmail);
  SetIni("CDDB", "CurrentCDDBPServer", "127.0.0.1 - Local test server");
  const char* keys[] = {"TotalEntries", "Blues", "Classical", "Country", "Data",
                        "Folk",         "Jazz",  "Misc",      "NewAge",  "Reggae",
                        "Rock",         "SoundTrack", "MaxUsers"};
  for (const char* key : keys) SetIni("CDDBServerInformation", key, "7");
  SetIni("CDDBServerInformation", "Version", "old version");
  OpenGarnish();
  HWND info = OpenFromGarnish(IDC_GARNISH_SERVER_INFO, "Freedb Server Information");
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(Text(info, IDC_SERVER_INFO_ROCK), "7");
  EXPECT_EQ(Text(info, IDC_SERVER_INFO_VERSION), "old version");
  e2e::ClickId(info, IDC_SERVER_INFO_UPDATE);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(info, IDC_SERVER_INFO_STATUS) ==
                                          kTextRetrievingEntries; }, kUpdateTimeoutMs));
  EXPECT_EQ(Text(info, IDC_SERVER_INFO_UPDATE_CAPTION), kTextCaptionStop);
  PostMessageA(info, WM_CLOSE, 0, 0);
  ExpectClosed("Freedb Server Information");
  for (const char* key : keys) EXPECT_EQ(Ini("CDDBServerInformation", key), "7") << key;
  EXPECT_EQ(Ini("CDDBServerInformation", "Version"), "old version");
  EXPECT_EQ(Ini("CDDBServerInformation", "LastUpdated"), "<missing>");
}

}  // namespace
