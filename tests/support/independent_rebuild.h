// The running figures of a company (committed costs and stock on order)
// worked out again from its open orders with set-based SQL, independently of
// the code that keeps them, and compared with what the tables hold.
//
// Rules (docs/COMMITMENTS.md, "What a rebuild gives"), over the orders that
// have been saved (an order being entered has no PO number yet):
//   - a "Job" line of a saved order, not fully reconciled and not fully
//     invoiced by quantity, commits TotalAmount - AmountInvoiced to the first
//     JCCost row of its job and cost code, and, when its change-order detail
//     exists, to that JCCOD row and the cost line's COCommitted;
//   - an "Inventory" line of a saved order, not fully reconciled, keeps
//     INVQuantity - factor x (QtyRcvdNotInvoiced + QtyThisPackSlip) of its
//     item on order, factor being the line's unit conversion (1 without).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace crv::test {

// One line per figure that differs ("JCCost 2401/01-100M Committed 12.00,
// rebuilt 10.00"); empty when every figure agrees. Reads the company's
// database (the SQLite file, or the server schema its company.ini names) with
// the same SQL through a connection of its own, so it sees committed data
// only.
std::vector<std::string> figureDifferences(const std::filesystem::path& companyFolder);

}  // namespace crv::test
