// Parser of the main program's command line.
#include "shell/command_line.h"

#include <cctype>

#include "shell/program_mode.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Trimmed(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsSpace(text[begin])) ++begin;
  while (end > begin && IsSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// A path may come in double quotes (the shell quotes paths with blanks).
std::string Unquoted(const std::string& text) {
  std::string result = text;
  if (!result.empty() && result.front() == '"') result.erase(0, 1);
  if (!result.empty() && result.back() == '"') result.pop_back();
  return result;
}

char UpperLetter(char c) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return (upper >= 'A' && upper <= 'Z') ? upper : 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "/play D:" names the drive by the line's seventh character.
void ParseSlashPlay(const std::string& line, CommandLine& result) {
  result.track = 1;
  result.cdDrive = line.size() > 6 ? UpperLetter(line[6]) : 0;
}

// "-play D:\Track02.cda" is read from its end: the track number is the two
// characters 6 and 5 from the end, the drive letter the character 14 from the
// end. A closing quote around the file name is not counted.
void ParseDashPlay(const std::string& line, CommandLine& result) {
  std::string text = line;
  if (!text.empty() && text.back() == '"') text.pop_back();
  const std::size_t size = text.size();
  result.cdDrive = size >= 14 ? UpperLetter(text[size - 14]) : 0;
  result.track = 1;
  if (size >= 6 && IsDigit(text[size - 6]) && IsDigit(text[size - 5])) {
    const int track = (text[size - 6] - '0') * 10 + (text[size - 5] - '0');
    if (track >= 1 && track <= 99) result.track = track;
  }
}

}  // namespace

int MediaModeForFileName(const std::string& fileName) {
  const std::size_t dot = fileName.find_last_of('.');
  if (dot == std::string::npos) return 0;
  std::string extension = fileName.substr(dot + 1);
  if (extension.size() != 3) return 0;
  for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (extension == "WAV" || extension == "MP3") return kModeAudio;
  if (extension == "MID" || extension == "RMI") return kModeMidi;
  if (extension == "AVI" || extension == "MOV" || extension == "MPG") return kModeVideo;
  return 0;
}

CommandLine ParseCommandLine(const std::string& text) {
  CommandLine result;
  const std::string line = Trimmed(text);
  if (line.empty()) return result;

  if (line.size() >= 2 && (line[0] == '/' || line[0] == '-') &&
      (line[1] == 'p' || line[1] == 'P')) {
    result.kind = CommandLineKind::kPlayCd;
    if (line[0] == '/') {
      ParseSlashPlay(line, result);
    } else {
      ParseDashPlay(line, result);
    }
    return result;
  }

  const std::string path = Unquoted(line);
  const std::size_t separator = path.find_last_of("\\/");
  const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  const int mode = MediaModeForFileName(name);
  if (mode == 0) return result;
  result.kind = CommandLineKind::kMediaFile;
  result.mediaMode = mode;
  result.mediaFolder = separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
  result.mediaFileName = name;
  return result;
}
