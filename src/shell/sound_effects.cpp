// Sound effects from the program's RCDATA resources, played from memory.
#include "shell/sound_effects.h"

#include <windows.h>
#include <mmsystem.h>

#include "shell/look_and_feel.h"
#include "shell/program_state.h"

namespace {

// The resource of the sound playing (or played last). Resources of a loaded module stay mapped,
// so an asynchronous sound never outlives its data; holding it keeps the order of release plain.
HGLOBAL lastSound = nullptr;

void ForgetLastSound() {
  if (lastSound != nullptr) FreeResource(lastSound);
  lastSound = nullptr;
}

}  // namespace

void PlaySoundEffect(int number, SoundWait wait) {
  if (!g_settings.main.soundControls || g_instance == nullptr) return;
  HRSRC found = FindResourceA(g_instance, MAKEINTRESOURCEA(number), RT_RCDATA);
  if (found == nullptr) return;
  HGLOBAL loaded = LoadResource(g_instance, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return;
  UINT flags = SND_MEMORY | SND_NODEFAULT | (wait == SoundWait::kYes ? SND_SYNC : SND_ASYNC);
  sndPlaySoundA(static_cast<LPCSTR>(data), flags);
  if (loaded != lastSound) ForgetLastSound();
  lastSound = loaded;
}

void ReleaseSoundEffect() {
  sndPlaySoundA(nullptr, 0);  // stops an effect still playing
  ForgetLastSound();
}
