// Stock and purchase history of a line's receipt.
#include "crvpo/reconcile/receipt_postings.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "host/framework/values/date.h"

namespace crvpo {

bool insertNumbered(crv::TableSteps& steps, crv::Table& table) {
  return steps.primeAutoInc(table) && steps.insert(table);
}

ReceiptPostings::ReceiptPostings(crv::Connection& connection, crv::TableSteps& steps,
                                 const crv::PODetailRecord& line, ReceiptQuantities quantities,
                                 crv::Id vendor)
    : connection_(&connection),
      steps_(&steps),
      line_(&line),
      quantities_(quantities),
      vendor_(vendor),
      items_(connection),
      bins_(connection),
      history_(connection) {}

crv::Quantity ReceiptPostings::inStock(crv::Quantity quantity) const {
  return crv::multiply<crv::Quantity::places>(quantity, factor_);
}

bool ReceiptPostings::readFactor() {
  items_.rec.clear();
  items_.rec.ItemID = line_->ItemID;
  if (!steps_->fetch(items_.table, crv::INMasterRecord::KeyItemID)) return false;
  factor_ = 1;
  if (line_->UnitName == items_.rec.UnitName) return true;
  crv::PrivateTable<crv::INCnvrtRecord> conversions(*connection_);
  conversions.rec.ItemID = line_->ItemID;
  conversions.rec.UnitName = line_->UnitName;
  if (steps_->fetch(conversions.table, crv::INCnvrtRecord::KeyItemUnit)) factor_ = conversions.rec.Factor;
  return true;
}

void ReceiptPostings::moveBin(const StockPlace& place, crv::Quantity change) {
  if (change.isZero()) return;
  crv::INItemRecord& bin = bins_.rec;
  bin.clear();
  bin.ItemID = line_->ItemID;
  bin.LocationID = place.location;
  bin.BinID = place.bin;
  if (!steps_->fetch(bins_.table, crv::INItemRecord::KeyItemLocBin)) {
    bin.QtyOnHand = change;
    insertNumbered(*steps_, bins_.table);
    return;
  }
  bin.QtyOnHand += change;
  // Only a bin this receipt empties goes; stock of other receipts stays.
  if (bin.QtyOnHand.isZero())
    steps_->remove(bins_.table);
  else
    steps_->update(bins_.table);
}

void ReceiptPostings::postStock(const StockPlace& postedAt) {
  if (!readFactor()) return;
  const crv::Quantity base = inStock(quantities_.prior);
  const crv::Quantity before = inStock(quantities_.prior + quantities_.posted);
  const crv::Quantity after = inStock(quantities_.Received());
  const StockPlace here{line_->LocationID.str(), line_->BinID.str()};
  if (postedAt == here || before == base) {
    moveBin(here, after - before);
  } else {
    moveBin(postedAt, base - before);
    moveBin(here, after - base);
  }
  const crv::Quantity change = after - before;
  if (change.isZero()) return;
  crv::INMasterRecord& item = items_.rec;
  item.QtyOnHand += change;
  item.QtyOnOrder -= change;
  item.QtyReceivedToDate += change;
  steps_->update(items_.table);
}

bool ReceiptPostings::fetchHistoryRow(crv::Id record) {
  history_.rec.clear();
  history_.rec.RecordID = record;
  return steps_->fetch(history_.table, crv::INPurchRecord::KeyRecordID);
}

void ReceiptPostings::removeHistoryRow(crv::Id record) {
  if (fetchHistoryRow(record)) steps_->remove(history_.table);
}

void ReceiptPostings::addHistoryRow(crv::Id serial, crv::Quantity quantity, crv::Quantity cost) {
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
  insertNumbered(*steps_, history_.table);
}

void ReceiptPostings::historyPerSerial(const std::vector<crv::Id>& serials) {
  const crv::Quantity cost = crv::Quantity::fromDouble(line_->UnitPrice);
  std::unordered_map<crv::Id, std::vector<crv::Id>> rowsOfSerial;
  for (const HistoryRow& row : historyRows_) rowsOfSerial[row.serial].push_back(row.record);
  for (crv::Id serial : serials) {
    auto rows = rowsOfSerial.find(serial);
    if (rows == rowsOfSerial.end()) {
      addHistoryRow(serial, crv::Quantity(1), cost);
      continue;
    }
    for (crv::Id record : rows->second) {
      if (!fetchHistoryRow(record) || history_.rec.Cost == cost) continue;
      history_.rec.Cost = cost;
      steps_->update(history_.table);
    }
  }
  const std::unordered_set<crv::Id> wanted(serials.begin(), serials.end());
  for (const HistoryRow& row : historyRows_)
    if (!wanted.count(row.serial)) removeHistoryRow(row.record);
}

void ReceiptPostings::historyForLine() {
  const crv::Quantity received = quantities_.Received();
  // The row kept is the one of the line's serial number when there is one.
  auto kept = std::find_if(historyRows_.begin(), historyRows_.end(),
                           [&](const HistoryRow& row) { return row.serial == line_->SerialID; });
  if (kept == historyRows_.end() && !historyRows_.empty()) kept = historyRows_.begin();
  for (auto row = historyRows_.begin(); row != historyRows_.end(); ++row)
    if (row != kept || received.isZero()) removeHistoryRow(row->record);
  if (received.isZero()) return;
  const crv::Quantity quantity = inStock(received);
  const crv::Quantity cost = crv::multiply<crv::Quantity::places>(received, line_->UnitPrice);
  if (kept == historyRows_.end()) {
    addHistoryRow(line_->SerialID, quantity, cost);
    return;
  }
  if (!fetchHistoryRow(kept->record)) return;
  history_.rec.Quantity = quantity;
  history_.rec.Cost = cost;
  history_.rec.SerialID = line_->SerialID;
  steps_->update(history_.table);
}

void ReceiptPostings::removeStaleSerialRows(crv::Id keep) {
  for (const HistoryRow& row : historyRows_)
    if (row.serial != 0 && row.serial != keep) removeHistoryRow(row.record);
}

void ReceiptPostings::postHistory(bool perSerial, const std::vector<crv::Id>& serials) {
  historyRows_.clear();
  history_.rec.clear();
  history_.rec.PODetailID = line_->DetailID;
  history_.table.setRange(crv::INPurchRecord::KeyPODetailID, 1);
  while (steps_->next(history_.table)) historyRows_.push_back({history_.rec.RecordID, history_.rec.SerialID});
  if (perSerial)
    historyPerSerial(serials);
  else if (line_->DetailType == "Inventory")
    historyForLine();
  else
    removeStaleSerialRows(line_->SerialID);
}

}  // namespace crvpo
