// The transaction around a batch write.
#include "host/framework/storage/batch_write.h"

namespace crv {

namespace {
constexpr std::chrono::milliseconds batchWait{5000};
}

BatchWrite::~BatchWrite() {
  if (begun_ && !finished_) connection_->rollback();
}

TableError BatchWrite::failed(TableError error) {
  failure_ = error;
  if (begun_ && !finished_) connection_->rollback();
  finished_ = true;
  return error;
}

TableError BatchWrite::admit() {
  if (failure_.failed()) return failure_;
  if (finished_) return failed(makeError(ErrorCode::FileNotOpen));
  if (!begun_) {
    if (TableError error = connection_->begin(batchWait); error.failed()) return failed(error);
    begun_ = true;
    level_ = connection_->transactionDepth();
  }
  return {};
}

TableError BatchWrite::finish() {
  if (failure_.failed()) return failure_;
  if (finished_) return {};
  if (TableError error = send(); error.failed()) return failed(error);
  finished_ = true;
  if (!begun_) return {};
  if (TableError error = connection_->commit(); error.failed()) {
    // A commit that failed may leave the batch's level open; ending it here
    // keeps the caller's transaction (or the connection) as it was before.
    if (connection_->transactionDepth() >= level_) connection_->rollback();
    failure_ = error;
    return error;
  }
  return {};
}

}  // namespace crv
