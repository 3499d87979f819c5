// A table of contents given on the command line as the frame offsets of the track starts
// (two-second lead-in included) followed by the lead-out frame.
#pragma once

#include <string>
#include <vector>

#include "cd/table_of_contents.h"

// False, with the reason in *error, for a word that is no frame number, frames that do not
// increase, fewer than two frames or more than 99 tracks.
bool ParseTocArguments(const std::vector<std::string>& words, bw::TableOfContents* toc,
                       std::string* error);
