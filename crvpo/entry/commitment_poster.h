// Moves committed figures: money on job cost lines (JCC:Committed) and
// stock on order of inventory items (INM:QtyOnOrder).
//
// The save and the deletion of an order and the deletion of a line all
// post through it, inside their transaction. A cost line or item that does
// not exist is skipped without a word (a line may name a job or item that
// was removed); any other failed read or write stops the work through the
// steps it was given, so that the transaction rolls back.
#pragma once

#include <string_view>

#include "crvpo/entry/opening_commitments.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {

class CommitmentPoster {
 public:
  CommitmentPoster(crv::Connection& connection, crv::TableSteps& steps)
      : steps_(&steps), costs_(connection), items_(connection) {}

  // JCC:Committed of the cost line with identifier `jobCostId` += amount.
  void addCommitted(std::string_view jobCostId, crv::Amount amount);
  // INM:QtyOnOrder of `item` += quantity.
  void addOnOrder(std::string_view item, crv::Quantity quantity);
  // Posts (sign +1) or takes back (sign -1) one commitment.
  void apply(const Commitment& entry, int sign);

  // Fetches a cost line or item into the buffers below; false when there
  // is none.
  bool fetchCost(std::string_view jobCostId);
  bool fetchItem(std::string_view item);

  crv::TableSteps& steps() { return *steps_; }
  crv::PrivateTable<crv::JCCostRecord>& costs() { return costs_; }
  crv::PrivateTable<crv::INMasterRecord>& items() { return items_; }

 private:
  crv::TableSteps* steps_;
  crv::PrivateTable<crv::JCCostRecord> costs_;
  crv::PrivateTable<crv::INMasterRecord> items_;
};

}  // namespace crvpo
