// EnterShipToAddress: a free-form ship-to address for the order being
// edited (ship-to type Other, or the header form's "&Edit Shipping
// Information"). It edits the ship-to fields of the order in POM; nothing
// is written to a table, the header form saves them with the order.
#pragma once

#include "host/framework/services/module_export.h"

namespace crvpo {

void enterShipToAddress();

}  // namespace crvpo

extern "C" {
CRV_EXPORT void EnterShipToAddress();
}
