// Moves committed figures: money on job cost lines (JCC:Committed) and
// stock on order of inventory items (INM:QtyOnOrder).
//
// The save and the deletion of an order and the deletion of a line all
// post through it, inside their transaction. A cost line or item that does
// not exist is skipped without a word (a line may name a job or item that
// was removed); any other failed read or write stops the work through the
// steps it was given, so that the transaction rolls back.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

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

// The commitments of many lines, summed by target and posted once per
// target: an import of a million lines over a few hundred cost lines
// writes each cost line once. The sums are exact (amounts to the cent,
// quantities to 4 places), so the figures are those that posting line by
// line gives. Entries come from OpeningCommitments::of, as a save's do.
class CommitmentBatch {
 public:
  void add(const Commitment& entry);
  // Posts every total (sign +1) or takes them back (-1), in target order.
  void post(CommitmentPoster& poster, int sign = +1) const;
  bool empty() const { return totals_.empty(); }

 private:
  std::map<std::pair<LineKind, std::string>, Commitment> totals_;
};

}  // namespace crvpo
