// A plain-text account of what a company holds: its name and address, how
// many rows each table has, and its open purchase orders.
#pragma once

#include <ostream>

namespace crv {

void printCompanySummary(std::ostream& out);

}  // namespace crv
