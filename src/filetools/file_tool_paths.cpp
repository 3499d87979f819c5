// Comparing, splitting and checking the file tools' paths.
#include "filetools/file_tool_paths.h"

#include <cctype>
#include <vector>

namespace bw {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// How many leading characters name the volume: "C:" is 2, "\\server\share" its whole length;
// 0 when the path has no volume.
std::size_t VolumeLength(std::string_view path) {
  if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') {
    return 2;
  }
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    std::size_t at = 2;
    for (int part = 0; part < 2; ++part) {
      while (at < path.size() && IsSeparator(path[at])) ++at;
      while (at < path.size() && !IsSeparator(path[at])) ++at;
    }
    return at;
  }
  return 0;
}

}  // namespace

std::string ComparablePath(std::string_view path) {
  const std::size_t volumeLength = VolumeLength(path);
  std::string result;
  if (volumeLength >= 2 && path[1] != ':') {
    result = "\\\\";
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = 2; i < volumeLength; ++i) {
      if (IsSeparator(path[i])) {
        if (!part.empty()) parts.push_back(part);
        part.clear();
      } else {
        part += Upper(path[i]);
      }
    }
    if (!part.empty()) parts.push_back(part);
    for (std::size_t i = 0; i < parts.size(); ++i) result += (i ? "\\" : "") + parts[i];
  } else {
    for (std::size_t i = 0; i < volumeLength; ++i) result += Upper(path[i]);
  }

  std::vector<std::string> steps;
  std::string step;
  const auto endStep = [&] {
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
    step.clear();
  };
  for (std::size_t i = volumeLength; i < path.size(); ++i) {
    if (IsSeparator(path[i])) {
      endStep();
    } else {
      step += Upper(path[i]);
    }
  }
  endStep();
  for (const std::string& name : steps) result += "\\" + name;
  if (steps.empty() && volumeLength == 2 && path[1] == ':') result += "\\";
  return result;
}

bool IsSamePath(std::string_view a, std::string_view b) {
  return ComparablePath(a) == ComparablePath(b);
}

std::string VolumeOf(std::string_view path) {
  const std::size_t length = VolumeLength(path);
  if (length == 0) return std::string();
  std::string volume = ComparablePath(path.substr(0, length));
  if (volume.size() == 3 && volume[1] == ':') volume.pop_back();  // "C:\" is the volume "C:"
  return volume;
}

std::string FolderPart(std::string_view path) {
  const std::size_t last = path.find_last_of("\\/");
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string NamePart(std::string_view path) {
  const std::size_t last = path.find_last_of("\\/");
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string InFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && !IsSeparator(path.back())) path += '\\';
  return path + std::string(name);
}

bool IsValidFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32) return false;
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
  }
  return name.back() != ' ' && name.back() != '.';
}

bool IsFolder(FileSystem& files, const std::string& path) {
  if (!files.Exists(path)) return false;
  FileInfo info;
  return files.GetFileInfo(path, &info).IsInvalidArgument();
}

}  // namespace bw
