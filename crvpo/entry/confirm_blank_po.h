// ConfirmBlankPO: before a blank purchase-order form is printed, asks
// whether it should carry the next number from the company counter, a
// number the user types, or none, and prints it through the print entry
// (DecimalVariable = 0.99 asks for a blank form). The choice and the number
// are left in the module's print values; the blank form's print batch
// reads them and advances the counter when the next number was taken.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void confirmBlankPO();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void ConfirmBlankPO();
}
