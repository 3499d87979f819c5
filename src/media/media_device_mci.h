// The media panels' device: one MCI device opened on a media file's path, and the commands
// the panels send it. Every command waits for the device; none asks for a notification.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <string>

namespace bw {

// The MCI device modes the panels tell apart.
enum class MediaMode { kStopped, kPlaying, kPaused, kOther };

class MediaDevice {
 public:
  MediaDevice() = default;
  MediaDevice(const MediaDevice&) = delete;
  MediaDevice& operator=(const MediaDevice&) = delete;
  ~MediaDevice() { Close(); }

  // Opens the file; the system picks the device from its extension. A video names the
  // window its picture goes into (a child of `parent`).
  MCIERROR Open(const std::string& path);
  MCIERROR OpenVideo(const std::string& path, HWND parent);
  // Stops and closes; nothing when no device is open. Answers the first failure.
  MCIERROR StopAndClose();
  // Closes without stopping first.
  void Close();

  bool IsOpen() const { return id_ != 0; }
  MCIDEVICEID Id() const { return id_; }

  MCIERROR UseMilliseconds() { return SetTimeFormat(MCI_FORMAT_MILLISECONDS); }
  MCIERROR UseFrames() { return SetTimeFormat(MCI_FORMAT_FRAMES); }
  MCIERROR Length(std::uint32_t* length);
  MCIERROR Position(std::uint32_t* position);
  MediaMode Mode();
  MCIERROR SeekToStart();
  MCIERROR Play();                  // from where the device stands
  MCIERROR PlayFrom(std::uint32_t from);
  MCIERROR MoveTo(std::uint32_t to);  // positioned there, nothing played
  MCIERROR Pause();
  MCIERROR Stop();
  MCIERROR SetAudio(bool on);
  // The picture's own size, and the rectangle it is shown in within its window.
  MCIERROR SourceSize(SIZE* size);
  MCIERROR ShowPictureIn(const RECT& rect);

 private:
  MCIERROR SetTimeFormat(DWORD format);
  MCIERROR Send(UINT command, DWORD_PTR flags, void* parameters);

  MCIDEVICEID id_ = 0;
};

// The driver's text for an MCI error, at most 255 characters.
std::string MciErrorText(MCIERROR error);

}  // namespace bw
