// Stock and purchase history of a line's receipt.
#include "crvpo/reconcile/receipt_postings.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "crvpo/entry/commitment_poster.h"
#include "host/framework/values/date.h"

namespace crvpo {

StepResult insertNumbered(crv::Table& table) {
  if (table.primeAutoInc() != crv::TableStatus::Ok)
    return StepFailure::of(table, crv::TableOp::Autoincrementing);
  if (table.tryInsert() != crv::TableStatus::Ok) return StepFailure::of(table, crv::TableOp::Inserting);
  return std::nullopt;
}

ReceiptPostings::ReceiptPostings(crv::Connection& connection, const crv::PODetailRecord& line,
                                 ReceiptQuantities quantities, crv::Id vendor)
    : connection_(&connection),
      line_(&line),
      quantities_(quantities),
      vendor_(vendor),
      items_(connection),
      bins_(connection),
      history_(connection) {}

crv::Quantity ReceiptPostings::inStock(crv::Quantity quantity) const {
  return crv::multiply<crv::Quantity::places>(quantity, factor_);
}

StepResult ReceiptPostings::readFactor(bool& itemFound) {
  items_.rec.clear();
  items_.rec.ItemID = line_->ItemID;
  if (auto failure = fetchRow(items_.table, crv::INMasterRecord::KeyItemID, itemFound); failure || !itemFound)
    return failure;
  factor_ = 1;
  if (line_->UnitName == items_.rec.UnitName) return std::nullopt;
  crv::PrivateTable<crv::INCnvrtRecord> conversions(*connection_);
  conversions.rec.ItemID = line_->ItemID;
  conversions.rec.UnitName = line_->UnitName;
  bool converted = false;
  if (auto failure = fetchRow(conversions.table, crv::INCnvrtRecord::KeyItemUnit, converted)) return failure;
  if (converted) factor_ = conversions.rec.Factor;
  return std::nullopt;
}

StepResult ReceiptPostings::moveBin(const StockPlace& place, crv::Quantity change) {
  if (change.isZero()) return std::nullopt;
  bins_.rec.clear();
  bins_.rec.ItemID = line_->ItemID;
  bins_.rec.LocationID = place.location;
  bins_.rec.BinID = place.bin;
  bool found = false;
  if (auto failure = fetchRow(bins_.table, crv::INItemRecord::KeyItemLocBin, found)) return failure;
  if (!found) {
    bins_.rec.QtyOnHand = change;
    return insertNumbered(bins_.table);
  }
  bins_.rec.QtyOnHand += change;
  // Only a bin this receipt empties goes; stock of other receipts stays.
  if (bins_.rec.QtyOnHand.isZero()) return removeRow(bins_.table);
  return updateRow(bins_.table);
}

StepResult ReceiptPostings::postStock(const StockPlace& postedAt) {
  bool itemFound = false;
  if (auto failure = readFactor(itemFound); failure || !itemFound) return failure;
  const crv::Quantity base = inStock(quantities_.prior);
  const crv::Quantity before = inStock(quantities_.prior + quantities_.posted);
  const crv::Quantity after = inStock(quantities_.Received());
  const StockPlace here{line_->LocationID.str(), line_->BinID.str()};
  if (postedAt == here || before == base) {
    if (auto failure = moveBin(here, after - before)) return failure;
  } else {
    if (auto failure = moveBin(postedAt, base - before)) return failure;
    if (auto failure = moveBin(here, after - base)) return failure;
  }
  const crv::Quantity change = after - before;
  if (change.isZero()) return std::nullopt;
  crv::INMasterRecord& item = items_.rec;
  item.QtyOnHand += change;
  item.QtyOnOrder -= change;
  item.QtyReceivedToDate += change;
  return updateRow(items_.table);
}

bool ReceiptPostings::fetchHistoryRow(crv::Id record) {
  history_.rec.clear();
  history_.rec.RecordID = record;
  return history_.table.fetch(crv::INPurchRecord::KeyRecordID) == crv::TableStatus::Ok;
}

StepResult ReceiptPostings::addHistoryRow(crv::Id serial, crv::Quantity quantity, crv::Quantity cost) {
  crv::INPurchRecord& row = history_.rec;
  row.clear();
  row.ItemID = line_->ItemID;
  row.VendorID = vendor_;
  row.PurchaseDate = crv::Date::today();
  row.UnitName = line_->UnitName.view();
  row.Price = line_->UnitPrice;
  row.SerialID = serial;
  row.LocationID = line_->LocationID;
  row.BinID = line_->BinID;
  row.Quantity = quantity;
  row.Cost = cost;
  row.PODetailID = line_->DetailID;
  return insertNumbered(history_.table);
}

StepResult ReceiptPostings::historyPerSerial(const std::vector<crv::Id>& serials) {
  const crv::Quantity cost = crv::Quantity::fromDouble(line_->UnitPrice);
  std::unordered_map<crv::Id, std::vector<crv::Id>> rowsOfSerial;
  for (const HistoryRow& row : historyRows_) rowsOfSerial[row.serial].push_back(row.record);
  const std::unordered_set<crv::Id> wanted(serials.begin(), serials.end());
  for (crv::Id serial : serials) {
    auto rows = rowsOfSerial.find(serial);
    if (rows == rowsOfSerial.end()) {
      if (auto failure = addHistoryRow(serial, crv::Quantity(1), cost)) return failure;
      continue;
    }
    for (crv::Id record : rows->second) {
      if (!fetchHistoryRow(record)) return StepFailure::of(history_.table, crv::TableOp::Reading);
      if (history_.rec.Cost == cost) continue;
      history_.rec.Cost = cost;
      if (auto failure = updateRow(history_.table)) return failure;
    }
  }
  for (const HistoryRow& row : historyRows_) {
    if (wanted.count(row.serial)) continue;
    if (!fetchHistoryRow(row.record)) return StepFailure::of(history_.table, crv::TableOp::Reading);
    if (auto failure = removeRow(history_.table)) return failure;
  }
  return std::nullopt;
}

StepResult ReceiptPostings::historyForLine() {
  const crv::Quantity received = quantities_.Received();
  const crv::Quantity quantity = inStock(received);
  const crv::Quantity cost = crv::multiply<crv::Quantity::places>(received, line_->UnitPrice);
  // The row kept is the one of the line's serial number when there is one.
  auto kept = std::find_if(historyRows_.begin(), historyRows_.end(),
                           [&](const HistoryRow& row) { return row.serial == line_->SerialID; });
  if (kept == historyRows_.end() && !historyRows_.empty()) kept = historyRows_.begin();
  for (auto row = historyRows_.begin(); row != historyRows_.end(); ++row) {
    if (row == kept && !received.isZero()) continue;
    if (!fetchHistoryRow(row->record)) return StepFailure::of(history_.table, crv::TableOp::Reading);
    if (auto failure = removeRow(history_.table)) return failure;
  }
  if (received.isZero()) return std::nullopt;
  if (kept == historyRows_.end()) return addHistoryRow(line_->SerialID, quantity, cost);
  if (!fetchHistoryRow(kept->record)) return StepFailure::of(history_.table, crv::TableOp::Reading);
  history_.rec.Quantity = quantity;
  history_.rec.Cost = cost;
  history_.rec.SerialID = line_->SerialID;
  return updateRow(history_.table);
}

StepResult ReceiptPostings::removeStaleSerialRows(crv::Id keep) {
  for (const HistoryRow& row : historyRows_) {
    if (row.serial == 0 || row.serial == keep) continue;
    if (!fetchHistoryRow(row.record)) return StepFailure::of(history_.table, crv::TableOp::Reading);
    if (auto failure = removeRow(history_.table)) return failure;
  }
  return std::nullopt;
}

StepResult ReceiptPostings::postHistory(bool perSerial, const std::vector<crv::Id>& serials) {
  historyRows_.clear();
  history_.rec.clear();
  history_.rec.PODetailID = line_->DetailID;
  if (auto failure =
          eachInRange(history_, crv::INPurchRecord::KeyPODetailID, 1, [&](const crv::INPurchRecord& row) {
            historyRows_.push_back({row.RecordID, row.SerialID});
          }))
    return failure;
  if (perSerial) return historyPerSerial(serials);
  if (line_->DetailType == "Inventory") return historyForLine();
  return removeStaleSerialRows(line_->SerialID);
}

}  // namespace crvpo
