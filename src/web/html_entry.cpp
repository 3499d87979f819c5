// One entry's HTML. Every COLSPAN keeps a row three columns wide whatever items are on.
#include "web/html_entry.h"

#include "cddb/cddb_texts.h"
#include "cddb/tool_texts.h"
#include "web/web_texts.h"

namespace bw {
namespace {

constexpr const char* kLineEnd = "\r\n";

const char* RecordingName(std::uint8_t code) { return kTextRecordingNames[code < 3 ? code : 3]; }
const char* TypeName(std::uint8_t code) { return kTextTypeNames[code < 3 ? code : 3]; }
const char* SizeName(std::uint8_t code) { return code == 0 ? kTextSize3Inch : kTextSize5Inch; }

class EntryHtml {
 public:
  EntryHtml(const EntryBytes& entry, const EntryLayout& layout, const HtmlOptions& options,
            std::string* out)
      : entry_(entry), layout_(layout), options_(options), table_(options.table), out_(*out) {}

  void Write() {
    const HtmlItems& on = options_.items;
    // A stored length of 0 writes nothing, as if the item were off.
    const std::uint32_t length = on[kItemDiscLength] ? layout_.totalSeconds : 0;
    if (table_) Add("<TABLE COLS=3 BORDER=").Escaped(options_.borderWidth).Add(">").Add(kLineEnd);
    if (on[kItemArtist]) {
      const std::string_view artist = Text(EntryText::kArtist);
      if (table_) {
        Add("<TR><TD COLSPAN=3><B>").Escaped(artist).Add("</B></TD></TR>");
      } else {
        Add("<B>").Escaped(artist).Add("</B><BR>");
      }
      Add(kLineEnd);
    }
    if (on[kItemDiscName]) {
      const std::string_view name = Text(EntryText::kDiscName);
      if (table_) {
        Add(length != 0 ? "<TR><TD COLSPAN=2>" : "<TR><TD COLSPAN=3>").Escaped(name).Add("</TD>");
        if (length == 0) Add("</TR>");
      } else {
        Escaped(name).Add(length != 0 ? " " : "<BR>");
      }
      Add(kLineEnd);
    }
    if (length != 0) {
      if (table_) Add(on[kItemDiscName] ? "<TD>" : "<TR><TD COLSPAN=3>");
      AppendMinutesSeconds(length, &out_);
      Add(table_ ? "</TD></TR>" : "<BR>").Add(kLineEnd);
    }
    WriteTracks();
    WriteItem(kItemCategory, kTextWebItemCategory, Text(EntryText::kCategory));
    WriteItem(kItemLabel, kTextWebItemLabel, Text(EntryText::kLabel));
    WriteItem(kItemNotes, kTextWebItemNotes, Text(EntryText::kNotes));
    WriteItem(kItemRecording, kTextWebItemRecording, RecordingName(CodeOf(entry_, layout_, 0)));
    WriteItem(kItemType, kTextWebItemType, TypeName(CodeOf(entry_, layout_, 1)));
    WriteItem(kItemSize, kTextWebItemSize, SizeName(CodeOf(entry_, layout_, 2)));
    WriteItem(kItemYearReleased, kTextWebItemYear, SpanText(entry_, layout_.year));
    if (table_) Add("</TABLE>");
    Add("<BR>").Add(kLineEnd).Add(kLineEnd);
  }

 private:
  EntryHtml& Add(std::string_view text) {
    out_.append(text);
    return *this;
  }
  EntryHtml& Escaped(std::string_view text) {
    AppendEscaped(text, &out_);
    return *this;
  }
  std::string_view Text(EntryText text) const { return EntryTextOf(entry_, layout_, text); }

  void WriteTracks() {
    const HtmlItems& on = options_.items;
    const bool number = on[kItemTrackNumber];
    const bool name = on[kItemTrackName];
    const bool length = on[kItemTrackLength];
    const int switches = (number ? 1 : 0) + (name ? 1 : 0) + (length ? 1 : 0);
    if (switches == 0 || layout_.trackCount == 0) return;
    if (table_) Add("<TR>");
    for (int track = 0; track < layout_.trackCount; ++track) {
      if (number) {
        if (table_) Add(switches > 1 ? "<TD>" : "<TD COLSPAN=3>");
        AppendDecimal(static_cast<std::uint64_t>(track) + 1, &out_);
        Add(". ");
        if (table_) Add("</TD>");
      }
      if (name) {
        if (table_) Add(switches == 3 ? "<TD>" : switches == 2 ? "<TD COLSPAN=2>" : "<TD COLSPAN=3>");
        Escaped(SpanText(entry_, layout_.titles[static_cast<std::size_t>(track)]));
        if (table_) Add("</TD>");
      }
      if (length) {
        if (table_) {
          // Beside the number alone the length takes the two columns the name would have had.
          Add(switches == 1 ? "<TD COLSPAN=3>" : (switches == 2 && number) ? "<TD COLSPAN=2>" : "<TD>");
        } else if (number || name) {
          Add(" ");
        }
        AppendMinutesSeconds(TrackSecondsOf(entry_, layout_, track), &out_);
        if (table_) Add("</TD>");
      }
      if (table_) {
        Add("</TR>").Add(kLineEnd);
        if (track + 1 < layout_.trackCount) Add("<TR>");
      } else {
        Add("<BR>").Add(kLineEnd);
      }
    }
  }

  void WriteItem(HtmlItem item, const char* itemName, std::string_view value) {
    if (!options_.items[item]) return;
    if (table_) {
      Add("<TR>");
      if (options_.itemNames) {
        Add("<TD>").Add(itemName).Add("</TD><TD COLSPAN=2>");
      } else {
        Add("<TD COLSPAN=3>");
      }
      Escaped(value).Add("</TD></TR>");
    } else {
      if (options_.itemNames) Add(itemName);
      Escaped(value).Add("<BR>");
    }
    Add(kLineEnd);
  }

  const EntryBytes& entry_;
  const EntryLayout& layout_;
  const HtmlOptions& options_;
  const bool table_;
  std::string& out_;
};

}  // namespace

void AppendEscaped(std::string_view text, std::string* out) {
  std::size_t plain = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* reference = nullptr;
    switch (text[i]) {
      case '<': reference = "&lt;"; break;
      case '>': reference = "&gt;"; break;
      case '&': reference = "&amp;"; break;
      case '"': reference = "&quot;"; break;
      case '\'': reference = "&#39;"; break;
      default: continue;
    }
    out->append(text.substr(plain, i - plain));
    out->append(reference);
    plain = i + 1;
  }
  out->append(text.substr(plain));
}

void AppendPercentEncoded(std::string_view name, std::string* out) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                       (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                       byte == '_' || byte == '~';
    if (plain) {
      out->push_back(c);
    } else {
      out->push_back('%');
      out->push_back(kHex[byte >> 4]);
      out->push_back(kHex[byte & 15]);
    }
  }
}

void AppendEntryHtml(const EntryBytes& entry, const EntryLayout& layout,
                     const HtmlOptions& options, std::string* out) {
  EntryHtml(entry, layout, options, out).Write();
}

}  // namespace bw
