// The subcommands of brindwax-cli, each in its own file; main picks one by its first word.
// Each gets the arguments from its own name on: argv[0] is its name ("db", "discid", ...).
#pragma once

// brindwax-cli db ...: the CD catalogue.
int RunDbCommand(int argc, char** argv);

// brindwax-cli discid OFFSET... LEADOUT: the freedb disc ID of a table of contents.
int RunDiscIdCommand(int argc, char** argv);

// brindwax-cli xmcd FOLDER INDEX OFFSET... LEADOUT: the record a catalogue entry is submitted as.
int RunXmcdCommand(int argc, char** argv);

// brindwax-cli mp3info FILE...: the five texts of an MP3 file's first frame header.
int RunMp3InfoCommand(int argc, char** argv);

// brindwax-cli mediainfo [--audio|--midi|--video] FILE...: the file information dialogs' fields.
int RunMediaInfoCommand(int argc, char** argv);

// brindwax-cli html FOLDER DEST [options]: the catalogue's web pages.
int RunHtmlCommand(int argc, char** argv);
