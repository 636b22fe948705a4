// Scoped transactions.
#include "host/framework/table/transaction.h"

namespace crv {

Transaction::Transaction(Connection& connection, std::chrono::milliseconds wait) : connection_(&connection) {
  error_ = connection_->begin(wait);
  started_ = !error_.failed();
  if (!started_) RuntimeErrors::set(error_);
}

Transaction::Transaction(Table& table, std::chrono::milliseconds wait)
    : Transaction(*table.connection(), wait) {}

Transaction::~Transaction() { rollback(); }

TableStatus Transaction::commit() {
  if (!started_) return TableStatus::Failed;
  error_ = connection_->commit();
  if (error_.failed()) {
    RuntimeErrors::set(error_);
    rollback();
    return TableStatus::Failed;
  }
  started_ = false;
  return TableStatus::Ok;
}

void Transaction::rollback() {
  if (!started_) return;
  started_ = false;
  connection_->rollback();
}

}  // namespace crv
