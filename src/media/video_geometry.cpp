// The video hosts' geometry.
#include "media/video_geometry.h"

#include <cmath>

namespace bw {

PixelSize VideoClientSize(PixelSize source, int zoom, bool maintainSize, PixelSize kept) {
  if (zoom == kZoomFullScreen) return {};
  const bool haveKept = kept.width > 0 && kept.height > 0;
  if (maintainSize && haveKept) return kept;
  const int factor = zoom == 2 ? 2 : 1;
  return {source.width * factor, source.height * factor};
}

PixelSize VideoWindowSize(PixelSize client, const WindowFrameMetrics& frame) {
  return {2 * frame.sizingFrameWidth + client.width,
          2 * frame.sizingFrameHeight + frame.captionHeight + client.height};
}

float AspectRatio(PixelSize source) {
  if (source.width <= 0 || source.height <= 0) return 0.0f;
  return static_cast<float>(source.width) / static_cast<float>(source.height);
}

PixelRect FitPicture(PixelSize client, float ratio, bool keepAspectRatio) {
  if (ratio <= 0.0f) return {};
  int width = client.width;
  int height = client.height;
  if (keepAspectRatio) {
    height = static_cast<int>(std::ceil(static_cast<float>(client.width) / ratio));
    if (height > client.height) {
      height = client.height;
      width = static_cast<int>(static_cast<float>(client.height) * ratio);
    }
  }
  return {(client.width - width) / 2, (client.height - height) / 2, width, height};
}

DockedPlacement PlaceInDockedFrame(PixelSize frameClient, PixelSize source) {
  if (source.width > frameClient.width || source.height > frameClient.height) return {};
  return {true,
          {(frameClient.width - source.width) / 2, (frameClient.height - source.height) / 2,
           source.width, source.height}};
}

LargeVideoLayout LayOutLargeVideo(const LargeVideoMetrics& m, PixelSize video) {
  // The picture's margin to the right of the marker: the frame's border and the dialog's edge.
  constexpr int kRightMargin = 23;
  constexpr int kFrameBorder = 4;
  PixelSize size = m.dialog;
  if (m.dialog.height - m.markerTop - m.captionHeight - m.dialogFrameWidth < video.height) {
    size.height = m.captionHeight + m.markerTop + video.height + m.dialogFrameWidth;
  }
  if (m.dialog.width - kRightMargin < video.width) {
    size.width = m.markerLeft + video.width + kRightMargin;
  }
  LargeVideoLayout layout;
  layout.dialog = {(m.screen.width - size.width) / 2, (m.screen.height - size.height) / 2,
                   size.width, size.height};
  // The frame is centred in the grown size: centred in the resource size, a picture wider
  // than the dialog would start left of its edge and be cut off.
  layout.frame = {(size.width - video.width - 2 * kFrameBorder) / 2 - m.dialogFrameWidth - 2,
                  (size.height - video.height - 2 * kFrameBorder) / 2 + m.captionHeight +
                      m.dialogFrameHeight - 1,
                  video.width + 2 * kFrameBorder, video.height + 2 * kFrameBorder};
  layout.pictureHost = {layout.frame.left + kFrameBorder, layout.frame.top + kFrameBorder,
                        video.width, video.height};
  return layout;
}

}  // namespace bw
