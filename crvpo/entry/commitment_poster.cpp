// Posting committed cost and stock on order.
#include "crvpo/entry/commitment_poster.h"

namespace crvpo {

bool CommitmentPoster::fetchCost(std::string_view jobCostId) {
  costs_.rec.RecordID = jobCostId;
  return steps_->fetch(costs_.table, crv::JCCostRecord::KeyRecordID);
}

bool CommitmentPoster::fetchItem(std::string_view item) {
  items_.rec.ItemID = item;
  return steps_->fetch(items_.table, crv::INMasterRecord::KeyItemID);
}

void CommitmentPoster::addCommitted(std::string_view jobCostId, crv::Amount amount) {
  if (!fetchCost(jobCostId)) return;
  costs_.rec.Committed += amount;
  steps_->update(costs_.table);
}

void CommitmentPoster::addOnOrder(std::string_view item, crv::Quantity quantity) {
  if (!fetchItem(item)) return;
  items_.rec.QtyOnOrder += quantity;
  steps_->update(items_.table);
}

void CommitmentPoster::apply(const Commitment& entry, int sign) {
  if (entry.kind() == LineKind::Job)
    addCommitted(entry.key.view(), sign < 0 ? -entry.amount : entry.amount);
  else
    addOnOrder(entry.key.view(), sign < 0 ? -entry.quantity : entry.quantity);
}

void CommitmentBatch::add(const Commitment& entry) {
  auto [total, added] = totals_.try_emplace({entry.kind(), entry.key.str()}, entry);
  if (added) return;
  total->second.amount += entry.amount;
  total->second.quantity += entry.quantity;
}

void CommitmentBatch::post(CommitmentPoster& poster, int sign) const {
  for (const auto& [target, total] : totals_) poster.apply(total, sign);
}

}  // namespace crvpo
