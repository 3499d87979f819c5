// The CD catalogue file brindwax.dat in the program folder and every operation on it. Nothing
// is cached: each operation opens the file, walks the chain from the first entry, does its
// work and closes the file again, so other openers always see a whole file.
//
// Readers take the intact start of a damaged chain as the catalogue and say what is damaged
// in their status; writers refuse to build on a damaged chain. Rewrites go through
// brindwax.new and a checked swap, and the next use of the folder recovers from any state an
// interrupted swap can leave.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cddb/disc_entry.h"
#include "cddb/entry_codec.h"
#include "base/file_system.h"

namespace bw {

class EntryChain;
class EntryStreamWriter;

// What CheckDatabase found.
struct DatabaseCheck {
  std::uint64_t fileSize = 0;
  std::uint16_t headerCount = 0;
  std::uint16_t intactEntries = 0;  // entries whose links hold, from the start
  bool magicOk = false;
  std::vector<std::string> problems;  // empty for a sound file
};

class Database {
 public:
  // `folder` is the program folder (with or without its trailing separator).
  Database(FileSystem& fileSystem, std::string folder);

  const std::string& Folder() const { return folder_; }
  std::string DataFilePath() const;
  std::string NewFilePath() const;
  std::string BackupFilePath() const;
  FileSystem& Files() const { return fileSystem_; }

  // --- Reading ------------------------------------------------------------------------------

  // Creates brindwax.dat holding only the header (count 0) unless it exists. Never overwrites
  // an existing file, except one too short to hold its header (and so holding no entry).
  Status EnsureDatabaseFile();

  // The entries in the catalogue: the header's count, or on a damaged chain the intact entries
  // before the damage (with a Corrupt status). 0 and NotFound without a file.
  Status CountEntries(std::uint16_t* count);

  // The offset of entry `index` (0-based, file order).
  Status LocateEntry(std::uint16_t index, std::uint32_t* offset);

  // The first entry in file order whose profile equals `profile`; NotFound with offset 0 when
  // there is none. Calls EnsureDatabaseFile first.
  Status FindEntryByProfile(const DiscProfile& profile, std::uint32_t* offset);

  // Field readers for the entry at `offset`. ReadEntry clears the whole title table first.
  Status ReadEntry(std::uint32_t offset, TitleTable* titles, EntryDetails* details);
  Status ReadEntryProfile(std::uint32_t offset, DiscProfile* profile);
  Status ReadEntryArtist(std::uint32_t offset, std::string* artist);
  Status ReadEntryDiscName(std::uint32_t offset, std::string* discName);
  // `track` is 1-based; a track the entry does not have gives an empty title.
  Status ReadEntryTrackTitle(std::uint32_t offset, int track, std::string* title);

  // The disc in the drive, given by the profile the CD device reads from its table of
  // contents: "artist - disc name" and its titles, empty when the catalogue does not know it.
  std::string CurrentDiscCaption(const DiscProfile& disc);
  std::string CurrentDiscTrackTitle(const DiscProfile& disc, int track);
  // Fills the table from the disc's entry, or zero-fills it (NotFound) when there is none.
  Status LoadCurrentDiscTitles(const DiscProfile& disc, TitleTable* titles);

  // Checks the header's magic, every link, every entry's fields and the count against the
  // chain. Ok for a sound file; otherwise Corrupt with the first problem.
  Status CheckDatabase(DatabaseCheck* report = nullptr);

  // --- Writing ------------------------------------------------------------------------------

  // Adds one entry after the last counted one (dropping any bytes an interrupted append left
  // there), flushes it, and only then counts it.
  Status AppendEntry(const DiscProfile& profile, const TitleTable& titles,
                     const EntryDetails& details);
  // Removes the entry that starts at `offset` by rewriting the file.
  Status DeleteEntry(std::uint32_t offset);
  // Rewrites the file with a new entry in place of entry `index`; the count stays.
  Status ReplaceEntry(std::uint16_t index, const DiscProfile& profile, const TitleTable& titles,
                      const EntryDetails& details);
  // Removes the entry that starts at `oldOffset` and adds the new one at the end, in one
  // rewrite swapped in once: the file becomes exactly what DeleteEntry(oldOffset) followed by
  // AppendEntry would make, but no moment (nor a failure) leaves it without the disc or with
  // it twice. `oldOffset` 0 is a plain AppendEntry. The Add/Edit dialog and the freedb reader
  // store an entry this way.
  Status ReplaceEntryAtEnd(std::uint32_t oldOffset, const DiscProfile& profile,
                           const TitleTable& titles, const EntryDetails& details);
  // Writes every entry in the order given (a permutation of all indexes) to a new file and
  // swaps it in. `progress`, when given, hears of each entry as it is written.
  using RebuildProgress = std::function<void(std::uint16_t written, std::uint16_t index)>;
  Status RebuildInOrder(const std::vector<std::uint16_t>& order,
                        const RebuildProgress& progress = nullptr);

  // Puts a flushed brindwax.new in place of brindwax.dat: brindwax.dat becomes brindwax.dbk,
  // brindwax.new becomes brindwax.dat, brindwax.dbk is deleted. A failed rename is undone.
  Status SwapInNewFile();

  // Brings the folder back to one brindwax.dat after an interrupted swap: a complete
  // brindwax.new beside brindwax.dbk is rolled forward, else brindwax.dbk is put back;
  // a brindwax.new beside brindwax.dat is an unfinished rewrite and is deleted.
  Status RecoverInterruptedSwap();

 private:
  Status OpenDataFile(OpenMode mode, std::unique_ptr<File>* file);
  Status RestoreDataFile();
  Status RemoveLeftovers();
  bool IsCompleteFile(const std::string& path);
  Status WithEntryAt(std::uint32_t offset, const std::function<Status(const EntryBytes&)>& use);
  Status WithEntryOfDisc(const DiscProfile& disc,
                         const std::function<Status(const EntryBytes&)>& use);
  // The shared body of delete, replace and rebuild: `produce` walks the old file's chain and
  // hands the new file's entries to the writer, and may change the new file's header.
  using RewriteStep = std::function<Status(EntryChain& oldChain, EntryStreamWriter& writer,
                                           std::uint8_t* header)>;
  Status Rewrite(const RewriteStep& produce);
  void DiscardNewFile();

  FileSystem& fileSystem_;
  std::string folder_;
};

// Rewrites next_offset and own_offset of every entry from `from` to the end of the file from
// the entries' record_length. Stops with Corrupt at a record_length that cannot be right.
Status RelinkEntries(File& file, std::uint32_t from);

// The same for entries held in memory that will lie at file offset `fileOffset`; returns the
// number of bytes of whole entries relinked.
std::size_t RelinkEntriesInBuffer(std::uint8_t* data, std::size_t size, std::uint32_t fileOffset);

}  // namespace bw
