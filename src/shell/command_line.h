// The main program's command line: empty, the CD play forms "/p..." and
// "-p..." that AutoPlay uses, or the path of a media file to open.
#pragma once

#include <string>

enum class CommandLineKind {
  kNormal,     // empty, or a file of a kind the program does not play
  kPlayCd,     // "/play D:" or "-play D:\Track02.cda"
  kMediaFile,  // a WAV, MP3, MID, RMI, AVI, MOV or MPG file
};

struct CommandLine {
  CommandLineKind kind = CommandLineKind::kNormal;
  // kPlayCd: the drive letter (upper case; 0 when the line names none) and
  // the track to play (1-99).
  char cdDrive = 0;
  int track = 1;
  // kMediaFile: the panel mode (50 Audio, 51 MIDI, 52 Video), the file's
  // folder up to and including its last separator, and its name.
  int mediaMode = 0;
  std::string mediaFolder;
  std::string mediaFileName;
};

CommandLine ParseCommandLine(const std::string& text);

// The panel mode of a media file by its extension (case-insensitive): 50 for
// WAV and MP3, 51 for MID and RMI, 52 for AVI, MOV and MPG, 0 for others.
int MediaModeForFileName(const std::string& fileName);
