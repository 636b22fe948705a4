// Bulk inserts and the row-by-row kind.
#include "host/framework/storage/bulk_insert.h"

namespace crv {

std::unique_ptr<BulkInsert> Connection::bulkInsert(const TableDef& def) {
  return std::make_unique<RowByRowInsert>(*this, store(def));
}

TableError BulkInsert::add(Record& record) {
  if (TableError error = admit(); error.failed()) return error;
  if (TableError error = take(record); error.failed()) return failed(error);
  return {};
}

TableError RowByRowInsert::take(Record& record) {
  RowRef row;
  return store_->insert(record, row);
}

}  // namespace crv
