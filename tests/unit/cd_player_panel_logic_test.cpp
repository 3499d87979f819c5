// The CD Player panel's decisions: play state from the drive, what a change of state does,
// skipping, paging, the track buttons of a page, the time displays and the position bar.
#include <gtest/gtest.h>

#include <string>

#include "cd/cd_player_panel_play_state.h"
#include "cd/cd_player_panel_times.h"
#include "cd/cd_player_panel_tracks.h"

namespace bw {
namespace {

TEST(CdPlayerPlayState, DerivedFromModePauseFlagAndDataDisc) {
  struct Case {
    CdMode mode;
    bool pauseFlag;
    bool dataDisc;
    PlayState expected;
  };
  const Case cases[] = {
      {CdMode::kNotReady, false, false, PlayState::kEmpty},
      {CdMode::kOpen, true, true, PlayState::kEmpty},
      {CdMode::kPlaying, true, false, PlayState::kPlaying},
      {CdMode::kStopped, true, false, PlayState::kPaused},
      {CdMode::kPaused, true, false, PlayState::kPaused},
      {CdMode::kStopped, false, false, PlayState::kReady},
      {CdMode::kPaused, false, false, PlayState::kReady},
      {CdMode::kSeeking, true, false, PlayState::kReady},
      {CdMode::kStopped, false, true, PlayState::kDataDisc},
      {CdMode::kOther, false, true, PlayState::kDataDisc},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DerivePlayState(c.mode, c.pauseFlag, c.dataDisc), c.expected)
        << static_cast<int>(c.mode) << " pause " << c.pauseFlag << " data " << c.dataDisc;
  }
}

TEST(CdPlayerPlayState, TextsFollowTheCodes) {
  EXPECT_EQ(std::string(PlayStateText(PlayState::kEmpty)), "Empty");
  EXPECT_EQ(std::string(PlayStateText(PlayState::kReady)), "Ready");
  EXPECT_EQ(std::string(PlayStateText(PlayState::kPlaying)), "Playing");
  EXPECT_EQ(std::string(PlayStateText(PlayState::kPaused)), "Paused");
  EXPECT_EQ(std::string(PlayStateText(PlayState::kDataDisc)), "Data disc loaded");
  EXPECT_EQ(std::string(PlayStateText(PlayState::kUnknown)), "");
}

TEST(CdPlayerPlayState, ReachingReadyRepeatsOrSettles) {
  struct Case {
    bool repeatTrack;
    bool repeatDisc;
    ReadyAction expected;
  };
  const Case cases[] = {
      {true, false, ReadyAction::kReplayCurrentTrack},
      {true, true, ReadyAction::kReplayCurrentTrack},  // repeat track wins
      {false, true, ReadyAction::kPlayFirstTrack},
      {false, false, ReadyAction::kRefreshDisc},
  };
  for (const Case& c : cases) {
    const PlayStateChange change = DecidePlayStateChange(PlayState::kPlaying, PlayState::kReady,
                                                         true, c.repeatTrack, c.repeatDisc);
    EXPECT_EQ(change.readyAction, c.expected) << c.repeatTrack << c.repeatDisc;
    EXPECT_EQ(change.ejectLabel, EjectLabel::kEject);
    EXPECT_FALSE(change.showDiscLength);
  }
  // Other states never repeat anything.
  EXPECT_EQ(DecidePlayStateChange(PlayState::kReady, PlayState::kPlaying, true, true, true)
                .readyAction,
            ReadyAction::kNone);
  EXPECT_EQ(DecidePlayStateChange(PlayState::kPlaying, PlayState::kEmpty, true, true, true)
                .readyAction,
            ReadyAction::kNone);
}

TEST(CdPlayerPlayState, EjectLabelFollowsTheDoor) {
  struct Case {
    PlayState earlier;
    PlayState now;
    bool canEject;
    EjectLabel expected;
  };
  const Case cases[] = {
      {PlayState::kPlaying, PlayState::kEmpty, true, EjectLabel::kLoad},
      {PlayState::kUnknown, PlayState::kEmpty, true, EjectLabel::kUnchanged},  // first poll
      {PlayState::kPlaying, PlayState::kEmpty, false, EjectLabel::kUnchanged},
      {PlayState::kEmpty, PlayState::kReady, true, EjectLabel::kEject},
      {PlayState::kEmpty, PlayState::kReady, false, EjectLabel::kUnchanged},
      {PlayState::kReady, PlayState::kPlaying, true, EjectLabel::kUnchanged},
      {PlayState::kEmpty, PlayState::kDataDisc, true, EjectLabel::kUnchanged},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecidePlayStateChange(c.earlier, c.now, c.canEject, false, false).ejectLabel,
              c.expected)
        << static_cast<int>(c.earlier) << " -> " << static_cast<int>(c.now);
  }
  EXPECT_TRUE(
      DecidePlayStateChange(PlayState::kReady, PlayState::kPlaying, true, false, false)
          .showDiscLength);
}

TEST(CdPlayerPlayState, EjectButtonLoadsOnlyAnEmptyOpenDrive) {
  // The disc went away while the panel watched: the door is open.
  EXPECT_TRUE(EjectButtonLoads(PlayState::kEmpty, PlayState::kReady, true, false));
  // The program (or the user before) opened it and the button says so.
  EXPECT_TRUE(EjectButtonLoads(PlayState::kEmpty, PlayState::kUnknown, true, true));
  // Nothing known about the door yet: Eject opens it.
  EXPECT_FALSE(EjectButtonLoads(PlayState::kEmpty, PlayState::kUnknown, true, false));
  EXPECT_FALSE(EjectButtonLoads(PlayState::kEmpty, PlayState::kReady, false, true));
  EXPECT_FALSE(EjectButtonLoads(PlayState::kReady, PlayState::kEmpty, true, true));
  EXPECT_FALSE(EjectButtonLoads(PlayState::kPlaying, PlayState::kReady, true, true));
}

TEST(CdPlayerTracks, SkipBackLooksAtTheSecondsFieldOnly) {
  struct Case {
    int current;
    int seconds;
    int trackCount;
    int expected;
  };
  const Case cases[] = {
      {1, 2, 12, 12},   // 0:02 into track 1: the last track
      {1, 0, 12, 12},
      {12, 1, 12, 11},  // previous track
      {5, 3, 12, 5},    // from 3 seconds on: the track's own start
      {5, 30, 12, 5},
      {5, 2, 12, 4},    // 1:02 into a track: only the seconds field (2) counts
      {1, 59, 1, 1},
      {1, 1, 1, 1},     // a one-track disc stays on its track
      {0, 0, 8, 8},     // no track yet counts as track 1
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrackForSkipBack(c.current, c.seconds, c.trackCount), c.expected)
        << c.current << " at " << c.seconds << "s of " << c.trackCount;
  }
}

TEST(CdPlayerTracks, SkipForwardWrapsAfterTheLastTrack) {
  EXPECT_EQ(TrackForSkipForward(1, 10), 2);
  EXPECT_EQ(TrackForSkipForward(9, 10), 10);
  EXPECT_EQ(TrackForSkipForward(10, 10), 1);
  EXPECT_EQ(TrackForSkipForward(0, 10), 1);
  EXPECT_EQ(TrackForSkipForward(1, 1), 1);
}

TEST(CdPlayerTracks, PagesWrapBothWays) {
  struct Case {
    int page;
    int pageCount;
    int step;
    int expected;
  };
  const Case cases[] = {
      {0, 2, +1, 1}, {1, 2, +1, 0}, {0, 2, -1, 1}, {1, 2, -1, 0},
      {0, 7, -1, 6}, {6, 7, +1, 0}, {3, 7, +1, 4},
      {0, 1, +1, 0}, {0, 1, -1, 0}, {0, 0, +1, 0},
      {5, 2, +1, 1},  // a page the new disc does not have counts as page 0
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepPage(c.page, c.pageCount, c.step), c.expected)
        << c.page << " of " << c.pageCount << " step " << c.step;
  }
}

TEST(CdPlayerTracks, TwentyTracksOnTwoPages) {
  const TrackButtonLayout first = LayOutTrackButtons(20, PageCountForTracks(20), 0);
  EXPECT_TRUE(first.showPageButtons);
  for (int k = 0; k < 15; ++k) EXPECT_EQ(first.tracks[k], k + 1);

  const TrackButtonLayout second = LayOutTrackButtons(20, PageCountForTracks(20), 1);
  EXPECT_TRUE(second.showPageButtons);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(second.tracks[k], 16 + k);
  for (int k = 5; k < 15; ++k) EXPECT_EQ(second.tracks[k], 0) << k;
}

TEST(CdPlayerTracks, OnePageHasNoPageButtons) {
  for (int tracks : {1, 14, 15}) {
    const TrackButtonLayout layout = LayOutTrackButtons(tracks, PageCountForTracks(tracks), 0);
    EXPECT_FALSE(layout.showPageButtons) << tracks;
    for (int k = 0; k < 15; ++k) EXPECT_EQ(layout.tracks[k], k < tracks ? k + 1 : 0);
  }
  const TrackButtonLayout none = LayOutTrackButtons(0, 0, 0);
  EXPECT_FALSE(none.showPageButtons);
  for (int track : none.tracks) EXPECT_EQ(track, 0);
}

TEST(CdPlayerTracks, HighlightAndPages) {
  EXPECT_EQ(HighlightIndexForTrack(0), 0);
  EXPECT_EQ(HighlightIndexForTrack(1), 0);
  EXPECT_EQ(HighlightIndexForTrack(15), 14);
  EXPECT_EQ(HighlightIndexForTrack(16), 0);
  EXPECT_EQ(HighlightIndexForTrack(99), 8);
  EXPECT_TRUE(IsTrackOnPage(15, 0));
  EXPECT_FALSE(IsTrackOnPage(16, 0));
  EXPECT_TRUE(IsTrackOnPage(16, 1));
  EXPECT_FALSE(IsTrackOnPage(0, 0));
  EXPECT_EQ(TrackForButton(1, 4), 20);
}

TableOfContents ThreeTrackDisc() {
  TableOfContents toc;
  toc.trackCount = 3;
  toc.trackSeconds[0] = 200;
  toc.trackSeconds[1] = 100;
  toc.trackSeconds[2] = 300;
  toc.totalSeconds = 600;
  return toc;
}

TEST(CdPlayerTimes, FourTimesFromThePosition) {
  const TableOfContents toc = ThreeTrackDisc();
  const PlayingTimes start = ComputePlayingTimes(toc, 1, 0);
  EXPECT_EQ(start.intoTrack, 0);
  EXPECT_EQ(start.trackRemaining, 200);
  EXPECT_EQ(start.totalSoFar, 0);
  EXPECT_EQ(start.totalRemaining, 600);

  const PlayingTimes third = ComputePlayingTimes(toc, 3, 62);
  EXPECT_EQ(third.intoTrack, 62);
  EXPECT_EQ(third.trackRemaining, 238);
  EXPECT_EQ(third.totalSoFar, 362);
  EXPECT_EQ(third.totalRemaining, 238);

  EXPECT_EQ(TrackLengthSeconds(toc, 0), 0);
  EXPECT_EQ(TrackLengthSeconds(toc, 4), 0);
  EXPECT_EQ(TrackLengthSeconds(toc, 2), 100);
}

TEST(CdPlayerTimes, BarPreviewStepsAndClamps) {
  struct Case {
    BarScroll scroll;
    int32_t current;
    int32_t thumb;
    int32_t expected;
  };
  const Case cases[] = {
      {BarScroll::kLineRight, 10, 0, 11}, {BarScroll::kLineLeft, 10, 0, 9},
      {BarScroll::kPageRight, 10, 0, 18}, {BarScroll::kPageLeft, 10, 0, 2},
      {BarScroll::kPageLeft, 5, 0, 0},    {BarScroll::kLineLeft, 0, 0, 0},
      {BarScroll::kPageRight, 95, 0, 100}, {BarScroll::kLineRight, 100, 0, 100},
      {BarScroll::kThumbTrack, 10, 42, 42}, {BarScroll::kThumbTrack, 10, 500, 100},
      {BarScroll::kThumbPosition, 10, 42, 10}, {BarScroll::kEndScroll, 10, 42, 10},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PreviewBarPosition(c.scroll, c.current, c.thumb, 100), c.expected)
        << static_cast<int>(c.scroll) << " from " << c.current;
  }
  EXPECT_TRUE(IsBarPreview(BarScroll::kThumbTrack));
  EXPECT_FALSE(IsBarPreview(BarScroll::kEndScroll));
  EXPECT_TRUE(IsBarRelease(BarScroll::kThumbPosition));
  EXPECT_TRUE(IsBarRelease(BarScroll::kEndScroll));
  EXPECT_FALSE(IsBarRelease(BarScroll::kLineLeft));
}

TEST(CdPlayerTimes, SeekLandsOnFrameThirty) {
  const Tmsf target = SeekTarget(4, 125);
  EXPECT_EQ(target, (Tmsf{4, 2, 5, 30}));
  EXPECT_EQ(SeekTarget(1, 0), (Tmsf{1, 0, 0, 30}));
}

}  // namespace
}  // namespace bw
