// The folder browser's drive list: the description drawn for each drive ("C: SYSTEM",
// "N: \\server\share" in lower case), its icon, which entry the browsed folder selects, and
// where double-clicking a drive leads. The system's answers come through DriveQueries.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bw {

// The values of the system's drive-type query.
enum class DriveType : int {
  kUnknown = 0,
  kNoRootDirectory = 1,
  kRemovable = 2,
  kFixed = 3,
  kRemote = 4,
  kCdRom = 5,
  kRamDisk = 6,
};

class DriveQueries {
 public:
  virtual ~DriveQueries() = default;
  // `letter` is an upper-case drive letter.
  virtual DriveType TypeOf(char letter) = 0;
  // The volume label; none when the drive has no readable volume (no disc in it).
  virtual std::optional<std::string> VolumeLabel(char letter) = 0;
  // The remote name of a network drive's connection ("\\server\share").
  virtual std::optional<std::string> RemoteName(char letter) = 0;
  // The system's lower-casing of a text; ASCII letters only by default.
  virtual std::string LowerCase(std::string text);
};

// Volume labels are shown with at most this many characters.
inline constexpr std::size_t kMaxVolumeLabel = 255;

// The drive letter of a raw drive entry as the system's drive listing gives it ("[-c-]"),
// upper-cased; none for anything else.
std::optional<char> DriveLetterOfEntry(std::string_view rawEntry);

// The icon cell of a drive type (removable 0, fixed 1, remote 2, CD-ROM 3, RAM disk 4);
// none for an unknown type, which is drawn without an icon.
std::optional<int> DriveIconCell(DriveType type);
// A drive line's item data: twice its icon cell, -1 without an icon.
int DriveItemData(std::optional<int> iconCell);

// A network drive's remote name as the list shows it: lower case, cut after its first ":".
std::string RemoteNameText(std::string remoteName, DriveQueries& queries);

struct DriveDescription {
  char letter = 'C';
  DriveType type = DriveType::kUnknown;
  std::optional<int> iconCell;
  std::string text;  // "C: " and the label or the remote name
};

// Fixed, CD-ROM and RAM drives show their volume label, network drives their remote name;
// removable drives are not asked (a floppy would spin up for every repaint).
DriveDescription DescribeDrive(char letter, DriveQueries& queries);

// The index of the raw entry whose drive is that of `folder` ("c:\" and "C:\" alike); -1
// when there is none (a network path).
int FindDriveEntry(const std::vector<std::string>& rawEntries, std::string_view folder);

// The browsed folder after a double-click on a drive: the drive's current directory as the
// system reports it, with "\" added; the audio folder when the drive could not be made
// current, its directory could not be read, or it would not fit the program's buffers.
std::string FolderAfterDriveChange(bool driveMadeCurrent,
                                   const std::optional<std::string>& currentDirectory,
                                   const std::string& audioFolder);

}  // namespace bw
