// Grouped field updates on PostgreSQL.
#include "host/storage/postgresql/pg_batch_update.h"

#include <algorithm>
#include <unordered_set>

namespace crv::postgresql {
namespace {

// A statement takes at most 65535 parameters; a group stays well below.
constexpr std::size_t maxGroupRows = 1000;
constexpr std::size_t maxParameters = 60000;

const char* castFor(FieldKind kind) {
  switch (kind) {
    case FieldKind::Text:
      return "::text";
    case FieldKind::Real:
      return "::float8";
    default:
      return "::bigint";
  }
}

}  // namespace

std::unique_ptr<BatchUpdate> PgConnection::batchUpdate(const TableDef& def, std::vector<int> fields) {
  return std::make_unique<PgBatchUpdate>(*this, static_cast<PgTableStore&>(store(def)), std::move(fields));
}

PgBatchUpdate::PgBatchUpdate(PgConnection& connection, PgTableStore& store, std::vector<int> fields)
    : BatchUpdate(connection, std::move(fields)),
      connection_(&connection),
      store_(&store),
      groupRows_(std::min(maxGroupRows, maxParameters / (this->fields().size() + 2))) {}

TableError PgBatchUpdate::take(const RowRef& row, const Record& record) {
  rows_.push_back(row.id);
  values_.push_back(std::to_string(row.id));
  values_.push_back(std::to_string(row.version));
  auto& source = const_cast<Record&>(record);
  for (int i : fields()) values_.push_back(textOf(source.field(static_cast<std::size_t>(i))));
  return rows_.size() >= groupRows_ ? send() : TableError{};
}

// A full group goes in one statement; what is left in groups of a power of
// two rows, so that a connection prepares only a few statement shapes.
TableError PgBatchUpdate::send() {
  TableError error;
  std::size_t from = 0;
  while (from < rows_.size() && !error.failed()) {
    const std::size_t left = rows_.size() - from;
    std::size_t count = left >= groupRows_ ? groupRows_ : 1;
    while (left < groupRows_ && count * 2 <= left) count *= 2;
    error = sendRows(from, count);
    from += count;
  }
  std::vector<RowId> written(rows_.begin(), rows_.end());
  std::sort(written.begin(), written.end());
  connection_->wrote(store_->def(), written);
  rows_.clear();
  values_.clear();
  return error;
}

TableError PgBatchUpdate::sendRows(std::size_t from, std::size_t count) {
  const std::size_t width = fields().size() + 2;
  Params params;
  params.reserve(count * width + 1);
  params.push_back(connection_->station());
  params.insert(params.end(), values_.begin() + static_cast<std::ptrdiff_t>(from * width),
                values_.begin() + static_cast<std::ptrdiff_t>((from + count) * width));
  TableError error;
  Result written = connection_->write(statementFor(count), params, error);
  if (error.failed()) return error;
  if (static_cast<std::size_t>(written.rows()) == count) return {};
  return firstUnchanged(from, count, written);
}

// The first row of the group the statement did not write, and why.
TableError PgBatchUpdate::firstUnchanged(std::size_t from, std::size_t count, const Result& written) {
  std::unordered_set<RowId> done;
  for (int i = 0; i < written.rows(); ++i) done.insert(written.integer(i, 0));
  for (std::size_t i = from; i < from + count; ++i)
    if (!done.count(rows_[i])) return store_->whyUnchanged(rows_[i]);
  return makeError(ErrorCode::RecordChanged);
}

const std::string& PgBatchUpdate::statementFor(std::size_t rows) {
  for (const auto& [size, sql] : statements_)
    if (size == rows) return sql;
  const RecordLayout& layout = store_->def().layout();
  std::string sets;
  std::string names = "r, v";
  for (std::size_t f = 0; f < fields().size(); ++f) {
    const std::string column = quote(layout.at(static_cast<std::size_t>(fields()[f])).name);
    names += ", f" + std::to_string(f);
    sets += column + " = b.f" + std::to_string(f) + ", ";
  }
  std::string values;
  int parameter = 2;
  for (std::size_t r = 0; r < rows; ++r) {
    values += r ? ", ($" : "($";
    values += std::to_string(parameter) + "::bigint, $" + std::to_string(parameter + 1) + "::bigint";
    parameter += 2;
    for (int i : fields())
      values += ", $" + std::to_string(parameter++) + castFor(layout.at(static_cast<std::size_t>(i)).kind);
    values += ")";
  }
  const std::string& row = store_->rowColumn();
  const std::string version = quote(versionColumn);
  statements_.emplace_back(rows, "UPDATE " + store_->tableName() + " AS t SET " + sets + version + " = " +
                                     freshVersion + ", " + quote(writerColumn) + " = $1 FROM (VALUES " +
                                     values + ") AS b(" + names + ") WHERE t." + row +
                                     " = b.r AND (b.v = 0 OR t." + version + " = b.v) RETURNING t." + row);
  return statements_.back().second;
}

}  // namespace crv::postgresql
