// The subcommands of brindwax-cli, each in its own file; main picks one by its first word.
// Each gets the arguments from its own name on: argv[0] is "db" or "discid".
#pragma once

// brindwax-cli db ...: the CD catalogue.
int RunDbCommand(int argc, char** argv);

// brindwax-cli discid OFFSET... LEADOUT: the freedb disc ID of a table of contents.
int RunDiscIdCommand(int argc, char** argv);
