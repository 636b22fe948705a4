// A plain-text account of what a company holds: its name and address, how
// many rows each table has, its open purchase orders, and any order lines
// that belong to no order.
//
// Every read that fails is reported, named after its table, and counted, so
// that a damaged company file never passes for a smaller one.
#pragma once

#include <ostream>

namespace crv {

// The summary goes to `out`, read errors to `errors`; answers how many
// reads failed.
int printCompanySummary(std::ostream& out, std::ostream& errors);

}  // namespace crv
