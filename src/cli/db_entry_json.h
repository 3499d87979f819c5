// Catalogue entries as the command-line tool reads and prints them: JSON objects with UTF-8
// texts, converted to and from the file's Windows-1252 bytes.
#pragma once

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "cddb/disc_entry.h"

namespace bw {

struct EntryInput {
  DiscProfile profile;
  std::unique_ptr<TitleTable> titles = std::make_unique<TitleTable>();
  EntryDetails details;
};

// Reads {"total_seconds", "track_seconds", "titles", "artist", "disc_name", "category",
// "label", "notes", "recording", "type", "size", "year_released"}; only track_seconds matters,
// the rest default (total = sum of the tracks, texts empty, codes 0, 0, 1). False, with the
// reason in *error, for anything the file cannot hold.
bool EntryFromJson(const nlohmann::json& json, EntryInput* entry, std::string* error);

nlohmann::ordered_json EntryToJson(const CdEntry& entry);

}  // namespace bw
