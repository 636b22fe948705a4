// Rebuilding committed costs from scratch, and every order's reconciled
// totals with them.
//
// Saving orders keeps JCC:Committed, JCC:COCommitted, JCCOD:Committed and
// the orders' reconciled totals up to date incrementally; this rebuilds
// them from the orders' lines. Every cost line and every change-order
// detail starts from 0 (whatever it held), then each job line adds what
// the rule of crvpo/entry/line_commitment.h says it commits (its line
// total less what was invoiced against it, nothing when it is fully
// reconciled or fully invoiced by quantity) to the cost line of its job
// and cost code, and to its change-order detail (and the cost line's
// change-order part) when it names one that exists. A line whose job has
// no such cost line adds nothing, and neither do the lines of an order
// still being entered at another station (its reserved row has no PO
// number until the save that posts them). Every order's QuantityReconciled and
// AmountReconciled become the sums of its lines' invoiced quantities and
// amounts.
//
// The run never goes without its transaction: a rebuild beside another
// station's writes would overwrite that station's figures, and a run cut
// short would leave old and rebuilt figures mixed. lock() takes the
// transaction, waiting a while for other stations, and can be called again
// to keep waiting (the window and the command line say that they wait and
// let the person give up). The first failed read or write, and a line
// whose amounts are out of range, stop the run: everything rolls back and
// the run says why, so a rebuild is written whole or not at all.
//
// Memory: the new figures are gathered per cost line and per change-order
// detail while orders and lines are read side by side in POID order, so
// what the run holds grows with the number of cost lines, never with the
// number of orders or lines. Only rows whose figures move are written.
//
// Speed: each pass reads only the fields it works with, and the figures go
// out through batch updates that write only them, a group of rows per
// statement, so the run costs about what rebuilding the figures in one
// grouped UPDATE per table does.
//
// Each run counts itself in SYS:CommitmentsRebuilt. The header form keeps
// what its order posted and takes it back on OK or Cancel; a rebuild that
// ran while the order was open counted the order's lines as they stood
// then instead, so that form rebuilds the figures again in its own
// transaction (rebuildIfRebuiltSince).
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "host/framework/table/table_steps.h"
#include "host/framework/table/transaction.h"
#include "host/framework/values/decimal.h"
#include "host/framework/values/text.h"

namespace crvpo {

struct CostLineChange {
  crv::Text<10> jobId;
  crv::Text<14> costCode;
  crv::Amount committedBefore, committedAfter;
  crv::Amount coCommittedBefore, coCommittedAfter;
};

struct CODetailChange {
  crv::Id codId = 0;
  crv::Text<10> jobId;
  crv::Text<14> costCode;
  crv::Amount committedBefore, committedAfter;
};

struct OrderChange {
  crv::Id poid = 0;
  crv::Text<15> poNumber;
  crv::Amount quantityBefore, quantityAfter;  // POM:QuantityReconciled
  crv::Amount amountBefore, amountAfter;      // POM:AmountReconciled
};

// What a run did. The counts are of what the run wrote; they stand only
// when it completed.
struct RecalcSummary {
  bool completed = false;  // rebuilt and committed
  std::string failure;     // why it stopped; nothing was written then
  std::int64_t costLines = 0, costLinesChanged = 0;
  std::int64_t coDetails = 0, coDetailsChanged = 0;
  std::int64_t orders = 0, ordersChanged = 0;
  std::int64_t lines = 0, linesCommitted = 0;
};

// Told about the run as it goes. The defaults do nothing. Changes are told
// as they are made and stand only once the run completed.
class RecalcObserver {
 public:
  virtual ~RecalcObserver() = default;
  // `read` of `total` records read so far.
  virtual void progress(std::int64_t /*read*/, std::int64_t /*total*/) {}
  virtual void costLineChanged(const CostLineChange&) {}
  virtual void coDetailChanged(const CODetailChange&) {}
  virtual void orderChanged(const OrderChange&) {}
  // The run stopped and was rolled back: a table error with its step
  // ("... Saving JCCost"), or the order and line whose amounts are out of
  // range. Told after the rollback, so other stations are not held up
  // while it is shown.
  virtual void stopped(const std::string& /*why*/) {}
};

// The percentage of a progress report, 0 to 100.
int percentOf(std::int64_t read, std::int64_t total);

// How many rebuilds the company has had so far (0 without settings).
crv::Id committedCostRebuilds(crv::Connection& connection, crv::TableSteps& steps);

// For an operation that took back what an order posted, in its own
// transaction: when a rebuild ran after `seen` was read (nothing: an order
// not saved before, which no rebuild counted), rebuilds the committed
// costs again (not the orders' reconciled totals), counting the run. A line
// out of range throws a runtime error naming it. Answers the company's
// rebuild count afterwards.
crv::Id rebuildIfRebuiltSince(crv::Connection& connection, crv::TableSteps& steps,
                              std::optional<crv::Id> seen);

class CommittedCostRecalculation {
 public:
  // Works on the company database `connection`.
  explicit CommittedCostRecalculation(crv::Connection& connection) : connection_(&connection) {}

  // Takes the run's transaction, waiting up to `wait` for other stations:
  // false while another station is writing (lockError() says so). Call
  // again to wait longer.
  bool lock(std::chrono::milliseconds wait = crv::Transaction::defaultWait);
  const crv::TableError& lockError() const { return lockError_; }

  // Rebuilds in the transaction lock() took (taking it first with the
  // default wait when it was not taken) and commits.
  RecalcSummary run(RecalcObserver& observer);

 private:
  crv::Connection* connection_;
  std::optional<crv::Transaction> transaction_;
  crv::TableError lockError_;
};

}  // namespace crvpo
