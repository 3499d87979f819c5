// The HTML of one catalogue entry, as a table or as plain lines, and the escaping of every
// catalogue text written into a page.
#pragma once

#include <string>
#include <string_view>

#include "cddb/entry_layout.h"
#include "web/html_options.h"

namespace bw {

// Appends `text` with "<", ">", "&" and both quotes written as character references, so a
// catalogue text shows as typed and never becomes markup.
void AppendEscaped(std::string_view text, std::string* out);

// Appends `name` percent-encoded for use as a link (every byte but letters, digits and
// "-._~" as "%XX").
void AppendPercentEncoded(std::string_view name, std::string* out);

// Appends the entry laid out by LayOutEntry in the form and with the items `options` ask for.
void AppendEntryHtml(const EntryBytes& entry, const EntryLayout& layout,
                     const HtmlOptions& options, std::string* out);

}  // namespace bw
