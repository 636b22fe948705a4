// Grouped field updates on SQLite.
#include "host/storage/sqlite/sqlite_batch_update.h"

namespace crv::sqlite {
namespace {

constexpr std::size_t groupRows = 512;

std::string updateSql(const SqliteTableStore& store, const std::vector<int>& fields) {
  const TableDef& def = store.def();
  std::string sets;
  for (int i : fields) sets += quote(def.layout().at(static_cast<std::size_t>(i)).name) + " = ?, ";
  const std::string version = quote(versionColumn);
  return "UPDATE " + quote(def.name()) + " SET " + sets + version + " = ?, " + quote(writerColumn) +
         " = ? WHERE " + quote(store.rowColumn()) + " = ? AND (? = 0 OR " + version + " = ?)";
}

}  // namespace

std::unique_ptr<BatchUpdate> SqliteConnection::batchUpdate(const TableDef& def, std::vector<int> fields) {
  return std::make_unique<SqliteBatchUpdate>(*this, static_cast<SqliteTableStore&>(store(def)),
                                             std::move(fields));
}

SqliteBatchUpdate::SqliteBatchUpdate(SqliteConnection& connection, SqliteTableStore& store,
                                     std::vector<int> fields)
    : BatchUpdate(connection, std::move(fields)),
      connection_(&connection),
      store_(&store),
      statement_(connection.handle(), updateSql(store, this->fields())) {}

TableError SqliteBatchUpdate::take(const RowRef& row, const Record& record) {
  if (values_.size() <= rows_.size()) values_.push_back(store_->def().newRecord());
  values_[rows_.size()]->copyFields(record, fields());
  rows_.push_back(row);
  return rows_.size() >= groupRows ? send() : TableError{};
}

TableError SqliteBatchUpdate::send() {
  if (rows_.empty()) return {};
  TableError error = connection_->startWrite();
  for (std::size_t i = 0; i < rows_.size() && !error.failed(); ++i) error = write(rows_[i], *values_[i]);
  rows_.clear();
  return error;
}

TableError SqliteBatchUpdate::write(const RowRef& row, Record& values) {
  int index = 1;
  for (int i : fields()) statement_.bind(index++, values.field(static_cast<std::size_t>(i)));
  statement_.bindInt(index++, SqliteTableStore::freshVersion());
  statement_.bindText(index++, connection_->station());
  statement_.bindInt(index++, row.id);
  statement_.bindInt(index++, row.version);
  statement_.bindInt(index, row.version);
  const int rc = sqlite3_step(statement_.get());
  statement_.reset();
  if (rc != SQLITE_DONE) return errorFor(connection_->handle(), rc);
  if (sqlite3_changes(connection_->handle()) == 0) return store_->whyUnchanged(row.id);
  return {};
}

}  // namespace crv::sqlite
