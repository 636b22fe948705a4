// Prepared statements and field binding.
#include "host/storage/sqlite/sqlite_statement.h"

#include <stdexcept>

namespace crv::sqlite {

Statement::Statement(sqlite3* db, const std::string& sql) : sql_(sql) {
  if (sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) != SQLITE_OK) {
    const std::string message = sqlite3_errmsg(db);
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    throw std::runtime_error("preparing \"" + sql + "\": " + message);
  }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::reset() { sqlite3_reset(stmt_); }

void Statement::bind(int index, FieldRef field) { bindField(index, field, SQLITE_STATIC); }

void Statement::bindCopy(int index, FieldRef field) { bindField(index, field, SQLITE_TRANSIENT); }

void Statement::bindField(int index, FieldRef field, sqlite3_destructor_type text) {
  switch (field.kind()) {
    case FieldKind::Text: {
      const std::string_view value = field.text();
      sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), text);
      return;
    }
    case FieldKind::Real:
      sqlite3_bind_double(stmt_, index, field.real());
      return;
    default:
      sqlite3_bind_int64(stmt_, index, field.integer());
      return;
  }
}

void Statement::bindInt(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }

void Statement::bindText(int index, std::string_view text) {
  sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

void Statement::read(int column, FieldRef field) const {
  switch (field.kind()) {
    case FieldKind::Text: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
      const int size = sqlite3_column_bytes(stmt_, column);
      field.setText(text ? std::string_view(text, static_cast<std::size_t>(size)) : std::string_view());
      return;
    }
    case FieldKind::Real:
      field.setReal(sqlite3_column_double(stmt_, column));
      return;
    default:
      field.setInteger(sqlite3_column_int64(stmt_, column));
      return;
  }
}

TableError errorFor(sqlite3* db, int rc) {
  const int primary = rc & 0xff;
  TableError error;
  switch (primary) {
    case SQLITE_CONSTRAINT:
      if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY) {
        error = makeError(ErrorCode::DuplicateKey);
        return error;
      }
      break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      error = makeError(ErrorCode::FileLocked);
      return error;
    case SQLITE_FULL:
      error = makeError(ErrorCode::DiskFull);
      error.fileCode = std::to_string(rc);
      error.fileMessage = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
      return error;
    default:
      break;
  }
  error = makeError(ErrorCode::FileSystem);
  error.fileCode = std::to_string(rc);
  error.fileMessage = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  return error;
}

std::string quote(std::string_view identifier) {
  std::string quoted = "\"";
  for (char c : identifier) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace crv::sqlite
