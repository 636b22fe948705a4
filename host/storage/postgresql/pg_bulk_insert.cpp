// COPY batches for bulk inserts.
#include "host/storage/postgresql/pg_bulk_insert.h"

#include <algorithm>
#include <charconv>

namespace crv::postgresql {
namespace {

constexpr std::size_t batchBytes = std::size_t{4} << 20;

// COPY's text form: a backslash, tab, newline or carriage return in the
// text would end the value or the row, so they go as escapes. Text ends at a
// NUL byte, as it does for a statement's parameters.
void appendText(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\0':
        return;
      default:
        out += c;
    }
  }
}

void appendValue(std::string& out, FieldRef field) {
  if (field.kind() == FieldKind::Text) return appendText(out, field.text());
  if (field.kind() == FieldKind::Real) {
    out += textOf(field);
    return;
  }
  char digits[24];
  const auto written = std::to_chars(digits, digits + sizeof digits, field.integer());
  out.append(digits, written.ptr);
}

}  // namespace

std::unique_ptr<BulkInsert> PgConnection::bulkInsert(const TableDef& def) {
  return std::make_unique<PgBulkInsert>(*this, static_cast<PgTableStore&>(store(def)));
}

PgBulkInsert::PgBulkInsert(PgConnection& connection, PgTableStore& store)
    : BulkInsert(connection),
      connection_(&connection),
      store_(&store),
      autoField_(store.def().autoNumberField()) {
  const RecordLayout& layout = store.def().layout();
  std::string columns;
  for (std::size_t i = 0; i < layout.size(); ++i)
    if (static_cast<int>(i) != autoField_) columns += quote(layout.at(i).name) + ", ";
  columns += quote(writerColumn);
  const std::string table = "COPY " + quote(store.def().name()) + " (";
  copySql_ = table + columns + ") FROM STDIN";
  copyNumberedSql_ = table + columns + ", " + store.rowColumn() + ") FROM STDIN";
}

TableError PgBulkInsert::take(Record& record) {
  const bool numbered = autoField_ >= 0 && record.field(static_cast<std::size_t>(autoField_)).integer() != 0;
  if (!rows_.empty() && numbered != numbered_)
    if (TableError error = send(); error.failed()) return error;
  numbered_ = numbered;
  append(record, numbered);
  if (rows_.size() >= batchBytes) return send();
  return {};
}

void PgBulkInsert::append(Record& record, bool numbered) {
  const std::size_t fields = record.layout().size();
  for (std::size_t i = 0; i < fields; ++i) {
    if (static_cast<int>(i) == autoField_) continue;
    appendValue(rows_, record.field(i));
    rows_ += '\t';
  }
  appendText(rows_, connection_->station());
  if (numbered) {
    FieldRef number = record.field(static_cast<std::size_t>(autoField_));
    highest_ = std::max(highest_, number.integer());
    rows_ += '\t';
    appendValue(rows_, number);
  }
  rows_ += '\n';
}

// Numbers the rows brought move the sequence past them, so the next number
// handed out is higher, as a single insert does.
TableError PgBulkInsert::send() {
  if (rows_.empty()) return {};
  TableError error = connection_->copyIn(numbered_ ? copyNumberedSql_ : copySql_, rows_);
  rows_.clear();
  if (!error.failed() && numbered_) {
    const std::string sequence = quote(store_->def().name() + "_seq");
    connection_->read("SELECT setval('" + sequence + "', GREATEST($1::bigint, CASE WHEN is_called THEN " +
                          "last_value ELSE 0 END)) FROM " + sequence,
                      {std::to_string(highest_)}, error);
  }
  connection_->wrote(store_->def(), 0);
  return error;
}

}  // namespace crv::postgresql
