// Reading the answer to "cddb query".
#include "freedb/query_reply.h"

namespace bw {
namespace freedb {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// A protocol word ends at a blank or any control byte (CR, LF, tab, NUL).
std::string_view LeadingWord(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && static_cast<unsigned char>(text[end]) > ' ') ++end;
  return text.substr(0, end);
}

struct SelectorWords {
  std::string_view category;
  std::string_view discId;
  std::size_t end = 0;  // just past the disc ID
};

// "category discid ..." → the two words, or nothing when either is missing or the pair does
// not fit the result buffer.
std::optional<SelectorWords> ReadSelectorWords(std::string_view text) {
  SelectorWords words;
  words.category = LeadingWord(text);
  if (words.category.empty() || words.category.size() >= text.size() ||
      text[words.category.size()] != ' ') {
    return std::nullopt;
  }
  words.discId = LeadingWord(text.substr(words.category.size() + 1));
  words.end = words.category.size() + 1 + words.discId.size();
  if (words.discId.empty() || words.end > kMaxSelectorLength) return std::nullopt;
  return words;
}

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::vector<InexactMatch> ParseMatchLines(std::string_view reply) {
  std::vector<InexactMatch> matches;
  std::size_t pos = reply.find('\n');
  if (pos == std::string_view::npos) return matches;
  ++pos;
  while (pos < reply.size()) {
    std::size_t end = reply.find('\n', pos);
    if (end == std::string_view::npos) end = reply.size();
    const std::string_view line = WithoutCarriageReturn(reply.substr(pos, end - pos));
    pos = end + 1;
    if (line == ".") break;
    // A line needs a blank after its disc ID; a pair too long to read back is left out
    // rather than cut into a wrong selector.
    const std::optional<SelectorWords> words = ReadSelectorWords(line);
    if (!words || words->end >= line.size() || line[words->end] != ' ') continue;
    InexactMatch match;
    match.category = std::string(words->category);
    match.discId = std::string(words->discId);
    match.title = std::string(line.substr(words->end + 1));
    matches.push_back(std::move(match));
  }
  return matches;
}

}  // namespace

std::string InexactMatch::ListText() const {
  return title + " - " + category.substr(0, kMaxListedCategoryLength);
}

QueryReply ParseQueryReply(std::string_view reply) {
  QueryReply result;
  if (StartsWith(reply, "200 ")) {
    if (const std::optional<SelectorWords> words = ReadSelectorWords(reply.substr(4))) {
      result.kind = QueryReply::Kind::kFound;
      result.selector = std::string(words->category) + " " + std::string(words->discId);
    }
    return result;
  }
  if (StartsWith(reply, "211 ")) {
    std::vector<InexactMatch> matches = ParseMatchLines(reply);
    if (matches.size() == 1) {
      result.kind = QueryReply::Kind::kFound;
      result.selector = matches.front().Selector();
    } else if (matches.size() > 1) {
      result.kind = QueryReply::Kind::kChoose;
      result.matches = std::move(matches);
    }
  }
  return result;
}

std::optional<std::string> ChosenSelector(const std::vector<InexactMatch>& matches, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= matches.size()) return std::nullopt;
  return matches[static_cast<std::size_t>(index)].Selector();
}

}  // namespace freedb
}  // namespace bw
