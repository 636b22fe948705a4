// Moves committed figures: money on job cost lines (JCC:Committed) and
// stock on order of inventory items (INM:QtyOnOrder).
//
// The save and the deletion of an order and the deletion of a line all
// post through it. A cost line or item that does not exist is skipped
// without a word (a line may name a job or item that was removed); any
// other failed read or write is answered so that the caller can roll its
// transaction back.
#pragma once

#include <string_view>
#include <type_traits>

#include "crvpo/entry/opening_commitments.h"
#include "crvpo/entry/operation_outcome.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/framework/table/private_table.h"

namespace crvpo {

class CommitmentPoster {
 public:
  explicit CommitmentPoster(crv::Connection& connection) : costs_(connection), items_(connection) {}

  // JCC:Committed of the cost line with identifier `jobCostId` += amount.
  StepResult addCommitted(std::string_view jobCostId, crv::Amount amount);
  // INM:QtyOnOrder of `item` += quantity.
  StepResult addOnOrder(std::string_view item, crv::Quantity quantity);
  // Posts (sign +1) or takes back (sign -1) one commitment.
  StepResult apply(const Commitment& entry, int sign);

  // Fetches a cost line or item into the buffers below: Ok, NotFound (to
  // be skipped) or a failure.
  StepResult fetchCost(std::string_view jobCostId, bool& found);
  StepResult fetchItem(std::string_view item, bool& found);

  crv::PrivateTable<crv::JCCostRecord>& costs() { return costs_; }
  crv::PrivateTable<crv::INMasterRecord>& items() { return items_; }

 private:
  crv::PrivateTable<crv::JCCostRecord> costs_;
  crv::PrivateTable<crv::INMasterRecord> items_;
};

// Reads a row by key: found, not found, or the failure of the read.
StepResult fetchRow(crv::Table& table, const crv::KeyDef& key, bool& found);
// Writes the current row back; the failure names the table.
StepResult updateRow(crv::Table& table);
StepResult removeRow(crv::Table& table);

// Reads every row of a range (the rows whose leading `parts` key fields
// equal the buffer's), calling `seen` on each with the row in the buffer.
// A `seen` that answers a StepResult ends the reading with its failure.
template <class R, class Seen>
StepResult eachInRange(crv::PrivateTable<R>& rows, const crv::KeyDef& key, std::size_t parts, Seen seen) {
  if (rows.table.setRange(key, parts) != crv::TableStatus::Ok)
    return StepFailure::of(rows.table, crv::TableOp::Reading);
  for (;;) {
    const crv::TableStatus read = rows.table.next();
    if (read == crv::TableStatus::EndOfFile) return std::nullopt;
    if (read != crv::TableStatus::Ok) return StepFailure::of(rows.table, crv::TableOp::Reading);
    if constexpr (std::is_same_v<std::invoke_result_t<Seen&, R&>, StepResult>) {
      if (auto failure = seen(rows.rec)) return failure;
    } else {
      seen(rows.rec);
    }
  }
}

}  // namespace crvpo
