// Table access and transactions on a PostgreSQL company.
#include "host/storage/postgresql/pg_connection.h"

#include <algorithm>
#include <cstdio>

namespace crv::postgresql {

// Reads a scan page by page, each page a keyed query that starts right after
// the last row read, so a reading never loads a whole table. Pages grow from a
// few rows (a fetch, a list's page) to a few thousand (a pass over a table).
// A write to the table that touches a row this cursor still holds, or adds
// or removes rows, drops the rows held: the next read asks the server again
// from after the last row read, so loops that update what they read see
// every row once and never an outdated copy.
class PgCursor final : public Cursor {
 public:
  PgCursor(PgTableStore& store, const ScanRequest& request)
      : store_(&store), shape_(ScanShape::of(request)), params_(store.scanParams(request)) {
    store_->connection().enlist(this);
  }
  ~PgCursor() override {
    if (store_) store_->connection().delist(this);
  }

  // The connection closes before the cursor: reading ends.
  void orphan() {
    store_ = nullptr;
    page_ = Result();
    finished_ = true;
  }

  TableError next(Record& out, RowRef& row) override {
    if (!store_) return makeError(ErrorCode::FileNotOpen);
    if (position_ >= page_.rows()) {
      if (finished_) return makeError(ErrorCode::RecordNotAvailable);
      TableError error = readPage();
      if (error.failed()) return error;
      if (page_.rows() == 0) {
        finished_ = true;
        return makeError(ErrorCode::RecordNotAvailable);
      }
    }
    store_->readRow(page_, position_, out, row, shape_.fields);
    rememberLast();
    ++position_;
    if (position_ >= page_.rows() && lastPageShort_) finished_ = true;
    return {};
  }

  // `rows` written (in ascending order), or rows added or removed when it
  // holds 0.
  void heard(const TableDef& def, const std::vector<RowId>& rows) {
    if (!store_ || &def != &store_->def() || position_ >= page_.rows()) return;
    bool held = rows.size() == 1 && rows.front() == 0;
    for (int i = position_; !held && i < page_.rows(); ++i)
      held = std::binary_search(rows.begin(), rows.end(), page_.integer(i, 0));
    if (!held) return;
    page_ = Result();
    position_ = 0;
    finished_ = false;
    lastPageShort_ = false;
  }

 private:
  TableError readPage() {
    limit_ = limit_ == 0 ? 16 : std::min(limit_ * 8, 4096);
    ScanShape shape = shape_;
    Params params = params_;
    if (haveLast_) {
      shape.start = ScanRequest::Start::AfterRow;
      params.resize(shape.rangeParams());
      params.insert(params.end(), last_.begin(), last_.end());
    }
    TableError error;
    page_ = store_->connection().read(store_->scanSql(shape, limit_), params, error);
    position_ = 0;
    lastPageShort_ = page_.rows() < limit_;
    return error;
  }

  // The key values and row identity of the row just read, as the next
  // page's starting point.
  void rememberLast() {
    last_.clear();
    if (const KeyDef* key = shape_.key)
      for (std::size_t i = 0; i < key->size(); ++i)
        last_.emplace_back(page_.text(position_, store_->columnOf(key->fields[i], shape_)));
    if (!store_->uniqueOrder(shape_.key)) last_.emplace_back(page_.text(position_, 0));
    haveLast_ = true;
  }

  PgTableStore* store_;
  ScanShape shape_;
  Params params_;
  Params last_;
  bool haveLast_ = false;
  Result page_;
  int position_ = 0;
  int limit_ = 0;
  bool lastPageShort_ = false;
  bool finished_ = false;
};

ScanShape ScanShape::of(const ScanRequest& request) {
  ScanShape shape;
  shape.key = request.key;
  shape.reverse = request.reverse;
  shape.rangeParts = request.key ? request.rangeParts : 0;
  shape.rangeBetween = request.rangeLow != request.rangeHigh;
  shape.start = request.start;
  shape.startParts = request.startParts;
  if (request.fields) shape.fields = *request.fields;
  return shape;
}

KeyExpressions::KeyExpressions(const TableDef& def) {
  for (const KeyDef* key : def.keys())
    if (key->noCase)
      for (std::size_t i = 0; i < key->size(); ++i) {
        const int index = def.layout().indexOf(key->fields[i]);
        if (def.layout().at(static_cast<std::size_t>(index)).kind == FieldKind::Text)
          noCase_.insert(lowerAscii(key->fields[i]));
      }
}

bool KeyExpressions::noCase(std::string_view field) const { return noCase_.count(lowerAscii(field)) > 0; }

std::string KeyExpressions::column(std::string_view field) const {
  return noCase(field) ? "lower(" + quote(field) + ")" : quote(field);
}

std::string KeyExpressions::parameter(std::string_view field, int index) const {
  const std::string placeholder = "$" + std::to_string(index);
  return noCase(field) ? "lower(" + placeholder + ")" : placeholder;
}

std::string partialCondition(const TableDef& def, const KeyDef& key) {
  std::string test = "NOT (";
  for (std::size_t i = 0; i < key.size(); ++i) {
    const FieldDef& field = def.layout().at(static_cast<std::size_t>(def.layout().indexOf(key.fields[i])));
    if (i > 0) test += " AND ";
    test += quote(field.name) + (field.kind == FieldKind::Text ? " = ''" : " = 0");
  }
  return test + ")";
}

std::string textOf(FieldRef field) {
  switch (field.kind()) {
    case FieldKind::Text:
      return std::string(field.text());
    case FieldKind::Real: {
      char text[40];
      std::snprintf(text, sizeof text, "%.17g", field.real());
      return text;
    }
    default:
      return std::to_string(field.integer());
  }
}

PgTableStore::PgTableStore(PgConnection& connection, const TableDef& def)
    : connection_(&connection), def_(&def), expressions_(def), table_(quote(def.name())) {
  const int autoField = def.autoNumberField();
  rowColumn_ =
      quote(autoField >= 0 ? def.layout().at(static_cast<std::size_t>(autoField)).name : hiddenRowColumn);
  selectList_ = rowColumn_ + ", " + quote(versionColumn);
  std::string columns;
  std::string values;
  std::string sets;
  int index = 0;
  for (std::size_t i = 0; i < def.layout().size(); ++i) {
    const std::string column = quote(def.layout().at(i).name);
    selectList_ += ", " + column;
    if (static_cast<int>(i) == autoField) continue;
    ++index;
    columns += column + ", ";
    values += "$" + std::to_string(index) + ", ";
    sets += column + " = $" + std::to_string(index) + ", ";
  }
  const std::string writer = std::to_string(index + 1);
  const std::string version = quote(versionColumn);
  insertSql_ = "INSERT INTO " + table_ + " (" + columns + quote(writerColumn) + ") VALUES (" + values + "$" +
               writer + ") RETURNING " + rowColumn_;
  // A number given by the caller moves the sequence past it, so that the
  // next number handed out is higher, as on the embedded engine.
  if (autoField >= 0) {
    const std::string number = std::to_string(index + 2);
    const std::string sequence = quote(def.name() + "_seq");
    insertNumberedSql_ = "WITH added AS (INSERT INTO " + table_ + " (" + columns + quote(writerColumn) +
                         ", " + rowColumn_ + ") VALUES (" + values + "$" + writer + ", $" + number +
                         ") RETURNING " + rowColumn_ +
                         " AS id) SELECT id, (SELECT CASE WHEN s.last_value < id OR NOT s.is_called "
                         "THEN setval('" +
                         sequence + "', id) END FROM " + sequence + " s) FROM added";
  }
  const std::string row = std::to_string(index + 2);
  const std::string expected = "$" + std::to_string(index + 3) + "::bigint";
  updateSql_ = "UPDATE " + table_ + " SET " + sets + version + " = " + freshVersion + ", " +
               quote(writerColumn) + " = $" + writer + " WHERE " + rowColumn_ + " = $" + row + " AND (" +
               expected + " = 0 OR " + version + " = " + expected + ") RETURNING " + version;
}

namespace {

void readField(const Result& result, int index, int column, FieldRef field) {
  switch (field.kind()) {
    case FieldKind::Text:
      field.setText(result.text(index, column));
      break;
    case FieldKind::Real:
      field.setReal(result.real(index, column));
      break;
    default:
      field.setInteger(result.integer(index, column));
      break;
  }
}

}  // namespace

void PgTableStore::readRow(const Result& result, int index, Record& out, RowRef& row,
                           const std::vector<int>& fields) const {
  row.id = result.integer(index, 0);
  row.version = result.integer(index, 1);
  if (!fields.empty()) {
    int column = 2;
    for (int i : fields) readField(result, index, column++, out.field(static_cast<std::size_t>(i)));
    return;
  }
  for (std::size_t i = 0; i < def_->layout().size(); ++i)
    readField(result, index, static_cast<int>(i) + 2, out.field(i));
}

int PgTableStore::columnOf(std::string_view field, const ScanShape& shape) const {
  const int index = def_->layout().indexOf(field);
  if (shape.fields.empty()) return 2 + index;
  const auto found = std::find(shape.fields.begin(), shape.fields.end(), index);
  return 2 + static_cast<int>(found - shape.fields.begin());
}

void PgTableStore::bindFields(Params& params, Record& record, bool withAutoNumber) const {
  const int autoField = def_->autoNumberField();
  for (std::size_t i = 0; i < def_->layout().size(); ++i)
    if (static_cast<int>(i) != autoField) params.push_back(textOf(record.field(i)));
  params.push_back(connection_->station());
  if (withAutoNumber) params.push_back(textOf(record.field(static_cast<std::size_t>(autoField))));
}

TableError PgTableStore::insert(Record& record, RowRef& row) {
  const int autoField = def_->autoNumberField();
  const bool numbered = autoField >= 0 && record.field(static_cast<std::size_t>(autoField)).integer() != 0;
  Params params;
  bindFields(params, record, numbered);
  TableError error;
  Result result = connection_->write(numbered ? insertNumberedSql_ : insertSql_, params, error);
  if (error.failed()) return error;
  row.id = result.integer(0, 0);
  row.version = 1;
  connection_->wrote(*def_, 0);
  if (autoField >= 0 && !numbered) record.field(static_cast<std::size_t>(autoField)).setInteger(row.id);
  return {};
}

TableError PgTableStore::update(RowRef& row, const Record& record) {
  Params params;
  bindFields(params, const_cast<Record&>(record), false);
  params.push_back(std::to_string(row.id));
  params.push_back(std::to_string(row.version));
  TableError error;
  Result result = connection_->write(updateSql_, params, error);
  if (error.failed()) return error;
  connection_->wrote(*def_, row.id);
  if (result.rows() == 0) return whyUnchanged(row.id);
  row.version = result.integer(0, 0);
  return {};
}

TableError PgTableStore::whyUnchanged(RowId row) {
  TableError error;
  Result result = connection_->read(
      "SELECT " + quote(writerColumn) + " FROM " + table_ + " WHERE " + rowColumn_ + " = $1",
      {std::to_string(row)}, error);
  if (error.failed()) return error;
  if (result.rows() == 0) return makeError(ErrorCode::RecordNotAvailable);
  error = makeError(ErrorCode::RecordChanged);
  error.changedBy = std::string(result.text(0, 0));
  return error;
}

TableError PgTableStore::remove(RowId row) {
  TableError error;
  Result result =
      connection_->write("DELETE FROM " + table_ + " WHERE " + rowColumn_ + " = $1 RETURNING " + rowColumn_,
                         {std::to_string(row)}, error);
  if (error.failed()) return error;
  connection_->wrote(*def_, row);
  return result.rows() == 0 ? makeError(ErrorCode::RecordNotAvailable) : TableError{};
}

TableError PgTableStore::fetch(const KeyDef& key, const Record& values, Record& out, RowRef& row) {
  std::string where;
  Params params;
  auto& source = const_cast<Record&>(values);
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (i > 0) where += " AND ";
    where += expressions_.column(key.fields[i]) + " = " +
             expressions_.parameter(key.fields[i], static_cast<int>(i) + 1);
    params.push_back(textOf(source.field(key.fields[i])));
  }
  if (key.excludeBlank) where += " AND " + partialCondition(*def_, key);
  ScanShape order;
  order.key = &key;
  TableError error;
  Result result = connection_->read(
      "SELECT " + selectList_ + " FROM " + table_ + " WHERE " + where + orderFor(order) + " LIMIT 1", params,
      error);
  if (error.failed()) return error;
  if (result.rows() == 0) return makeError(ErrorCode::RecordNotFound);
  readRow(result, 0, out, row);
  return {};
}

TableError PgTableStore::fetchRow(RowRef& row, Record& out) {
  TableError error;
  Result result =
      connection_->read("SELECT " + selectList_ + " FROM " + table_ + " WHERE " + rowColumn_ + " = $1",
                        {std::to_string(row.id)}, error);
  if (error.failed()) return error;
  if (result.rows() == 0) return makeError(ErrorCode::RecordNotFound);
  readRow(result, 0, out, row);
  return {};
}

// Parameters are numbered in the order scanParams() lists them: the range's
// bounds, then the starting point.
std::string PgTableStore::whereFor(const ScanShape& request) const {
  std::vector<std::string> terms;
  const KeyDef* key = request.key;
  int index = 1;
  if (key && key->excludeBlank) terms.push_back(partialCondition(*def_, *key));
  if (key) {
    for (std::size_t i = 0; i < request.rangeParts; ++i) {
      const char* field = key->fields[i];
      if (!request.rangeBetween) {
        terms.push_back(expressions_.column(field) + " = " + expressions_.parameter(field, index++));
      } else {
        terms.push_back(expressions_.column(field) + " BETWEEN " + expressions_.parameter(field, index) +
                        " AND " + expressions_.parameter(field, index + 1));
        index += 2;
      }
    }
  }
  if (request.start != ScanRequest::Start::First) {
    const bool after = request.start == ScanRequest::Start::AfterRow;
    const std::size_t parts = !key ? 0 : after ? key->size() : request.startParts;
    std::string left = "(";
    std::string right = "(";
    for (std::size_t i = 0; i < parts; ++i) {
      left += (i ? ", " : "") + expressions_.column(key->fields[i]);
      right += (i ? ", " : "") + expressions_.parameter(key->fields[i], index++);
    }
    if (after && !uniqueOrder(key)) {
      left += std::string(parts ? ", " : "") + rowColumn_;
      right += std::string(parts ? ", " : "") + "$" + std::to_string(index++);
    }
    const char* op = after ? (request.reverse ? " < " : " > ") : (request.reverse ? " <= " : " >= ");
    if (left.size() > 1) terms.push_back(left + ")" + op + right + ")");
  }
  std::string where;
  for (const auto& term : terms) where += (where.empty() ? " WHERE " : " AND ") + term;
  return where;
}

// Rows with equal keys follow their row identity, as on the embedded engine;
// a unique key has no equal rows and orders by itself alone, which its index
// gives directly.
std::string PgTableStore::orderFor(const ScanShape& request) const {
  const char* direction = request.reverse ? " DESC" : "";
  std::string order = " ORDER BY ";
  if (request.key)
    for (std::size_t i = 0; i < request.key->size(); ++i)
      order += expressions_.column(request.key->fields[i]) + direction + ", ";
  if (uniqueOrder(request.key)) return order.substr(0, order.size() - 2);
  return order + rowColumn_ + direction;
}

Params PgTableStore::scanParams(const ScanRequest& request) const {
  Params params;
  const KeyDef* key = request.key;
  if (!key) return params;
  auto* low = const_cast<Record*>(request.rangeLow);
  auto* high = const_cast<Record*>(request.rangeHigh);
  for (std::size_t i = 0; i < request.rangeParts; ++i) {
    params.push_back(textOf(low->field(key->fields[i])));
    if (low != high) params.push_back(textOf(high->field(key->fields[i])));
  }
  if (request.start != ScanRequest::Start::First) {
    auto* values = const_cast<Record*>(request.startValues);
    const bool after = request.start == ScanRequest::Start::AfterRow;
    const std::size_t parts = after ? key->size() : request.startParts;
    for (std::size_t i = 0; i < parts; ++i) params.push_back(textOf(values->field(key->fields[i])));
    if (after && !uniqueOrder(key)) params.push_back(std::to_string(request.startRow));
  }
  return params;
}

std::string PgTableStore::scanSql(const ScanShape& request, int limit) const {
  std::string select = selectList_;
  if (!request.fields.empty()) {
    select = rowColumn_ + ", " + quote(versionColumn);
    for (int i : request.fields) select += ", " + quote(def_->layout().at(static_cast<std::size_t>(i)).name);
  }
  return "SELECT " + select + " FROM " + table_ + whereFor(request) + orderFor(request) + " LIMIT " +
         std::to_string(limit);
}

std::unique_ptr<Cursor> PgTableStore::scan(const ScanRequest& request) {
  return std::make_unique<PgCursor>(*this, request);
}

TableError PgTableStore::count(const ScanRequest& request, std::int64_t& rows) {
  TableError error;
  Result result = connection_->read("SELECT count(*) FROM " + table_ + whereFor(ScanShape::of(request)),
                                    scanParams(request), error);
  if (!error.failed()) rows = result.integer(0, 0);
  return error;
}

PgConnection::PgConnection(Settings settings, std::string schema, std::string location, int schemaVersion)
    : session_(std::move(settings)),
      schema_(std::move(schema)),
      location_(std::move(location)),
      schemaVersion_(schemaVersion) {}

PgConnection::~PgConnection() {
  for (PgCursor* cursor : cursors_) cursor->orphan();
  stores_.clear();
}

void PgConnection::connect() {
  std::string why;
  if (!session_.connect(why)) throw StorageOpenError(why);
}

TableStore& PgConnection::store(const TableDef& def) {
  auto& slot = stores_[def.name()];
  if (!slot) slot = std::make_unique<PgTableStore>(*this, def);
  return *slot;
}

void PgConnection::wrote(const TableDef& def, RowId row) { wrote(def, std::vector<RowId>{row}); }

void PgConnection::wrote(const TableDef& def, const std::vector<RowId>& rows) {
  for (PgCursor* cursor : cursors_) cursor->heard(def, rows);
}

// A connection that broke is opened again before the next statement, except
// inside the transaction it broke in: that transaction is gone, and every
// statement fails until the caller ends it.
bool PgConnection::usable(TableError& error) {
  if (lost_) {
    error = connectionLost("the connection to the database server was lost during this transaction");
    return false;
  }
  if (session_.connected()) return true;
  std::string why;
  if (session_.connect(why)) return true;
  error = connectionLost("the database server " + location_ + " cannot be reached (" + why + ")");
  return false;
}

TableError PgConnection::failure(const Result& result) {
  const bool lost = !session_.connected();
  if (lost && depth_ > 0) lost_ = true;
  return errorFor(result, lost);
}

Result PgConnection::read(const std::string& sql, const Params& params, TableError& error) {
  if (!usable(error)) return Result();
  Result result = session_.run(sql, params);
  if (!result.ok()) error = failure(result);
  return result;
}

Result PgConnection::write(const std::string& sql, const Params& params, TableError& error) {
  if (!usable(error)) return Result();
  if (depth_ > 0) {
    Result result = session_.runGuarded(sql, params);
    if (!result.ok()) error = failure(result);
    return result;
  }
  error = begin(std::chrono::milliseconds(5000));
  if (error.failed()) return Result();
  Result result = session_.run(sql, params);
  if (!result.ok()) {
    error = failure(result);
    rollback();
    return result;
  }
  error = commit();
  return result;
}

TableError PgConnection::execute(const std::string& sql) {
  TableError error;
  if (!usable(error)) return error;
  Result result = session_.exec(sql);
  return result.ok() ? TableError{} : failure(result);
}

TableError PgConnection::copyIn(const std::string& sql, std::string_view rows) {
  TableError error;
  if (!usable(error)) return error;
  Result result = session_.copyIn(sql, rows);
  return result.ok() ? TableError{} : failure(result);
}

// The company's write lock: one advisory lock per schema, held to the end of
// the transaction. lock_timeout 0 would wait for ever, so no wait is one
// millisecond.
std::string PgConnection::lockStatement(std::chrono::milliseconds wait) const {
  const long long waitMs = std::max<long long>(1, wait.count());
  return "SET LOCAL lock_timeout = '" + std::to_string(waitMs) +
         "ms'; SELECT pg_advisory_xact_lock(1129469520, hashtext('" + schema_ +
         "')); SET LOCAL lock_timeout = '5000ms'";
}

TableError PgConnection::begin(std::chrono::milliseconds wait) {
  TableError error;
  if (!usable(error)) return error;
  if (depth_ > 0) {
    error = execute("SAVEPOINT level" + std::to_string(depth_));
    if (!error.failed()) ++depth_;
    return error;
  }
  Result result = session_.exec("BEGIN; " + lockStatement(wait));
  if (!result.ok()) {
    error = errorFor(result, !session_.connected());
    if (session_.connected()) session_.exec("ROLLBACK");
    return error;
  }
  depth_ = 1;
  return {};
}

TableError PgConnection::commit() {
  if (depth_ == 0) return makeError(ErrorCode::RecordNotAvailable);
  if (lost_) {
    if (--depth_ == 0) lost_ = false;
    return connectionLost("the connection to the database server was lost; the transaction was not saved");
  }
  if (depth_ > 1) {
    --depth_;
    return execute("RELEASE level" + std::to_string(depth_));
  }
  Result result = session_.exec("COMMIT");
  depth_ = 0;
  if (!result.ok()) return errorFor(result, !session_.connected());
  // A transaction that a failed read spoilt ends in a rollback, which the
  // server reports as a successful COMMIT; it must not pass for one.
  if (result.commandStatus() != "COMMIT") {
    TableError error = makeError(ErrorCode::FileSystem);
    error.fileCode = "25P02";
    error.fileMessage = "the transaction was rolled back after a failed statement";
    return error;
  }
  return {};
}

TableError PgConnection::rollback() {
  if (depth_ == 0) return {};
  if (lost_) {
    if (--depth_ == 0) lost_ = false;
    return {};
  }
  if (depth_ > 1) {
    --depth_;
    const std::string name = "level" + std::to_string(depth_);
    return execute("ROLLBACK TO " + name + "; RELEASE " + name);
  }
  depth_ = 0;
  Result result = session_.exec("ROLLBACK");
  return result.ok() || !session_.connected() ? TableError{} : errorFor(result, false);
}

}  // namespace crv::postgresql
