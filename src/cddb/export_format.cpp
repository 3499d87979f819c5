// The export's two forms of an entry.
#include "cddb/export_format.h"

#include <algorithm>
#include <string_view>

#include "cddb/cddb_texts.h"
#include "cddb/tool_texts.h"

namespace bw {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool Has(const ExportItems& items, ExportItem item) { return items[static_cast<int>(item)]; }

// The texts after the tracks, in their written order, with their items.
struct TrailingText {
  ExportItem item;
  EntryText text;
};
constexpr TrailingText kTrailingTexts[] = {
    {ExportItem::kCategory, EntryText::kCategory},
    {ExportItem::kLabel, EntryText::kLabel},
    {ExportItem::kNotes, EntryText::kNotes},
};

// The items of one delimited line: a comma before each item once anything stands on the line.
class DelimitedLine {
 public:
  explicit DelimitedLine(std::string* out) : out_(out) {}

  void Quoted(std::string_view text) {
    Separate();
    out_->push_back('"');
    std::size_t from = 0;
    for (std::size_t quote; (quote = text.find('"', from)) != std::string_view::npos; from = quote + 1) {
      out_->append(text.data() + from, quote + 1 - from);
      out_->push_back('"');
    }
    out_->append(text.data() + from, text.size() - from);
    out_->push_back('"');
  }
  void Bare(std::string_view text) {
    Separate();
    out_->append(text.data(), text.size());
  }
  void Number(std::uint32_t value) {
    Separate();
    AppendDecimal(value, out_);
  }
  void Time(std::uint32_t seconds) {
    Separate();
    AppendMinutesSeconds(seconds, out_);
  }
  // The comma after a track length, which leaves an empty item behind it.
  void ExtraComma() { out_->push_back(','); }
  void End() { out_->append(kLineEnd.data(), kLineEnd.size()); }

 private:
  void Separate() {
    if (any_) out_->push_back(',');
    any_ = true;
  }

  std::string* out_;
  bool any_ = false;
};

}  // namespace

const char* RecordingName(std::uint8_t code) { return kTextRecordingNames[std::min<int>(code, 3)]; }
const char* TypeName(std::uint8_t code) { return kTextTypeNames[std::min<int>(code, 3)]; }
const char* SizeName(std::uint8_t code) { return code == 0 ? kTextSize3Inch : kTextSize5Inch; }

void AppendPlainEntry(const EntryBytes& entry, const EntryLayout& layout, const ExportItems& items,
                      std::string* out) {
  const auto line = [out](std::string_view text) {
    out->append(text.data(), text.size());
    out->append(kLineEnd.data(), kLineEnd.size());
  };
  if (Has(items, ExportItem::kArtist)) line(EntryTextOf(entry, layout, EntryText::kArtist));
  const bool writesLength = Has(items, ExportItem::kDiscLength) && layout.totalSeconds != 0;
  if (Has(items, ExportItem::kDiscName)) {
    const std::string_view name = EntryTextOf(entry, layout, EntryText::kDiscName);
    out->append(name.data(), name.size());
    if (writesLength) {
      out->push_back(' ');
    } else {
      out->append(kLineEnd.data(), kLineEnd.size());
    }
  }
  if (writesLength) {
    AppendMinutesSeconds(layout.totalSeconds, out);
    out->append(kLineEnd.data(), kLineEnd.size());
  }
  const bool number = Has(items, ExportItem::kTrackNumber);
  const bool name = Has(items, ExportItem::kTrackName);
  const bool length = Has(items, ExportItem::kTrackLength);
  if (number || name || length) {
    for (int track = 0; track < layout.trackCount; ++track) {
      if (number) AppendDecimal(static_cast<std::uint32_t>(track) + 1, out);
      if (name) {
        if (number) out->push_back(' ');
        const std::string_view title = SpanText(entry, layout.titles[static_cast<std::size_t>(track)]);
        out->append(title.data(), title.size());
      }
      if (length) {
        if (number || name) out->push_back(' ');
        AppendMinutesSeconds(TrackSecondsOf(entry, layout, track), out);
      }
      out->append(kLineEnd.data(), kLineEnd.size());
    }
  }
  for (const TrailingText& trailing : kTrailingTexts) {
    if (Has(items, trailing.item)) line(EntryTextOf(entry, layout, trailing.text));
  }
  if (Has(items, ExportItem::kRecording)) line(RecordingName(CodeOf(entry, layout, 0)));
  if (Has(items, ExportItem::kType)) line(TypeName(CodeOf(entry, layout, 1)));
  if (Has(items, ExportItem::kSize)) line(SizeName(CodeOf(entry, layout, 2)));
  if (Has(items, ExportItem::kYearReleased)) line(SpanText(entry, layout.year));
  out->append(kLineEnd.data(), kLineEnd.size());
}

void AppendDelimitedEntry(const EntryBytes& entry, const EntryLayout& layout,
                          const ExportItems& items, std::string* out) {
  DelimitedLine line(out);
  if (Has(items, ExportItem::kArtist)) line.Quoted(EntryTextOf(entry, layout, EntryText::kArtist));
  if (Has(items, ExportItem::kDiscName)) {
    line.Quoted(EntryTextOf(entry, layout, EntryText::kDiscName));
  }
  if (Has(items, ExportItem::kDiscLength) && layout.totalSeconds != 0) line.Time(layout.totalSeconds);
  for (int track = 0; track < layout.trackCount; ++track) {
    if (Has(items, ExportItem::kTrackNumber)) line.Number(static_cast<std::uint32_t>(track) + 1);
    if (Has(items, ExportItem::kTrackName)) {
      line.Quoted(SpanText(entry, layout.titles[static_cast<std::size_t>(track)]));
    }
    if (Has(items, ExportItem::kTrackLength)) {
      line.Time(TrackSecondsOf(entry, layout, track));
      line.ExtraComma();
    }
  }
  for (const TrailingText& trailing : kTrailingTexts) {
    if (Has(items, trailing.item)) line.Quoted(EntryTextOf(entry, layout, trailing.text));
  }
  if (Has(items, ExportItem::kRecording)) line.Quoted(RecordingName(CodeOf(entry, layout, 0)));
  if (Has(items, ExportItem::kType)) line.Quoted(TypeName(CodeOf(entry, layout, 1)));
  if (Has(items, ExportItem::kSize)) line.Quoted(SizeName(CodeOf(entry, layout, 2)));
  if (Has(items, ExportItem::kYearReleased)) {
    const std::string_view year = SpanText(entry, layout.year);
    if (year.find_first_of(",\"\r\n") == std::string_view::npos) {
      line.Bare(year);
    } else {
      line.Quoted(year);
    }
  }
  line.End();
}

}  // namespace bw
