// The Start sequence of a web page run, in the order the user meets its questions and texts.
#include "web/html_generator.h"

#include <new>

#include "cddb/database_sorter.h"
#include "web/web_template.h"
#include "web/web_texts.h"

namespace bw {
namespace {

constexpr std::size_t kCopyBlock = 65534;
constexpr const char* kSettingsSection = "WEB";

bool AnyItem(const HtmlItems& items) {
  for (bool on : items) {
    if (on) return true;
  }
  return false;
}

Status Ended(HtmlRunHost& host, const char* text, Status status) {
  host.ShowStatus(text);
  host.ShowDetail("");
  return status;
}

// The page frame the run writes: the template's, or the built-in one when the user agrees to
// go on without. False when the user stops the run.
bool ChooseFrame(FileSystem& files, const HtmlRunRequest& request, HtmlRunHost& host,
                 PageFrame* frame) {
  *frame = BuiltInPageFrame();
  if (request.templateFileName.empty()) return host.Ask(kTextWebAskNoTemplate);
  const WebTemplate description =
      ReadWebTemplate(files, JoinPath(request.templateFolder, request.templateFileName));
  // A file name that leaves the template folder is treated as no file name at all.
  if (!IsContainedName(description.fileName)) return host.Ask(kTextWebAskNoHtmlFile);
  PageFrame read;
  if (ReadHtmlTemplate(files, JoinPath(request.templateFolder, description.fileName), host,
                       &read)
          .IsOk()) {
    *frame = std::move(read);
    return true;
  }
  return host.Ask(kTextWebAskBadHtmlFile);
}

// Creates the destination's work file, asking before an existing destination is replaced.
// The destination itself is replaced only when the new page is complete.
Status PrepareDestination(FileSystem& files, const std::string& path, HtmlRunHost& host) {
  host.ShowStatus(kTextWebCreatingPage);
  host.ShowDetail("");
  if (files.Exists(path)) {
    if (!host.Ask(kTextWebAskOverwrite)) {
      host.ShowStatus(kTextWebFileExists);
      return Status::InvalidArgument("the existing page was kept");
    }
  }
  std::unique_ptr<File> file;
  Status status = files.Open(WorkFileOf(path), OpenMode::kCreateTruncate, &file);
  if (!status.IsOk()) host.ShowStatus(kTextWebCannotCreate);
  return status;
}

// Copies one file under a work name and renames it when whole; false when it could not.
bool CopyFile(FileSystem& files, const std::string& source, const std::string& target) {
  std::unique_ptr<File> in;
  if (!files.Open(source, OpenMode::kRead, &in).IsOk()) return false;
  const std::string work = WorkFileOf(target);
  std::unique_ptr<File> out;
  if (!files.Open(work, OpenMode::kCreateTruncate, &out).IsOk()) return false;
  std::string block(kCopyBlock, '\0');
  std::uint64_t at = 0;
  Status status;
  for (;;) {
    std::size_t read = 0;
    status = in->ReadAt(at, block.data(), block.size(), &read);
    if (!status.IsOk() || read == 0) break;
    status = out->WriteAt(at, block.data(), read);
    if (!status.IsOk()) break;
    at += read;
  }
  if (status.IsOk()) status = out->Sync();
  out.reset();
  in.reset();
  if (status.IsOk()) {
    (void)files.CopyModifiedTime(source, work);  // the date is kept where the system can
    status = files.Rename(work, target);
  }
  if (!status.IsOk()) (void)files.Remove(work);
  return status.IsOk();
}

}  // namespace

Status ReadHtmlTemplate(FileSystem& files, const std::string& path, HtmlRunHost& host,
                        PageFrame* frame) {
  host.ShowStatus(kTextWebCheckingTemplate);
  host.ShowDetail("");
  std::string text;
  Status status = ReadWholeFile(files, path, &text);
  if (status.IsCorrupt()) return Ended(host, kTextWebNoMemory, status);
  if (!status.IsOk()) return Ended(host, kTextWebCannotOpenTemplate, status);
  HtmlTemplate parts;
  try {
    if (!SplitHtmlTemplate(text, &parts)) {
      return Ended(host, kTextWebMissingTag,
                   Status::InvalidArgument(path + " has no output tag"));
    }
  } catch (const std::bad_alloc&) {
    return Ended(host, kTextWebNoMemory, Status::IoError("not enough memory for " + path));
  }
  frame->head = std::move(parts.head);
  frame->tail = std::move(parts.tail);
  return Status::Ok();
}

void CopyCompanionFiles(FileSystem& files, const std::string& templateFolder,
                        const std::string& templateFileName, const std::string& destinationFolder,
                        HtmlRunHost& host) {
  if (templateFileName.empty()) return;
  const WebTemplate description =
      ReadWebTemplate(files, JoinPath(templateFolder, templateFileName));
  if (!description.hasItemCount || description.itemCount <= 0) return;
  host.ShowStatus(kTextWebCopying);
  for (const std::string& item : description.items) {
    if (!IsContainedName(item)) continue;  // never outside either folder
    const std::string target = JoinPath(destinationFolder, item);
    host.ShowDetail(target);
    if (files.Exists(target)) continue;  // an existing file is never overwritten
    (void)CopyFile(files, JoinPath(templateFolder, item), target);  // failures skip the item
  }
}

Status RunHtmlGenerator(Database& database, ProfileStore& settings, const HtmlRunRequest& request,
                        const TextRules& rules, HtmlRunHost& host) {
  if (!AnyItem(request.options.items)) {
    return Ended(host, kTextWebNoItems, Status::InvalidArgument("no items selected"));
  }
  FileSystem& files = database.Files();
  std::uint16_t entries = 0;
  (void)database.CountEntries(&entries);  // a damaged chain counts its intact entries

  PageFrame frame;
  if (!ChooseFrame(files, request, host, &frame)) {
    return Ended(host, kTextWebAborted, Status::InvalidArgument("the run was stopped"));
  }

  const PageDestination& destination = request.destination;
  const std::string destinationPath = JoinPath(destination.folder, destination.fileName);
  Status status = PrepareDestination(files, destinationPath, host);
  if (!status.IsOk()) return status;

  if (entries > 1 && request.options.sorting) {
    host.ShowStatus(kTextWebSorting);
    host.SetBusy(true);
    std::string sortResult;
    status = SortDatabase(database, rules.compare, [&](const ProgressEvent& event) {
      host.ShowDetail(event.text);
      if (event.kind == ProgressKind::kResult) sortResult = std::string(event.text);
    });
    host.SetBusy(false);
    if (!status.IsOk()) {
      // Pages in an order the user did not ask for would pass for sorted ones.
      (void)files.Remove(WorkFileOf(destinationPath));
      host.ShowStatus(sortResult);
      host.Beep();
      return status;
    }
  }

  host.SetBusy(true);
  status = WriteHtmlPages(
      database, request.options, frame, destination, rules.compareIgnoringCase,
      [&host](std::string_view text) { host.ShowStatus(text); },
      [&host](std::string_view text) { host.ShowDetail(text); });
  host.SetBusy(false);
  if (status.IsOk()) {
    CopyCompanionFiles(files, request.templateFolder, request.templateFileName,
                       destination.folder, host);
    host.ShowStatus(kTextWebDone);
    host.ShowDetail("");
    settings.Set(kSettingsSection, "DestinationPath", destination.folder);
    settings.Set(kSettingsSection, "DestinationFileName", destination.fileName);
  }
  host.Beep();
  return status;
}

}  // namespace bw
