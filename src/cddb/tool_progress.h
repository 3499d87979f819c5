// What a catalogue tool (sort, search, export) tells its window while it runs: every text the
// window's status line shows, in order, each marked with its kind. Step and result texts are
// few and should always be shown; count and item texts come once per entry, and a window may
// show only some of them (see ProgressThrottle) without missing a step or the result.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace bw {

enum class ProgressKind {
  kStep,    // a step begins: "Building sorting table.", "Writing export file." ...
  kCount,   // "12 of 400": `current` of `total`
  kItem,    // "Writing: " and an artist
  kResult,  // the closing text: "Done!", "3 items found", an error text
};

struct ProgressEvent {
  ProgressKind kind = ProgressKind::kStep;
  std::string_view text;  // valid during the call only
  std::uint32_t current = 0;  // kCount: the 1-based number; kItem: entries written so far
  std::uint32_t total = 0;
};

// May be empty: the tools then build no texts at all.
using ProgressCallback = std::function<void(const ProgressEvent&)>;

// Passes every step and result on, and count and item texts at most once per `interval`
// milliseconds of `clock` (always the first after a step), so a window's status line keeps up with a
// pass over 65,535 entries without slowing it.
class ProgressThrottle {
 public:
  using Clock = std::function<std::uint64_t()>;  // milliseconds, never going back

  ProgressThrottle(ProgressCallback show, Clock clock, std::uint64_t interval)
      : show_(std::move(show)), clock_(std::move(clock)), interval_(interval) {}

  void operator()(const ProgressEvent& event) {
    if (event.kind == ProgressKind::kCount || event.kind == ProgressKind::kItem) {
      const std::uint64_t now = clock_();
      if (!due_ && now - lastShown_ < interval_) return;
      lastShown_ = now;
      due_ = false;
    } else {
      due_ = true;  // the first count of a new step shows at once
    }
    show_(event);
  }

 private:
  ProgressCallback show_;
  Clock clock_;
  std::uint64_t interval_;
  std::uint64_t lastShown_ = 0;
  bool due_ = true;
};

// Sends one event when there is someone to hear it.
inline void Report(const ProgressCallback& progress, ProgressKind kind, std::string_view text,
                   std::uint32_t current = 0, std::uint32_t total = 0) {
  if (progress) progress(ProgressEvent{kind, text, current, total});
}

}  // namespace bw
