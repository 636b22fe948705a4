// Writing many rows at once, all or nothing: what bulk inserts and batch
// updates share.
//
// A batch write runs in a transaction of its own, a savepoint within the
// caller's when one is open: either finish() succeeds and every row written
// is in the table as given, or none of it is (after a failure, or when the
// object goes away unfinished). Rows may be sent in groups, so a row is only
// certain to be written once finish() has succeeded, and the connection
// serves other statements between two rows.
#pragma once

#include "host/framework/storage/storage_backend.h"

namespace crv {

class BatchWrite {
 public:
  virtual ~BatchWrite();
  BatchWrite(const BatchWrite&) = delete;
  BatchWrite& operator=(const BatchWrite&) = delete;

  // Sends what is left and ends the batch's transaction.
  TableError finish();

 protected:
  explicit BatchWrite(Connection& connection) : connection_(&connection) {}

  // Before a row is taken: begins the transaction with the first row, and
  // answers the failure that ended the batch, if any.
  TableError admit();
  // Ends the batch with `error`, rolling back what it wrote.
  TableError failed(TableError error);
  // Sends every row taken and not yet sent.
  virtual TableError send() = 0;

 private:
  Connection* connection_;
  int level_ = 0;  // the transaction depth the batch began
  bool begun_ = false;
  bool finished_ = false;
  TableError failure_;
};

}  // namespace crv
