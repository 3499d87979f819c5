// Reading the answer to "sites" (protocol level 3 and up): one line per server,
// "host protocol port path latitude longitude description", ended by a line holding ".".
#pragma once

#include <string>
#include <string_view>

#include "freedb/conversation_action.h"

namespace bw {
namespace freedb {

// The HTTP entries are the lines whose protocol word is "http", the CDDBP entries those
// with "cddbp". Each becomes "host - description": the host is the line's first word, the
// description what follows the fifth blank after the protocol word (past protocol, port,
// path, latitude and longitude) up to the line's end, the whole cut to 99 characters.
// Lines end in CR LF or LF; reading stops at the terminating ".".
SiteList ParseSiteList(std::string_view reply);

}  // namespace freedb
}  // namespace bw
