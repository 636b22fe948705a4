// Deleting a row with the rows that depend on it.
//
// A table definition lists its dependents (an order's lines under the
// order). Deleting through the relation manager removes the dependents
// first, depth first, then the row itself, all in one transaction.
#pragma once

#include "host/framework/table/table.h"

namespace crv {

class RelationManager {
 public:
  // Deletes the table's current row (the one last read) and its dependents.
  // Reports a failure through the table's error reporter unless `quiet`.
  static TableStatus removeWithDependents(Table& table, bool quiet = false);
};

}  // namespace crv
