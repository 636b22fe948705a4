// The sample purchase order the forms print for "Print a Dummy PO": one
// batch row (POID 2222222222) for the signed-in user and six lines, five
// priced items and a text line, built from the first vendor and job. It is
// never part of POMaster.
#pragma once

#include "host/framework/table/table_steps.h"

namespace crvpo {

// Adds the sample's batch row and replaces its lines. Needs Systems,
// APVendor, JCHeader, POPrint and PODetail open.
void addSampleOrder(crv::TableSteps& steps);

}  // namespace crvpo
