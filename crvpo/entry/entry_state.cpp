// The one copy of the entry procedures' hand-over values.
#include "crvpo/entry/entry_state.h"

namespace crvpo {

EntryState& entryState() {
  static EntryState state;
  return state;
}

}  // namespace crvpo
