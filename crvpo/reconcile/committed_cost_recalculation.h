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
// no such cost line adds nothing. Every order's QuantityReconciled and
// AmountReconciled become the sums of its lines' invoiced quantities and
// amounts.
//
// The run holds a transaction with a 5-second wait for other stations;
// when it cannot get one it goes on without. A failed write is reported
// and the run goes on; the transaction is committed at the end.
//
// Memory: the new figures are gathered per cost line and per change-order
// detail while orders and lines are read side by side in POID order, so
// what the run holds grows with the number of cost lines, never with the
// number of orders or lines. Only rows whose figures move are written.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

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

// What a run did.
struct RecalcSummary {
  bool inTransaction = false;
  crv::TableError transactionError;  // why there was no transaction
  std::int64_t costLines = 0, costLinesChanged = 0;
  std::int64_t coDetails = 0, coDetailsChanged = 0;
  std::int64_t orders = 0, ordersChanged = 0;
  std::int64_t lines = 0, linesCommitted = 0;
  std::int64_t errors = 0;
};

// Told about the run as it goes. The defaults do nothing.
class RecalcObserver {
 public:
  virtual ~RecalcObserver() = default;
  // `read` of `total` records read so far.
  virtual void progress(std::int64_t /*read*/, std::int64_t /*total*/) {}
  virtual void costLineChanged(const CostLineChange&) {}
  virtual void coDetailChanged(const CODetailChange&) {}
  virtual void orderChanged(const OrderChange&) {}
  // A table error: its text followed by the context (" Saving JCCost").
  virtual void tableError(const std::string& /*text*/) {}
};

// The percentage of a progress report, 0 to 100.
int percentOf(std::int64_t read, std::int64_t total);

class CommittedCostRecalculation {
 public:
  // Works on the company database `connection`.
  explicit CommittedCostRecalculation(crv::Connection& connection) : connection_(&connection) {}

  void setWait(std::chrono::milliseconds wait) { wait_ = wait; }

  RecalcSummary run(RecalcObserver& observer);

 private:
  crv::Connection* connection_;
  std::chrono::milliseconds wait_ = crv::Transaction::defaultWait;
};

}  // namespace crvpo
