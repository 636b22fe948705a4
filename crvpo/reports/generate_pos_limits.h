// The shared "Generate POs" limits record that drives the bulk printing of
// purchase orders: exactly one is kept, the first in report order; further
// ones are deleted and a missing one is created ("*Standard Report", owned
// by the signed-in user, dated today, everything else blank or 0).
#pragma once

#include "host/framework/table/table_steps.h"

namespace crvpo {

// Keeps the record (POLimits must be open) and leaves it in POL; with
// `clearRange` its PO-number range is switched off and blanked and the
// record saved. Failed steps go to `steps` and the work goes on; answers
// false when no record could be kept.
bool keepOneGeneratePOsRecord(crv::TableSteps& steps, bool clearRange = false);

}  // namespace crvpo
