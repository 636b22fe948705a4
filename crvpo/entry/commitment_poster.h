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

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

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

// The commitments of many lines, summed by target and posted once per
// target: an import of a million lines over a few hundred cost lines
// writes each cost line once. The sums are exact (amounts to the cent,
// quantities to 4 places), so the figures are those that posting line by
// line gives. Entries come from the rule (LineCommitments::of), as a
// save's do.
class CommitmentBatch {
 public:
  void add(const Commitment& entry);
  // Adds the entry with its amount and quantity turned round: posting then
  // takes it back.
  void takeBack(const Commitment& entry);
  // Posts every total (sign +1) or takes them back (-1), in target order.
  void post(CommitmentPoster& poster, int sign = +1) const;
  bool empty() const { return totals_.empty(); }

 private:
  // Kind, job, cost code, change-order detail and item.
  using Target = std::tuple<LineKind, std::string, std::string, crv::Id, std::string>;
  std::map<Target, Commitment> totals_;
};

}  // namespace crvpo
