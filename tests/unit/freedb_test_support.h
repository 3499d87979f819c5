// Shared by the freedb tests: the stored server replies and records, line-end conversion, and
// a one-line-per-action description of what a query dialogue asks for.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "freedb/query_action.h"

namespace bw {
namespace freedb {
namespace testing {

inline std::string ReadTestFile(const std::string& relative) {
  std::ifstream in(std::string(BW_TESTDATA_DIR) + "/" + relative, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Real servers end lines with CR LF; most stored samples have LF.
inline std::string ToCrlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

inline std::string ToLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

using Lines = std::vector<std::string>;

inline std::string Status(const char* text) { return std::string("status ") + text; }

// One line per action, so a whole exchange reads as a list.
inline Lines Describe(const QueryActions& actions) {
  Lines lines;
  for (const QueryAction& action : actions) {
    switch (action.kind) {
      case QueryAction::Kind::kConnect:
        lines.push_back("connect " + std::to_string(action.port));
        break;
      case QueryAction::Kind::kSend: lines.push_back("send " + action.text); break;
      case QueryAction::Kind::kShowStatus: lines.push_back("status " + action.text); break;
      case QueryAction::Kind::kBeep: lines.push_back("beep"); break;
      case QueryAction::Kind::kChooseMatch:
        lines.push_back("choose " + std::to_string(action.matches.size()));
        break;
      case QueryAction::Kind::kCheckExisting: lines.push_back("check existing"); break;
      case QueryAction::Kind::kStoreRecord:
        lines.push_back("store " + action.record.details.artist);
        break;
      case QueryAction::Kind::kFetch: lines.push_back("fetch " + action.text); break;
      case QueryAction::Kind::kFinish: lines.push_back("finish"); break;
    }
  }
  return lines;
}

}  // namespace testing
}  // namespace freedb
}  // namespace bw
