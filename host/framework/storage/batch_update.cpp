// Batch updates and the row-by-row kind.
#include "host/framework/storage/batch_update.h"

namespace crv {

std::unique_ptr<BatchUpdate> Connection::batchUpdate(const TableDef& def, std::vector<int> fields) {
  return std::make_unique<RowByRowUpdate>(*this, store(def), def, std::move(fields));
}

TableError BatchUpdate::add(const RowRef& row, const Record& record) {
  if (TableError error = admit(); error.failed()) return error;
  if (TableError error = take(row, record); error.failed()) return failed(error);
  return {};
}

TableError RowByRowUpdate::take(const RowRef& row, const Record& record) {
  RowRef current{row.id, 0};
  if (TableError error = store_->fetchRow(current, *row_); error.failed())
    return error.code == ErrorCode::RecordNotFound ? makeError(ErrorCode::RecordNotAvailable) : error;
  row_->copyFields(record, fields());
  RowRef over{row.id, row.version};
  return store_->update(over, *row_);
}

}  // namespace crv
