// Saving a purchase order in one transaction.
#include "crvpo/entry/purchase_order_save.h"

#include <stdexcept>

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/entry/order_activity_log.h"
#include "crvpo/reconcile/committed_cost_recalculation.h"
#include "host/framework/services/global_request.h"

namespace crvpo {
namespace {

// A counter that keeps moving while this station retries means something
// is wrong rather than busy; give up after this many rounds.
constexpr int maxNumberRounds = 20;

}  // namespace

void setStateAndSortFields(crv::POMasterRecord& po, crv::Flag state) {
  po.Reconciled = state;
  po.RecTF = state == 2 ? 1 : 0;
  if (state == 2) {
    po.SortVendorID = 0;
    po.SortPONumber = "";
  } else {
    po.SortVendorID = po.VendorID;
    po.SortPONumber = po.PONumber.view();
  }
}

void PurchaseOrderSave::StateTally::add(crv::Flag reconciliation) {
  anyLine = true;
  if (reconciliation <= 1) allFully = false;
  if (reconciliation != 0) anyStarted = true;
}

crv::Flag PurchaseOrderSave::StateTally::state(crv::Amount orderTotal) const {
  if (orderTotal.isZero()) return 0;
  if (allFully) return 2;
  return anyStarted ? 1 : 0;
}

void PurchaseOrderSave::takeCounterNumber(PONumberCounter& counter, OperationOutcome& outcome) {
  crv::POMasterRecord& po = order();
  const auto settings = counter.readSettings();
  if (!settings || !counter.drawsFromCounter(*settings, po) || settings->NextPONumber == counter.assigned())
    return;
  outcome.tell(PONumberCounter::changeText(counter.assigned(), settings->NextPONumber),
               PONumberCounter::changeTitle, crv::Icon::Information);
  po.PONumber = plainDigits(settings->NextPONumber);
  counter.setAssigned(settings->NextPONumber);
}

bool PurchaseOrderSave::post(crv::TableSteps& steps, bool inserting, PONumberCounter* counter,
                             OpeningCommitments& opening, OpeningCommitments& posted) {
  crv::Connection& connection = *orders_->connection();
  crv::POMasterRecord& po = order();
  crv::PrivateTable<crv::SystemsRecord> systems(connection);
  bool advanceCounter = false;
  if (inserting && counter) {
    systems.table.set(crv::SystemsRecord::KeySystemID);
    if (steps.next(systems.table) && counter->drawsFromCounter(systems.rec, po)) {
      if (systems.rec.NextPONumber != counter->assigned()) return false;  // taken since the check before
      advanceCounter = true;
    }
  }

  // What the order committed when it was opened is taken back and what its
  // lines commit now is posted, netted per cost line, change-order detail
  // and item: changing one line of a long order writes only what moves.
  CommitmentPoster poster(connection, steps);
  CommitmentBatch moves;
  for (const Commitment& entry : opening.entries()) moves.takeBack(entry);

  StateTally tally;
  crv::PrivateTable<crv::PODetailRecord> lines(connection);
  lines.rec.POID = po.POID;
  lines.table.setRange(crv::PODetailRecord::KeyPOID, 1);
  while (steps.next(lines.table)) {
    tally.add(lines.rec.Reconciliation);
    if (auto entry = poster.rule().of(lines.rec)) {
      moves.add(*entry);
      posted.add(std::move(*entry));
    }
  }
  moves.post(poster);
  // A rebuild while the order was open counted its lines as they stood
  // then, not what was taken back above.
  posted.setRebuildsSeen(rebuildIfRebuiltSince(connection, steps, opening.rebuildsSeen()));
  setStateAndSortFields(po, tally.state(po.POAmount));

  if (advanceCounter) {
    systems.rec.NextPONumber += 1;
    steps.update(systems.table);
  }
  // The header goes last: a write that went through changes what the
  // access object knows of its row (a primed row becomes the order's), so
  // nothing after it but the commit may fail.
  steps.check(inserting ? orders_->tryInsert() : orders_->tryUpdate(), *orders_, crv::TableOp::Saving);
  return true;
}

void PurchaseOrderSave::logActivity(bool inserting, const crv::POMasterRecord& handed,
                                    const crv::POMasterRecord* openingState, OperationOutcome& outcome) {
  crv::POMasterRecord& po = order();
  OrderActivityLog log(*orders_->connection());
  std::optional<std::string> logFailure;
  if (inserting)
    logFailure = log.write(OrderActivity::Added, po);
  else if (openingState && !po.PONumber.empty() && !handed.sameValues(*openingState))
    logFailure = log.write(OrderActivity::Changed, po);
  if (logFailure) outcome.tell(*logFailure, {}, crv::Icon::Exclamation);
}

OperationOutcome PurchaseOrderSave::save(int request, OpeningCommitments& opening, PONumberCounter* counter,
                                         const crv::POMasterRecord* openingState) {
  OperationOutcome outcome;
  crv::Connection* connection = orders_->connection();
  if (!connection || !orders_->isOpen()) {
    const crv::StepFailure closed{crv::makeError(crv::ErrorCode::FileNotOpen, orders_->name()),
                                  crv::TableOp::Saving, orders_->name()};
    return outcome.fail(failureText(closed, notSavedText), failureTitle);
  }
  const bool inserting = request == crv::InsertRecord;
  // The order as the form hands it over, before the save works out its
  // state and sort fields: what the person changed, for the activity log.
  const crv::POMasterRecord handed = order();
  const crv::Table::Priming priming = orders_->priming();
  for (int round = 0; round < maxNumberRounds; ++round) {
    // The counter may have moved since the order was primed: take its
    // number before the transaction, while nothing is held.
    if (inserting && counter) takeCounterNumber(*counter, outcome);
    OpeningCommitments posted;
    bool settled = false;
    std::optional<crv::StepFailure> failure;
    try {
      failure = crv::runAtomically(*connection, wait_, orders_->name(), crv::TableOp::Saving,
                                   [&](crv::TableSteps& steps) {
                                     settled = post(steps, inserting, counter, opening, posted);
                                     return settled;
                                   });
    } catch (const std::exception& error) {
      orders_->restorePriming(priming);
      return outcome.fail(std::string(error.what()) + "||" + notSavedText, failureTitle);
    }
    if (failure) {
      orders_->restorePriming(priming);
      return outcome.fail(failureText(*failure, notSavedText), failureTitle);
    }
    if (!settled) continue;
    opening = std::move(posted);
    logActivity(inserting, handed, openingState, outcome);
    outcome.done = true;
    return outcome;
  }
  return outcome.fail("The purchase order number counter kept changing while the order was being saved.||" +
                          std::string(notSavedText),
                      failureTitle);
}

}  // namespace crvpo
