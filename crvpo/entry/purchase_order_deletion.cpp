// Deleting a purchase order in one transaction.
#include "crvpo/entry/purchase_order_deletion.h"

#include <stdexcept>

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/entry/order_activity_log.h"
#include "crvpo/entry/order_notes_and_attachments.h"
#include "host/framework/table/relation_manager.h"

namespace crvpo {
namespace {

// The stock units per ordered unit of a line with nothing ordered: its unit
// conversion's factor, 1 without one.
double conversionFactor(crv::Connection& connection, crv::TableSteps& steps,
                        const crv::PODetailRecord& line) {
  if (!line.QtyOrdered.isZero() || line.ConversionID == 0) return 1;
  crv::PrivateTable<crv::INCnvrtRecord> conversions(connection);
  conversions.rec.ConversionID = line.ConversionID;
  if (steps.fetch(conversions.table, crv::INCnvrtRecord::KeyConversionID) && conversions.rec.Factor > 0)
    return conversions.rec.Factor;
  return 1;
}

// Takes what was received but not invoiced out of the item's default
// location and bin, and drops the line's purchase-history row.
void undoReceipt(crv::Connection& connection, crv::TableSteps& steps, const crv::INMasterRecord& item,
                 const crv::PODetailRecord& line, crv::Quantity received) {
  crv::PrivateTable<crv::INItemRecord> stock(connection);
  stock.rec.ItemID = item.ItemID;
  stock.rec.LocationID = item.DefaultLocationID;
  stock.rec.BinID = item.DefaultBinID;
  if (steps.fetch(stock.table, crv::INItemRecord::KeyItemLocBin)) {
    stock.rec.QtyOnHand -= received;
    steps.update(stock.table);
  }
  crv::PrivateTable<crv::INPurchRecord> history(connection);
  history.rec.PODetailID = line.DetailID;
  if (steps.fetch(history.table, crv::INPurchRecord::KeyPODetailID)) steps.remove(history.table);
}

// Undoes an inventory line's stock figures.
void undoInventoryLine(crv::Connection& connection, CommitmentPoster& poster,
                       const crv::PODetailRecord& line) {
  if (!poster.fetchItem(line.ItemID.view())) return;
  crv::INMasterRecord& item = poster.items().rec;
  const crv::Quantity received =
      inStockUnits(line, line.QtyRcvdNotInvoiced, conversionFactor(connection, poster.steps(), line));
  item.QtyOnOrder -= line.INVQuantity - received;
  if (!line.QtyRcvdNotInvoiced.isZero()) {
    item.QtyOnHand -= received;
    undoReceipt(connection, poster.steps(), item, line, received);
  }
  poster.steps().update(poster.items().table);
}

void undoJobLine(CommitmentPoster& poster, const crv::PODetailRecord& line) {
  if (!poster.fetchCost(jobCostId(line))) return;
  crv::JCCostRecord& cost = poster.costs().rec;
  cost.Committed -= openAmount(line);
  if (cost.PODetailID == line.DetailID) cost.PODetailID = 0;
  poster.steps().update(poster.costs().table);
}

}  // namespace

void PurchaseOrderDeletion::removeAll(crv::TableSteps& steps, std::vector<std::string>& storedFiles) {
  crv::Connection& connection = *orders_->connection();
  auto& po = static_cast<crv::POMasterRecord&>(orders_->buffer());
  if (!steps.fetch(*orders_, crv::POMasterRecord::KeyPOID))
    steps.fail(crv::StepFailure::of(*orders_, crv::TableOp::Reading));

  CommitmentPoster poster(connection, steps);
  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  lines.rec.POID = po.POID;
  lines.table.setRange(crv::PODetailRecord::KeyPOID, 1);
  while (steps.next(lines.table)) {
    switch (lineKind(lines.rec)) {
      case LineKind::Inventory:
        undoInventoryLine(connection, poster, lines.rec);
        break;
      case LineKind::Job:
        undoJobLine(poster, lines.rec);
        break;
      case LineKind::None:
        break;
    }
  }

  removeNotesAndAttachments(steps, connection, po.POID, storedFiles);

  if (crv::RelationManager::removeWithDependents(*orders_, true) != crv::TableStatus::Ok)
    steps.fail({crv::RuntimeErrors::current(), crv::TableOp::Deleting, orders_->name()});
}

OperationOutcome PurchaseOrderDeletion::remove() {
  OperationOutcome outcome;
  crv::Connection* connection = orders_->connection();
  if (!connection || !orders_->isOpen()) {
    const crv::StepFailure closed{crv::makeError(crv::ErrorCode::FileNotOpen, orders_->name()),
                                  crv::TableOp::Deleting, orders_->name()};
    return outcome.fail(failureText(closed, notDeletedText), failureTitle);
  }
  std::vector<std::string> storedFiles;
  std::optional<crv::StepFailure> failure;
  try {
    failure = crv::runAtomically(*connection, wait_, orders_->name(), crv::TableOp::Deleting,
                                 [&](crv::TableSteps& steps) {
                                   removeAll(steps, storedFiles);
                                   return true;
                                 });
  } catch (const std::exception& error) {
    return outcome.fail(std::string(error.what()) + "||" + notDeletedText, failureTitle);
  }
  if (failure) return outcome.fail(failureText(*failure, notDeletedText), failureTitle);

  removeStoredFiles(storedFiles, outcome);
  auto& po = static_cast<crv::POMasterRecord&>(orders_->buffer());
  if (auto logFailure = OrderActivityLog(*connection).write(OrderActivity::Deleted, po))
    outcome.tell(*logFailure, {}, crv::Icon::Exclamation);
  outcome.done = true;
  return outcome;
}

}  // namespace crvpo
