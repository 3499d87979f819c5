// The program's one CD audio device: the drive's commands plus the program's own record of
// it (open or not, can-eject, data disc, pause, current track) and the table of contents.
// Used from the main thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "cd/cd_drive.h"
#include "cd/msf.h"
#include "cd/table_of_contents.h"

namespace bw {

class CdDevice {
 public:
  explicit CdDevice(std::unique_ptr<CdDrive> drive);
  ~CdDevice();
  CdDevice(const CdDevice&) = delete;
  CdDevice& operator=(const CdDevice&) = delete;

  // Opens the drive named by the first letter of `driveRoot` ("D:\"); an empty root leaves
  // the device closed. A device already open is closed first. Failures other than a missing
  // driver go to the MCI error report. On success: TMSF time format, the can-eject
  // capability and the data-disc classification. Returns whether the device is open.
  bool Open(std::string_view driveRoot);
  // Closes the device if open; a failure goes to the MCI error report.
  void Close();
  bool IsOpen() const { return open_; }

  // Rereads the table of contents (only while open), then tells the listener.
  void ReadTableOfContents();
  // Called after every table-of-contents read, so the disc title and the Add/Edit caption
  // can follow. One listener; an empty function removes it.
  void SetTableOfContentsListener(std::function<void()> listener);

  // Stop, close, open, read the table of contents; pause flag cleared, current track none.
  bool Reopen(std::string_view driveRoot);

  // Plays from the start of `track` to the end of the disc; 0 or 100 and more mean track 1.
  // The track becomes the current one and the pause flag is cleared.
  uint32_t PlayTrack(int track);
  // Plays from minutes:seconds into `track` (frame 30) to the end of the disc.
  uint32_t SeekWithinTrack(int track, int minutes, int seconds);
  uint32_t Pause();
  uint32_t Resume();
  // Resumes first when paused (which clears the pause), then stops; current track 1.
  uint32_t Stop();
  // Opens the device first when needed, stops, opens the door.
  uint32_t Eject(std::string_view driveRoot);
  // Closes the door; the result is not reported.
  void Load();

  // Polls. A failed query keeps the previous answer.
  CdMode QueryMode();
  Tmsf QueryPosition();
  bool QueryMediaPresent();

  bool CanEject() const { return canEject_; }
  bool IsDataDisc() const { return dataDisc_; }
  bool IsPaused() const { return paused_; }
  void SetPaused(bool paused) { paused_ = paused; }
  // Media present as last polled.
  bool MediaPresent() const { return mediaPresent_; }
  // 1-99; 0 before any track was chosen.
  int CurrentTrack() const { return currentTrack_; }
  void SetCurrentTrack(int track) { currentTrack_ = track; }
  uint32_t LastResult() const { return lastResult_; }
  std::string ErrorText(uint32_t code) const;

  const TableOfContents& Toc() const { return toc_; }
  uint32_t DiscId() const;

 private:
  uint32_t Record(uint32_t result);
  // Records the result and sends a failure to the MCI error report.
  uint32_t RecordAndReport(uint32_t result);
  void ClassifyDisc();

  std::unique_ptr<CdDrive> drive_;
  bool open_ = false;
  uint32_t lastResult_ = 0;
  bool canEject_ = false;
  bool dataDisc_ = false;
  bool mediaPresent_ = false;
  bool paused_ = false;
  int currentTrack_ = 0;
  CdMode lastMode_ = CdMode::kNotReady;
  Tmsf lastPosition_;
  TableOfContents toc_;
  std::function<void()> tocListener_;
};

}  // namespace bw
