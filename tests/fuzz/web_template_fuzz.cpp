// Fuzzes the web template readers: the ".WT" keys and the HTML template's split. Every item
// is a present, numbered key within the count; head, tag and tail give back the whole text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "web/web_template.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const bw::WebTemplate parsed = bw::ParseWebTemplate(text);
  Check(parsed.items.size() <= static_cast<std::size_t>(parsed.itemCount > 0 ? parsed.itemCount : 0));
  for (const std::string& item : parsed.items) {
    Check(!item.empty() && item != "0");
    Check(item.find('\n') == std::string::npos);
    (void)bw::IsContainedName(item);
  }
  Check(parsed.fileName != "0");
  // A name that is let through names no drive and climbs no folder.
  if (bw::IsContainedName(parsed.fileName)) {
    Check(parsed.fileName.find(':') == std::string::npos);
    Check(parsed.fileName.front() != '\\' && parsed.fileName.front() != '/');
    const std::string wrapped = "/" + parsed.fileName + "/";
    Check(wrapped.find("/../") == std::string::npos && wrapped.find("\\..\\") == std::string::npos);
  }

  bw::HtmlTemplate parts;
  if (bw::SplitHtmlTemplate(text, &parts)) {
    const std::size_t tag = parts.head.size();
    Check(tag + 10 + parts.tail.size() == text.size());
    Check(text.substr(0, tag) == parts.head);
    Check(text.substr(tag + 10) == parts.tail);
    const std::string_view found = text.substr(tag, 10);
    for (std::size_t i = 0; i < 10; ++i) Check(Lower(found[i]) == "<%output%>"[i]);
    // The first tag: none lies inside the head (or across its end).
    bw::HtmlTemplate earlier;
    Check(!bw::SplitHtmlTemplate(text.substr(0, tag + 9), &earlier));
  }
  return 0;
}
