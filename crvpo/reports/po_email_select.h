// The recipient choice: the list of gathered recipients with a tick each
// (Space or a double click on an entry ticks or unticks it), an
// address the person types, and Proceed. Proceeding without a ticked
// address (after the question), Cancel, Escape and the close box empty the
// list and call off the e-mail; otherwise the unticked entries are removed.
#pragma once

#include "host/framework/services/module_export.h"

extern "C" {
CRV_EXPORT void POEmailSelect();
}
