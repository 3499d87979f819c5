// Short sound effects: WAV files in RCDATA resources 1 to 26 of the main program, played from
// memory when sound effects are on (g_soundControls).
#pragma once

enum class SoundWait { kNo, kYes };

// Plays sound effect `number`; asynchronously unless told to wait (only the exit sound waits).
// A missing resource plays nothing. The resource stays held until the next sound.
void PlaySoundEffect(int number, SoundWait wait = SoundWait::kNo);

// Stops a playing effect and lets go of the last resource (at shutdown).
void ReleaseSoundEffect();
