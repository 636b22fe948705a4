// Adding many rows to one table at once: a company copied between engines, a
// large table set up for a measurement.
//
// A bulk insert is all or nothing (host/framework/storage/batch_write.h):
// either finish() succeeds and every row added is in the table, or none of
// them is.
//
// An auto-numbered field keeps the number a row brings, and the next number
// handed out is higher; a row that brings 0 gets the next number, which its
// record may not be told.
#pragma once

#include <memory>

#include "host/framework/storage/batch_write.h"

namespace crv {

class BulkInsert : public BatchWrite {
 public:
  explicit BulkInsert(Connection& connection) : BatchWrite(connection) {}

  // Takes one row. After a failure every later call answers that failure.
  TableError add(Record& record);

 protected:
  // Takes one row; may send rows taken before.
  virtual TableError take(Record& record) = 0;
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
