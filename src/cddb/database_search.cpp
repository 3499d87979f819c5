// The search's pass over the entries' bytes in place. The text search scans each entry's
// fields at once and accepts only a match that lies wholly inside one chosen field; the
// property search hops over the fields to the codes.
#include "cddb/database_search.h"

#include <algorithm>
#include <optional>

#include "base/check.h"
#include "cddb/cddb_texts.h"
#include "cddb/database_scanner.h"
#include "cddb/entry_layout.h"
#include "cddb/text_matcher.h"
#include "cddb/tool_texts.h"

namespace bw {
namespace {

struct Field {
  std::uint32_t at;
  std::uint32_t end;
  std::uint16_t code;
};

class TextSearch {
 public:
  TextSearch(const SearchRequest& request, LowerCaseBytes lowerCase)
      : matcher_(request.text, request.heedCase ? nullptr : lowerCase), fields_(request.fields) {
    anyField_ = std::find(fields_.begin(), fields_.end(), true) != fields_.end();
  }

  bool MatchesNothing() const { return matcher_.Empty() || !anyField_; }

  // The whole variable part of the entry is scanned at once; only a match found there makes
  // the fields be laid out, to see whether it lies wholly inside one chosen field.
  std::optional<std::uint16_t> Test(const EntryBytes& entry) {
    const std::uint32_t begin = dbformat::kTracksAt;
    const std::uint32_t end = entry.size - dbformat::kOwnOffsetSize;
    const std::size_t length = matcher_.Length();
    bool laidOut = false;
    std::size_t field = 0;
    for (std::size_t from = 0;; ) {
      const std::size_t found = matcher_.Find(entry.data + begin, end - begin, from);
      if (found == TextMatcher::kNotFound) return std::nullopt;
      if (!laidOut) {
        // An entry whose fields run astray is passed over; its neighbours are still searched.
        if (!LayOutEntry(entry, &layout_).IsOk()) return std::nullopt;
        CollectFields();
        laidOut = true;
      }
      const std::uint32_t at = begin + static_cast<std::uint32_t>(found);
      while (field < enabled_.size() && enabled_[field].end <= at) ++field;
      if (field == enabled_.size()) return std::nullopt;
      const Field& candidate = enabled_[field];
      if (candidate.at <= at && at + length <= candidate.end) return candidate.code;
      from = found + 1;
    }
  }

  const EntryLayout& Layout() const { return layout_; }

 private:
  void CollectFields() {
    enabled_.clear();
    const auto add = [this](const TextSpan& span, std::uint16_t code) {
      // An empty field matches nothing.
      if (span.length > 0) enabled_.push_back({span.at, span.at + span.length, code});
    };
    if (fields_[static_cast<int>(SearchField::kTrack)]) {
      for (int track = 0; track < layout_.trackCount; ++track) {
        add(layout_.titles[static_cast<std::size_t>(track)], static_cast<std::uint16_t>(track));
      }
    }
    for (int text = 0; text < dbformat::kTextCount; ++text) {
      if (fields_[static_cast<std::size_t>(text) + 1]) {
        add(layout_.texts[static_cast<std::size_t>(text)],
            static_cast<std::uint16_t>(fieldcode::kArtist + text));
      }
    }
    if (fields_[static_cast<int>(SearchField::kYearReleased)]) add(layout_.year, fieldcode::kYearReleased);
  }

  TextMatcher matcher_;
  std::array<bool, kSearchFieldCount> fields_;
  bool anyField_ = false;
  EntryLayout layout_;
  std::vector<Field> enabled_;
};

// The option an entry's codes stand for: recording 0, 1, 2 and any other value are options
// 1 to 4; type likewise 5 to 8; size 0 is option 9 and any other value option 10.
std::optional<std::uint16_t> TestProperty(const EntryBytes& entry, int option) {
  const std::uint32_t codes = CodesOffset(entry);
  if (codes == 0) return std::nullopt;
  const int recording = 1 + std::min<int>(entry.data[codes], 3);
  const int type = 5 + std::min<int>(entry.data[codes + 1], 3);
  const int size = entry.data[codes + 2] == 0 ? 9 : 10;
  if (option != recording && option != type && option != size) return std::nullopt;
  return static_cast<std::uint16_t>(fieldcode::kFirstProperty + option - 1);
}

std::string CaptionOf(const EntryBytes& entry, const EntryLayout& layout) {
  std::string caption(EntryTextOf(entry, layout, EntryText::kArtist));
  caption += kTextCaptionSeparator;
  caption += EntryTextOf(entry, layout, EntryText::kDiscName);
  return caption;
}

}  // namespace

SearchRequest SearchRequestFromSettings(const SearchSettings& settings, std::uint16_t startIndex) {
  SearchRequest request;
  request.textSearch = settings.textSearch;
  request.text = settings.stringMatch;
  request.heedCase = settings.caseSensitive;
  request.fields = {settings.searchTrack,    settings.searchArtist, settings.searchDiscName,
                    settings.searchCategory, settings.searchLabel,  settings.searchNotes,
                    settings.searchYearReleased};
  request.propertyOption = std::clamp(settings.radioSearch, kFirstPropertyOption, kLastPropertyOption);
  request.startIndex = settings.searchEntireDatabase ? 0 : startIndex;
  return request;
}

std::string ItemsFoundText(std::size_t count) {
  std::string text;
  AppendDecimal(count, &text);
  return text + kTextItemsFoundSuffix;
}

Status SearchDatabase(Database& database, const SearchRequest& request, const TextRules& rules,
                      const ProgressCallback& progress, std::vector<SearchHit>* hits) {
  hits->clear();
  TextSearch textSearch(request, rules.lowerCase);
  const auto finish = [&](Status status) {
    if (rules.compareIgnoringCase != nullptr) {
      const TextCompare compare = rules.compareIgnoringCase;
      std::stable_sort(hits->begin(), hits->end(), [compare](const SearchHit& a, const SearchHit& b) {
        return compare(a.caption.c_str(), b.caption.c_str()) < 0;
      });
    }
    if (progress) Report(progress, ProgressKind::kResult, ItemsFoundText(hits->size()));
    return status;
  };
  if (request.textSearch && textSearch.MatchesNothing()) return finish(Status::Ok());

  DatabaseScanner scanner(database);
  Status status = scanner.Open();
  if (!status.IsOk()) return finish(status);
  const std::uint16_t count = scanner.HeaderCount();
  EntryBytes entry;
  EntryLayout layout;
  std::uint16_t index = 0;
  CountTextBuffer countText;
  while ((status = scanner.NextBytes(&entry, &index)).IsOk()) {
    if (index < request.startIndex) continue;
    if (progress) {
      Report(progress, ProgressKind::kCount, countText.Make(index + 1u, count), index + 1u, count);
    }
    const std::optional<std::uint16_t> code = request.textSearch
                                                  ? textSearch.Test(entry)
                                                  : TestProperty(entry, request.propertyOption);
    if (!code) continue;
    if (!request.textSearch && !LayOutEntry(entry, &layout).IsOk()) continue;
    hits->push_back({index, *code, CaptionOf(entry, request.textSearch ? textSearch.Layout() : layout)});
  }
  BW_CHECK(!status.IsOk());
  return finish(status.IsNotFound() ? Status::Ok() : status);
}

}  // namespace bw
