// The toggle table: (control id, state) pairs.
#include "shell/toggle_table.h"

ToggleTable::ToggleTable(std::initializer_list<int> controlIds) {
  for (int id : controlIds) entries_.emplace_back(id, 0);
}

bool ToggleTable::SetState(int controlId, int state) {
  for (auto& entry : entries_) {
    if (entry.first == controlId) {
      entry.second = state;
      return true;
    }
  }
  return false;
}

int ToggleTable::State(int controlId) const {
  for (const auto& entry : entries_) {
    if (entry.first == controlId) return entry.second;
  }
  return 0;
}

bool ToggleTable::Contains(int controlId) const {
  for (const auto& entry : entries_) {
    if (entry.first == controlId) return true;
  }
  return false;
}
