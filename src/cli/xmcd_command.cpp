// brindwax-cli xmcd FOLDER INDEX OFFSET... LEADOUT: the xmcd record the program would submit
// to Freedb for entry INDEX of FOLDER/brindwax.dat on the disc of that table of contents.
// The entry is checked as the Submit button checks it; a refusal prints the message and
// exits 1, like a missing entry or a track count that does not match the disc.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cd/disc_id.h"
#include "cddb/database.h"
#include "cli/commands.h"
#include "cli/toc_arguments.h"
#include "freedb/protocol_lines.h"
#include "freedb/submission_check.h"
#include "freedb/xmcd_writer.h"

namespace {

int Usage() {
  std::cerr << "usage: brindwax-cli xmcd FOLDER INDEX OFFSET... LEADOUT\n"
               "  INDEX is the 0-based catalogue entry; OFFSET the frame of each track's start\n"
               "  (lead-in included), LEADOUT the frame where the disc ends\n";
  return 2;
}

int Fail(const std::string& message) {
  std::cerr << "brindwax-cli xmcd: " << message << "\n";
  return 1;
}

}  // namespace

int RunXmcdCommand(int argc, char** argv) {
  if (argc < 5) return Usage();
  const std::string index = argv[2];
  if (index.empty() || index.size() > 5 ||
      index.find_first_not_of("0123456789") != std::string::npos || std::stoul(index) > 0xFFFE) {
    return Fail("\"" + index + "\" is not an entry index (0 to 65534)");
  }
  bw::TableOfContents toc;
  std::string error;
  if (!ParseTocArguments(std::vector<std::string>(argv + 3, argv + argc), &toc, &error)) {
    std::cerr << "brindwax-cli xmcd: " << error << "\n";
    return 2;
  }

  bw::Database db(bw::DefaultFileSystem(), argv[1]);
  std::uint32_t offset = 0;
  bw::Status status = db.LocateEntry(static_cast<std::uint16_t>(std::stoul(index)), &offset);
  bw::DiscProfile profile;
  auto titles = std::make_unique<bw::TitleTable>();
  bw::EntryDetails details;
  if (status.IsOk()) status = db.ReadEntryProfile(offset, &profile);
  if (status.IsOk()) status = db.ReadEntry(offset, titles.get(), &details);
  if (!status.IsOk()) return Fail(status.ToString());
  if (profile.trackCount != toc.trackCount) {
    return Fail("entry " + index + " has " + std::to_string(profile.trackCount) +
                " tracks, the disc " + std::to_string(toc.trackCount));
  }

  bw::freedb::SubmittedEntry entry;
  for (int i = 0; i < toc.trackCount; ++i) entry.trackTitles.push_back(titles->Get(i));
  entry.artist = details.artist;
  entry.discName = details.discName;
  entry.category = details.category;
  entry.notes = details.notes;
  if (auto problem = bw::freedb::CheckSubmission(entry)) return Fail(problem->message);

  const bw::freedb::DiscQuery disc = bw::freedb::MakeDiscQuery(toc, bw::ComputeDiscId(toc));
  const std::string record = bw::freedb::WriteXmcdRecord(disc, entry);
  std::fwrite(record.data(), 1, record.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
