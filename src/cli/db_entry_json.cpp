// JSON <-> catalogue entry for brindwax-cli db.
#include "cli/db_entry_json.h"

#include <set>

#include "cddb/database_format.h"
#include "cddb/windows1252.h"

namespace bw {
namespace {

bool ReadNumber(const nlohmann::json& value, const std::string& name, unsigned max,
                unsigned* out, std::string* error) {
  if (!value.is_number_integer() || value.get<long long>() < 0 ||
      value.get<long long>() > static_cast<long long>(max)) {
    *error = name + " must be a whole number from 0 to " + std::to_string(max);
    return false;
  }
  *out = value.get<unsigned>();
  return true;
}

// A UTF-8 JSON string as the Windows-1252 bytes the file stores, at most 255 of them.
bool ReadText(const nlohmann::json& value, const std::string& name, std::string* out,
              std::string* error) {
  if (!value.is_string()) {
    *error = name + " must be a string";
    return false;
  }
  std::string reason;
  if (!Utf8ToWindows1252(value.get<std::string>(), out, &reason)) {
    *error = name + ": " + reason;
    return false;
  }
  if (out->size() > dbformat::kMaxTextLength) {
    *error = name + " is " + std::to_string(out->size()) +
             " bytes long in Windows-1252; at most 255 fit";
    return false;
  }
  return true;
}

const std::set<std::string> kKnownFields = {
    "total_seconds", "first_track_seconds", "track_seconds", "titles", "artist", "disc_name",
    "category", "label", "notes", "recording", "type", "size", "year_released"};

}  // namespace

bool EntryFromJson(const nlohmann::json& json, EntryInput* entry, std::string* error) {
  if (!json.is_object()) {
    *error = "the entry must be a JSON object";
    return false;
  }
  for (const auto& item : json.items()) {
    if (!kKnownFields.count(item.key())) {
      *error = "unknown field \"" + item.key() + "\"";
      return false;
    }
  }

  const nlohmann::json noTracks = nlohmann::json::array();
  const nlohmann::json& tracks = json.contains("track_seconds") ? json["track_seconds"] : noTracks;
  if (!tracks.is_array()) {
    *error = "track_seconds must be an array of whole numbers";
    return false;
  }
  if (tracks.size() > static_cast<std::size_t>(dbformat::kMaxTracks)) {
    *error = "a disc holds at most 99 tracks, not " + std::to_string(tracks.size());
    return false;
  }
  DiscProfile& profile = entry->profile;
  profile = DiscProfile();
  profile.trackCount = static_cast<int>(tracks.size());
  unsigned sum = 0;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    unsigned seconds = 0;
    if (!ReadNumber(tracks[i], "track_seconds[" + std::to_string(i) + "]", 0xFFFF, &seconds,
                    error)) {
      return false;
    }
    profile.trackSeconds[i] = static_cast<std::uint16_t>(seconds);
    sum += seconds;
  }
  unsigned total = sum;
  if (json.contains("total_seconds")) {
    if (!ReadNumber(json["total_seconds"], "total_seconds", 0xFFFF, &total, error)) return false;
  } else if (sum > 0xFFFF) {
    *error = "the tracks add up to " + std::to_string(sum) +
             " seconds, more than total_seconds can hold; give total_seconds";
    return false;
  }
  profile.totalSeconds = static_cast<std::uint16_t>(total);
  if (json.contains("first_track_seconds")) {
    unsigned first = 0;
    if (!ReadNumber(json["first_track_seconds"], "first_track_seconds", 0xFFFF, &first, error)) {
      return false;
    }
    // A disc without tracks keeps whatever first track length its entry stored.
    if (profile.trackCount == 0) profile.trackSeconds[0] = static_cast<std::uint16_t>(first);
    if (first != profile.FirstTrackSeconds()) {
      *error = "first_track_seconds is the first track's length, " +
               std::to_string(profile.FirstTrackSeconds());
      return false;
    }
  }

  entry->titles->Clear();
  if (json.contains("titles")) {
    const nlohmann::json& titles = json["titles"];
    if (!titles.is_array() || titles.size() != tracks.size()) {
      *error = "titles must be an array with one title per track (" +
               std::to_string(tracks.size()) + ")";
      return false;
    }
    for (std::size_t i = 0; i < titles.size(); ++i) {
      std::string title;
      if (!ReadText(titles[i], "titles[" + std::to_string(i) + "]", &title, error)) return false;
      if (title.find('\0') != std::string::npos) {
        *error = "titles[" + std::to_string(i) + "] holds a NUL character";
        return false;
      }
      entry->titles->Set(static_cast<int>(i), title);
    }
  }

  EntryDetails& details = entry->details;
  details = EntryDetails();
  const std::pair<const char*, std::string*> texts[] = {
      {"artist", &details.artist},     {"disc_name", &details.discName},
      {"category", &details.category}, {"label", &details.label},
      {"notes", &details.notes},       {"year_released", &details.yearReleased}};
  for (const auto& [name, text] : texts) {
    if (json.contains(name) && !ReadText(json[name], name, text, error)) return false;
  }
  const std::pair<const char*, std::uint8_t*> codes[] = {
      {"recording", &details.recording}, {"type", &details.type}, {"size", &details.size}};
  for (const auto& [name, code] : codes) {
    if (!json.contains(name)) continue;
    unsigned value = 0;
    if (!ReadNumber(json[name], name, 255, &value, error)) return false;
    *code = static_cast<std::uint8_t>(value);
  }
  return true;
}

nlohmann::ordered_json EntryToJson(const CdEntry& entry) {
  nlohmann::ordered_json json;
  json["total_seconds"] = entry.profile.totalSeconds;
  json["first_track_seconds"] = entry.firstTrackSeconds;
  json["track_seconds"] = nlohmann::ordered_json::array();
  for (int i = 0; i < entry.profile.trackCount; ++i) {
    json["track_seconds"].push_back(entry.profile.trackSeconds[i]);
  }
  json["titles"] = nlohmann::ordered_json::array();
  for (const std::string& title : entry.titles) json["titles"].push_back(Windows1252ToUtf8(title));
  const EntryDetails& d = entry.details;
  json["artist"] = Windows1252ToUtf8(d.artist);
  json["disc_name"] = Windows1252ToUtf8(d.discName);
  json["category"] = Windows1252ToUtf8(d.category);
  json["label"] = Windows1252ToUtf8(d.label);
  json["notes"] = Windows1252ToUtf8(d.notes);
  json["recording"] = d.recording;
  json["type"] = d.type;
  json["size"] = d.size;
  json["year_released"] = Windows1252ToUtf8(d.yearReleased);
  return json;
}

}  // namespace bw
