// What the generator is asked to write: one page or many, plain or tables, the table of
// contents, headings and the items of each entry.
#pragma once

#include <array>
#include <string>

namespace bw {

// Table of contents and headings: none, by first character, or by whole artist.
enum class HtmlGrouping { kNone, kAlphabet, kArtistName };
enum class HeadingSize { kSmall, kMedium, kLarge };

// The thirteen item switches in the order the dialog lists them.
enum HtmlItem {
  kItemArtist = 0,
  kItemDiscName,
  kItemDiscLength,
  kItemTrackNumber,
  kItemTrackName,
  kItemTrackLength,
  kItemCategory,
  kItemLabel,
  kItemNotes,
  kItemRecording,
  kItemType,
  kItemSize,
  kItemYearReleased,
  kHtmlItemCount
};
using HtmlItems = std::array<bool, kHtmlItemCount>;
inline HtmlItems AllHtmlItems() {
  HtmlItems items;
  items.fill(true);
  return items;
}

struct HtmlOptions {
  bool multiplePages = false;
  bool table = false;
  HtmlGrouping contents = HtmlGrouping::kArtistName;
  HtmlGrouping heading = HtmlGrouping::kArtistName;
  HeadingSize headingSize = HeadingSize::kMedium;
  bool sorting = true;
  bool itemNames = true;
  HtmlItems items = AllHtmlItems();
  std::string borderWidth = "1";  // at most three characters
};

}  // namespace bw
