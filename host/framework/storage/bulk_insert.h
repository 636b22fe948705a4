// Adding many rows to one table at once: a company copied between engines, a
// large table set up for a measurement.
//
// A bulk insert is all or nothing. It runs in a transaction of its own, a
// savepoint within the caller's when one is open: either finish() succeeds
// and every row added is in the table, or none of them is (after a failure,
// or when the object goes away unfinished). Rows may be sent in batches, so
// a row added is only certain to be visible once finish() has succeeded, and
// the connection serves other statements between two add() calls.
//
// An auto-numbered field keeps the number a row brings, and the next number
// handed out is higher; a row that brings 0 gets the next number, which its
// record may not be told.
#pragma once

#include <memory>

#include "host/framework/storage/storage_backend.h"

namespace crv {

class BulkInsert {
 public:
  explicit BulkInsert(Connection& connection) : connection_(&connection) {}
  virtual ~BulkInsert();
  BulkInsert(const BulkInsert&) = delete;
  BulkInsert& operator=(const BulkInsert&) = delete;

  // Takes one row. After a failure every later call answers that failure.
  TableError add(Record& record);
  // Sends what is left and ends the bulk insert's transaction.
  TableError finish();

 protected:
  // Takes one row; may send rows taken before.
  virtual TableError take(Record& record) = 0;
  // Sends every row taken and not yet sent.
  virtual TableError send() = 0;

 private:
  TableError failed(TableError error);

  Connection* connection_;
  bool begun_ = false;
  bool finished_ = false;
  TableError failure_;
};

// One insert per row through the table's store, inside the bulk insert's
// transaction: what an embedded engine needs, its prepared insert being
// cheap once a transaction holds the file.
class RowByRowInsert final : public BulkInsert {
 public:
  RowByRowInsert(Connection& connection, TableStore& store) : BulkInsert(connection), store_(&store) {}

 protected:
  TableError take(Record& record) override;
  TableError send() override { return {}; }

 private:
  TableStore* store_;
};

}  // namespace crv
