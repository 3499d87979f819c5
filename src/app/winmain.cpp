// The main program's entry: assembles the program from its subsystems, naming each one's
// entry, and runs it. This is the only file that knows every subsystem.
#include <windows.h>

#include "cd/cd_player_panel.h"
#include "filetools/editor_selection_dialog.h"
#include "filetools/volume_mixer_dialog.h"
#include "freedb/internet_binding.h"
#include "freedb/query_controller.h"
#include "media/media_panel.h"
#include "shell/program_parts.h"
#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  ProgramParts parts;
  parts.panels[kAudioTab] = CreateAudioPanel;
  parts.panels[kMidiTab] = CreateMidiPanel;
  parts.panels[kVideoTab] = CreateVideoPanel;
  parts.panels[kCdPlayerTab] = CreateCdPlayerPanel;
  parts.stopMediaPlayback = StopMediaPlayback;
  parts.stopFreedbQuery = bw::freedb::AbortQuery;
  parts.runEditorSelection = RunEditorSelection;
  parts.runVolumeMixerSelection = [](HWND owner) { RunVolumeMixerDialog(owner); };
  parts.startVolumeMixer = StartVolumeMixer;

  // A failure leaves the internet library unbound; the operations that need it say so.
  bw::freedb::BindInternetLibrary();
  const int exitCode = RunBrindlewax(instance, commandLine, showCommand, parts);
  bw::freedb::UnbindInternetLibrary();
  return exitCode;
}
