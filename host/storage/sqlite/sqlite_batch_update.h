// Batch updates on an SQLite company: rows queued a few hundred at a time
// and written with one prepared statement that sets only the batch's fields.
// Reading cursors start again once per group rather than once per row, and
// indexes over fields the batch leaves alone are not touched.
#pragma once

#include <memory>
#include <vector>

#include "host/framework/storage/batch_update.h"
#include "host/storage/sqlite/sqlite_connection.h"

namespace crv::sqlite {

class SqliteBatchUpdate final : public BatchUpdate {
 public:
  SqliteBatchUpdate(SqliteConnection& connection, SqliteTableStore& store, std::vector<int> fields);

 protected:
  TableError take(const RowRef& row, const Record& record) override;
  TableError send() override;

 private:
  TableError write(const RowRef& row, Record& values);

  SqliteConnection* connection_;
  SqliteTableStore* store_;
  Statement statement_;
  std::vector<RowRef> rows_;
  // The queued rows' values; kept for reuse after a group is sent.
  std::vector<std::unique_ptr<Record>> values_;
};

}  // namespace crv::sqlite
