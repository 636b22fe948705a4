// Posting committed cost and stock on order.
#include "crvpo/entry/commitment_poster.h"

namespace crvpo {

StepResult fetchRow(crv::Table& table, const crv::KeyDef& key, bool& found) {
  const crv::TableStatus status = table.fetch(key);
  found = status == crv::TableStatus::Ok;
  if (found || status == crv::TableStatus::NotFound) return std::nullopt;
  return StepFailure::of(table, crv::TableOp::Reading);
}

StepResult updateRow(crv::Table& table) {
  if (table.tryUpdate() == crv::TableStatus::Ok) return std::nullopt;
  return StepFailure::of(table, crv::TableOp::Saving);
}

StepResult removeRow(crv::Table& table) {
  if (table.tryRemove() == crv::TableStatus::Ok) return std::nullopt;
  return StepFailure::of(table, crv::TableOp::Deleting);
}

StepResult CommitmentPoster::fetchCost(std::string_view jobCostId, bool& found) {
  costs_.rec.RecordID = jobCostId;
  return fetchRow(costs_.table, crv::JCCostRecord::KeyRecordID, found);
}

StepResult CommitmentPoster::fetchItem(std::string_view item, bool& found) {
  items_.rec.ItemID = item;
  return fetchRow(items_.table, crv::INMasterRecord::KeyItemID, found);
}

StepResult CommitmentPoster::addCommitted(std::string_view jobCostId, crv::Amount amount) {
  bool found = false;
  if (auto failure = fetchCost(jobCostId, found); failure || !found) return failure;
  costs_.rec.Committed += amount;
  return updateRow(costs_.table);
}

StepResult CommitmentPoster::addOnOrder(std::string_view item, crv::Quantity quantity) {
  bool found = false;
  if (auto failure = fetchItem(item, found); failure || !found) return failure;
  items_.rec.QtyOnOrder += quantity;
  return updateRow(items_.table);
}

StepResult CommitmentPoster::apply(const Commitment& entry, int sign) {
  if (entry.kind() == LineKind::Job)
    return addCommitted(entry.key.view(), sign < 0 ? -entry.amount : entry.amount);
  return addOnOrder(entry.key.view(), sign < 0 ? -entry.quantity : entry.quantity);
}

void CommitmentBatch::add(const Commitment& entry) {
  auto [total, added] = totals_.try_emplace({entry.kind(), entry.key.str()}, entry);
  if (added) return;
  total->second.amount += entry.amount;
  total->second.quantity += entry.quantity;
}

StepResult CommitmentBatch::post(CommitmentPoster& poster, int sign) const {
  for (const auto& [target, total] : totals_)
    if (auto failure = poster.apply(total, sign)) return failure;
  return std::nullopt;
}

}  // namespace crvpo
