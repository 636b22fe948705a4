// Moves committed figures: money on job cost lines (JCC:Committed, and
// JCC:COCommitted with JCCOD:Committed for the part charged to a change
// order) and stock on order of inventory items (INM:QtyOnOrder).
//
// The save and the deletion of an order and the deletion of a line all
// post through it, inside their transaction, what the rule of
// line_commitment.h gives. A cost line, change-order detail or item that
// does not exist is skipped without a word (a line may name a job or item
// that was removed); any other failed read or write stops the work through
// the steps it was given, so that the transaction rolls back.
#pragma once

#include <string_view>

#include "crvpo/entry/line_commitment.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {

class CommitmentPoster {
 public:
  CommitmentPoster(crv::Connection& connection, crv::TableSteps& steps)
      : steps_(&steps),
        rule_(connection, steps),
        costs_(connection),
        details_(connection),
        items_(connection) {}

  // Posts (sign +1) or takes back (sign -1) one commitment.
  void apply(const Commitment& entry, int sign);

  // The first cost line of a job and cost code, the one a rebuild posts
  // to; false when there is none.
  bool fetchCost(std::string_view job, std::string_view costCode);
  bool fetchItem(std::string_view item);

  LineCommitments& rule() { return rule_; }
  crv::TableSteps& steps() { return *steps_; }
  crv::PrivateTable<crv::JCCostRecord>& costs() { return costs_; }
  crv::PrivateTable<crv::INMasterRecord>& items() { return items_; }

 private:
  void addCommitted(const Commitment& entry, crv::Amount amount);

  crv::TableSteps* steps_;
  LineCommitments rule_;
  crv::PrivateTable<crv::JCCostRecord> costs_;
  crv::PrivateTable<crv::JCCODRecord> details_;
  crv::PrivateTable<crv::INMasterRecord> items_;
};

}  // namespace crvpo
