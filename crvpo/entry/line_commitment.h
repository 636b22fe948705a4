// What one order line commits: money on a job's cost line or stock on
// order of an inventory item.
//
// Only "Job" and "Inventory" lines commit anything; text lines and lines
// for accounts or equipment do not. The helpers here are the arithmetic
// every save, deletion and line deletion shares, so that what one posts
// another takes back to the cent.
#pragma once

#include <string>

#include "host/data/tables/purchasing_tables.h"
#include "host/framework/values/decimal.h"

namespace crvpo {

enum class LineKind { None, Job, Inventory };

LineKind lineKind(const crv::PODetailRecord& line);

// The JCCost identifier (KeyRecordID) of a job line: job padded to 10, the
// cost code without its category padded to 10, then the category.
std::string jobCostId(const crv::PODetailRecord& line);

// What a save posts for a job line: TotalAmount less QtyInvoiced times
// UnitPrice, worked out exactly and rounded once to the cent.
crv::Amount openAmount(const crv::PODetailRecord& line);

// Stock units per ordered unit times `quantity`, in stock units. The ratio
// is INVQuantity / QtyOrdered; a line with nothing ordered uses the
// factor of its unit conversion (1 without one), passed in as
// `factorWithoutOrder`. Worked out in one rounding to 4 places.
crv::Quantity inStockUnits(const crv::PODetailRecord& line, crv::Quantity quantity,
                           double factorWithoutOrder);

// Whole number as plain digits ("1024"); 0 gives "".
std::string plainDigits(crv::Id number);
// Text read as a whole number when it is nothing but digits (surrounding
// blanks allowed); 0 otherwise.
crv::Id readAsNumber(std::string_view text);

}  // namespace crvpo
