// A transaction as a scoped object: begun on construction, rolled back on
// destruction unless committed.
//
// Batch runs that write several tables open one so that a failure leaves
// every table as it was. Beginning waits a while (5 seconds by default) for
// other stations' transactions; when that is not enough the transaction is
// not started and the caller decides whether to go on without one.
#pragma once

#include <chrono>

#include "host/framework/table/table.h"

namespace crv {

class Transaction {
 public:
  static constexpr std::chrono::milliseconds defaultWait{5000};

  explicit Transaction(Connection& connection, std::chrono::milliseconds wait = defaultWait);
  explicit Transaction(Table& table, std::chrono::milliseconds wait = defaultWait);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  bool started() const { return started_; }
  // Why it could not be started, or why the commit failed.
  const TableError& error() const { return error_; }

  TableStatus commit();
  void rollback();

 private:
  Connection* connection_;
  bool started_ = false;
  TableError error_;
};

}  // namespace crv
