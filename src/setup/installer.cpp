// The installation's steps. Everything that could stop it is checked before the destination is
// touched, and the new files are copied under temporary names and renamed into place only when
// every copy is complete, so a stopped installation leaves the earlier program files as they were.
#include "setup/installer.h"

#include <memory>
#include <vector>

#include "base/profile_store.h"
#include "setup/install_files.h"
#include "setup/install_paths.h"
#include "setup/registry_values.h"
#include "setup/setup_texts.h"

namespace bw {
namespace setup {

std::string PercentText(std::uint64_t done, std::uint64_t total) {
  const std::uint64_t percent = total == 0 ? 100 : (done >= total ? 100 : done * 100 / total);
  return std::to_string(percent) + "%";
}

namespace {

enum class CopyResult { kCopied, kUnreadable, kUnwritable };

class Installation {
 public:
  Installation(const InstallRequest& request, InstallServices services)
      : request_(request), s_(services) {}

  InstallOutcome Run() {
    if (request_.availableBytes <= request_.neededBytes) {
      s_.host.ShowMessage(kNotEnoughSpace);
      return InstallOutcome::kNoSpace;
    }
    if (!SourceIsSound() || !FoldersReady() || !CopyAll() || !PutInPlace()) {
      s_.host.ShowStatus(kStatusAborted);
      return InstallOutcome::kAborted;
    }
    s_.host.ShowStatus(kStatusDone);
    Finish();
    return InstallOutcome::kComplete;
  }

 private:
  std::string Destination(const std::string& name) const { return request_.destination + name; }

  bool SourceIsSound() {
    if (request_.destination.empty()) {
      s_.host.ShowMessage(kNoDestination);
      return false;
    }
    if (SameFolder(request_.source, request_.destination)) {
      s_.host.ShowMessage(kCopyOverItself);
      return false;
    }
    const SourceCheck check = CheckSource(s_.files, request_.source);
    if (!check.ok) {
      s_.host.ShowStatus(check.missingFile);
      s_.host.ShowMessage(kSourceInvalid);
      return false;
    }
    return true;
  }

  bool FoldersReady() {
    for (const std::string& folder : FoldersAlongPath(request_.destination)) {
      if (s_.host.FolderExists(folder)) continue;
      if (!s_.host.Ask(kCreateFolderStart + folder + kCreateFolderEnd)) return false;
      if (!s_.host.CreateFolder(folder)) {
        s_.host.ShowMessage(kCannotCreateFolder + folder);
        return false;
      }
    }
    return true;
  }

  CopyResult CopyFile(const std::string& name) {
    std::unique_ptr<File> from;
    std::unique_ptr<File> to;
    if (!s_.files.Open(JoinPath(request_.source, name), OpenMode::kRead, &from).IsOk()) {
      return CopyResult::kUnreadable;
    }
    const std::string temporary = Destination(TemporaryNameOf(name));
    if (!s_.files.Open(temporary, OpenMode::kCreateTruncate, &to).IsOk()) return CopyResult::kUnwritable;
    copied_.push_back(name);
    std::uint64_t size = 0;
    if (!from->GetSize(&size).IsOk()) return CopyResult::kUnreadable;
    std::vector<char> block(kCopyBlockSize);
    std::uint64_t done = 0;
    std::string shown;
    for (;;) {
      const std::string percent = PercentText(done, size);
      if (percent != shown) s_.host.ShowPercent(shown = percent);
      std::size_t got = 0;
      if (!from->ReadAt(done, block.data(), block.size(), &got).IsOk()) return CopyResult::kUnreadable;
      if (got == 0) break;
      if (!to->WriteAt(done, block.data(), got).IsOk()) return CopyResult::kUnwritable;
      done += got;
    }
    if (done != size) return CopyResult::kUnreadable;  // the file changed while it was read
    if (!to->Sync().IsOk()) return CopyResult::kUnwritable;
    if (shown != "100%") s_.host.ShowPercent("100%");
    return CopyResult::kCopied;
  }

  bool CopyAll() {
    s_.host.SetBusy(true);
    for (const std::string& name : FilesToCopy()) {
      s_.host.ShowStatus(name);
      const CopyResult result = CopyFile(name);
      if (result == CopyResult::kCopied) continue;
      s_.host.SetBusy(false);
      RemoveTemporaries();
      s_.host.ShowMessage(result == CopyResult::kUnreadable ? std::string(kSourceInvalid)
                                                            : kCannotWrite + Destination(name));
      return false;
    }
    s_.host.SetBusy(false);
    return true;
  }

  void RemoveTemporaries() {
    for (const std::string& name : copied_) {
      (void)s_.files.Remove(Destination(TemporaryNameOf(name)));  // a leftover is only a .part file
    }
    copied_.clear();
  }

  bool PutInPlace() {
    for (const std::string& name : OldFilesToDelete()) {
      const std::string path = Destination(name);
      if (!s_.files.Exists(path)) continue;
      if (!s_.files.Remove(path).IsOk()) {
        RemoveTemporaries();
        s_.host.ShowMessage(kCannotReplace + path);
        return false;
      }
    }
    for (std::size_t i = 0; i < copied_.size(); ++i) {
      const std::string& name = copied_[i];
      if (!s_.files.Rename(Destination(TemporaryNameOf(name)), Destination(name)).IsOk()) {
        copied_.erase(copied_.begin(), copied_.begin() + static_cast<std::ptrdiff_t>(i));
        RemoveTemporaries();
        s_.host.ShowMessage(kCannotReplace + Destination(name));
        return false;
      }
    }
    copied_.clear();
    (void)s_.files.SyncFolder(request_.destination);  // the renames are done either way
    return true;
  }

  void Finish() {
    const std::string program = Destination(kProgramFile);
    ShortcutRequest shortcut{program, WorkingFolderOf(request_.destination), kShortcutDescription};
    if (!s_.host.CreateShortcut(shortcut)) s_.host.ShowMessage(kNoShortcut);
    if (s_.host.Ask(kAutoPlayQuestion)) PointAutoPlayAtProgram(s_.registry, program);
    InstallSettings settings;
    settings.contact = s_.host.AskFreedbContact(StoredFreedbContact(s_.destinationSettings));
    settings.httpProtocol = s_.host.Ask(kBrowserQuestion);
    settings.windowsFolder = request_.windowsFolder;
    settings.destination = request_.destination;
    settings.os = request_.os;
    WriteInstallSettings(s_.destinationSettings, settings);
    (void)WriteUninstallEntry(s_.registry, Destination(kUninstallerFile));  // passed over silently
    s_.host.ShowMessage(kComplete);
  }

  const InstallRequest& request_;
  InstallServices s_;
  std::vector<std::string> copied_;  // names whose temporary copies exist
};

}  // namespace

InstallOutcome RunInstallation(const InstallRequest& request, InstallServices services) {
  return Installation(request, services).Run();
}

}  // namespace setup
}  // namespace bw
