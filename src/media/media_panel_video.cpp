// Starting a video in the Video panel: the short path and pause-before-seek of .mov and .mpg
// files, the picture placed in the docked frame or the floating window, the time format and
// the sound switch, and a picture too large for the frame handed to the large-video dialog.
#include <cctype>
#include <string>

#include "media/large_video_dialog.h"
#include "media/media_panel_internal.h"
#include "media/media_panel_texts.h"
#include "media/video_geometry.h"
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

// The docked frame's client area, in the panel's client coordinates.
RECT DockedFrame(const MediaPanel& panel) {
  RECT frame = {};
  HWND frameControl = panel.Control(IDC_MEDIA_ANIMATION);
  GetClientRect(frameControl, &frame);
  MapWindowPoints(frameControl, panel.Window(), reinterpret_cast<POINT*>(&frame), 2);
  return frame;
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

// The picture at its own size centred in the docked frame; false when it does not fit there.
// A picture without a size takes the whole frame.
bool PlaceDockedPicture(MediaPanel& panel, SIZE source, MCIERROR& error) {
  const RECT frame = DockedFrame(panel);
  const bw::PixelSize frameSize{frame.right - frame.left, frame.bottom - frame.top};
  const bool sized = source.cx > 0 && source.cy > 0;
  const bw::DockedPlacement placement =
      bw::PlaceInDockedFrame(frameSize, sized ? bw::PixelSize{source.cx, source.cy} : frameSize);
  if (!placement.fits) return false;
  const bw::PixelRect& area = placement.area;
  SetWindowPos(panel.Control(IDC_MEDIA_VIDEO_HOST), nullptr, frame.left + area.left,
               frame.top + area.top, area.width, area.height, SWP_NOZORDER | SWP_NOACTIVATE);
  error = g_mediaPlayback.device.ShowPictureIn(RECT{0, 0, area.width, area.height});
  return true;
}

struct VideoFile {
  std::string devicePath;  // the short path of .mov and .mpg files
  std::string listText;
  std::string shownName;
};

// Opens the file in its host and starts it. A picture too large for the docked area is not
// started: `tooLarge` is set, with the device still open.
MCIERROR OpenAndStart(MediaPanel& panel, const VideoFile& file, SIZE& source, bool& tooLarge) {
  MediaPlayback& playback = g_mediaPlayback;
  HWND host = ChooseVideoHost(panel, file.listText);
  const bool floating = host == LiveVideoWindow();
  MCIERROR error = playback.device.OpenVideo(file.devicePath, host);
  if (error != 0) return error;
  error = playback.device.SourceSize(&source);
  if (error != 0) return error;
  if (floating) {
    SizeVideoWindowForSource(source);
  } else if (!PlaceDockedPicture(panel, source, error)) {
    tooLarge = true;
    return 0;
  }
  if (error == 0) error = StartOpenedVideo(panel);
  if (error == 0 && floating) StartVideoWindowPicture(source);
  return error;
}

// The picture does not fit the docked area: the large-video dialog plays the file with its
// own device, and the panel goes on with what the dialog left in the queue.
bool PlayInLargeVideoDialog(MediaPanel& panel, const VideoFile& file, SIZE source) {
  MediaPlayback& playback = g_mediaPlayback;
  panel.KillPositionTimer();
  playback.device.Close();
  HideDockedVideo(panel);
  RunLargeVideoDialog(panel.Window(), {file.devicePath, file.shownName, source});
  if (playback.queue.HasFilesLeft()) {
    // The next file starts on the timer's next tick.
    panel.StartPositionTimer();
    return true;
  }
  // Nothing follows: the panel's displays as after Stop, the device already closed.
  RunStopRoutine(&panel);
  panel.SetText(IDC_MEDIA_STATE, kTextMediaReady);
  if (g_playAndExit) EndPlayAndExitRunSoon();
  return false;
}

}  // namespace

MCIERROR StartOpenedVideo(PlaybackWindow& window) {
  MediaPlayback& playback = g_mediaPlayback;
  playback.framesMode = g_settings.main.videoOutputFrames;
  MCIERROR error = playback.framesMode ? playback.device.UseFrames() : playback.device.UseMilliseconds();
  if (error == 0) error = playback.device.SetAudio(!playback.muted);
  std::uint32_t length = 0;
  if (error == 0) error = playback.device.Length(&length);
  if (error != 0) return error;
  SetUpPositionDisplay(window, length);
  return playback.device.PlayFrom(0);
}

void HideDockedVideo(PlaybackWindow& window) {
  if (HWND docked = window.Control(IDC_MEDIA_VIDEO_HOST)) ShowWindow(docked, SW_HIDE);
  DestroyVideoWindow();
}

bool StartNextVideo(MediaPanel& panel) {
  MediaPlayback& playback = g_mediaPlayback;
  const int index = playback.queue.Next();
  if (index < 0) return false;
  panel.SetText(IDC_MEDIA_LEFT, std::to_string(playback.queue.LeftAfterNext()));
  VideoFile file;
  file.listText = ListText(panel, index);
  const std::string path = *MediaFolder(panel.Mode(), g_settings.main) + file.listText;
  file.shownName = ListedName(path, file.listText);
  playback.pauseBeforeSeek = IsPausedBeforeSeek(file.listText);
  file.devicePath = playback.pauseBeforeSeek ? ShortPath(path) : path;

  // Opening a video can take a while; the hover highlight waits meanwhile.
  const bool hovering = StopHoverTimer(panel.Window());
  SIZE source = {};
  bool tooLarge = false;
  const MCIERROR error = OpenAndStart(panel, file, source, tooLarge);
  if (hovering) StartHoverTimer(panel.Window());
  if (error != 0) {
    ReportMediaError(panel, error);
    HideDockedVideo(panel);
    return false;
  }
  if (tooLarge) return PlayInLargeVideoDialog(panel, file, source);
  panel.SetText(IDC_MEDIA_NAME, file.shownName);
  playback.queue.Advance();
  return true;
}
