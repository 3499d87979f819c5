// Every write step of every catalogue change made to fail, or the process killed there (with
// and without the loss of unflushed data): the next use of the folder always finds either the
// old catalogue or the new one, whole, and no leftover files.
#include <algorithm>
#include <functional>

#include "cddb/database_sorter.h"
#include "cddb/text_rules.h"
#include "cddb_database_test_support.h"

namespace bw {
namespace {

using testing::Append;
using testing::Catalogue;
using testing::DetailsOf;
using testing::FaultFileSystem;
using testing::FileExists;
using testing::ProfileOf;
using testing::ReadBytes;
using testing::RefEntry;
using testing::RefFile;
using testing::SampleEntry;
using testing::TempFolder;
using testing::TitlesOf;
using testing::WriteBytes;

using Fault = FaultFileSystem::Fault;
using CrashKind = FaultFileSystem::CrashKind;

struct Change {
  const char* name;
  std::string initialFile;  // "" for no file at all
  std::vector<RefEntry> before;
  std::vector<RefEntry> after;
  std::function<Status(Database&)> run;
};

void PrintTo(const Change& change, std::ostream* out) { *out << change.name; }

std::vector<Change> Changes() {
  const RefEntry a = SampleEntry(1), b = SampleEntry(2, 30), c = SampleEntry(3, 0);
  const RefEntry d = SampleEntry(4, 5);
  std::vector<RefEntry> many;
  for (int i = 0; i < 20; ++i) many.push_back(SampleEntry(100 + i, i));
  std::vector<RefEntry> manyReversed(many.rbegin(), many.rend());
  std::vector<std::uint16_t> reverse;
  for (int i = 19; i >= 0; --i) reverse.push_back(static_cast<std::uint16_t>(i));

  std::vector<Change> changes;
  changes.push_back({"ensure", "", {}, {}, [](Database& db) { return db.EnsureDatabaseFile(); }});
  changes.push_back({"append", RefFile({a, b}), {a, b}, {a, b, d},
                     [d](Database& db) { return Append(db, d); }});
  changes.push_back({"append over bytes an earlier append left", RefFile({a, b}) + "\x11\x22\x33",
                     {a, b}, {a, b, d}, [d](Database& db) { return Append(db, d); }});
  changes.push_back({"delete first", RefFile({a, b, c}), {a, b, c}, {b, c},
                     [](Database& db) { return db.DeleteEntry(8); }});
  changes.push_back({"delete last", RefFile({a, b, c}), {a, b, c}, {a, b},
                     [a, b](Database& db) {
                       return db.DeleteEntry(static_cast<std::uint32_t>(RefFile({a, b}).size()));
                     }});
  changes.push_back({"replace middle", RefFile({a, b, c}), {a, b, c}, {a, d, c},
                     [d](Database& db) {
                       return db.ReplaceEntry(1, ProfileOf(d), *TitlesOf(d), DetailsOf(d));
                     }});
  changes.push_back({"rebuild", RefFile(many), many, manyReversed,
                     [reverse](Database& db) { return db.RebuildInOrder(reverse); }});
  // The edit of a disc: its old entry goes, the new one comes at the end, in one swap.
  changes.push_back({"replace at end", RefFile({a, b, c}), {a, b, c}, {a, c, d},
                     [a, d](Database& db) {
                       return db.ReplaceEntryAtEnd(static_cast<std::uint32_t>(RefFile({a}).size()),
                                                   ProfileOf(d), *TitlesOf(d), DetailsOf(d));
                     }});
  changes.push_back({"replace at end of a new disc", RefFile({a, b}), {a, b}, {a, b, d},
                     [d](Database& db) {
                       return db.ReplaceEntryAtEnd(0, ProfileOf(d), *TitlesOf(d), DetailsOf(d));
                     }});
  // The sorter, ordering by artist: entries 100 to 119 have artists "Artist 3" to "Artist 22".
  std::vector<RefEntry> byArtist = many;
  std::stable_sort(byArtist.begin(), byArtist.end(), [](const RefEntry& x, const RefEntry& y) {
    return PortableCompareText(x.texts[0].c_str(), y.texts[0].c_str()) < 0;
  });
  changes.push_back({"sort", RefFile(many), many, byArtist, [](Database& db) {
                       return SortDatabase(db, PortableCompareText, nullptr);
                     }});
  return changes;
}

class FaultTest : public ::testing::TestWithParam<Change> {
 protected:
  // Sets the folder up, runs the change with `fault` armed at `step`, and returns its status.
  Status RunWithFault(Fault fault, int step, CrashKind crash) {
    const Change& change = GetParam();
    for (const char* name : {"brindwax.dat", "brindwax.new", "brindwax.dbk"}) {
      std::remove(folder_.File(name).c_str());
    }
    if (!change.initialFile.empty()) WriteBytes(folder_.File("brindwax.dat"), change.initialFile);
    faults_.Arm(fault, step);
    Database db(faults_, folder_.Path());
    const Status status = change.run(db);
    if (fault == Fault::kCrashAt) faults_.Crash(crash);
    faults_.Disarm();
    return status;
  }

  // The next program start: recovery, then the catalogue is one of the two and healthy.
  // `statusTells`: the change is in the file exactly when the status says so.
  void ExpectOldOrNew(const Status& status, bool mustBeNew, bool statusTells,
                      const std::string& where) {
    const Change& change = GetParam();
    Database db(testing::NoFlushFiles(), folder_.Path());
    ASSERT_TRUE(db.EnsureDatabaseFile().IsOk()) << where;
    ASSERT_TRUE(db.RecoverInterruptedSwap().IsOk()) << where;
    EXPECT_FALSE(FileExists(folder_.File("brindwax.new"))) << where;
    EXPECT_FALSE(FileExists(folder_.File("brindwax.dbk"))) << where;
    Status end;
    const std::vector<RefEntry> now = Catalogue(db, &end);
    EXPECT_TRUE(end.IsNotFound()) << where << ": " << end.ToString();
    const bool isNew = now == change.after;
    const bool isOld = now == change.before;
    EXPECT_TRUE(isNew || isOld) << where << " left " << now.size() << " entries";
    if (mustBeNew) {
      EXPECT_TRUE(isNew) << where << ": reported " << status.ToString();
    }
    // A failure is never reported as success.
    if (!isNew) {
      EXPECT_FALSE(status.IsOk()) << where;
    }
    if (statusTells && change.before != change.after) {
      EXPECT_EQ(isNew, status.IsOk()) << where << ": " << status.ToString();
    }

    // The chain heals: one more entry makes the file exactly what the format prescribes.
    const RefEntry extra = SampleEntry(50, 3);
    ASSERT_TRUE(Append(db, extra).IsOk()) << where;
    std::vector<RefEntry> expected = now;
    expected.push_back(extra);
    EXPECT_EQ(ReadBytes(folder_.File("brindwax.dat")), RefFile(expected)) << where;
  }

  int StepsOfCleanRun() {
    EXPECT_TRUE(RunWithFault(Fault::kNone, 0, CrashKind::kProcessKilled).IsOk());
    return faults_.Steps();
  }

  TempFolder folder_;
  FaultFileSystem faults_{testing::NoFlushFiles()};
};

TEST_P(FaultTest, AFailingStepLosesNothing) {
  const int steps = StepsOfCleanRun();
  ASSERT_GT(steps, 0);
  for (int step = 1; step <= steps; ++step) {
    const Status status = RunWithFault(Fault::kFailOnce, step, CrashKind::kProcessKilled);
    ExpectOldOrNew(status, false, true, "failing step " + std::to_string(step) + " (" +
                                      faults_.Log()[static_cast<std::size_t>(step - 1)] + ")");
  }
}

TEST_P(FaultTest, ADiskGoneFromAStepOnLosesNothing) {
  const int steps = StepsOfCleanRun();
  for (int step = 1; step <= steps; ++step) {
    const Status status = RunWithFault(Fault::kFailFrom, step, CrashKind::kProcessKilled);
    ExpectOldOrNew(status, false, false, "failing from step " + std::to_string(step));
  }
}

TEST_P(FaultTest, AProcessKilledAtAnyStepLosesNothing) {
  const int steps = StepsOfCleanRun();
  for (CrashKind kind : {CrashKind::kProcessKilled, CrashKind::kPowerLoss}) {
    for (int step = 1; step <= steps + 1; ++step) {
      const Status status = RunWithFault(Fault::kCrashAt, step, kind);
      const std::string where = std::string(kind == CrashKind::kPowerLoss ? "power lost" : "killed") +
                                " at step " + std::to_string(step);
      ExpectOldOrNew(status, step > steps, false, where);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Changes, FaultTest, ::testing::ValuesIn(Changes()),
                         [](const ::testing::TestParamInfo<Change>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p; ++p) {
                             if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                           }
                           return name;
                         });

TEST(FaultOrderTest, NewFileIsFlushedBeforeTheSwapAndTheEntryBeforeItsCount) {
  TempFolder folder;
  FaultFileSystem faults(DefaultFileSystem());
  Database db(faults, folder.Path());
  ASSERT_TRUE(db.EnsureDatabaseFile().IsOk());
  ASSERT_TRUE(Append(db, SampleEntry(1)).IsOk());

  faults.Arm(Fault::kNone, 0);
  ASSERT_TRUE(Append(db, SampleEntry(2)).IsOk());
  EXPECT_EQ(faults.Log(), (std::vector<std::string>{"write brindwax.dat @" +
                                                        std::to_string(RefFile({SampleEntry(1)}).size()),
                                                    "sync brindwax.dat", "write brindwax.dat @6",
                                                    "sync brindwax.dat"}));

  faults.Arm(Fault::kNone, 0);
  ASSERT_TRUE(db.DeleteEntry(8).IsOk());
  const std::vector<std::string> swap = {"create brindwax.new",       "write brindwax.new @8",
                                         "write brindwax.new @0",     "sync brindwax.new",
                                         "rename brindwax.dat brindwax.dbk",
                                         "rename brindwax.new brindwax.dat", "syncfolder",
                                         "remove brindwax.dbk"};
  EXPECT_EQ(faults.Log(), swap);
}

// Folders as an interrupted swap or rewrite can leave them, and what the next use makes of
// them.
TEST(RecoveryTest, EveryLeftoverStateBecomesOneDatabase) {
  const std::string oldFile = RefFile({SampleEntry(1), SampleEntry(2)});
  const std::string newFile = RefFile({SampleEntry(2)});
  const std::string partialNew = newFile.substr(0, newFile.size() - 7);
  const std::string damaged = oldFile.substr(0, oldFile.size() - 1);
  const std::string* const kNone = nullptr;
  struct Files {
    const std::string* dat;
    const std::string* fresh;
    const std::string* backup;
  };
  const struct {
    const char* name;
    Files files;
    std::string expected;
    bool backupStays;
  } cases[] = {
      {"backup alone", {kNone, kNone, &oldFile}, oldFile, false},
      {"backup and complete new", {kNone, &newFile, &oldFile}, newFile, false},
      {"backup and partial new", {kNone, &partialNew, &oldFile}, oldFile, false},
      {"database and partial new", {&oldFile, &partialNew, kNone}, oldFile, false},
      {"database and complete new", {&oldFile, &newFile, kNone}, oldFile, false},
      {"database and backup", {&newFile, kNone, &oldFile}, newFile, false},
      {"damaged database and backup", {&damaged, kNone, &oldFile}, damaged, true},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    if (c.files.dat) WriteBytes(folder.File("brindwax.dat"), *c.files.dat);
    if (c.files.fresh) WriteBytes(folder.File("brindwax.new"), *c.files.fresh);
    if (c.files.backup) WriteBytes(folder.File("brindwax.dbk"), *c.files.backup);
    Database db(DefaultFileSystem(), folder.Path());
    EXPECT_TRUE(db.RecoverInterruptedSwap().IsOk()) << c.name;
    EXPECT_EQ(ReadBytes(folder.File("brindwax.dat")), c.expected) << c.name;
    EXPECT_FALSE(FileExists(folder.File("brindwax.new"))) << c.name;
    EXPECT_EQ(FileExists(folder.File("brindwax.dbk")), c.backupStays) << c.name;
  }
}

TEST(RecoveryTest, AReaderFindsTheCatalogueOfAnInterruptedSwap) {
  TempFolder folder;
  const std::vector<RefEntry> entries = {SampleEntry(1), SampleEntry(2)};
  WriteBytes(folder.File("brindwax.dbk"), RefFile(entries));
  Database db(DefaultFileSystem(), folder.Path());
  std::uint16_t count = 0;
  ASSERT_TRUE(db.CountEntries(&count).IsOk());
  EXPECT_EQ(count, 2);
  EXPECT_EQ(ReadBytes(folder.File("brindwax.dat")), RefFile(entries));
  EXPECT_FALSE(FileExists(folder.File("brindwax.dbk")));

  TempFolder second;
  WriteBytes(second.File("brindwax.dbk"), RefFile(entries));
  Database other(DefaultFileSystem(), second.Path());
  EXPECT_EQ(Catalogue(other), entries);
}

}  // namespace
}  // namespace bw
