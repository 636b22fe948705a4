// Building the opening commitments of an order.
#include "crvpo/entry/opening_commitments.h"

#include <algorithm>

#include "crvpo/reconcile/committed_cost_recalculation.h"

namespace crvpo {
namespace {

// Remembers that a read failed; the runtime error keeps what it was.
class FailureSeen final : public crv::StepFailureSink {
 public:
  void stepFailed(const crv::StepFailure&) override { failed = true; }
  bool failed = false;
};

}  // namespace

std::optional<OpeningCommitments> OpeningCommitments::ofOrder(crv::Connection& connection, crv::Id poid) {
  FailureSeen failure;
  crv::TableSteps steps(failure);
  LineCommitments rule(connection, steps);
  OpeningCommitments list;
  list.setRebuildsSeen(committedCostRebuilds(connection, steps));
  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  lines.rec.POID = poid;
  if (!steps.check(lines.table.setRange(crv::PODetailRecord::KeyPOID, 1), lines.table, crv::TableOp::Reading))
    return std::nullopt;
  while (steps.next(lines.table))
    if (auto entry = rule.of(lines.rec)) list.add(std::move(*entry));
  if (failure.failed) return std::nullopt;
  return list;
}

const Commitment* OpeningCommitments::find(crv::Id detailId) const {
  if (detailId == 0) return nullptr;
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [detailId](const Commitment& entry) { return entry.detailId == detailId; });
  return found == entries_.end() ? nullptr : &*found;
}

std::optional<Commitment> OpeningCommitments::takeLine(crv::Id detailId) {
  const Commitment* found = find(detailId);
  if (!found) return std::nullopt;
  Commitment entry = *found;
  entries_.erase(entries_.begin() + (found - entries_.data()));
  return entry;
}

}  // namespace crvpo
