// The CD Player panel's play state: what the once-a-second poll derives from the drive, and what
// a change of state asks the panel to do. Pure decisions; the panel window carries them out.
#pragma once

#include <cstdint>

#include "cd/cd_drive.h"

namespace bw {

// Codes as the panel keeps them; kUnknown only before the first poll (or after Eject forgot
// the earlier state).
enum class PlayState : int16_t {
  kUnknown = -1,
  kEmpty = 0,
  kReady = 1,
  kPlaying = 2,
  kPaused = 3,
  kDataDisc = 4,
};

// "Empty", "Ready", "Playing", "Paused", "Data disc loaded"; empty for kUnknown.
const char* PlayStateText(PlayState state);

// Not ready or door open: Empty. Playing: Playing. Stopped while the program holds the pause
// flag: Paused (a paused audio CD reports "stopped"; a drive that reports "paused" counts the
// same). Anything else: Ready, or Data disc loaded for a data disc.
PlayState DerivePlayState(CdMode mode, bool pauseFlag, bool dataDisc);

// Play, the skips and the track buttons do nothing without an audio disc in the drive.
inline bool AcceptsPlayCommands(PlayState state) {
  return state != PlayState::kEmpty && state != PlayState::kDataDisc;
}

enum class EjectLabel { kUnchanged, kEject, kLoad };

// What reaching Ready asks for: play the current track again (repeat track), play track 1
// (repeat disc), or settle (clear the displays, show the disc, reread the table of contents
// and the titles).
enum class ReadyAction { kNone, kReplayCurrentTrack, kPlayFirstTrack, kRefreshDisc };

struct PlayStateChange {
  EjectLabel ejectLabel = EjectLabel::kUnchanged;
  ReadyAction readyAction = ReadyAction::kNone;
  bool showDiscLength = false;  // on Playing
};

// `earlier` is the state before this change (kUnknown when none was seen since the panel was
// made or since Eject).
PlayStateChange DecidePlayStateChange(PlayState earlier, PlayState now, bool canEject,
                                      bool repeatTrack, bool repeatDisc);

// The Eject/Load button closes the door only when the drive shows Empty, can eject, and the
// door is known to be open: an earlier state was seen (the disc went away) or the button
// already reads "Load" (the program opened the door, or the user did so before).
bool EjectButtonLoads(PlayState state, PlayState earlier, bool canEject, bool labelReadsLoad);

}  // namespace bw
