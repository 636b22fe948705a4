// Full reconciliation and unreconciliation of one order.
#include "crvpo/entry/order_reconciliation.h"

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/entry/line_amounts.h"
#include "crvpo/entry/line_commitment.h"
#include "crvpo/entry/purchase_order_save.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/transaction.h"

namespace crvpo {
namespace {

// Stock units per ordered unit of a line: its unit conversion's factor, 1
// without one.
double unitFactor(crv::Connection& connection, crv::TableSteps& steps, const crv::PODetailRecord& line) {
  if (line.ConversionID == 0) return 1;
  crv::PrivateTable<crv::INCnvrtRecord> conversions(connection);
  conversions.rec.ConversionID = line.ConversionID;
  if (steps.fetch(conversions.table, crv::INCnvrtRecord::KeyConversionID) && conversions.rec.Factor > 0)
    return conversions.rec.Factor;
  return 1;
}

// What a line commits in its present state.
struct LineFigures {
  crv::Amount committed;
  crv::Quantity onOrder;
};

LineFigures figuresOf(const crv::PODetailRecord& line, double factor) {
  LineFigures figures;
  if (line.Reconciliation == 2) return figures;
  switch (lineKind(line)) {
    case LineKind::Job:
      if (line.QtyOrdered != line.QtyInvoiced) figures.committed = openAmount(line);
      break;
    case LineKind::Inventory:
      figures.onOrder =
          line.INVQuantity - crv::multiply<4>(line.QtyRcvdNotInvoiced + line.QtyThisPackSlip, factor);
      break;
    case LineKind::None:
      break;
  }
  return figures;
}

// Closes the line (full) or gives it the state of its invoiced quantity,
// and moves the figures from what it committed to what it commits now.
void changeLine(crv::Connection& connection, CommitmentPoster& poster, crv::PODetailRecord& line, bool full) {
  if (full && line.Reconciliation == 2) return;
  const double factor = unitFactor(connection, poster.steps(), line);
  const LineFigures before = figuresOf(line, factor);
  if (lineKind(line) == LineKind::Inventory)
    line.INVQuantity = outstandingInStockUnits(line.QtyOrdered, line.QtyInvoiced, factor);
  line.Reconciliation = full ? crv::Flag{2} : reconciliationState(line.QtyOrdered, line.QtyInvoiced);
  const LineFigures after = figuresOf(line, factor);
  if (lineKind(line) == LineKind::Job)
    poster.addCommitted(jobCostId(line), after.committed - before.committed);
  if (lineKind(line) == LineKind::Inventory)
    poster.addOnOrder(line.ItemID.view(), after.onOrder - before.onOrder);
}

}  // namespace

OperationOutcome OrderReconciliation::reconcileFully(crv::Id poid) { return run(poid, true); }

OperationOutcome OrderReconciliation::unreconcile(crv::Id poid) { return run(poid, false); }

OperationOutcome OrderReconciliation::run(crv::Id poid, bool full) {
  OperationOutcome outcome;
  crv::Connection* connection = orders_->connection();
  if (!connection) {
    const crv::StepFailure closed{crv::makeError(crv::ErrorCode::FileNotOpen, orders_->name()),
                                  crv::TableOp::Saving, orders_->name()};
    return outcome.fail(failureText(closed, notChangedText), "Purchase Order Not Changed");
  }
  auto work = [&](crv::TableSteps& steps) {
    crv::PrivateTable<crv::POMasterRecord> order(*connection);
    order.rec.POID = poid;
    if (!steps.fetch(order.table, crv::POMasterRecord::KeyPOID))
      steps.fail(crv::StepFailure::of(order.table, crv::TableOp::Reading));
    CommitmentPoster poster(*connection, steps);
    crv::PrivateTable<crv::PODetailRecord> lines(*connection);
    lines.rec.POID = poid;
    lines.table.setRange(crv::PODetailRecord::KeyPOID, 1);
    bool allClosed = true;
    bool anyStarted = false;
    while (steps.next(lines.table)) {
      changeLine(*connection, poster, lines.rec, full);
      steps.update(lines.table);
      allClosed = allClosed && lines.rec.Reconciliation == 2;
      anyStarted = anyStarted || lines.rec.Reconciliation != 0;
    }
    setStateAndSortFields(order.rec,
                          full || allClosed ? crv::Flag{2} : static_cast<crv::Flag>(anyStarted ? 1 : 0));
    steps.update(order.table);
    return true;
  };
  const auto failure = crv::runAtomically(*connection, crv::Transaction::defaultWait, orders_->name(),
                                          crv::TableOp::Saving, work);
  if (failure) return outcome.fail(failureText(*failure, notChangedText), "Purchase Order Not Changed");
  outcome.done = true;
  return outcome;
}

bool OrderReconciliation::allInvoiced(crv::Id poid) {
  crv::PrivateTable<crv::PODetailRecord> lines(*orders_);
  lines.rec.POID = poid;
  if (!lines.isOpen() || lines.table.setRange(crv::PODetailRecord::KeyPOID, 1) != crv::TableStatus::Ok)
    return true;
  while (lines.table.next() == crv::TableStatus::Ok)
    if (lines.rec.QtyInvoiced < lines.rec.QtyOrdered) return false;
  return true;
}

}  // namespace crvpo
