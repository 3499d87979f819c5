// Play-state derivation and the decisions taken when the state changes.
#include "cd/cd_player_panel_play_state.h"

#include "shell/texts.h"

namespace bw {

const char* PlayStateText(PlayState state) {
  switch (state) {
    case PlayState::kEmpty: return kTextPlayStateEmpty;
    case PlayState::kReady: return kTextPlayStateReady;
    case PlayState::kPlaying: return kTextPlayStatePlaying;
    case PlayState::kPaused: return kTextPlayStatePaused;
    case PlayState::kDataDisc: return kTextPlayStateDataDisc;
    case PlayState::kUnknown: break;
  }
  return "";
}

PlayState DerivePlayState(CdMode mode, bool pauseFlag, bool dataDisc) {
  switch (mode) {
    case CdMode::kNotReady:
    case CdMode::kOpen:
      return PlayState::kEmpty;
    case CdMode::kPlaying:
      return PlayState::kPlaying;
    case CdMode::kStopped:
    case CdMode::kPaused:
      if (pauseFlag) return PlayState::kPaused;
      break;
    case CdMode::kSeeking:
    case CdMode::kOther:
      break;
  }
  return dataDisc ? PlayState::kDataDisc : PlayState::kReady;
}

PlayStateChange DecidePlayStateChange(PlayState earlier, PlayState now, bool canEject,
                                      bool repeatTrack, bool repeatDisc) {
  PlayStateChange change;
  if (now == PlayState::kEmpty && canEject && earlier != PlayState::kUnknown) {
    change.ejectLabel = EjectLabel::kLoad;
  }
  if (now == PlayState::kReady) {
    if (canEject) change.ejectLabel = EjectLabel::kEject;
    if (repeatTrack) {
      change.readyAction = ReadyAction::kReplayCurrentTrack;
    } else if (repeatDisc) {
      change.readyAction = ReadyAction::kPlayFirstTrack;
    } else {
      change.readyAction = ReadyAction::kRefreshDisc;
    }
  }
  change.showDiscLength = now == PlayState::kPlaying;
  return change;
}

bool EjectButtonLoads(PlayState state, PlayState earlier, bool canEject, bool labelReadsLoad) {
  return state == PlayState::kEmpty && canEject &&
         (earlier != PlayState::kUnknown || labelReadsLoad);
}

}  // namespace bw
