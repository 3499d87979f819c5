// Reading and writing the virtual drive's description file.
#include "cd/virtual_disc.h"

#include <cctype>
#include <memory>
#include <utility>

namespace bw {
namespace {

constexpr const char* kKeyDrive = "drive";
constexpr const char* kKeyDoor = "door";
constexpr const char* kKeyDisc = "disc";
constexpr const char* kKeyCanEject = "can_eject";
constexpr const char* kKeyFirstTrackAudio = "track1_audio";
constexpr const char* kKeyLengthsToEnd = "lengths_to_disc_end";
constexpr const char* kKeyLastTrackShort = "last_track_one_frame_short";
constexpr const char* kKeyOffsets = "offsets";
constexpr const char* kKeyLeadOut = "leadout";

std::string Trim(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r'))
    --end;
  return text.substr(begin, end - begin);
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool ParseSwitch(const std::string& value, bool* result) {
  const std::string word = Lower(value);
  if (word == "yes" || word == "true" || word == "on" || word == "1") {
    *result = true;
    return true;
  }
  if (word == "no" || word == "false" || word == "off" || word == "0") {
    *result = false;
    return true;
  }
  return false;
}

// A frame number: decimal digits only, at most kVirtualDiscMaxFrame.
bool ParseFrame(const std::string& word, int32_t* frame) {
  if (word.empty() || word.size() > 9) return false;
  int32_t value = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value > kVirtualDiscMaxFrame) return false;
  *frame = value;
  return true;
}

bool ParseOffsets(const std::string& value, std::vector<int32_t>* offsets, std::string* why) {
  offsets->clear();
  std::size_t pos = 0;
  while (pos < value.size()) {
    if (value[pos] == ' ' || value[pos] == '\t' || value[pos] == ',') {
      ++pos;
      continue;
    }
    std::size_t end = pos;
    while (end < value.size() && value[end] != ' ' && value[end] != '\t' && value[end] != ',')
      ++end;
    int32_t frame = 0;
    if (!ParseFrame(value.substr(pos, end - pos), &frame)) {
      *why = "offset is not a frame number from 0 to " + std::to_string(kVirtualDiscMaxFrame);
      return false;
    }
    if (!offsets->empty() && frame <= offsets->back()) {
      *why = "offsets must increase";
      return false;
    }
    if (static_cast<int>(offsets->size()) == kVirtualDiscMaxTracks) {
      *why = "more than " + std::to_string(kVirtualDiscMaxTracks) + " tracks";
      return false;
    }
    offsets->push_back(frame);
    pos = end;
  }
  return true;
}

bool ParseLine(const std::string& key, const std::string& value, VirtualDisc* disc,
               bool* sawLeadOut, std::string* why) {
  if (key == kKeyDrive) {
    if (value.size() != 1 && !(value.size() == 2 && value[1] == ':')) {
      *why = "drive must be one letter";
      return false;
    }
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(value[0])));
    if (letter < 'A' || letter > 'Z') {
      *why = "drive must be one letter";
      return false;
    }
    disc->driveLetter = letter;
    return true;
  }
  if (key == kKeyDoor) {
    const std::string word = Lower(value);
    if (word != "open" && word != "closed") {
      *why = "door must be open or closed";
      return false;
    }
    disc->doorOpen = word == "open";
    return true;
  }
  if (key == kKeyDisc) {
    const std::string word = Lower(value);
    if (word != "present" && word != "absent") {
      *why = "disc must be present or absent";
      return false;
    }
    disc->discPresent = word == "present";
    return true;
  }
  bool* flag = nullptr;
  if (key == kKeyCanEject) flag = &disc->canEject;
  if (key == kKeyFirstTrackAudio) flag = &disc->firstTrackAudio;
  if (key == kKeyLengthsToEnd) flag = &disc->lengthsRunToDiscEnd;
  if (key == kKeyLastTrackShort) flag = &disc->lastTrackOneFrameShort;
  if (flag != nullptr) {
    if (!ParseSwitch(value, flag)) {
      *why = key + " must be yes or no";
      return false;
    }
    return true;
  }
  if (key == kKeyOffsets) return ParseOffsets(value, &disc->trackOffsets, why);
  if (key == kKeyLeadOut) {
    if (!ParseFrame(value, &disc->leadOut)) {
      *why = "leadout is not a frame number from 0 to " + std::to_string(kVirtualDiscMaxFrame);
      return false;
    }
    *sawLeadOut = true;
    return true;
  }
  *why = "unknown key \"" + key + "\"";
  return false;
}

const char* YesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace

bool operator==(const VirtualDisc& a, const VirtualDisc& b) {
  return a.driveLetter == b.driveLetter && a.doorOpen == b.doorOpen &&
         a.discPresent == b.discPresent && a.canEject == b.canEject &&
         a.firstTrackAudio == b.firstTrackAudio &&
         a.lengthsRunToDiscEnd == b.lengthsRunToDiscEnd &&
         a.lastTrackOneFrameShort == b.lastTrackOneFrameShort &&
         a.trackOffsets == b.trackOffsets && a.leadOut == b.leadOut;
}

bool ParseVirtualDisc(const std::string& text, VirtualDisc* disc, std::string* error) {
  *disc = VirtualDisc();
  if (text.size() > kVirtualDiscMaxFileSize) {
    *error = "description is larger than " + std::to_string(kVirtualDiscMaxFileSize) + " bytes";
    return false;
  }
  bool sawLeadOut = false;
  std::size_t lineStart = 0;
  for (int lineNumber = 1; lineStart < text.size(); ++lineNumber) {
    std::size_t lineEnd = text.find('\n', lineStart);
    if (lineEnd == std::string::npos) lineEnd = text.size();
    const std::string line = Trim(text.substr(lineStart, lineEnd - lineStart));
    lineStart = lineEnd + 1;
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;

    const std::size_t equals = line.find('=');
    std::string why;
    if (equals == std::string::npos) {
      why = "expected key = value";
    } else {
      const std::string key = Lower(Trim(line.substr(0, equals)));
      const std::string value = Trim(line.substr(equals + 1));
      ParseLine(key, value, disc, &sawLeadOut, &why);
    }
    if (!why.empty()) {
      *error = "line " + std::to_string(lineNumber) + ": " + why;
      return false;
    }
  }

  if (disc->trackOffsets.empty() != !sawLeadOut) {
    *error = "offsets and leadout go together";
    return false;
  }
  if (disc->discPresent && disc->trackOffsets.empty()) {
    *error = "a disc that is present needs offsets and a leadout";
    return false;
  }
  if (!disc->trackOffsets.empty() && disc->leadOut <= disc->trackOffsets.back()) {
    *error = "leadout must come after the last track's offset";
    return false;
  }
  return true;
}

std::string FormatVirtualDisc(const VirtualDisc& disc) {
  std::string text = "# Brindlewax virtual CD drive\n";
  text += std::string(kKeyDrive) + " = " + disc.driveLetter + "\n";
  text += std::string(kKeyDoor) + " = " + (disc.doorOpen ? "open" : "closed") + "\n";
  text += std::string(kKeyDisc) + " = " + (disc.discPresent ? "present" : "absent") + "\n";
  text += std::string(kKeyCanEject) + " = " + YesNo(disc.canEject) + "\n";
  text += std::string(kKeyFirstTrackAudio) + " = " + YesNo(disc.firstTrackAudio) + "\n";
  text += std::string(kKeyLengthsToEnd) + " = " + YesNo(disc.lengthsRunToDiscEnd) + "\n";
  text += std::string(kKeyLastTrackShort) + " = " + YesNo(disc.lastTrackOneFrameShort) + "\n";
  if (!disc.trackOffsets.empty()) {
    text += std::string(kKeyOffsets) + " =";
    for (int32_t offset : disc.trackOffsets) text += " " + std::to_string(offset);
    text += "\n";
    text += std::string(kKeyLeadOut) + " = " + std::to_string(disc.leadOut) + "\n";
  }
  return text;
}

Status WriteVirtualDiscFile(FileSystem& fileSystem, const std::string& path,
                            const VirtualDisc& disc) {
  const std::string text = FormatVirtualDisc(disc);
  const std::string partPath = path + ".part";
  {
    std::unique_ptr<File> file;
    Status status = fileSystem.Open(partPath, OpenMode::kCreateTruncate, &file);
    if (!status.IsOk()) return status;
    status = file->WriteAt(0, text.data(), text.size());
    if (!status.IsOk()) return status;
  }
  return fileSystem.Rename(partPath, path);
}

Status WriteVirtualDiscFile(const std::string& path, const VirtualDisc& disc) {
  return WriteVirtualDiscFile(DefaultFileSystem(), path, disc);
}

Status ReadVirtualDiscFile(FileSystem& fileSystem, const std::string& path, VirtualDisc* disc) {
  std::unique_ptr<File> file;
  Status status = fileSystem.Open(path, OpenMode::kRead, &file);
  if (!status.IsOk()) return status;
  std::uint64_t size = 0;
  status = file->GetSize(&size);
  if (!status.IsOk()) return status;
  if (size > kVirtualDiscMaxFileSize) {
    return Status::Corrupt(path + ": description is larger than " +
                           std::to_string(kVirtualDiscMaxFileSize) + " bytes");
  }
  std::string text(static_cast<std::size_t>(size), '\0');
  std::size_t bytesRead = 0;
  status = file->ReadAt(0, text.data(), text.size(), &bytesRead);
  if (!status.IsOk()) return status;
  text.resize(bytesRead);
  std::string error;
  if (!ParseVirtualDisc(text, disc, &error)) return Status::Corrupt(path + ": " + error);
  return Status::Ok();
}

VirtualDisc MakeVirtualDisc(char driveLetter, std::vector<int32_t> trackOffsets,
                            int32_t leadOut) {
  VirtualDisc disc;
  disc.driveLetter = driveLetter;
  disc.trackOffsets = std::move(trackOffsets);
  disc.leadOut = leadOut;
  return disc;
}

}  // namespace bw
