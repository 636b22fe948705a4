// Table access and transactions on an SQLite company database.
#include "host/storage/sqlite/sqlite_connection.h"

#include <cstring>
#include <limits>

namespace crv::sqlite {

class SqliteCursor final : public Cursor {
 public:
  SqliteCursor(SqliteConnection& connection, SqliteTableStore& store, std::unique_ptr<Statement> statement,
               const std::vector<int>* fields)
      : connection_(&connection), store_(&store), statement_(std::move(statement)) {
    if (fields) fields_ = *fields;
    connection_->enlist(this);
  }
  ~SqliteCursor() override {
    connection_->delist(this);
    statement_->reset();
    store_->giveBack(std::move(statement_));
  }

  TableError next(Record& out, RowRef& row) override {
    if (invalidated_) {
      TableError error = makeError(ErrorCode::FileSystem);
      error.fileMessage = "reading was interrupted by a write; set the position again";
      return error;
    }
    if (done_) return makeError(ErrorCode::RecordNotAvailable);
    const int rc = sqlite3_step(statement_->get());
    if (rc == SQLITE_ROW) {
      store_->readRow(*statement_, out, row, fields_.empty() ? nullptr : &fields_);
      return {};
    }
    done_ = true;
    statement_->reset();
    if (rc == SQLITE_DONE) return makeError(ErrorCode::RecordNotAvailable);
    return errorFor(connection_->handle(), rc);
  }

  void invalidate() {
    invalidated_ = true;
    statement_->reset();
  }

 private:
  SqliteConnection* connection_;
  SqliteTableStore* store_;
  std::unique_ptr<Statement> statement_;
  std::vector<int> fields_;  // the columns read when not every one
  bool done_ = false;
  bool invalidated_ = false;
};

namespace {

std::string blankTest(const RecordLayout& layout, const KeyDef& key) {
  std::string test = "NOT (";
  for (std::size_t i = 0; i < key.size(); ++i) {
    const FieldDef& field = layout.at(static_cast<std::size_t>(layout.indexOf(key.fields[i])));
    if (i > 0) test += " AND ";
    test += quote(field.name) + (field.kind == FieldKind::Text ? " = ''" : " = 0");
  }
  return test + ")";
}

}  // namespace

// The predicate of a partial index, shared with the schema code so that
// queries name exactly the index's condition.
std::string partialCondition(const TableDef& def, const KeyDef& key) { return blankTest(def.layout(), key); }

SqliteTableStore::SqliteTableStore(SqliteConnection& connection, const TableDef& def)
    : connection_(&connection), def_(&def) {
  const int autoField = def.autoNumberField();
  rowColumn_ = autoField >= 0 ? def.layout().at(static_cast<std::size_t>(autoField)).name : "_row";
  selectList_ = quote(rowColumn_) + ", " + quote(versionColumn);
  for (std::size_t i = 0; i < def.layout().size(); ++i) {
    selectList_ += ", " + quote(def.layout().at(i).name);
    if (static_cast<int>(i) != autoField) writableFields_.push_back(static_cast<int>(i));
  }
}

Statement& SqliteTableStore::cached(const std::string& name, const std::string& sql) {
  auto& slot = statements_[name];
  if (!slot) slot = std::make_unique<Statement>(connection_->handle(), sql);
  return *slot;
}

std::unique_ptr<Statement> SqliteTableStore::borrow(const std::string& sql) {
  auto it = idle_.find(sql);
  if (it != idle_.end()) {
    auto statement = std::move(it->second);
    idle_.erase(it);
    return statement;
  }
  return std::make_unique<Statement>(connection_->handle(), sql);
}

void SqliteTableStore::giveBack(std::unique_ptr<Statement> statement) {
  statement->reset();
  std::string sql = statement->sql();
  idle_.emplace(std::move(sql), std::move(statement));
}

void SqliteTableStore::readRow(const Statement& statement, Record& out, RowRef& row,
                               const std::vector<int>* fields) const {
  row.id = sqlite3_column_int64(statement.get(), 0);
  row.version = sqlite3_column_int64(statement.get(), 1);
  int column = 2;
  if (fields) {
    for (int i : *fields) statement.read(column++, out.field(static_cast<std::size_t>(i)));
    return;
  }
  for (const FieldDef& field : def_->layout().fields()) statement.read(column++, FieldRef(out, field));
}

std::string SqliteTableStore::selectFor(const std::vector<int>* fields) const {
  if (!fields) return selectList_;
  std::string list = quote(rowColumn_) + ", " + quote(versionColumn);
  for (int i : *fields) list += ", " + quote(def_->layout().at(static_cast<std::size_t>(i)).name);
  return list;
}

TableError SqliteTableStore::step(Statement& statement) {
  const int rc = sqlite3_step(statement.get());
  TableError error;
  if (rc != SQLITE_DONE && rc != SQLITE_ROW) error = errorFor(connection_->handle(), rc);
  statement.reset();
  return error;
}

TableError SqliteTableStore::insert(Record& record, RowRef& row) {
  const int autoField = def_->autoNumberField();
  const bool numbered = autoField >= 0 && record.field(static_cast<std::size_t>(autoField)).integer() != 0;
  const char* name = numbered ? "insert-numbered" : "insert";
  auto& statement = [&]() -> Statement& {
    auto it = statements_.find(name);
    if (it != statements_.end()) return *it->second;
    std::string columns;
    std::string values;
    for (std::size_t i = 0; i < def_->layout().size(); ++i) {
      if (static_cast<int>(i) == autoField && !numbered) continue;
      if (!columns.empty()) {
        columns += ", ";
        values += ", ";
      }
      columns += quote(def_->layout().at(i).name);
      values += "?";
    }
    return cached(name, "INSERT INTO " + quote(def_->name()) + " (" + columns + ", " + quote(writerColumn) +
                            ") VALUES (" + values + ", ?)");
  }();
  if (TableError refused = connection_->startWrite(); refused.failed()) return refused;
  int index = 1;
  const auto& fields = def_->layout().fields();
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (static_cast<int>(i) != autoField || numbered) statement.bind(index++, FieldRef(record, fields[i]));
  statement.bindText(index, connection_->station());
  TableError error = step(statement);
  if (error.failed()) return error;
  row.id = sqlite3_last_insert_rowid(connection_->handle());
  row.version = 1;
  if (autoField >= 0 && !numbered) record.field(static_cast<std::size_t>(autoField)).setInteger(row.id);
  return {};
}

// The row is written only over the version its reader saw (any version when
// that is 0), and takes a new version chosen here.
Statement& SqliteTableStore::updateStatement() {
  auto it = statements_.find("update");
  if (it != statements_.end()) return *it->second;
  std::string sets;
  for (int i : writableFields_) sets += quote(def_->layout().at(static_cast<std::size_t>(i)).name) + " = ?, ";
  const std::string version = quote(versionColumn);
  return cached("update", "UPDATE " + quote(def_->name()) + " SET " + sets + version + " = ?, " +
                              quote(writerColumn) + " = ? WHERE " + quote(rowColumn_) +
                              " = ? AND (? = 0 OR " + version + " = ?)");
}

// A fresh random version rather than a count: a write that is rolled back
// leaves the row at its old version, and a count would hand the next
// station's write the version this station's rolled-back write had. Never
// 0, which stands for "any version".
RowVersion SqliteTableStore::freshVersion() {
  std::int64_t random = 0;
  sqlite3_randomness(sizeof random, &random);
  return (random & std::numeric_limits<std::int64_t>::max()) | 1;
}

TableError SqliteTableStore::update(RowRef& row, const Record& record) {
  Statement& statement = updateStatement();
  if (TableError refused = connection_->startWrite(); refused.failed()) return refused;
  auto& source = const_cast<Record&>(record);
  const auto& fields = def_->layout().fields();
  const RowVersion written = freshVersion();
  int index = 1;
  for (int i : writableFields_)
    statement.bind(index++, FieldRef(source, fields[static_cast<std::size_t>(i)]));
  statement.bindInt(index++, written);
  statement.bindText(index++, connection_->station());
  statement.bindInt(index++, row.id);
  statement.bindInt(index++, row.version);
  statement.bindInt(index, row.version);
  TableError error = step(statement);
  if (error.failed()) return error;
  if (sqlite3_changes(connection_->handle()) == 0) return whyUnchanged(row.id);
  row.version = written;
  return {};
}

TableError SqliteTableStore::whyUnchanged(RowId row) {
  Statement& statement = cached("writer", "SELECT " + quote(writerColumn) + " FROM " + quote(def_->name()) +
                                              " WHERE " + quote(rowColumn_) + " = ?");
  statement.bindInt(1, row);
  const int rc = sqlite3_step(statement.get());
  TableError error = makeError(ErrorCode::RecordNotAvailable);
  if (rc == SQLITE_ROW) {
    error = makeError(ErrorCode::RecordChanged);
    const auto* writer = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
    error.changedBy = writer ? writer : "";
  } else if (rc != SQLITE_DONE) {
    error = errorFor(connection_->handle(), rc);
  }
  statement.reset();
  return error;
}

TableError SqliteTableStore::remove(RowId row) {
  Statement& statement =
      cached("delete", "DELETE FROM " + quote(def_->name()) + " WHERE " + quote(rowColumn_) + " = ?");
  if (TableError refused = connection_->startWrite(); refused.failed()) return refused;
  statement.bindInt(1, row);
  TableError error = step(statement);
  if (error.failed()) return error;
  if (sqlite3_changes(connection_->handle()) == 0) return makeError(ErrorCode::RecordNotAvailable);
  return {};
}

TableError SqliteTableStore::fetch(const KeyDef& key, const Record& values, Record& out, RowRef& row) {
  const std::string name = std::string("fetch:") + key.name;
  auto it = statements_.find(name);
  Statement* statement = it != statements_.end() ? it->second.get() : nullptr;
  if (!statement) {
    std::string where;
    for (std::size_t i = 0; i < key.size(); ++i) {
      if (i > 0) where += " AND ";
      where += quote(key.fields[i]) + " = ?";
    }
    if (key.excludeBlank) where += " AND " + partialCondition(*def_, key);
    ScanRequest order;
    order.key = &key;
    statement = &cached(name, "SELECT " + selectList_ + " FROM " + quote(def_->name()) + " WHERE " + where +
                                  orderFor(order) + " LIMIT 1");
  }
  auto& source = const_cast<Record&>(values);
  for (std::size_t i = 0; i < key.size(); ++i)
    statement->bind(static_cast<int>(i) + 1, source.field(key.fields[i]));
  const int rc = sqlite3_step(statement->get());
  TableError error;
  if (rc == SQLITE_ROW)
    readRow(*statement, out, row);
  else if (rc == SQLITE_DONE)
    error = makeError(ErrorCode::RecordNotFound);
  else
    error = errorFor(connection_->handle(), rc);
  statement->reset();
  return error;
}

TableError SqliteTableStore::fetchRow(RowRef& row, Record& out) {
  Statement& statement = cached("fetch-row", "SELECT " + selectList_ + " FROM " + quote(def_->name()) +
                                                 " WHERE " + quote(rowColumn_) + " = ?");
  statement.bindInt(1, row.id);
  const int rc = sqlite3_step(statement.get());
  TableError error;
  if (rc == SQLITE_ROW)
    readRow(statement, out, row);
  else if (rc == SQLITE_DONE)
    error = makeError(ErrorCode::RecordNotFound);
  else
    error = errorFor(connection_->handle(), rc);
  statement.reset();
  return error;
}

std::string SqliteTableStore::whereFor(const ScanRequest& request) const {
  std::vector<std::string> terms;
  const KeyDef* key = request.key;
  if (key && key->excludeBlank) terms.push_back(partialCondition(*def_, *key));
  if (key) {
    for (std::size_t i = 0; i < request.rangeParts; ++i) {
      if (request.rangeLow == request.rangeHigh)
        terms.push_back(quote(key->fields[i]) + " = ?");
      else
        terms.push_back(quote(key->fields[i]) + " BETWEEN ? AND ?");
    }
    if (request.start != ScanRequest::Start::First) {
      const bool after = request.start == ScanRequest::Start::AfterRow;
      const std::size_t parts = after ? key->size() : request.startParts;
      std::string left = "(";
      std::string right = "(";
      for (std::size_t i = 0; i < parts; ++i) {
        left += (i ? ", " : "") + quote(key->fields[i]);
        right += i ? ", ?" : "?";
      }
      if (after) {
        left += ", " + quote(rowColumn_);
        right += ", ?";
      }
      const char* op = after ? (request.reverse ? " < " : " > ") : (request.reverse ? " <= " : " >= ");
      if (parts > 0) terms.push_back(left + ")" + op + right + ")");
    }
  }
  std::string where;
  for (const auto& term : terms) where += (where.empty() ? " WHERE " : " AND ") + term;
  return where;
}

std::string SqliteTableStore::orderFor(const ScanRequest& request) const {
  const char* direction = request.reverse ? " DESC" : "";
  std::string order = " ORDER BY ";
  if (request.key)
    for (std::size_t i = 0; i < request.key->size(); ++i)
      order += quote(request.key->fields[i]) + direction + ", ";
  return order + quote(rowColumn_) + direction;
}

// Scans are stepped row by row while the caller's buffers change, so their
// values are bound as copies.
int SqliteTableStore::bindScan(Statement& statement, const ScanRequest& request) const {
  int index = 1;
  const KeyDef* key = request.key;
  if (!key) return index;
  auto* low = const_cast<Record*>(request.rangeLow);
  auto* high = const_cast<Record*>(request.rangeHigh);
  for (std::size_t i = 0; i < request.rangeParts; ++i) {
    statement.bindCopy(index++, low->field(key->fields[i]));
    if (low != high) statement.bindCopy(index++, high->field(key->fields[i]));
  }
  if (request.start != ScanRequest::Start::First) {
    auto* values = const_cast<Record*>(request.startValues);
    const bool after = request.start == ScanRequest::Start::AfterRow;
    const std::size_t parts = after ? key->size() : request.startParts;
    for (std::size_t i = 0; i < parts; ++i) statement.bindCopy(index++, values->field(key->fields[i]));
    if (after) statement.bindInt(index++, request.startRow);
  }
  return index;
}

std::unique_ptr<Cursor> SqliteTableStore::scan(const ScanRequest& request) {
  const std::string sql = "SELECT " + selectFor(request.fields) + " FROM " + quote(def_->name()) +
                          whereFor(request) + orderFor(request);
  auto statement = borrow(sql);
  bindScan(*statement, request);
  return std::make_unique<SqliteCursor>(*connection_, *this, std::move(statement), request.fields);
}

TableError SqliteTableStore::count(const ScanRequest& request, std::int64_t& rows) {
  const std::string sql = "SELECT COUNT(*) FROM " + quote(def_->name()) + whereFor(request);
  auto statement = borrow(sql);
  bindScan(*statement, request);
  const int rc = sqlite3_step(statement->get());
  TableError error;
  if (rc == SQLITE_ROW)
    rows = sqlite3_column_int64(statement->get(), 0);
  else
    error = errorFor(connection_->handle(), rc);
  giveBack(std::move(statement));
  return error;
}

SqliteConnection::SqliteConnection(sqlite3* db, std::string location, int schemaVersion)
    : db_(db), location_(std::move(location)), schemaVersion_(schemaVersion) {}

SqliteConnection::~SqliteConnection() {
  for (SqliteCursor* cursor : cursors_) cursor->invalidate();
  stores_.clear();
  sqlite3_close_v2(db_);
}

TableStore& SqliteConnection::store(const TableDef& def) {
  auto& slot = stores_[def.name()];
  if (!slot) slot = std::make_unique<SqliteTableStore>(*this, def);
  return *slot;
}

// After some failures (a full disk, an I/O error) SQLite rolls the whole
// transaction back by itself. Writes that came after would then each be
// committed on their own, without what the transaction wrote before them,
// and the final commit would find nothing to commit: so until the caller
// ends the transaction, writes are refused and its commit fails.
TableError SqliteConnection::lostTransaction() const {
  if (depth_ == 0 || sqlite3_get_autocommit(db_) == 0) return {};
  TableError error = errorFor(nullptr, SQLITE_ABORT_ROLLBACK);
  error.fileMessage = "the transaction was rolled back after an earlier failure";
  return error;
}

TableError SqliteConnection::startWrite() {
  resetCursors();
  return lostTransaction();
}

void SqliteConnection::resetCursors() {
  for (SqliteCursor* cursor : cursors_) cursor->invalidate();
  ++generation_;
}

TableError SqliteConnection::exec(const std::string& sql) {
  char* message = nullptr;
  const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
  sqlite3_free(message);
  return rc == SQLITE_OK ? TableError{} : errorFor(db_, rc);
}

TableError SqliteConnection::begin(std::chrono::milliseconds wait) {
  resetCursors();
  if (depth_ > 0) {
    TableError error = exec("SAVEPOINT level" + std::to_string(depth_));
    if (!error.failed()) ++depth_;
    return error;
  }
  sqlite3_busy_timeout(db_, static_cast<int>(wait.count()));
  TableError error = exec("BEGIN IMMEDIATE");
  sqlite3_busy_timeout(db_, defaultBusyMilliseconds);
  if (!error.failed()) depth_ = 1;
  return error;
}

TableError SqliteConnection::commit() {
  if (depth_ == 0) return makeError(ErrorCode::RecordNotAvailable);
  resetCursors();
  if (TableError lost = lostTransaction(); lost.failed()) {
    --depth_;
    return lost;
  }
  if (depth_ > 1) {
    --depth_;
    return exec("RELEASE level" + std::to_string(depth_));
  }
  TableError error = exec("COMMIT");
  if (!error.failed()) depth_ = 0;
  return error;
}

TableError SqliteConnection::rollback() {
  if (depth_ == 0) return {};
  resetCursors();
  if (lostTransaction().failed()) {
    --depth_;
    return {};
  }
  if (depth_ > 1) {
    --depth_;
    const std::string name = "level" + std::to_string(depth_);
    TableError error = exec("ROLLBACK TO " + name);
    exec("RELEASE " + name);
    return error;
  }
  depth_ = 0;
  return exec("ROLLBACK");
}

}  // namespace crv::sqlite
