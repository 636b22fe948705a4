// Saving a purchase order in one transaction.
#include "crvpo/entry/purchase_order_save.h"

#include <stdexcept>

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/entry/order_activity_log.h"
#include "host/framework/services/global_request.h"
#include "host/framework/services/message_box.h"

namespace crvpo {
namespace {

// A counter that keeps moving while this station retries means something
// is wrong rather than busy; give up after this many rounds.
constexpr int maxNumberRounds = 20;

}  // namespace

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

OperationOutcome PurchaseOrderSave::fail(std::string text) {
  if (showMessages_) crv::message(text, failureTitle, crv::Icon::Stop);
  return OperationOutcome::failure(std::move(text));
}

OperationOutcome PurchaseOrderSave::save(int request, OpeningCommitments& opening, PONumberCounter* counter,
                                         const crv::POMasterRecord* openingState) {
  crv::Connection* connection = orders_->connection();
  if (!connection || !orders_->isOpen())
    return fail(failureText(crv::makeError(crv::ErrorCode::FileNotOpen, orders_->name()),
                            crv::TableOp::Saving, orders_->name(), notSavedText));
  const bool inserting = request == crv::InsertRecord;
  crv::POMasterRecord& po = order();

  for (int round = 0; round < maxNumberRounds; ++round) {
    // The counter may have moved since the order was primed: say so and
    // take its number before the transaction, while nothing is held.
    if (inserting && counter) {
      const auto settings = counter->readSettings();
      if (settings && counter->drawsFromCounter(*settings, po) &&
          settings->NextPONumber != counter->assigned()) {
        const crv::Id from = counter->assigned();
        const crv::Id to = settings->NextPONumber;
        if (showMessages_)
          crv::message(PONumberCounter::changeText(from, to), PONumberCounter::changeTitle,
                       crv::Icon::Information);
        po.PONumber = plainDigits(to);
        counter->setAssigned(to);
      }
    }

    crv::Transaction transaction(*connection, wait_);
    if (!transaction.started())
      return fail(failureText(transaction.error(), crv::TableOp::Saving, orders_->name(), notSavedText));

    try {
      crv::PrivateTable<crv::SystemsRecord> systems(*connection);
      bool advanceCounter = false;
      if (inserting && counter) {
        const crv::TableStatus read = [&] {
          systems.table.set(crv::SystemsRecord::KeySystemID);
          return systems.table.next();
        }();
        if (read != crv::TableStatus::Ok && read != crv::TableStatus::EndOfFile)
          return fail(failureText(systems.table.lastError(), crv::TableOp::Reading, "Systems", notSavedText));
        if (read == crv::TableStatus::Ok && counter->drawsFromCounter(systems.rec, po)) {
          if (systems.rec.NextPONumber != counter->assigned()) {
            transaction.rollback();
            continue;  // taken between the check above and the transaction
          }
          advanceCounter = true;
        }
      }

      CommitmentPoster poster(*connection);
      const auto& entries = opening.entries();
      for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        if (auto failure = poster.apply(*entry, -1)) return fail(failureText(*failure, notSavedText));

      OpeningCommitments posted;
      StateTally tally;
      crv::PrivateTable<crv::PODetailRecord> lines(*connection);
      lines.rec.POID = po.POID;
      lines.table.setRange(crv::PODetailRecord::KeyPOID, 1);
      for (;;) {
        const crv::TableStatus read = lines.table.next();
        if (read == crv::TableStatus::EndOfFile) break;
        if (read != crv::TableStatus::Ok)
          return fail(failureText(lines.table.lastError(), crv::TableOp::Reading, "PODetail", notSavedText));
        tally.add(lines.rec.Reconciliation);
        if (auto entry = OpeningCommitments::of(lines.rec)) {
          if (auto failure = poster.apply(*entry, +1)) return fail(failureText(*failure, notSavedText));
          posted.add(std::move(*entry));
        }
      }

      po.Reconciled = tally.state(po.POAmount);
      po.RecTF = po.Reconciled == 2 ? 1 : 0;
      if (po.Reconciled == 2) {
        po.SortVendorID = 0;
        po.SortPONumber = "";
      } else {
        po.SortVendorID = po.VendorID;
        po.SortPONumber = po.PONumber.view();
      }

      if (advanceCounter) {
        systems.rec.NextPONumber += 1;
        if (auto failure = updateRow(systems.table)) return fail(failureText(*failure, notSavedText));
      }

      // The header goes last: a write that went through changes what the
      // access object knows of its row (a primed row becomes the order's),
      // so nothing after it but the commit may fail.
      const crv::TableStatus written = inserting ? orders_->tryInsert() : orders_->tryUpdate();
      if (written != crv::TableStatus::Ok)
        return fail(failureText(orders_->lastError(), crv::TableOp::Saving, orders_->name(), notSavedText));

      if (transaction.commit() != crv::TableStatus::Ok)
        return fail(failureText(transaction.error(), crv::TableOp::Saving, orders_->name(), notSavedText));
      opening = std::move(posted);
    } catch (const std::exception& error) {
      return fail(std::string(error.what()) + "||" + notSavedText);
    }

    OrderActivityLog log(*connection);
    std::optional<std::string> logFailure;
    if (inserting)
      logFailure = log.write(OrderActivity::Added, po);
    else if (openingState && !po.PONumber.empty() && !po.sameValues(*openingState))
      logFailure = log.write(OrderActivity::Changed, po);
    if (logFailure && showMessages_) crv::message(*logFailure, {}, crv::Icon::Exclamation);
    return OperationOutcome::success();
  }
  return fail("The purchase order number counter kept changing while the order was being saved.||" +
              std::string(notSavedText));
}

}  // namespace crvpo
