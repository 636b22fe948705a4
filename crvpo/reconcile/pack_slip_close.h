// Closing an order after a packing slip: every line's quantity received on
// this packing slip becomes part of what earlier packing slips brought, so
// that the next visit to the order starts with nothing on "This Pack Slip".
//
// Lines with nothing on this packing slip are not written. The moves run in
// one transaction (waiting 5 seconds for other stations, and without one
// when it cannot be had); a line that cannot be written is reported as the
// table's error text followed by " Saving PODetail" and the others go on.
// Stock does not move: what the lines hold in stock units stays the same.
#pragma once

#include <string>
#include <vector>

#include "host/framework/storage/storage_backend.h"
#include "host/framework/values/scalars.h"

namespace crvpo {

// Moves the packing slip's quantities of order `poid`; answers the texts
// of the lines that could not be written.
std::vector<std::string> closePackingSlip(crv::Connection& connection, crv::Id poid);

}  // namespace crvpo
