// The video hosts' geometry: zoom and kept sizes from file to file, the picture with and
// without its aspect ratio, the docked fit and the large-video layout.
#include <gtest/gtest.h>

#include "media/video_geometry.h"

namespace bw {
namespace {

constexpr WindowFrameMetrics kFrame{4, 4, 19};

TEST(VideoGeometryTest, ZoomTwoDoublesTheSourceAndTheKeptSizeIsReusedWithoutGrowing) {
  const PixelSize source{320, 240};
  const PixelSize first = VideoClientSize(source, 2, true, {});
  EXPECT_EQ(first, (PixelSize{640, 480}));
  EXPECT_EQ(VideoWindowSize(first, kFrame), (PixelSize{648, 507}));
  // The next file opens at the size the last window had, not twice it again.
  EXPECT_EQ(VideoClientSize(source, 2, true, first), (PixelSize{640, 480}));
  EXPECT_EQ(VideoClientSize(source, 2, true, {500, 300}), (PixelSize{500, 300}));
  // Without the setting every file starts from its own size.
  EXPECT_EQ(VideoClientSize(source, 1, false, {500, 300}), source);
  // Zoom 3 is a maximised window whose size the system chooses; other values mean 1.
  EXPECT_EQ(VideoClientSize(source, kZoomFullScreen, false, {}), (PixelSize{}));
  EXPECT_EQ(VideoClientSize(source, 7, false, {}), source);
}

TEST(VideoGeometryTest, AWidenedFourByThreeWindowKeepsThePictureCentredWithBarsBesideIt) {
  const float ratio = AspectRatio({320, 240});
  EXPECT_EQ(FitPicture({1000, 480}, ratio, true), (PixelRect{180, 0, 640, 480}));
  // Taller than wide: bars above and below, the height rounded up.
  EXPECT_EQ(FitPicture({641, 1000}, ratio, true), (PixelRect{0, 259, 641, 481}));
  EXPECT_EQ(FitPicture({1000, 480}, ratio, false), (PixelRect{0, 0, 1000, 480}));
  // An unknown source size moves nothing.
  EXPECT_EQ(AspectRatio({0, 240}), 0.0f);
  EXPECT_EQ(FitPicture({1000, 480}, 0.0f, true), (PixelRect{}));
}

TEST(VideoGeometryTest, TheDockedFrameTakesOnlyWhatFitsAndCentresIt) {
  const DockedPlacement small = PlaceInDockedFrame({400, 300}, {321, 240});
  EXPECT_TRUE(small.fits);
  EXPECT_EQ(small.area, (PixelRect{39, 30, 321, 240}));
  EXPECT_TRUE(PlaceInDockedFrame({400, 300}, {400, 300}).fits);
  EXPECT_FALSE(PlaceInDockedFrame({400, 300}, {401, 300}).fits);
  EXPECT_FALSE(PlaceInDockedFrame({400, 300}, {320, 301}).fits);
}

// A dialog of 522 x 409 pixels whose marker lies at 9, 128 of its client area, with the
// caption and dialog frame of the test display, on a 1024 x 768 screen.
LargeVideoMetrics LargeVideoDialogMetrics() {
  LargeVideoMetrics metrics;
  metrics.dialog = {522, 409};
  metrics.markerLeft = 9;
  metrics.markerTop = 128;
  metrics.captionHeight = 19;
  metrics.dialogFrameWidth = 3;
  metrics.dialogFrameHeight = 3;
  metrics.screen = {1024, 768};
  return metrics;
}

TEST(VideoGeometryTest, TheLargeVideoDialogKeepsItsSizeForAPictureThatFitsItsRoom) {
  const LargeVideoLayout layout = LayOutLargeVideo(LargeVideoDialogMetrics(), {320, 240});
  EXPECT_EQ(layout.dialog, (PixelRect{251, 179, 522, 409}));
  // (522 - 320 - 8) / 2 - 3 - 2 and (409 - 240 - 8) / 2 + 19 + 3 - 1, truncated.
  EXPECT_EQ(layout.frame, (PixelRect{92, 101, 328, 248}));
  EXPECT_EQ(layout.pictureHost, (PixelRect{96, 105, 320, 240}));
}

TEST(VideoGeometryTest, TheLargeVideoDialogGrowsOnlyWhenThePictureExceedsItsRoom) {
  const LargeVideoMetrics metrics = LargeVideoDialogMetrics();
  // The room below the marker is 409 - 128 - 19 - 3 = 259 high and 522 - 23 = 499 wide.
  EXPECT_EQ(LayOutLargeVideo(metrics, {499, 259}).dialog.width, 522);
  EXPECT_EQ(LayOutLargeVideo(metrics, {499, 259}).dialog.height, 409);
  EXPECT_EQ(LayOutLargeVideo(metrics, {499, 260}).dialog.height, 19 + 128 + 260 + 3);
  EXPECT_EQ(LayOutLargeVideo(metrics, {499, 260}).dialog.width, 522);
  EXPECT_EQ(LayOutLargeVideo(metrics, {500, 259}).dialog.width, 9 + 500 + 23);
  EXPECT_EQ(LayOutLargeVideo(metrics, {500, 259}).dialog.height, 409);

  // Wider only: the frame is centred across the grown width, the height stays.
  const LargeVideoLayout wide = LayOutLargeVideo(metrics, {600, 200});
  EXPECT_EQ(wide.dialog, (PixelRect{196, 179, 632, 409}));
  EXPECT_EQ(wide.frame, (PixelRect{7, 121, 608, 208}));
}

TEST(VideoGeometryTest, AGrownLargeVideoDialogHoldsThePictureInsideItsClientArea) {
  const LargeVideoMetrics metrics = LargeVideoDialogMetrics();
  const LargeVideoLayout big = LayOutLargeVideo(metrics, {640, 480});
  EXPECT_EQ(big.dialog, (PixelRect{176, 69, 9 + 640 + 23, 19 + 128 + 480 + 3}));
  EXPECT_EQ(big.frame, (PixelRect{7, 92, 648, 488}));
  EXPECT_EQ(big.pictureHost, (PixelRect{11, 96, 640, 480}));
  const int clientWidth = big.dialog.width - 2 * metrics.dialogFrameWidth;
  const int clientHeight =
      big.dialog.height - metrics.captionHeight - 2 * metrics.dialogFrameHeight;
  EXPECT_GE(big.frame.left, 0);
  EXPECT_LE(big.frame.left + big.frame.width, clientWidth);
  EXPECT_LE(big.frame.top + big.frame.height, clientHeight);
}

}  // namespace
}  // namespace bw
