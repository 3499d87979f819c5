// Where a video's picture goes and how big things are: the floating video window's outer size
// for a zoom, the picture's place inside it with or without the aspect ratio, the docked area's
// fit, and the large-video dialog's layout. Pixels throughout; the caller reads the system's
// frame and caption metrics and passes them in.
#pragma once

namespace bw {

struct PixelSize {
  int width = 0;
  int height = 0;
};
inline bool operator==(PixelSize a, PixelSize b) {
  return a.width == b.width && a.height == b.height;
}

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
inline bool operator==(const PixelRect& a, const PixelRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// The sizing-frame and caption metrics a top-level window adds around its client area.
struct WindowFrameMetrics {
  int sizingFrameWidth = 0;
  int sizingFrameHeight = 0;
  int captionHeight = 0;
};

// `VideoZoomFactor`: "3" gives 3, "2" gives 2, anything else 1. 3 is a maximised window.
inline constexpr int kZoomFullScreen = 3;

// The client size the floating window is given for a file. A kept size (the last window's
// client area, which already holds the zoom) is reused as it is, so a window keeps its size
// from file to file instead of growing by the zoom each time; otherwise the source size times
// the zoom. Zoom 3 leaves the size to the system (the window is maximised).
PixelSize VideoClientSize(PixelSize source, int zoom, bool maintainSize, PixelSize kept);

// The outer size of a window whose client area is `client`.
PixelSize VideoWindowSize(PixelSize client, const WindowFrameMetrics& frame);

// Source width over height; 0 until both are known.
float AspectRatio(PixelSize source);

// The picture inside the client area: filling it, or, with the ratio kept, as wide as the
// client area (height rounded up) unless that is too tall, then as tall (width cut down);
// centred. A ratio of 0 means the source size is not known: nothing is moved.
PixelRect FitPicture(PixelSize client, float ratio, bool keepAspectRatio);

// The docked area: the source is placed centred in the frame when it fits, and otherwise the
// file goes to the large-video dialog.
struct DockedPlacement {
  bool fits = false;
  PixelRect area;  // relative to the frame's top-left corner
};
DockedPlacement PlaceInDockedFrame(PixelSize frameClient, PixelSize source);

// The large-video dialog's geometry. `dialog` is its window's size as the resource makes it,
// `markerLeft` and `markerTop` the hidden marker control's place in its client area, where the
// picture's room begins below the controls.
struct LargeVideoMetrics {
  PixelSize dialog;
  int markerLeft = 0;
  int markerTop = 0;
  int captionHeight = 0;
  int dialogFrameWidth = 0;
  int dialogFrameHeight = 0;
  PixelSize screen;
};
struct LargeVideoLayout {
  PixelRect dialog;        // the window, grown for the video and centred on the screen
  PixelRect frame;         // the frame drawn around the picture, in client coordinates
  PixelRect pictureHost;   // the window the device draws into, at the video's size
};
// The dialog grows when the picture's room is smaller than the video: to the caption, the
// marker's top, the video and the frame's width in height, and to the marker's left, the video
// and a 23-pixel margin in width. The frame is centred on the grown window by the dialog's
// own reckoning and the picture sits 4 pixels inside it.
LargeVideoLayout LayOutLargeVideo(const LargeVideoMetrics& metrics, PixelSize video);

}  // namespace bw
