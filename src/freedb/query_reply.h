// What a server's answer to "cddb query" means: one exact match, a list of inexact matches
// for the user to choose from, or nothing to read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bw {
namespace freedb {

// A selector ("rock 7a0b1c09": category, blank, disc ID) fits the 40-byte result buffer.
inline constexpr std::size_t kMaxSelectorLength = 39;
// The match list shows at most this much of a category.
inline constexpr std::size_t kMaxListedCategoryLength = 19;

// One line of a 211 reply: category, disc ID, then the disc title.
struct InexactMatch {
  std::string category;
  std::string discId;
  std::string title;

  // What the read command asks for: category, blank, disc ID.
  std::string Selector() const { return category + " " + discId; }
  // The match list's line: title, " - ", the category cut to 19 characters.
  std::string ListText() const;
};

struct QueryReply {
  enum class Kind {
    kNoMatch,  // 202, any other reply, or a match whose words cannot be read
    kFound,    // an exact match, or a 211 list with a single match (the user is not asked)
    kChoose,   // a 211 list with two or more matches
  };
  Kind kind = Kind::kNoMatch;
  std::string selector;               // kFound
  std::vector<InexactMatch> matches;  // kChoose
};

// Reads a complete query reply. "200 " takes the two words after the code; "211 " lists the
// lines after the first up to the terminating "." (a line without two blanks adds nothing).
// Lines may end in CR LF or LF.
QueryReply ParseQueryReply(std::string_view reply);

// The selector of the match the user chose, or nothing for Cancel (-1) or an index out of range.
std::optional<std::string> ChosenSelector(const std::vector<InexactMatch>& matches, int index);

}  // namespace freedb
}  // namespace bw
