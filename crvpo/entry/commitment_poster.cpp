// Posting committed cost and stock on order.
#include "crvpo/entry/commitment_poster.h"

namespace crvpo {

bool CommitmentPoster::fetchCost(std::string_view job, std::string_view costCode) {
  costs_.rec.clear();
  costs_.rec.JobID = job;
  costs_.rec.CostCode = costCode;
  return steps_->fetch(costs_.table, crv::JCCostRecord::KeyJobCodeType);
}

bool CommitmentPoster::fetchItem(std::string_view item) {
  items_.rec.ItemID = item;
  return steps_->fetch(items_.table, crv::INMasterRecord::KeyItemID);
}

// The change-order part goes with the cost line: a detail is charged only
// through a cost line that exists, as a rebuild charges it.
void CommitmentPoster::addCommitted(const Commitment& entry, crv::Amount amount) {
  if (!fetchCost(entry.jobId.view(), entry.costCode.view())) return;
  costs_.rec.Committed += amount;
  if (entry.coDetailId != 0) {
    details_.rec.CODID = entry.coDetailId;
    if (steps_->fetch(details_.table, crv::JCCODRecord::KeyCODID)) {
      details_.rec.Committed += amount;
      steps_->update(details_.table);
      costs_.rec.COCommitted += amount;
    }
  }
  steps_->update(costs_.table);
}

void CommitmentPoster::apply(const Commitment& entry, int sign) {
  switch (entry.kind) {
    case LineKind::Job:
      if (!entry.amount.isZero()) addCommitted(entry, sign < 0 ? -entry.amount : entry.amount);
      break;
    case LineKind::Inventory:
      if (entry.quantity.isZero() || !fetchItem(entry.itemId.view())) break;
      items_.rec.QtyOnOrder += sign < 0 ? -entry.quantity : entry.quantity;
      steps_->update(items_.table);
      break;
    case LineKind::None:
      break;
  }
}

void CommitmentBatch::add(const Commitment& entry) {
  const Target target{entry.kind, entry.jobId.str(), entry.costCode.str(), entry.coDetailId,
                      entry.itemId.str()};
  auto [total, added] = totals_.try_emplace(target, entry);
  if (added) return;
  total->second.amount += entry.amount;
  total->second.quantity += entry.quantity;
}

void CommitmentBatch::takeBack(const Commitment& entry) {
  Commitment reversed = entry;
  reversed.amount = -entry.amount;
  reversed.quantity = -entry.quantity;
  add(reversed);
}

void CommitmentBatch::post(CommitmentPoster& poster, int sign) const {
  for (const auto& [target, total] : totals_) poster.apply(total, sign);
}

}  // namespace crvpo
