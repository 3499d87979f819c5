// The pages of a run, built in memory from one sequential pass over the catalogue and written
// with few large writes, each file under a temporary name until it is complete.
#include "web/html_pages.h"

#include <algorithm>
#include <initializer_list>
#include <new>

#include "cddb/cddb_texts.h"
#include "cddb/database_scanner.h"
#include "cddb/entry_layout.h"
#include "shell/version.h"
#include "web/html_entry.h"
#include "web/web_texts.h"

namespace bw {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr std::size_t kHeadReserve = 65535;
// The estimates per entry of the body's size; the buffers grow past them as needed, and
// the first reservation stays modest so a large catalogue does not claim memory up front.
constexpr std::size_t kOnePageBytesPerEntry = 1526;
constexpr std::size_t kManyPagesBytesPerEntry = 1024;
constexpr std::size_t kBodyReserveLimit = 16u << 20;

// A run of the generator ended early with this text (already shown).
struct RunFailure {
  const char* text;
  Status status;
};

std::string CommentLine() {
  std::string comment = kTextWebCommentStart;
  comment += ' ';
  comment += kTextWebMakerCredit;
  comment += ' ';
  comment += kMakerWebAddress;
  comment += " >";
  comment += kLineEnd;
  return comment;
}

std::string CreditLine() {
  std::string credit = kTextWebCreditStart;
  credit += ' ';
  credit += kTextWebMakerCredit;
  credit += " <a href=\"";
  credit += kMakerWebAddress;
  credit += "\">";
  credit += kMakerWebAddress;
  credit += "</a>";
  credit += kTextWebCreditEnd;
  return credit;
}

std::string_view FirstCharacter(std::string_view artist) { return artist.substr(0, 1); }

class PageWriter {
 public:
  PageWriter(Database& database, const HtmlOptions& options, const PageFrame& frame,
             const PageDestination& destination, TextCompare compare,
             const std::function<void(std::string_view)>& showDetail)
      : database_(database),
        files_(database.Files()),
        options_(options),
        frame_(frame),
        destination_(destination),
        compare_(compare),
        showDetail_(showDetail),
        contents_(options.multiplePages && options.contents == HtmlGrouping::kNone
                      ? HtmlGrouping::kArtistName  // many pages always have an index
                      : options.contents),
        groupByFirst_(contents_ != HtmlGrouping::kNone
                          ? contents_ == HtmlGrouping::kAlphabet
                          : options.heading == HtmlGrouping::kAlphabet),
        comment_(CommentLine()) {}

  // Allocates the buffers for `entries` entries; bad_alloc when memory is short.
  void Prepare(std::uint32_t entries) {
    const std::size_t perEntry =
        options_.multiplePages ? kManyPagesBytesPerEntry : kOnePageBytesPerEntry;
    head_.reserve(kHeadReserve);
    body_.reserve(std::min(kBodyReserveLimit, std::size_t{entries} * perEntry));
    head_ = frame_.head;
    head_ += comment_;
  }

  Status Run(const std::function<void(std::string_view)>& showStatus) {
    showStatus(kTextWebWriting);
    DatabaseScanner scanner(database_);
    Status status = scanner.Open();
    // No catalogue file is an empty catalogue: the pages are written without entries.
    if (!status.IsOk() && !status.IsNotFound()) throw RunFailure{kTextExportCannotRead, status};
    EntryBytes entry;
    EntryLayout layout;
    while (status.IsOk() && (status = scanner.NextBytes(&entry)).IsOk()) {
      // An entry whose fields are damaged is left out, as every reader leaves it out.
      if (LayOutEntry(entry, &layout).IsOk()) AddEntry(entry, layout);
    }
    // A damaged chain ends the catalogue where the damage starts, as it does for every reader.
    if (!status.IsNotFound() && !status.IsCorrupt()) {
      throw RunFailure{kTextExportCannotRead, status};
    }
    const std::string destination = JoinPath(destination_.folder, destination_.fileName);
    if (options_.multiplePages) {
      if (inGroup_) FinishPage();
      head_ += CreditLine();
      head_ += frame_.tail;
      WriteFile(destination, {&head_});
    } else {
      std::string closing = CreditLine();
      closing += frame_.tail;
      WriteFile(destination, {&head_, &body_, &closing});
    }
    return Status::Ok();
  }

 private:
  void AddEntry(const EntryBytes& entry, const EntryLayout& layout) {
    const std::string_view artist = EntryTextOf(entry, layout, EntryText::kArtist);
    key_.assign(groupByFirst_ ? FirstCharacter(artist) : artist);
    if (!inGroup_ || compare_(groupKey_.c_str(), key_.c_str()) != 0) {
      if (inGroup_ && options_.multiplePages) FinishPage();
      StartGroup(artist);
      groupKey_ = key_;
      inGroup_ = true;
    } else if (contents_ == HtmlGrouping::kAlphabet &&
               options_.heading == HtmlGrouping::kArtistName) {
      // Under one letter of the contents, each artist still gets a heading of its own.
      key_.assign(artist);
      if (compare_(previousArtist_.c_str(), key_.c_str()) != 0) Heading(artist);
    }
    previousArtist_.assign(artist);
    AppendEntryHtml(entry, layout, options_, &body_);
  }

  void StartGroup(std::string_view artist) {
    const std::string_view label =
        contents_ == HtmlGrouping::kAlphabet ? FirstCharacter(artist) : artist;
    if (options_.multiplePages) {
      pageName_ = NumberedPageName(destination_.fileName, page_);
      head_ += "<B><a href=\"";
      AppendPercentEncoded(pageName_, &head_);
      head_ += "\">";
      AppendEscaped(label, &head_);
      head_ += "</a></B><BR>";
      head_ += kLineEnd;
      showDetail_(label);
      body_.clear();
      body_ += frame_.head;
      body_ += comment_;
    } else if (contents_ != HtmlGrouping::kNone) {
      head_ += "<B><a href=\"#";
      AppendEscaped(label, &head_);
      head_ += "\">";
      AppendEscaped(label, &head_);
      head_ += "</a></B><BR>";
      head_ += kLineEnd;
      body_ += "<a name=\"";
      AppendEscaped(label, &body_);
      body_ += "\"></a>";
      body_ += kLineEnd;
      showDetail_(label);
    } else {
      showDetail_(artist);
    }
    Heading(artist);
  }

  void Heading(std::string_view artist) {
    if (options_.heading == HtmlGrouping::kNone) return;
    const char* level = options_.headingSize == HeadingSize::kSmall    ? "3"
                        : options_.headingSize == HeadingSize::kMedium ? "2"
                                                                       : "1";
    body_ += "<h";
    body_ += level;
    body_ += '>';
    AppendEscaped(options_.heading == HtmlGrouping::kAlphabet ? FirstCharacter(artist) : artist,
                  &body_);
    body_ += "</h";
    body_ += level;
    body_ += '>';
    body_ += kLineEnd;
  }

  void FinishPage() {
    body_ += frame_.tail;
    WriteFile(JoinPath(destination_.folder, pageName_), {&body_});
    ++page_;
  }

  // Writes the pieces one after another under the work name, flushes, and puts the file in
  // place of `path` (a page of an earlier run is replaced only by a complete one).
  void WriteFile(const std::string& path, std::initializer_list<const std::string*> pieces) {
    const std::string work = WorkFileOf(path);
    std::unique_ptr<File> file;
    Status status = files_.Open(work, OpenMode::kCreateTruncate, &file);
    std::uint64_t at = 0;
    for (const std::string* piece : pieces) {
      if (!status.IsOk()) break;
      status = file->WriteAt(at, piece->data(), piece->size());
      at += piece->size();
    }
    if (status.IsOk()) status = file->Sync();
    file.reset();  // closed before the rename: Windows renames no open file
    if (status.IsOk()) status = files_.Rename(work, path);
    if (!status.IsOk()) {
      (void)files_.Remove(work);  // nothing half written stays; the failure is what counts
      throw RunFailure{kTextWebCannotWrite, status};
    }
  }

  Database& database_;
  FileSystem& files_;
  const HtmlOptions& options_;
  const PageFrame& frame_;
  const PageDestination& destination_;
  const TextCompare compare_;
  const std::function<void(std::string_view)>& showDetail_;
  const HtmlGrouping contents_;
  const bool groupByFirst_;
  const std::string comment_;

  std::string head_;  // the table of contents, or the index page
  std::string body_;  // the entries, or the page being built
  std::string key_;
  std::string groupKey_;
  std::string previousArtist_;
  std::string pageName_;
  unsigned page_ = 0;
  bool inGroup_ = false;
};

}  // namespace

PageFrame BuiltInPageFrame() { return PageFrame{kTextWebBuiltInHead, kTextWebBuiltInTail}; }

std::string NumberedPageName(const std::string& fileName, unsigned page) {
  const std::size_t dot = fileName.find('.');
  const std::string number = std::to_string(page);
  if (dot == std::string::npos) return fileName + number;
  return fileName.substr(0, dot) + number + fileName.substr(dot);
}

std::string WorkFileOf(const std::string& path) { return path + ".new"; }

Status WriteHtmlPages(Database& database, const HtmlOptions& options, const PageFrame& frame,
                      const PageDestination& destination, TextCompare compareIgnoringCase,
                      const std::function<void(std::string_view)>& showStatus,
                      const std::function<void(std::string_view)>& showDetail) {
  const auto fail = [&](const char* text, Status status) {
    (void)database.Files().Remove(WorkFileOf(JoinPath(destination.folder, destination.fileName)));
    showDetail("");
    showStatus(text);
    return status;
  };
  showDetail("");
  showStatus(kTextWebCreatingBuffer);
  std::uint16_t entries = 0;
  (void)database.CountEntries(&entries);  // only an estimate of the buffers' sizes
  try {
    PageWriter writer(database, options, frame, destination, compareIgnoringCase, showDetail);
    writer.Prepare(entries);
    return writer.Run(showStatus);
  } catch (const RunFailure& failure) {
    return fail(failure.text, failure.status);
  } catch (const std::bad_alloc&) {
    return fail(kTextWebNoMemory, Status::IoError("not enough memory for the web pages"));
  }
}

}  // namespace bw
