// Shared by the tests of the submission, site-list and server-information dialogues: one
// line per action, so a whole exchange reads as a list, and a fixed "today".
#pragma once

#include <string>
#include <vector>

#include "freedb/conversation_action.h"
#include "freedb/last_updated.h"

namespace bw {
namespace freedb {
namespace testing {

using Steps = std::vector<std::string>;

inline std::string StatusLine(const char* text) { return std::string("status ") + text; }
inline std::string CaptionLine(const char* text) { return std::string("caption ") + text; }

inline Steps Trace(const ConversationActions& actions) {
  Steps lines;
  for (const ConversationAction& action : actions) {
    using Kind = ConversationAction::Kind;
    switch (action.kind) {
      case Kind::kConnect:
        lines.push_back("connect " + action.text + ":" + std::to_string(action.port));
        break;
      case Kind::kSend: lines.push_back("send " + action.text); break;
      case Kind::kShowStatus: lines.push_back("status " + action.text); break;
      case Kind::kSetCaption: lines.push_back("caption " + action.text); break;
      case Kind::kBeep: lines.push_back("beep"); break;
      case Kind::kFetch: lines.push_back("fetch " + action.text); break;
      case Kind::kShowSites:
        lines.push_back("sites " + std::to_string(action.sites.http.size()) + " http " +
                        std::to_string(action.sites.cddbp.size()) + " cddbp");
        break;
      case Kind::kShowCounts: lines.push_back("counts total " + action.counts[0]); break;
      case Kind::kShowVersion: lines.push_back("version " + action.text); break;
      case Kind::kShowStoredValues: lines.push_back("stored values"); break;
      case Kind::kWriteLastUpdated: lines.push_back("write " + action.text); break;
      case Kind::kFinish: lines.push_back("finish"); break;
    }
  }
  return lines;
}

inline TodayFunction FixedToday() {
  return [] { return CalendarDate{2024, 3, 7}; };
}
inline const char* const kLastUpdatedLine = "write Last updated on 3/7/2024";

}  // namespace testing
}  // namespace freedb
}  // namespace bw
