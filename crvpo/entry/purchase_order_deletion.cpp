// Deleting a purchase order in one transaction.
#include "crvpo/entry/purchase_order_deletion.h"

#include <stdexcept>

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/entry/order_activity_log.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/table/relation_manager.h"
#include "host/siblings/CRVMISC/image_store.h"

namespace crvpo {
namespace {

constexpr const char* ownerType = "POMaster";

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

// Removes every row of a range (the rows whose leading `parts` key fields
// equal the buffer's), calling `seen` on each first.
template <class R, class Seen>
void removeRange(crv::TableSteps& steps, crv::PrivateTable<R>& rows, const crv::KeyDef& key,
                 std::size_t parts, Seen seen) {
  steps.check(rows.table.setRange(key, parts), rows.table, crv::TableOp::Reading);
  while (steps.next(rows.table)) {
    seen(rows.rec);
    steps.remove(rows.table);
  }
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

  crv::PrivateTable<crv::NotesRecord> notes(connection);
  notes.rec.EntityID = std::to_string(po.POID);
  notes.rec.Filename = ownerType;
  removeRange(steps, notes, crv::NotesRecord::KeyEntityID, 2, [](const crv::NotesRecord&) {});

  crv::PrivateTable<crv::ImagesRecord> images(connection);
  images.rec.Type = ownerType;
  images.rec.NumericID = po.POID;
  removeRange(steps, images, crv::ImagesRecord::KeyTypeNumericID, 2, [&](const crv::ImagesRecord& image) {
    if (!image.StoredName.empty()) storedFiles.push_back(image.StoredName.str());
  });

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

  for (const std::string& stored : storedFiles)
    if (auto removed = crv::siblings::RemoveImageFile(stored); !removed)
      outcome.tell(removed.error, {}, crv::Icon::Exclamation);
  auto& po = static_cast<crv::POMasterRecord&>(orders_->buffer());
  if (auto logFailure = OrderActivityLog(*connection).write(OrderActivity::Deleted, po))
    outcome.tell(*logFailure, {}, crv::Icon::Exclamation);
  outcome.done = true;
  return outcome;
}

}  // namespace crvpo
