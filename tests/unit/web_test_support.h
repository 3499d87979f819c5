// Helpers of the web page tests: a host that records what a run shows and answers its
// questions, and catalogues built from plain entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cddb_database_test_support.h"
#include "web/html_generator.h"

namespace bw::testing {

class RecordingHost : public HtmlRunHost {
 public:
  bool Ask(std::string_view question) override {
    questions.emplace_back(question);
    return answer;
  }
  void ShowStatus(std::string_view text) override { statuses.emplace_back(text); }
  void ShowDetail(std::string_view text) override { details.emplace_back(text); }
  void Beep() override { ++beeps; }

  std::string LastStatus() const { return statuses.empty() ? "" : statuses.back(); }

  bool answer = true;
  std::vector<std::string> questions;
  std::vector<std::string> statuses;
  std::vector<std::string> details;
  int beeps = 0;
};

// An entry by `artist` with two tracks of 187 and 65 seconds.
inline RefEntry WebEntry(const std::string& artist, const std::string& disc = "Disc") {
  RefEntry e;
  e.tracks = {{"First", 187}, {"Second", 65}};
  e.totalSeconds = 252;
  e.firstTrackSeconds = 187;
  e.texts[0] = artist;
  e.texts[1] = disc;
  e.texts[2] = "rock";
  e.texts[3] = "Label";
  e.texts[4] = "Notes";
  e.codes[0] = 1;
  e.codes[1] = 0;
  e.codes[2] = 1;
  e.year = "1979";
  return e;
}

inline std::size_t CountOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

}  // namespace bw::testing
