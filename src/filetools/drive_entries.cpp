// Drive descriptions and drive navigation of the folder browser.
#include "filetools/drive_entries.h"

#include "filetools/directory_list.h"
#include "shell/folder_path.h"

namespace bw {
namespace {

char UpperLetter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

std::string DriveQueries::LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::optional<char> DriveLetterOfEntry(std::string_view rawEntry) {
  if (rawEntry.size() < 5 || rawEntry[0] != '[' || rawEntry[1] != '-' || rawEntry[3] != '-' ||
      rawEntry[4] != ']') {
    return std::nullopt;
  }
  const char letter = UpperLetter(rawEntry[2]);
  if (!IsUpperLetter(letter)) return std::nullopt;
  return letter;
}

std::optional<int> DriveIconCell(DriveType type) {
  const int value = static_cast<int>(type);
  if (value < static_cast<int>(DriveType::kRemovable) || value > static_cast<int>(DriveType::kRamDisk)) {
    return std::nullopt;
  }
  return value - static_cast<int>(DriveType::kRemovable);
}

int DriveItemData(std::optional<int> iconCell) { return iconCell ? *iconCell * 2 : -1; }

std::string RemoteNameText(std::string remoteName, DriveQueries& queries) {
  std::string text = queries.LowerCase(std::move(remoteName));
  const std::size_t colon = text.find(':');
  if (colon != std::string::npos) text.resize(colon + 1);
  return text;
}

DriveDescription DescribeDrive(char letter, DriveQueries& queries) {
  DriveDescription drive;
  drive.letter = UpperLetter(letter);
  drive.type = queries.TypeOf(drive.letter);
  drive.iconCell = DriveIconCell(drive.type);
  drive.text = std::string{drive.letter, ':', ' '};
  switch (drive.type) {
    case DriveType::kFixed:
    case DriveType::kCdRom:
    case DriveType::kRamDisk:
      if (std::optional<std::string> label = queries.VolumeLabel(drive.letter)) {
        if (label->size() > kMaxVolumeLabel) label->resize(kMaxVolumeLabel);
        drive.text += *label;
      }
      break;
    case DriveType::kRemote:
      if (std::optional<std::string> remote = queries.RemoteName(drive.letter)) {
        drive.text += RemoteNameText(std::move(*remote), queries);
      }
      break;
    default:
      break;
  }
  return drive;
}

int FindDriveEntry(const std::vector<std::string>& rawEntries, std::string_view folder) {
  if (folder.size() < 2 || folder[1] != ':') return -1;
  const char wanted = UpperLetter(folder[0]);
  if (!IsUpperLetter(wanted)) return -1;
  for (std::size_t i = 0; i < rawEntries.size(); ++i) {
    if (DriveLetterOfEntry(rawEntries[i]) == wanted) return static_cast<int>(i);
  }
  return -1;
}

std::string FolderAfterDriveChange(bool driveMadeCurrent,
                                   const std::optional<std::string>& currentDirectory,
                                   const std::string& audioFolder) {
  if (driveMadeCurrent && currentDirectory && !currentDirectory->empty()) {
    std::string folder = WithTrailingSeparator(*currentDirectory);
    if (folder.size() <= kFolderPathLimit) return folder;
  }
  return WithTrailingSeparator(audioFolder);
}

}  // namespace bw
