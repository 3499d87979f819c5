// The "CDDB" and "CDDBServerInformation" settings behind Freedb Setup and Freedb Server
// Information: what an opening shows and writes, what Update and the radios write at once,
// what OK writes, and the date of the last update.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory_profile_store.h"
#include "freedb/freedb_texts.h"
#include "freedb/last_updated.h"
#include "freedb/setup_settings.h"

namespace bw {
namespace freedb {
namespace {

using Keys = std::vector<std::string>;

TEST(FreedbSetupSettings, FirstOpeningCreatesOneDefaultServerOfEachKind) {
  MemoryProfileStore profile;
  const FreedbSetup setup = OpenFreedbSetup(profile);
  EXPECT_EQ(profile.WrittenKeys("CDDB"),
            (Keys{"HTTPServer0", "TotalHTTPServers", "CurrentHTTPServer", "CDDBPServer0",
                  "TotalCDDBPServers", "CurrentCDDBPServer"}));
  EXPECT_EQ(profile.Get("CDDB", "HTTPServer0", ""), "gnudb.gnudb.org - Random freedb server");
  EXPECT_EQ(profile.Get("CDDB", "CurrentCDDBPServer", ""), "gnudb.gnudb.org - Random freedb server");
  EXPECT_EQ(profile.Get("CDDB", "TotalCDDBPServers", ""), "1");
  EXPECT_EQ(setup.http.entries, Keys{"gnudb.gnudb.org - Random freedb server"});
  EXPECT_EQ(setup.http.selected, 0);
  EXPECT_EQ(setup.cddbp.selected, 0);
  EXPECT_EQ(setup.cgiScript, "/~cddb/cddb.cgi");  // offered, not written
  EXPECT_EQ(setup.transport, Transport::kHttp);
  EXPECT_EQ(setup.submission, SubmissionMode::kSmtp);
  EXPECT_EQ(setup.status, "");
  profile.ClearWrites();
  OpenFreedbSetup(profile);
  EXPECT_TRUE(profile.Writes().empty());  // the second opening finds them
}

TEST(FreedbSetupSettings, StoredListsSkipMissingKeysAndSelectTheCurrentIgnoringCase) {
  MemoryProfileStore profile;
  profile.Preset("CDDB", "TotalHTTPServers", "4");
  profile.Preset("CDDB", "HTTPServer0", "a.org - Alpha");
  profile.Preset("CDDB", "HTTPServer2", "C.org - Gamma");
  profile.Preset("CDDB", "HTTPServer3", "d.org - Delta");
  profile.Preset("CDDB", "CurrentHTTPServer", "c.ORG - gamma");
  profile.Preset("CDDB", "TotalCDDBPServers", "2x");  // read as 2, as the profile functions do
  profile.Preset("CDDB", "CDDBPServer0", "e.org - Epsilon");
  profile.Preset("CDDB", "CDDBPServer1", "f.org - Phi");
  profile.Preset("CDDB", "CurrentCDDBPServer", "nowhere.org");
  profile.Preset("CDDB", "CGIScriptName", "/cgi-bin/cddb.cgi");
  profile.Preset("CDDB", "CDDBProtocal", "cddbp");
  profile.Preset("CDDB", "CDDBSubmissionMode", "Notepad");
  profile.Preset("CDDB", "LastUpdated", "Last updated on 1/2/2023");
  const FreedbSetup setup = OpenFreedbSetup(profile);
  EXPECT_TRUE(profile.Writes().empty());
  EXPECT_EQ(setup.http.entries, (Keys{"a.org - Alpha", "C.org - Gamma", "d.org - Delta"}));
  EXPECT_EQ(setup.http.selected, 1);
  EXPECT_EQ(setup.cddbp.entries, (Keys{"e.org - Epsilon", "f.org - Phi"}));
  EXPECT_EQ(setup.cddbp.selected, -1);
  EXPECT_EQ(setup.cgiScript, "/cgi-bin/cddb.cgi");
  EXPECT_EQ(setup.transport, Transport::kCddbp);
  EXPECT_EQ(setup.submission, SubmissionMode::kNotepad);
  EXPECT_EQ(setup.status, "Last updated on 1/2/2023");
}

TEST(FreedbSetupSettings, DamagedCountsNeitherHangNorLoseTheDefault) {
  MemoryProfileStore huge;
  huge.Preset("CDDB", "TotalHTTPServers", "99999999999999999999");
  huge.Preset("CDDB", "HTTPServer5", "x.org - X");
  EXPECT_EQ(OpenFreedbSetup(huge).http.entries, Keys{"x.org - X"});

  for (const char* count : {"0", "", "-3", "none"}) {
    MemoryProfileStore profile;
    profile.Preset("CDDB", "TotalHTTPServers", count);
    EXPECT_EQ(OpenFreedbSetup(profile).http.entries, Keys{DefaultServerEntry()}) << count;
  }
}

TEST(FreedbSetupSettings, OkWritesTheListsOnlyWhenNoFetchRuns) {
  FreedbSetup setup;
  setup.email = "jo@example.org";
  setup.mailServer = "mail.example.org";
  setup.cgiScript = "/~cddb/cddb.cgi";
  setup.submission = SubmissionMode::kMapi;
  setup.transport = Transport::kCddbp;
  setup.http = {{"a.org - Alpha", "b.org - Beta"}, 1};
  setup.cddbp = {{"c.org - Gamma"}, 0};

  MemoryProfileStore running;
  WriteFreedbSetup(running, setup, /*fetchRunning=*/true);
  EXPECT_EQ(running.WrittenKeys("CDDB"),
            (Keys{"EMailAddress", "MailServer", "CDDBSubmissionMode", "CDDBProtocal",
                  "CGIScriptName"}));
  EXPECT_EQ(running.Get("CDDB", "CDDBSubmissionMode", ""), "MAPI");
  EXPECT_EQ(running.Get("CDDB", "CDDBProtocal", ""), "CDDBP");

  MemoryProfileStore idle;
  WriteFreedbSetup(idle, setup, /*fetchRunning=*/false);
  EXPECT_EQ(idle.WrittenKeys("CDDB"),
            (Keys{"EMailAddress", "MailServer", "CDDBSubmissionMode", "CDDBProtocal",
                  "CGIScriptName", "CurrentHTTPServer", "TotalHTTPServers", "HTTPServer0",
                  "HTTPServer1", "CurrentCDDBPServer", "TotalCDDBPServers", "CDDBPServer0"}));
  EXPECT_EQ(idle.Get("CDDB", "CurrentHTTPServer", ""), "b.org - Beta");
  EXPECT_EQ(idle.Get("CDDB", "TotalHTTPServers", ""), "2");
  // What OK wrote is what the next opening shows.
  const FreedbSetup reopened = OpenFreedbSetup(idle);
  EXPECT_EQ(reopened.http.entries, setup.http.entries);
  EXPECT_EQ(reopened.http.selected, 1);
  EXPECT_EQ(reopened.submission, SubmissionMode::kMapi);
}

TEST(FreedbSetupSettings, UpdateWritesTheAddressAtOnceAndRefusesAnEmptyOne) {
  MemoryProfileStore profile;
  EXPECT_EQ(TakeEmailForUpdate(profile, ""), std::optional<std::string>(kTextEmailRequired));
  EXPECT_EQ(profile.WrittenKeys("CDDB"), Keys{"EMailAddress"});
  EXPECT_TRUE(TakeEmailForUpdate(profile, "   ").has_value());
  EXPECT_FALSE(TakeEmailForUpdate(profile, "jo@example.org").has_value());
  EXPECT_EQ(profile.Get("CDDB", "EMailAddress", ""), "jo@example.org");
  EXPECT_EQ(std::string(kTextEmailRequired),
            "Error: Please enter an email address. Brindlewax needs an email address to talk to "
            "the Freedb server.");

  WriteTransport(profile, Transport::kCddbp);
  EXPECT_EQ(profile.Get("CDDB", "CDDBProtocal", ""), "CDDBP");
  WriteTransport(profile, Transport::kHttp);
  EXPECT_EQ(profile.Get("CDDB", "CDDBProtocal", ""), "HTTP");
}

TEST(FreedbServerInfoSettings, OpeningShowsStoredValuesUpToTheFirstMissingKey) {
  MemoryProfileStore empty;
  ServerInfoView view = OpenServerInfo(empty);
  for (const std::string& count : view.counts) EXPECT_EQ(count, "0");
  EXPECT_EQ(view.version, "");
  EXPECT_EQ(view.status, "");

  MemoryProfileStore partial;
  partial.Preset("CDDB", "CDDBProtocal", "CDDBP");
  partial.Preset("CDDB", "CurrentCDDBPServer", "c.org - Gamma");
  partial.Preset("CDDB", "CurrentHTTPServer", "h.org - Eta");
  partial.Preset("CDDBServerInformation", "TotalEntries", "100");
  partial.Preset("CDDBServerInformation", "Blues", "7");
  partial.Preset("CDDBServerInformation", "Country", "9");  // after the missing Classical
  partial.Preset("CDDBServerInformation", "Version", "v1");
  view = OpenServerInfo(partial);
  EXPECT_EQ(view.server, "c.org - Gamma");
  EXPECT_EQ(view.counts[0], "100");
  EXPECT_EQ(view.counts[1], "7");
  EXPECT_EQ(view.counts[2], "0");
  EXPECT_EQ(view.counts[3], "0");
  EXPECT_EQ(view.version, "");

  MemoryProfileStore http;
  http.Preset("CDDB", "CurrentHTTPServer", "h.org - Eta");
  EXPECT_EQ(OpenServerInfo(http).server, "h.org - Eta");
}

TEST(FreedbServerInfoSettings, WhatOkStoresTheNextOpeningShows) {
  ServerCounts counts;
  for (std::size_t i = 0; i < counts.size(); ++i) counts[i] = std::to_string(1000 + i);
  MemoryProfileStore profile;
  WriteServerInfo(profile, counts, "v1.5.2");
  EXPECT_EQ(profile.WrittenKeys("CDDBServerInformation"),
            (Keys{"TotalEntries", "Blues", "Classical", "Country", "Data", "Folk", "Jazz", "Misc",
                  "NewAge", "Reggae", "Rock", "SoundTrack", "MaxUsers", "Version"}));
  profile.Set("CDDBServerInformation", "LastUpdated", LastUpdatedText({2024, 12, 31}));
  const ServerInfoView view = OpenServerInfo(profile);
  EXPECT_EQ(view.counts, counts);
  EXPECT_EQ(view.version, "v1.5.2");
  EXPECT_EQ(view.status, "Last updated on 12/31/2024");
}

TEST(FreedbLastUpdated, MonthDayFourDigitYear) {
  EXPECT_EQ(LastUpdatedText({2024, 3, 7}), "Last updated on 3/7/2024");
  EXPECT_EQ(LastUpdatedText({1999, 12, 31}), "Last updated on 12/31/1999");
  EXPECT_EQ(LastUpdatedText({987, 1, 1}), "Last updated on 1/1/0987");
  const CalendarDate today = LocalToday();
  EXPECT_GE(today.year, 2020);
  EXPECT_GE(today.month, 1);
  EXPECT_LE(today.month, 12);
  EXPECT_GE(today.day, 1);
  EXPECT_LE(today.day, 31);
}

}  // namespace
}  // namespace freedb
}  // namespace bw
