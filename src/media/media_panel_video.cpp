// Starting a video in the Video panel's docked area: the short path and pause-before-seek of
// .mov and .mpg files, the picture placed in the frame, the time format and the sound switch.
#include <algorithm>
#include <cctype>
#include <string>

#include "media/media_panel_internal.h"
#include "media/media_panel_texts.h"
#include "media/video_window.h"
#include "shell/hover.h"
#include "shell/program_state.h"

namespace {

// .mov and .mpg files: their extension begins with "m".
bool IsPausedBeforeSeek(const std::string& listText) {
  if (listText.size() < 3) return false;
  return std::tolower(static_cast<unsigned char>(listText[listText.size() - 3])) == 'm';
}

std::string ShortPath(const std::string& path) {
  char shortPath[MAX_PATH] = {};
  const DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
  return length > 0 && length < sizeof shortPath ? std::string(shortPath) : path;
}

// The picture area takes the source size centred in the frame; a picture larger than the
// frame is shown scaled down to fit it, its proportions kept.
RECT DockedArea(const MediaPanel& panel, SIZE source) {
  RECT frame = {};
  HWND frameControl = panel.Control(IDC_MEDIA_ANIMATION);
  GetClientRect(frameControl, &frame);
  MapWindowPoints(frameControl, panel.Window(), reinterpret_cast<POINT*>(&frame), 2);
  const LONG frameWidth = frame.right - frame.left;
  const LONG frameHeight = frame.bottom - frame.top;
  LONG width = source.cx > 0 ? source.cx : frameWidth;
  LONG height = source.cy > 0 ? source.cy : frameHeight;
  if (width > frameWidth || height > frameHeight) {
    const double fit = std::min(static_cast<double>(frameWidth) / width,
                                static_cast<double>(frameHeight) / height);
    width = std::max<LONG>(1, static_cast<LONG>(width * fit));
    height = std::max<LONG>(1, static_cast<LONG>(height * fit));
  }
  const LONG left = frame.left + (frameWidth - width) / 2;
  const LONG top = frame.top + (frameHeight - height) / 2;
  return RECT{left, top, left + width, top + height};
}

// The host of the picture: the floating window when the settings ask for it and it can be
// made (otherwise the docked area for the rest of the run), else the docked area.
HWND ChooseVideoHost(MediaPanel& panel, const std::string& title) {
  if (g_settings.main.floatingVideoWindow) {
    if (HWND window = CreateVideoWindow(title)) return window;
    g_settings.main.floatingVideoWindow = false;
  }
  HWND docked = panel.Control(IDC_MEDIA_VIDEO_HOST);
  ShowWindow(docked, SW_SHOW);
  return docked;
}

MCIERROR PlaceDockedPicture(MediaPanel& panel, SIZE source) {
  HWND host = panel.Control(IDC_MEDIA_VIDEO_HOST);
  const RECT area = DockedArea(panel, source);
  SetWindowPos(host, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  return g_mediaPlayback.device.ShowPictureIn(
      RECT{0, 0, area.right - area.left, area.bottom - area.top});
}

MCIERROR OpenAndStart(MediaPanel& panel, const std::string& devicePath, const std::string& title) {
  MediaPlayback& playback = g_mediaPlayback;
  HWND host = ChooseVideoHost(panel, title);
  const bool floating = host == LiveVideoWindow();
  MCIERROR error = playback.device.OpenVideo(devicePath, host);
  if (error != 0) return error;
  SIZE source = {};
  error = playback.device.SourceSize(&source);
  if (error != 0) return error;
  if (floating) {
    SizeVideoWindowForSource(source);
  } else if ((error = PlaceDockedPicture(panel, source)) != 0) {
    return error;
  }
  playback.framesMode = g_settings.main.videoOutputFrames;
  error = playback.framesMode ? playback.device.UseFrames() : playback.device.UseMilliseconds();
  if (error != 0) return error;
  error = playback.device.SetAudio(!playback.muted);
  if (error != 0) return error;
  std::uint32_t length = 0;
  error = playback.device.Length(&length);
  if (error != 0) return error;
  SetUpPositionDisplay(panel, length);
  error = playback.device.PlayFrom(0);
  if (error == 0 && floating) StartVideoWindowPicture(source);
  return error;
}

}  // namespace

void HideDockedVideo(MediaPanel& panel) {
  if (panel.IsVideo()) ShowWindow(panel.Control(IDC_MEDIA_VIDEO_HOST), SW_HIDE);
  DestroyVideoWindow();
}

bool StartNextVideo(MediaPanel& panel) {
  MediaPlayback& playback = g_mediaPlayback;
  const int index = playback.queue.Next();
  if (index < 0) return false;
  panel.SetText(IDC_MEDIA_LEFT, std::to_string(playback.queue.LeftAfterNext()));
  const std::string listText = ListText(panel, index);
  const std::string path = *MediaFolder(panel.Mode(), g_settings.main) + listText;
  const std::string shownName = ListedName(path, listText);
  playback.pauseBeforeSeek = IsPausedBeforeSeek(listText);
  const std::string devicePath = playback.pauseBeforeSeek ? ShortPath(path) : path;

  // Opening a video can take a while; the hover highlight waits meanwhile.
  const bool hovering = StopHoverTimer(panel.Window());
  const MCIERROR error = OpenAndStart(panel, devicePath, listText);
  if (hovering) StartHoverTimer(panel.Window());
  if (error != 0) {
    ReportMediaError(panel, error);
    HideDockedVideo(panel);
    return false;
  }
  panel.SetText(IDC_MEDIA_NAME, shownName);
  playback.queue.Advance();
  return true;
}
