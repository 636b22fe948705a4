// Writing a few fields of many rows at once: the figures a rebuild puts on
// thousands of rows, without a statement and a round trip per row.
//
// A batch update is all or nothing (host/framework/storage/batch_write.h).
// Each row is written only over the version its reader saw (any version when
// that is 0), as TableStore::update() writes; a row written since fails the
// batch with RecordChanged, a row gone with RecordNotAvailable. Only the
// batch's fields change; the others keep what the row holds, so the record
// given need not hold the rest of the row (a narrowed read is enough). The
// rows get new versions their readers are not told: read a row again before
// writing it another way.
#pragma once

#include <memory>
#include <vector>

#include "host/framework/storage/batch_write.h"

namespace crv {

class BatchUpdate : public BatchWrite {
 public:
  // Writes the batch's fields of `record` to the row `row`. After a failure
  // every later call answers that failure.
  TableError add(const RowRef& row, const Record& record);

  const std::vector<int>& fields() const { return fields_; }

 protected:
  BatchUpdate(Connection& connection, std::vector<int> fields)
      : BatchWrite(connection), fields_(std::move(fields)) {}

  // Takes one row; may send rows taken before.
  virtual TableError take(const RowRef& row, const Record& record) = 0;

 private:
  std::vector<int> fields_;
};

// One read and one update per row through the table's store: the row as it
// is, with the batch's fields put in, written over the version given.
class RowByRowUpdate final : public BatchUpdate {
 public:
  RowByRowUpdate(Connection& connection, TableStore& store, const TableDef& def, std::vector<int> fields)
      : BatchUpdate(connection, std::move(fields)), store_(&store), row_(def.newRecord()) {}

 protected:
  TableError take(const RowRef& row, const Record& record) override;
  TableError send() override { return {}; }

 private:
  TableStore* store_;
  std::unique_ptr<Record> row_;
};

}  // namespace crv
