// The recipient choice: the list of gathered recipients with a tick each,
// and Proceed. Proceeding without a ticked entry (after the question)
// empties the list and calls off the e-mail; otherwise the unticked
// entries are removed.
#pragma once

#include "host/framework/services/module_export.h"

extern "C" {
CRV_EXPORT void POEmailSelect();
}
