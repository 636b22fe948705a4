// A table access object with a buffer of its own, on the connection of a
// table the caller already uses.
//
// Procedures keep their rows in the suite's shared buffers (the order's
// vendor in APV, the line's item in INM) while lookups, saves and
// recalculations read and write other rows of the same tables. Working
// through a private buffer leaves the shared buffers and their positions
// as they were, and working on the caller's connection keeps every write
// in that station's transaction.
#pragma once

#include "host/framework/table/table.h"

namespace crv {

template <class R>
class PrivateTable {
 public:
  // On the connection of `shared`, the registered table over the same or
  // related rows. Without a company open the table stays closed and reads
  // fail.
  explicit PrivateTable(Table& shared) : table(R::table(), rec) {
    if (Connection* connection = shared.connection()) openOn(*connection);
  }
  explicit PrivateTable(Connection& connection) : table(R::table(), rec) { openOn(connection); }
  ~PrivateTable() {
    if (open_) table.close();
  }
  PrivateTable(const PrivateTable&) = delete;
  PrivateTable& operator=(const PrivateTable&) = delete;

  bool isOpen() const { return open_; }
  // Reads the row whose key fields equal the buffer's; false when absent or
  // when the table is not open.
  bool fetch(const KeyDef& key) { return open_ && table.fetch(key) == TableStatus::Ok; }

  R rec;
  Table table;

 private:
  void openOn(Connection& connection) {
    table.attach(&connection);
    open_ = table.open() == TableStatus::Ok;
  }

  bool open_ = false;
};

}  // namespace crv
