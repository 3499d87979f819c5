// Checking a new file name.
#include "filetools/file_rename.h"

#include <cctype>

#include "filetools/file_tool_paths.h"
#include "filetools/file_tool_texts.h"
#include "shell/texts.h"

namespace bw {

RenamePlan PlanRename(FileSystem& files, const std::string& source, const std::string& typedName) {
  const std::size_t first = typedName.find_first_not_of(" \t");
  const std::size_t last = typedName.find_last_not_of(" \t");
  const std::string name =
      first == std::string::npos ? std::string() : typedName.substr(first, last - first + 1);
  RenamePlan plan;
  if (!IsValidFileName(name)) return plan;
  plan.target = InFolder(FolderPart(source), name);
  if (name == NamePart(source)) {
    plan.check = RenameCheck::kUnchanged;
  } else if (plan.target.size() > kFileToolPathLimit) {
    plan.check = RenameCheck::kTooLong;
  } else if (!IsSamePath(source, plan.target) && files.Exists(plan.target)) {
    plan.check = RenameCheck::kNameTaken;
  } else {
    plan.check = RenameCheck::kReady;
  }
  return plan;
}

std::string RenameRefusal(RenameCheck check) {
  switch (check) {
    case RenameCheck::kInvalidName: return kTextInvalidFileName;
    case RenameCheck::kTooLong: return kTextInvalidPath;
    case RenameCheck::kNameTaken: return kTextNameTaken;
    case RenameCheck::kReady:
    case RenameCheck::kUnchanged: break;
  }
  return std::string();
}

}  // namespace bw
