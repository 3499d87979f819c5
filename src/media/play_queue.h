// The media panels' play queue: the list entries selected when Play was pressed, in list
// order, and how far playback has come through them. Any number of entries may be queued.
#pragma once

#include <cstddef>
#include <vector>

namespace bw {

class PlayQueue {
 public:
  // Takes the selection as the list reports it (ascending indices) and starts at its first.
  void Start(std::vector<int> selection);
  // Forgets the selection (the stop routine).
  void Clear();
  // Back to the first entry with the whole selection still to start (repeat).
  void Restart();
  // Nothing more to start, as after Browse and Search interrupt playback.
  void Abandon() { leftToStart_ = 0; }

  bool Empty() const { return selection_.empty(); }
  std::size_t SelectedCount() const { return selection_.size(); }
  // Entries not yet started.
  std::size_t LeftToStart() const { return leftToStart_; }
  bool HasFilesLeft() const { return leftToStart_ > 0; }
  // The "files left to play" figure while the next entry starts: those after it.
  std::size_t LeftAfterNext() const { return leftToStart_ > 0 ? leftToStart_ - 1 : 0; }
  // The list index of the entry to start next; -1 when none is left.
  int Next() const;
  // The next entry has been started: move on to the one after it.
  void Advance();

  const std::vector<int>& Selection() const { return selection_; }

 private:
  std::vector<int> selection_;
  std::size_t next_ = 0;
  std::size_t leftToStart_ = 0;
};

}  // namespace bw
