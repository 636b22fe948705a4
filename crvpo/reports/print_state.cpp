// The single instance of the module's printing values.
#include "crvpo/reports/print_state.h"

namespace crvpo {

PrintState& printState() {
  static PrintState state;
  return state;
}

}  // namespace crvpo
