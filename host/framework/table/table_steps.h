// Table operations that name the table and the step when they fail, under
// one of two policies:
//
//   - Stop and roll back. The first failure ends the work. For work that
//     must happen whole (saving or deleting an order): runAtomically()
//     opens a transaction, runs the work and commits; a step that fails
//     unwinds to it, the transaction rolls back, and the failure comes back
//     to the caller. Nothing the work wrote is left behind.
//   - Report and carry on. A failure is handed to a sink and the work goes
//     on with the next record, as runs over many records do (the
//     recalculation, the print batch). What was written stays written;
//     runInOneTransaction() writes such a run in one commit instead of one
//     per row.
//
// Either way a failure is described the same way: the runtime's error text
// followed by the step and the table, "Creates Duplicate Key (40) Saving
// JCCost". Engine code hands failures on (an outcome, an observer, a sink);
// windows decide how to show them.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "host/framework/table/table.h"

namespace crv {

class Transaction;

// One table operation that failed: its error, the step and the table.
struct StepFailure {
  TableError error;
  TableOp op = TableOp::Saving;
  std::string table;

  // The last error of `table`, named after it.
  static StepFailure of(const Table& table, TableOp op);
  // "Creates Duplicate Key (40) Saving JCCost".
  std::string text() const;
};

// Where "report and carry on" sends failures.
class StepFailureSink {
 public:
  virtual ~StepFailureSink() = default;
  virtual void stepFailed(const StepFailure& failure) = 0;
};

class TableSteps {
 public:
  enum class Policy { StopAndRollBack, ReportAndCarryOn };

  // Report and carry on: every failure goes to `sink`.
  explicit TableSteps(StepFailureSink& sink) : policy_(Policy::ReportAndCarryOn), sink_(&sink) {}

  Policy policy() const { return policy_; }
  // Failures so far (under stop and roll back at most the one that stopped).
  int failures() const { return failures_; }

  // Each answers whether the step went through. A failure is named after
  // the table and the step; under stop and roll back it ends the work.
  bool check(TableStatus status, const Table& table, TableOp op);
  // Reads the row whose key fields equal the buffer's: true when found,
  // false when there is none (or the read failed and was reported).
  bool fetch(Table& table, const KeyDef& key);
  // The next row of a read begun with set(), setFrom() or setRange(): true
  // on a row, false at the end (or on a reported failure).
  bool next(Table& table);
  bool insert(Table& table) { return check(table.tryInsert(), table, TableOp::Inserting); }
  bool update(Table& table) { return check(table.tryUpdate(), table, TableOp::Saving); }
  bool remove(Table& table) { return check(table.tryRemove(), table, TableOp::Deleting); }
  bool primeAutoInc(Table& table) { return check(table.primeAutoInc(), table, TableOp::Autoincrementing); }
  // A failure the caller found itself.
  void fail(StepFailure failure);

 private:
  friend std::optional<StepFailure> runAtomically(Transaction&, std::string_view, TableOp,
                                                  const std::function<bool(TableSteps&)>&);
  // Thrown by a failed step under stop and roll back; runAtomically()
  // catches it.
  struct Stopped {
    StepFailure failure;
  };

  TableSteps() : policy_(Policy::StopAndRollBack) {}

  Policy policy_;
  StepFailureSink* sink_ = nullptr;
  int failures_ = 0;
};

// Runs `work` in one transaction under stop and roll back, waiting up to
// `wait` for other stations. `work` answers true to commit and false to
// roll back without a failure (to start again, say). Answers the failure
// that stopped the work, or nothing when it was committed or rolled back on
// request. A transaction that cannot begin or commit is a failure of `op`
// on `subject`. Other exceptions pass through, after the rollback.
std::optional<StepFailure> runAtomically(Connection& connection, std::chrono::milliseconds wait,
                                         std::string_view subject, TableOp op,
                                         const std::function<bool(TableSteps&)>& work);
// The same in a transaction the caller has begun already (after waiting for
// it in its own way); the transaction is committed or rolled back.
std::optional<StepFailure> runAtomically(Transaction& transaction, std::string_view subject, TableOp op,
                                         const std::function<bool(TableSteps&)>& work);

// Runs report-and-carry-on `work` in one transaction, so that a run over
// many rows syncs the file once instead of once per row. A failed step is
// reported to `steps` and the work goes on, as without the transaction;
// what went through is committed together at the end. A transaction that
// cannot begin is reported as a failure of `op` on `subject` and the work
// runs without one, each write committing on its own. A commit that fails
// is reported the same way, and then nothing of the run stays written.
// Answers whether the run's writes were committed (or, without a
// transaction, written as they went).
bool runInOneTransaction(Connection* connection, TableSteps& steps, std::string_view subject, TableOp op,
                         const std::function<void()>& work);

}  // namespace crv
