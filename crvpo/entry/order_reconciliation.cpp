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

// Closes the line (full) or gives it the state of its invoiced quantity,
// and moves the figures from what it committed to what it commits now, by
// the rule every save and deletion posts with.
void changeLine(CommitmentPoster& poster, crv::PODetailRecord& line, bool full) {
  if (full && line.Reconciliation == 2) return;
  const double factor = poster.rule().factor(line);
  const std::optional<Commitment> before = commitmentOf(line, factor);
  if (lineKind(line) == LineKind::Inventory)
    line.INVQuantity = outstandingInStockUnits(line.QtyOrdered, line.QtyInvoiced, factor);
  line.Reconciliation = full ? crv::Flag{2} : reconciliationState(line.QtyOrdered, line.QtyInvoiced);
  const std::optional<Commitment> after = commitmentOf(line, factor);
  if (before) poster.apply(*before, -1);
  if (after) poster.apply(*after, +1);
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
      changeLine(poster, lines.rec, full);
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
