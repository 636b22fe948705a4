// Deleting a purchase order in one transaction.
#include "crvpo/entry/purchase_order_deletion.h"

#include <stdexcept>
#include <vector>

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/entry/order_activity_log.h"
#include "crvpo/entry/order_notes_and_attachments.h"
#include "host/framework/services/message_box.h"
#include "host/framework/table/relation_manager.h"

namespace crvpo {
namespace {

// Undoes an inventory line's stock figures.
StepResult undoInventoryLine(crv::Connection& connection, CommitmentPoster& poster,
                             const crv::PODetailRecord& line) {
  bool found = false;
  if (auto failure = poster.fetchItem(line.ItemID.view(), found); failure || !found) return failure;
  crv::INMasterRecord& item = poster.items().rec;

  double factor = 1;
  if (line.QtyOrdered.isZero() && line.ConversionID != 0) {
    crv::PrivateTable<crv::INCnvrtRecord> conversions(connection);
    conversions.rec.ConversionID = line.ConversionID;
    bool known = false;
    if (auto failure = fetchRow(conversions.table, crv::INCnvrtRecord::KeyConversionID, known))
      return failure;
    if (known && conversions.rec.Factor > 0) factor = conversions.rec.Factor;
  }
  const crv::Quantity received = inStockUnits(line, line.QtyRcvdNotInvoiced, factor);
  item.QtyOnOrder -= line.INVQuantity - received;

  if (!line.QtyRcvdNotInvoiced.isZero()) {
    item.QtyOnHand -= received;
    crv::PrivateTable<crv::INItemRecord> stock(connection);
    stock.rec.ItemID = item.ItemID;
    stock.rec.LocationID = item.DefaultLocationID;
    stock.rec.BinID = item.DefaultBinID;
    bool stocked = false;
    if (auto failure = fetchRow(stock.table, crv::INItemRecord::KeyItemLocBin, stocked)) return failure;
    if (stocked) {
      stock.rec.QtyOnHand -= received;
      if (auto failure = updateRow(stock.table)) return failure;
    }
    crv::PrivateTable<crv::INPurchRecord> history(connection);
    history.rec.PODetailID = line.DetailID;
    bool bought = false;
    if (auto failure = fetchRow(history.table, crv::INPurchRecord::KeyPODetailID, bought)) return failure;
    if (bought)
      if (auto failure = removeRow(history.table)) return failure;
  }
  return updateRow(poster.items().table);
}

StepResult undoJobLine(CommitmentPoster& poster, const crv::PODetailRecord& line) {
  bool found = false;
  if (auto failure = poster.fetchCost(jobCostId(line), found); failure || !found) return failure;
  crv::JCCostRecord& cost = poster.costs().rec;
  cost.Committed -= openAmount(line);
  if (cost.PODetailID == line.DetailID) cost.PODetailID = 0;
  return updateRow(poster.costs().table);
}

}  // namespace

OperationOutcome PurchaseOrderDeletion::fail(std::string text) {
  if (showMessages_) crv::message(text, failureTitle, crv::Icon::Stop);
  return OperationOutcome::failure(std::move(text));
}

OperationOutcome PurchaseOrderDeletion::remove() {
  crv::Connection* connection = orders_->connection();
  if (!connection || !orders_->isOpen())
    return fail(failureText(crv::makeError(crv::ErrorCode::FileNotOpen, orders_->name()),
                            crv::TableOp::Deleting, orders_->name(), notDeletedText));
  auto& po = static_cast<crv::POMasterRecord&>(orders_->buffer());
  std::vector<std::string> storedFiles;

  {
    crv::Transaction transaction(*connection, wait_);
    if (!transaction.started())
      return fail(failureText(transaction.error(), crv::TableOp::Deleting, orders_->name(), notDeletedText));
    try {
      bool exists = false;
      if (auto failure = fetchRow(*orders_, crv::POMasterRecord::KeyPOID, exists))
        return fail(failureText(*failure, notDeletedText));
      if (!exists)
        return fail(
            failureText(orders_->lastError(), crv::TableOp::Reading, orders_->name(), notDeletedText));

      CommitmentPoster poster(*connection);
      crv::PrivateTable<crv::PODetailRecord> lines(*connection);
      lines.rec.POID = po.POID;
      lines.table.setRange(crv::PODetailRecord::KeyPOID, 1);
      for (;;) {
        const crv::TableStatus read = lines.table.next();
        if (read == crv::TableStatus::EndOfFile) break;
        if (read != crv::TableStatus::Ok)
          return fail(
              failureText(lines.table.lastError(), crv::TableOp::Reading, "PODetail", notDeletedText));
        StepResult failure;
        switch (lineKind(lines.rec)) {
          case LineKind::Inventory:
            failure = undoInventoryLine(*connection, poster, lines.rec);
            break;
          case LineKind::Job:
            failure = undoJobLine(poster, lines.rec);
            break;
          case LineKind::None:
            break;
        }
        if (failure) return fail(failureText(*failure, notDeletedText));
      }

      if (auto failure = removeNotesAndAttachments(*connection, po.POID, storedFiles))
        return fail(failureText(*failure, notDeletedText));

      if (crv::RelationManager::removeWithDependents(*orders_, true) != crv::TableStatus::Ok)
        return fail(failureText(crv::RuntimeErrors::current(), crv::TableOp::Deleting, orders_->name(),
                                notDeletedText));

      if (transaction.commit() != crv::TableStatus::Ok)
        return fail(
            failureText(transaction.error(), crv::TableOp::Deleting, orders_->name(), notDeletedText));
    } catch (const std::exception& error) {
      return fail(std::string(error.what()) + "||" + notDeletedText);
    }
  }

  removeStoredFiles(storedFiles, showMessages_);

  if (auto logFailure = OrderActivityLog(*connection).write(OrderActivity::Deleted, po);
      logFailure && showMessages_)
    crv::message(*logFailure, {}, crv::Icon::Exclamation);
  return OperationOutcome::success();
}

}  // namespace crvpo
