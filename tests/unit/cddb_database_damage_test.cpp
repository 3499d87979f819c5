// Damaged catalogue files: readers keep to the intact start and never read out of bounds,
// writers leave a damaged chain alone, and the check names the damage.
#include <cstring>

#include "cddb/database_format.h"
#include "cddb_database_test_support.h"

namespace bw {
namespace {

using testing::Append;
using testing::Catalogue;
using testing::FileExists;
using testing::Le16;
using testing::Le32;
using testing::ProfileOf;
using testing::ReadBytes;
using testing::RefEntry;
using testing::RefFile;
using testing::SampleEntry;
using testing::TempFolder;
using testing::TitlesOf;
using testing::DetailsOf;
using testing::WriteBytes;

struct Layout {
  std::vector<RefEntry> entries = {SampleEntry(1), SampleEntry(2), SampleEntry(3)};
  std::string file = RefFile(entries);
  std::size_t b = RefFile({entries[0]}).size();               // second entry
  std::size_t c = RefFile({entries[0], entries[1]}).size();   // third entry
};

void Put(std::string& file, std::size_t at, const std::string& bytes) {
  file.replace(at, bytes.size(), bytes);
}

struct DamageCase {
  const char* name;
  void (*damage)(const Layout&, std::string&);
  int intact;        // entries a reader still takes
  bool linksHold;    // writers may still build on the file
};

const DamageCase kDamageCases[] = {
    {"cut inside the header", [](const Layout&, std::string& f) { f.resize(5); }, 0, false},
    {"cut inside the first head", [](const Layout&, std::string& f) { f.resize(11); }, 0, false},
    {"cut inside the last entry",
     [](const Layout&, std::string& f) { f.resize(f.size() - 1); }, 2, false},
    {"next_offset far beyond the file",
     [](const Layout& l, std::string& f) { Put(f, l.b, Le32(0xFFFFFFF0u)); }, 1, false},
    {"next_offset pointing back at itself",
     [](const Layout& l, std::string& f) { Put(f, l.b, Le32(static_cast<unsigned>(l.b))); }, 1,
     false},
    {"placeholders of an unfinished append",
     [](const Layout& l, std::string& f) { Put(f, l.c, Le32(0) + Le16(0)); }, 2, false},
    {"record_length too small",
     [](const Layout&, std::string& f) { Put(f, 8 + 4, Le16(5)); }, 0, false},
    {"record_length beyond the file",
     [](const Layout& l, std::string& f) {
       Put(f, l.c, Le32(static_cast<unsigned>(l.c + 4 + 60000)) + Le16(60000));
     },
     2, false},
    {"own_offset wrong",
     [](const Layout& l, std::string& f) { Put(f, l.c - 4, Le32(12345)); }, 1, false},
    {"count beyond the chain", [](const Layout&, std::string& f) { Put(f, 6, Le16(5)); }, 3,
     false},
    {"artist length past the entry",
     [](const Layout& l, std::string& f) {
       std::size_t at = l.b + 11;
       for (int t = 0; t < 12; ++t) at += 1 + static_cast<unsigned char>(f[at]) + 2;
       f[at] = static_cast<char>(255);
     },
     3, true},
    {"200 tracks", [](const Layout& l, std::string& f) { f[l.b + 10] = static_cast<char>(200); },
     3, true},
    {"bytes after the last entry",
     [](const Layout&, std::string& f) { f += std::string(30, '\x11'); }, 3, true},
    {"foreign magic", [](const Layout&, std::string& f) { f[2] = 'Z'; }, 3, true},
};

class DamagedDatabaseTest : public ::testing::TestWithParam<DamageCase> {
 protected:
  TempFolder folder_;
  Database db_{DefaultFileSystem(), folder_.Path()};
};

TEST_P(DamagedDatabaseTest, ReadersKeepToTheIntactStartAndWritersLeaveTheFileAlone) {
  const DamageCase& c = GetParam();
  const Layout layout;
  std::string file = layout.file;
  c.damage(layout, file);
  const std::string path = folder_.File("brindwax.dat");
  WriteBytes(path, file);

  std::uint16_t count = 0;
  const Status counted = db_.CountEntries(&count);
  EXPECT_EQ(count, c.intact);
  EXPECT_EQ(counted.IsOk(), c.linksHold) << counted.ToString();
  if (!c.linksHold) {
    Status end;
    const std::vector<RefEntry> read = Catalogue(db_, &end);
    EXPECT_TRUE(end.IsCorrupt()) << end.ToString();
    EXPECT_EQ(read, std::vector<RefEntry>(layout.entries.begin(),
                                          layout.entries.begin() + c.intact));
  }
  DatabaseCheck check;
  const Status checked = db_.CheckDatabase(&check);
  EXPECT_TRUE(checked.IsCorrupt());
  ASSERT_FALSE(check.problems.empty());
  EXPECT_EQ(checked.message(), check.problems.front());

  const RefEntry extra = SampleEntry(9);
  std::vector<Status> writes;
  writes.push_back(Append(db_, extra));
  writes.push_back(db_.ReplaceEntry(0, ProfileOf(extra), *TitlesOf(extra), DetailsOf(extra)));
  writes.push_back(db_.DeleteEntry(8));
  writes.push_back(db_.RebuildInOrder({0, 1}));
  if (!c.linksHold) {
    for (const Status& status : writes) EXPECT_TRUE(status.IsCorrupt()) << status.ToString();
    EXPECT_EQ(ReadBytes(path), file);
    // Lookups still find what lies before the damage (a file too short for its header is
    // mended into an empty one first).
    for (int i = 0; i < 3; ++i) {
      std::uint32_t offset = 0;
      EXPECT_EQ(db_.FindEntryByProfile(ProfileOf(layout.entries[i]), &offset).IsOk(),
                i < c.intact)
          << i;
    }
  } else {
    // Append, replace and delete build on intact links; the order {0, 1} names too few.
    for (std::size_t i = 0; i + 1 < writes.size(); ++i) EXPECT_TRUE(writes[i].IsOk()) << i;
    EXPECT_TRUE(writes.back().IsInvalidArgument());
    EXPECT_TRUE(db_.CountEntries(&count).IsOk());
    EXPECT_EQ(count, 3);
  }
  EXPECT_FALSE(FileExists(folder_.File("brindwax.new")));
  EXPECT_FALSE(FileExists(folder_.File("brindwax.dbk")));
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedDatabaseTest, ::testing::ValuesIn(kDamageCases),
                         [](const ::testing::TestParamInfo<DamageCase>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p; ++p) {
                             if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                           }
                           return name;
                         });

// Every single byte of a small file flipped in turn: nothing crashes or reads astray, and
// whatever a writer accepts leaves a chain whose every link holds.
TEST(DamagedDatabaseSweep, EveryFlippedByteIsSurvived) {
  TempFolder folder;
  Database db(testing::NoFlushFiles(), folder.Path());
  const std::string original = RefFile({SampleEntry(1, 3), SampleEntry(2, 2)});
  const std::string path = folder.File("brindwax.dat");
  for (std::size_t at = 0; at < original.size(); ++at) {
    for (int mask : {0x01, 0xFF}) {
      std::string file = original;
      file[at] = static_cast<char>(file[at] ^ mask);
      WriteBytes(path, file);
      // Only surviving the damage counts here, not what each reader reports about it.
      std::uint16_t count = 0;
      (void)db.CountEntries(&count);
      EXPECT_LE(count, 2);
      Catalogue(db);
      (void)db.CheckDatabase();
      std::string text;
      (void)db.ReadEntryArtist(8, &text);
      (void)db.ReadEntryTrackTitle(8, 3, &text);
      db.CurrentDiscCaption(ProfileOf(SampleEntry(2, 2)));
      if (Append(db, SampleEntry(3, 1)).IsOk()) {
        ASSERT_TRUE(db.CountEntries(&count).IsOk()) << at;
        EXPECT_EQ(count, 3) << at;
      }
    }
  }
}

}  // namespace
}  // namespace bw
