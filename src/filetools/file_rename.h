// Renaming one file of a media folder: the typed name is checked before anything happens,
// and a rename never replaces another file.
#pragma once

#include <string>

#include "base/file_system.h"

namespace bw {

enum class RenameCheck {
  kReady,        // `target` may be renamed to
  kUnchanged,    // the same name, letter for letter: nothing to do
  kInvalidName,  // see IsValidFileName
  kTooLong,      // the new path would pass 259 characters
  kNameTaken,    // another file or folder has that name
};

struct RenamePlan {
  RenameCheck check = RenameCheck::kInvalidName;
  std::string target;  // the new full path
};

// `typedName` without its surrounding blanks becomes the new name of `source` in its own
// folder. Changing only the case of letters is a rename of its own.
RenamePlan PlanRename(FileSystem& files, const std::string& source, const std::string& typedName);

// The text for a plan that cannot go ahead ("Invalid path!" for kTooLong); empty otherwise.
std::string RenameRefusal(RenameCheck check);

}  // namespace bw
