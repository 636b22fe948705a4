// OverBudgetWarning: the window that stops the saving of a job line that
// would take its cost code over the current budget, and the check the line
// form runs on OK to decide whether to raise it.
//
// The window reads the job cost record in JCC, the line in POD and the
// committed cost in entryState(); its answer is OverBudgetPending (0 =
// Continue, 1 = Cancel or closed). It writes nothing.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void overBudgetWarning();

// The OK step of a "Job" line: fetches the cost line of POD's job and cost
// code (none: no warning), takes the committed cost to compare against and
// raises the warning when committed + line + cost to date exceeds the
// budget. False when the user cancelled: the committed cost is put back
// and the form stays open. JCCost must be open.
bool overBudgetCheckPasses();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void OverBudgetWarning();
}
