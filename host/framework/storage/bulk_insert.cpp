// Bulk inserts: the transaction around them, and the row-by-row kind.
#include "host/framework/storage/bulk_insert.h"

namespace crv {

namespace {
constexpr std::chrono::milliseconds bulkWait{5000};
}

std::unique_ptr<BulkInsert> Connection::bulkInsert(const TableDef& def) {
  return std::make_unique<RowByRowInsert>(*this, store(def));
}

BulkInsert::~BulkInsert() {
  if (begun_ && !finished_) connection_->rollback();
}

TableError BulkInsert::failed(TableError error) {
  failure_ = error;
  if (begun_ && !finished_) connection_->rollback();
  finished_ = true;
  return error;
}

TableError BulkInsert::add(Record& record) {
  if (failure_.failed()) return failure_;
  if (finished_) return failed(makeError(ErrorCode::FileNotOpen));
  if (!begun_) {
    if (TableError error = connection_->begin(bulkWait); error.failed()) return failed(error);
    begun_ = true;
  }
  if (TableError error = take(record); error.failed()) return failed(error);
  return {};
}

TableError BulkInsert::finish() {
  if (failure_.failed()) return failure_;
  if (finished_) return {};
  if (TableError error = send(); error.failed()) return failed(error);
  finished_ = true;
  if (!begun_) return {};
  if (TableError error = connection_->commit(); error.failed()) {
    failure_ = error;
    return error;
  }
  return {};
}

TableError RowByRowInsert::take(Record& record) {
  RowRef row;
  return store_->insert(record, row);
}

}  // namespace crv
