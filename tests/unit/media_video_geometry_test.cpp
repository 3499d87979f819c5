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

TEST(VideoGeometryTest, TheLargeVideoDialogGrowsForThePictureAndKeepsItInside) {
  LargeVideoMetrics metrics;
  metrics.dialog = {500, 400};
  metrics.markerLeft = 12;
  metrics.markerTop = 40;
  metrics.captionHeight = 19;
  metrics.dialogFrameWidth = 3;
  metrics.dialogFrameHeight = 3;
  const LargeVideoLayout fits = LayOutLargeVideo(metrics, {320, 240});
  EXPECT_EQ(fits.dialog, (PixelSize{500, 400}));
  EXPECT_EQ(fits.frame, (PixelRect{81, 97, 328, 248}));
  EXPECT_EQ(fits.pictureHost, (PixelRect{85, 101, 320, 240}));

  const LargeVideoLayout big = LayOutLargeVideo(metrics, {720, 576});
  EXPECT_EQ(big.dialog, (PixelSize{12 + 720 + 23, 19 + 40 + 576 + 3}));
  EXPECT_GE(big.pictureHost.left, 0);
  EXPECT_LE(big.pictureHost.left + big.pictureHost.width, big.dialog.width);
  EXPECT_LE(big.pictureHost.top + big.pictureHost.height, big.dialog.height);
}

}  // namespace
}  // namespace bw
