// Prepared SQLite statements and the exchange of record fields with them.
#pragma once

#include <sqlite3.h>

#include <string>

#include "host/framework/record/record.h"
#include "host/framework/table/table_error.h"

namespace crv::sqlite {

// An owned prepared statement.
class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  sqlite3_stmt* get() const { return stmt_; }
  const std::string& sql() const { return sql_; }
  // Readies the statement to run again. Bindings are kept, not cleared:
  // every use binds every parameter again before its first step.
  void reset();

  // Binds one field of a record at the 1-based parameter index. Text is
  // bound in place, without a copy, so the record must stay unchanged
  // until the statement has stepped and been reset; `bindCopy` binds a
  // copy instead, for statements stepped while the record may change.
  void bind(int index, FieldRef field);
  void bindCopy(int index, FieldRef field);
  void bindInt(int index, std::int64_t value);
  // In place, like text fields: `text` must outlive the step.
  void bindText(int index, std::string_view text);
  // Reads result column `column` into a field.
  void read(int column, FieldRef field) const;

 private:
  void bindField(int index, FieldRef field, sqlite3_destructor_type text);

  sqlite3_stmt* stmt_ = nullptr;
  std::string sql_;
};

// The runtime error for an SQLite result code.
TableError errorFor(sqlite3* db, int rc);
std::string quote(std::string_view identifier);

}  // namespace crv::sqlite
