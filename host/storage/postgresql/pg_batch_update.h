// Batch updates on a PostgreSQL company: up to a thousand rows written by
// one UPDATE ... FROM (VALUES ...) that sets only the batch's fields, one
// round trip per group rather than one per row.
#pragma once

#include <vector>

#include "host/framework/storage/batch_update.h"
#include "host/storage/postgresql/pg_connection.h"

namespace crv::postgresql {

class PgBatchUpdate final : public BatchUpdate {
 public:
  PgBatchUpdate(PgConnection& connection, PgTableStore& store, std::vector<int> fields);

 protected:
  TableError take(const RowRef& row, const Record& record) override;
  TableError send() override;

 private:
  TableError sendRows(std::size_t from, std::size_t count);
  TableError firstUnchanged(std::size_t from, std::size_t count, const Result& written);
  const std::string& statementFor(std::size_t rows);

  PgConnection* connection_;
  PgTableStore* store_;
  std::size_t groupRows_;
  std::vector<RowId> rows_;
  // Per queued row: its identity, the version it was read at and the
  // fields, in the statement's text form.
  Params values_;
  std::vector<std::pair<std::size_t, std::string>> statements_;  // rows -> statement
};

}  // namespace crv::postgresql
