// RecalcCommitted: the window "Recalculate Committed Costs" that rebuilds
// committed costs from the open purchase orders when the user presses
// Proceed, with a percentage and a progress bar of the records read, and
// closes after telling the user the run is complete. Close leaves without
// doing anything. While another station is writing, the window says that it
// waits for it, tries again every second, and Cancel gives up; a run that
// stops on an error says why and that nothing was changed.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

// Runs the window on the company open in this process.
void recalcCommitted();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void RecalcCommitted();
}
