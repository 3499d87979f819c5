// The media panels' MCI device.
#include "media/media_device_mci.h"

#include <digitalv.h>

#include "cd/mci_error_report.h"

namespace bw {

MCIERROR MediaDevice::Send(UINT command, DWORD_PTR flags, void* parameters) {
  if (id_ == 0) return MCIERR_INVALID_DEVICE_ID;
  return mciSendCommandA(id_, command, flags | MCI_WAIT, reinterpret_cast<DWORD_PTR>(parameters));
}

MCIERROR MediaDevice::Open(const std::string& path) {
  Close();
  // No device type and no alias: the system chooses the device by the file's extension.
  MCI_OPEN_PARMSA open = {};
  open.lpstrElementName = path.c_str();
  const MCIERROR error = mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                                         reinterpret_cast<DWORD_PTR>(&open));
  if (error == 0) id_ = open.wDeviceID;
  return error;
}

MCIERROR MediaDevice::OpenVideo(const std::string& path, HWND parent) {
  Close();
  MCI_DGV_OPEN_PARMSA open = {};
  open.lpstrElementName = const_cast<char*>(path.c_str());
  open.hWndParent = parent;
  open.dwStyle = WS_CHILD;
  const MCIERROR error = mciSendCommandA(
      0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_DGV_OPEN_PARENT | MCI_DGV_OPEN_WS | MCI_WAIT,
      reinterpret_cast<DWORD_PTR>(&open));
  if (error == 0) id_ = open.wDeviceID;
  return error;
}

MCIERROR MediaDevice::StopAndClose() {
  if (id_ == 0) return 0;
  MCI_GENERIC_PARMS generic = {};
  const MCIERROR stopped = Send(MCI_STOP, 0, &generic);
  const MCIERROR closed = Send(MCI_CLOSE, 0, &generic);
  id_ = 0;
  return stopped != 0 ? stopped : closed;
}

void MediaDevice::Close() {
  if (id_ == 0) return;
  MCI_GENERIC_PARMS generic = {};
  // A device that does not close has nothing more to give; it is forgotten either way.
  (void)Send(MCI_CLOSE, 0, &generic);
  id_ = 0;
}

MCIERROR MediaDevice::SetTimeFormat(DWORD format) {
  MCI_SET_PARMS set = {};
  set.dwTimeFormat = format;
  return Send(MCI_SET, MCI_SET_TIME_FORMAT, &set);
}

MCIERROR MediaDevice::Length(std::uint32_t* length) {
  MCI_STATUS_PARMS status = {};
  status.dwItem = MCI_STATUS_LENGTH;
  const MCIERROR error = Send(MCI_STATUS, MCI_STATUS_ITEM, &status);
  *length = error == 0 ? static_cast<std::uint32_t>(status.dwReturn) : 0;
  return error;
}

MCIERROR MediaDevice::Position(std::uint32_t* position) {
  MCI_STATUS_PARMS status = {};
  status.dwItem = MCI_STATUS_POSITION;
  const MCIERROR error = Send(MCI_STATUS, MCI_STATUS_ITEM, &status);
  *position = error == 0 ? static_cast<std::uint32_t>(status.dwReturn) : 0;
  return error;
}

MediaMode MediaDevice::Mode() {
  MCI_STATUS_PARMS status = {};
  status.dwItem = MCI_STATUS_MODE;
  if (Send(MCI_STATUS, MCI_STATUS_ITEM, &status) != 0) return MediaMode::kOther;
  switch (status.dwReturn) {
    case MCI_MODE_STOP: return MediaMode::kStopped;
    case MCI_MODE_PLAY: return MediaMode::kPlaying;
    case MCI_MODE_PAUSE: return MediaMode::kPaused;
    default: return MediaMode::kOther;
  }
}

MCIERROR MediaDevice::SeekToStart() {
  MCI_SEEK_PARMS seek = {};
  return Send(MCI_SEEK, MCI_SEEK_TO_START, &seek);
}

MCIERROR MediaDevice::Play() {
  MCI_PLAY_PARMS play = {};
  // No wait: the device plays on while the panel's timer polls it.
  return id_ == 0 ? MCIERR_INVALID_DEVICE_ID
                  : mciSendCommandA(id_, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&play));
}

MCIERROR MediaDevice::PlayFrom(std::uint32_t from) {
  MCI_PLAY_PARMS play = {};
  play.dwFrom = from;
  return id_ == 0 ? MCIERR_INVALID_DEVICE_ID
                  : mciSendCommandA(id_, MCI_PLAY, MCI_FROM, reinterpret_cast<DWORD_PTR>(&play));
}

MCIERROR MediaDevice::MoveTo(std::uint32_t to) {
  // A seek positions the device without playing on every driver; a play from and to the
  // same place plays on to the end on some.
  MCI_SEEK_PARMS seek = {};
  seek.dwTo = to;
  return Send(MCI_SEEK, MCI_TO, &seek);
}

MCIERROR MediaDevice::Pause() {
  MCI_GENERIC_PARMS generic = {};
  return Send(MCI_PAUSE, 0, &generic);
}

MCIERROR MediaDevice::Stop() {
  MCI_GENERIC_PARMS generic = {};
  return Send(MCI_STOP, 0, &generic);
}

MCIERROR MediaDevice::SetAudio(bool on) {
  MCI_SET_PARMS set = {};
  set.dwAudio = MCI_SET_AUDIO_ALL;
  return Send(MCI_SET, MCI_SET_AUDIO | (on ? MCI_SET_ON : MCI_SET_OFF), &set);
}

MCIERROR MediaDevice::SourceSize(SIZE* size) {
  MCI_DGV_RECT_PARMS where = {};
  const MCIERROR error = Send(MCI_WHERE, MCI_DGV_WHERE_SOURCE, &where);
  // The rectangle's right and bottom hold the width and height.
  *size = error == 0 ? SIZE{where.rc.right, where.rc.bottom} : SIZE{0, 0};
  return error;
}

MCIERROR MediaDevice::ShowPictureIn(const RECT& rect) {
  MCI_DGV_PUT_PARMS put = {};
  put.rc = RECT{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  const MCIERROR error = Send(MCI_PUT, MCI_DGV_PUT_WINDOW | MCI_DGV_RECT, &put);
  if (error != 0) return error;
  put.rc = RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  return Send(MCI_PUT, MCI_DGV_PUT_DESTINATION | MCI_DGV_RECT, &put);
}

std::string MciErrorText(MCIERROR error) {
  char text[kMciErrorTextLimit + 1] = {};
  if (!mciGetErrorStringA(error, text, sizeof text)) return std::string();
  return text;
}

}  // namespace bw
