// Reading ".WT" files and splitting HTML templates.
#include "web/web_template.h"

#include <cstdlib>
#include <map>
#include <new>

namespace bw {
namespace {

constexpr const char* kSection = "WEBTemplate";
// The profile functions' answers for a missing key, as the template reader asks them.
constexpr const char* kMissingName = "0";
constexpr const char* kMissingCount = "vexly";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Calls `visit(key, value)` for every key line of the first section named `section`.
template <typename Visit>
void ForEachKey(std::string_view text, std::string_view section, Visit visit) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // saved by a UTF-8 editor
  bool inSection = false;
  bool sectionSeen = false;
  std::size_t from = 0;
  while (from <= text.size()) {
    std::size_t end = text.find('\n', from);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(text.substr(from, end - from));
    from = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      const std::string_view name =
          Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
      if (inSection) return;  // the first section of that name is the one that counts
      inSection = !sectionSeen && EqualIgnoringCase(name, section);
      sectionSeen = sectionSeen || inSection;
      continue;
    }
    if (!inSection) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    visit(Trim(line.substr(0, equals)), Unquoted(Trim(line.substr(equals + 1))));
  }
}

// The item number of a key "Item<n>" written as plain decimal digits, else 0.
long ItemNumber(std::string_view key) {
  if (key.size() < 5 || !EqualIgnoringCase(key.substr(0, 4), "item")) return 0;
  const std::string_view digits = key.substr(4);
  if (digits.size() > 9 || digits.front() == '0') return 0;
  long number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace

std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key) {
  std::optional<std::string> found;
  ForEachKey(text, section, [&](std::string_view name, std::string_view value) {
    if (!found && EqualIgnoringCase(name, key)) found = std::string(value);
  });
  return found;
}

WebTemplate ParseWebTemplate(std::string_view text) {
  WebTemplate parsed;
  bool nameSeen = false;
  bool fileNameSeen = false;
  std::string count;
  std::map<long, std::string> items;  // first of each number, in number order
  ForEachKey(text, kSection, [&](std::string_view key, std::string_view value) {
    if (EqualIgnoringCase(key, "Name")) {
      if (!nameSeen) parsed.name = std::string(value);
      nameSeen = true;
    } else if (EqualIgnoringCase(key, "FileName")) {
      if (!fileNameSeen) parsed.fileName = value == kMissingName ? "" : std::string(value);
      fileNameSeen = true;
    } else if (EqualIgnoringCase(key, "NumberOfItems")) {
      if (!parsed.hasItemCount) {
        parsed.hasItemCount = value != kMissingCount;
        count = std::string(value);
      }
    } else if (const long number = ItemNumber(key); number > 0) {
      items.emplace(number, std::string(value));
    }
  });
  if (parsed.hasItemCount) parsed.itemCount = std::strtol(count.c_str(), nullptr, 10);
  for (const auto& [number, item] : items) {
    if (number > parsed.itemCount) break;
    if (!item.empty() && item != kMissingName) parsed.items.push_back(item);
  }
  return parsed;
}

WebTemplate ReadWebTemplate(FileSystem& files, const std::string& path) {
  std::string text;
  if (!ReadWholeFile(files, path, &text).IsOk()) return WebTemplate();
  return ParseWebTemplate(text);
}

bool IsContainedName(std::string_view name) {
  if (name.empty() || name.front() == '\\' || name.front() == '/') return false;
  if (name.find(':') != std::string_view::npos) return false;  // a drive or a stream
  std::size_t from = 0;
  while (from <= name.size()) {
    std::size_t end = name.find_first_of("\\/", from);
    if (end == std::string_view::npos) end = name.size();
    const std::string_view part = Trim(name.substr(from, end - from));
    // Windows drops trailing dots and blanks, so "..." and ". ." also climb or mean nothing.
    if (!part.empty() && part.find_first_not_of(". ") == std::string_view::npos &&
        part != ".") {
      return false;
    }
    from = end + 1;
  }
  return true;
}

bool SplitHtmlTemplate(std::string_view text, HtmlTemplate* parts) {
  const std::string_view tag = "<%output%>";
  if (text.size() < tag.size()) return false;
  for (std::size_t at = 0; at + tag.size() <= text.size(); ++at) {
    if (text[at] != '<') continue;
    bool match = true;
    for (std::size_t i = 1; i < tag.size() && match; ++i) match = LowerAscii(text[at + i]) == tag[i];
    if (!match) continue;
    parts->head.assign(text.substr(0, at));
    parts->tail.assign(text.substr(at + tag.size()));
    return true;
  }
  return false;
}

Status ReadWholeFile(FileSystem& files, const std::string& path, std::string* text) {
  std::unique_ptr<File> file;
  Status status = files.Open(path, OpenMode::kRead, &file);
  if (!status.IsOk()) return status;
  std::uint64_t size = 0;
  status = file->GetSize(&size);
  if (!status.IsOk()) return status;
  try {
    if (size > text->max_size() || size > (std::uint64_t{1} << 31)) throw std::bad_alloc();
    text->assign(static_cast<std::size_t>(size), '\0');
  } catch (const std::bad_alloc&) {
    return Status::Corrupt(path + " is too large to read into memory");
  }
  std::size_t read = 0;
  status = file->ReadAt(0, text->data(), text->size(), &read);
  text->resize(read);
  return status;
}

}  // namespace bw
