// A table access object with a buffer of its own, on the connection of one
// of the suite's registered tables.
//
// Lookups show names and descriptions from other tables (a vendor's name
// beside its number, an item's description) while the procedure that
// called them keeps its own rows in the suite's shared buffers: the order's
// vendor in APV, the line's item in INM. Reading through a private buffer
// leaves those buffers and their positions as they were.
#pragma once

#include "host/framework/table/table.h"

namespace crv::siblings {

template <class R>
class PrivateTable {
 public:
  // `shared` is the registered table over the same rows; its connection is
  // used. Without a company open the table stays closed and reads fail.
  explicit PrivateTable(Table& shared) : table(R::table(), rec) {
    if (Connection* connection = shared.connection()) {
      table.attach(connection);
      open_ = table.open() == TableStatus::Ok;
    }
  }
  ~PrivateTable() {
    if (open_) table.close();
  }
  PrivateTable(const PrivateTable&) = delete;
  PrivateTable& operator=(const PrivateTable&) = delete;

  bool isOpen() const { return open_; }
  // Reads the row whose key fields equal the buffer's; false when absent or
  // when no company is open.
  bool fetch(const KeyDef& key) { return open_ && table.fetch(key) == TableStatus::Ok; }

  R rec;
  Table table;

 private:
  bool open_ = false;
};

}  // namespace crv::siblings
