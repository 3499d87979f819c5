// The toggle table of a dialog: which of its skinned buttons are switched on, so that their
// highlighted image stays up (repeat switches and the like).
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

class ToggleTable {
 public:
  ToggleTable() = default;
  // Every listed control starts in state 0.
  ToggleTable(std::initializer_list<int> controlIds);

  // Stores the state of a listed control; answers false (and stores nothing) for other ids.
  bool SetState(int controlId, int state);
  // The stored state, 0 for ids not in the table.
  int State(int controlId) const;
  // "On" is state 1 only.
  bool IsOn(int controlId) const { return State(controlId) == 1; }
  bool Contains(int controlId) const;

 private:
  std::vector<std::pair<int, int>> entries_;  // (control id, state)
};
