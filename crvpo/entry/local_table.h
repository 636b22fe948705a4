// A table access object with a buffer of its own, on the connection of a
// table the caller hands in.
//
// The save, deletion and recalculation touch job costs, stock, notes and
// the company counter while the forms and lists that call them keep their
// own rows in the suite's shared buffers. Reading those tables through a
// private buffer leaves the callers' buffers and positions as they were,
// and working on the connection of the caller's table keeps every write in
// that station's transaction.
#pragma once

#include "host/framework/table/table.h"

namespace crvpo {

template <class R>
class LocalTable {
 public:
  explicit LocalTable(crv::Connection& connection) : table(R::table(), rec) {
    table.attach(&connection);
    table.open();
  }
  ~LocalTable() { table.close(); }
  LocalTable(const LocalTable&) = delete;
  LocalTable& operator=(const LocalTable&) = delete;

  R rec;
  crv::Table table;
};

}  // namespace crvpo
