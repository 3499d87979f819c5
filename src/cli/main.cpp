// brindwax-cli: the program's core operations from the command line, for scripts and tests.
#include <cstring>
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "db") == 0) return RunDbCommand(argc - 1, argv + 1);
  if (argc >= 2 && std::strcmp(argv[1], "html") == 0) return RunHtmlCommand(argc - 1, argv + 1);
  if (argc >= 2 && std::strcmp(argv[1], "discid") == 0) return RunDiscIdCommand(argc - 1, argv + 1);
  if (argc >= 2 && std::strcmp(argv[1], "xmcd") == 0) return RunXmcdCommand(argc - 1, argv + 1);
  if (argc >= 2 && std::strcmp(argv[1], "mp3info") == 0) return RunMp3InfoCommand(argc - 1, argv + 1);
  if (argc >= 2 && std::strcmp(argv[1], "mediainfo") == 0) {
    return RunMediaInfoCommand(argc - 1, argv + 1);
  }
  std::cerr << "usage: brindwax-cli db FOLDER ...\n"
               "       brindwax-cli discid OFFSET... LEADOUT\n"
               "       brindwax-cli html FOLDER DEST [options]\n"
               "       brindwax-cli xmcd FOLDER INDEX OFFSET... LEADOUT\n"
               "       brindwax-cli mp3info FILE...\n"
               "       brindwax-cli mediainfo [--audio|--midi|--video] FILE...\n";
  return 2;
}
