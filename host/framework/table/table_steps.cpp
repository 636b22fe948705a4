// Table steps under "stop and roll back" or "report and carry on".
#include "host/framework/table/table_steps.h"

#include "host/framework/table/transaction.h"

namespace crv {

StepFailure StepFailure::of(const Table& table, TableOp op) { return {table.lastError(), op, table.name()}; }

std::string StepFailure::text() const { return error.describe() + errorContext(op, table); }

void TableSteps::fail(StepFailure failure) {
  ++failures_;
  if (policy_ == Policy::StopAndRollBack) throw Stopped{std::move(failure)};
  sink_->stepFailed(failure);
}

bool TableSteps::check(TableStatus status, const Table& table, TableOp op) {
  if (status == TableStatus::Ok) return true;
  fail(StepFailure::of(table, op));
  return false;
}

bool TableSteps::fetch(Table& table, const KeyDef& key) {
  const TableStatus status = table.fetch(key);
  if (status == TableStatus::NotFound) return false;
  return check(status, table, TableOp::Reading);
}

bool TableSteps::next(Table& table) {
  const TableStatus status = table.next();
  if (status == TableStatus::EndOfFile) return false;
  return check(status, table, TableOp::Reading);
}

std::optional<StepFailure> runAtomically(Connection& connection, std::chrono::milliseconds wait,
                                         std::string_view subject, TableOp op,
                                         const std::function<bool(TableSteps&)>& work) {
  Transaction transaction(connection, wait);
  if (!transaction.started()) return StepFailure{transaction.error(), op, std::string(subject)};
  return runAtomically(transaction, subject, op, work);
}

std::optional<StepFailure> runAtomically(Transaction& transaction, std::string_view subject, TableOp op,
                                         const std::function<bool(TableSteps&)>& work) {
  if (!transaction.started()) return StepFailure{transaction.error(), op, std::string(subject)};
  TableSteps steps;
  try {
    if (!work(steps)) {
      transaction.rollback();
      return std::nullopt;
    }
  } catch (TableSteps::Stopped& stopped) {
    transaction.rollback();
    return std::move(stopped.failure);
  } catch (...) {
    transaction.rollback();
    throw;
  }
  if (transaction.commit() != TableStatus::Ok)
    return StepFailure{transaction.error(), op, std::string(subject)};
  return std::nullopt;
}

bool runInOneTransaction(Connection* connection, TableSteps& steps, std::string_view subject, TableOp op,
                         const std::function<void()>& work) {
  if (!connection) {
    work();
    return true;
  }
  Transaction transaction(*connection);
  if (!transaction.started()) steps.fail(StepFailure{transaction.error(), op, std::string(subject)});
  work();
  if (!transaction.started() || transaction.commit() == TableStatus::Ok) return true;
  steps.fail(StepFailure{transaction.error(), op, std::string(subject)});
  return false;
}

}  // namespace crv
