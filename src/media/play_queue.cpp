// The play queue of the media panels.
#include "media/play_queue.h"

#include <utility>

namespace bw {

void PlayQueue::Start(std::vector<int> selection) {
  selection_ = std::move(selection);
  Restart();
}

void PlayQueue::Clear() {
  selection_.clear();
  Restart();
}

void PlayQueue::Restart() {
  next_ = 0;
  leftToStart_ = selection_.size();
}

int PlayQueue::Next() const {
  if (leftToStart_ == 0 || next_ >= selection_.size()) return -1;
  return selection_[next_];
}

void PlayQueue::Advance() {
  if (leftToStart_ == 0) return;
  ++next_;
  --leftToStart_;
}

}  // namespace bw
