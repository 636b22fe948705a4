// An open company on a PostgreSQL server and the access to each of its
// tables.
//
// Writers take turns: a transaction begins by taking the company's write
// lock (an advisory lock named after the company's schema), waiting for it
// through lock_timeout, and a write outside a transaction takes the lock for
// its own short transaction. So a transaction locks out the other stations'
// writes, as it does on the embedded engine, and callers that re-read a
// counter inside a transaction can rely on nobody moving it meanwhile.
// Readers never wait.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/framework/storage/storage_backend.h"
#include "host/storage/postgresql/pg_session.h"

namespace crv::postgresql {

class PgConnection;
class PgCursor;

// The hidden columns every table carries.
inline constexpr const char* hiddenRowColumn = "_row";
inline constexpr const char* versionColumn = "_version";
inline constexpr const char* writerColumn = "_writer";
// A written row's new version: random, never one a rolled-back write may
// have had.
inline constexpr const char* freshVersion = "(floor(random() * 9.2e18)::bigint | 1)";

// How a table's key fields are compared: case-insensitive text by its
// lower-case form (ASCII only, under the "C" collation of every text column).
class KeyExpressions {
 public:
  explicit KeyExpressions(const TableDef& def);
  std::string column(std::string_view field) const;
  std::string parameter(std::string_view field, int index) const;
  bool noCase(std::string_view field) const;

 private:
  std::set<std::string> noCase_;  // lower-cased field names
};

// A field's value as the server reads it in text form.
std::string textOf(FieldRef field);

// The condition of a key that leaves out blank rows.
std::string partialCondition(const TableDef& def, const KeyDef& key);

// What a scan's statement depends on, without the values.
struct ScanShape {
  const KeyDef* key = nullptr;
  bool reverse = false;
  std::size_t rangeParts = 0;
  bool rangeBetween = false;  // two bounds rather than one value
  ScanRequest::Start start = ScanRequest::Start::First;
  std::size_t startParts = 0;
  std::vector<int> fields;  // the fields read; empty: all of them

  static ScanShape of(const ScanRequest& request);
  std::size_t rangeParams() const { return rangeBetween ? 2 * rangeParts : rangeParts; }
};

class PgTableStore final : public TableStore {
 public:
  PgTableStore(PgConnection& connection, const TableDef& def);

  TableError insert(Record& record, RowRef& row) override;
  TableError update(RowRef& row, const Record& record) override;
  TableError remove(RowId row) override;
  TableError fetch(const KeyDef& key, const Record& values, Record& out, RowRef& row) override;
  TableError fetchRow(RowRef& row, Record& out) override;
  std::unique_ptr<Cursor> scan(const ScanRequest& request) override;
  TableError count(const ScanRequest& request, std::int64_t& rows) override;

  const TableDef& def() const { return *def_; }
  PgConnection& connection() { return *connection_; }
  // Reads a row of `result`: every field, or `fields` only when given.
  void readRow(const Result& result, int index, Record& out, RowRef& row,
               const std::vector<int>& fields = {}) const;
  // A page of a scan: the statement and its parameters.
  std::string scanSql(const ScanShape& shape, int limit) const;
  Params scanParams(const ScanRequest& request) const;
  // The result column of a field read by `shape`.
  int columnOf(std::string_view field, const ScanShape& shape) const;
  bool uniqueOrder(const KeyDef* key) const { return key && key->unique; }
  const std::string& rowColumn() const { return rowColumn_; }
  const std::string& tableName() const { return table_; }
  // After an update that matched nothing: the row is gone, or another write
  // came first.
  TableError whyUnchanged(RowId row);

 private:
  std::string whereFor(const ScanShape& shape) const;
  std::string orderFor(const ScanShape& shape) const;
  void bindFields(Params& params, Record& record, bool withAutoNumber) const;

  PgConnection* connection_;
  const TableDef* def_;
  KeyExpressions expressions_;
  std::string table_;
  std::string rowColumn_;
  std::string selectList_;
  std::string insertSql_;
  std::string insertNumberedSql_;
  std::string updateSql_;
};

class PgConnection final : public Connection {
 public:
  PgConnection(Settings settings, std::string schema, std::string location, int schemaVersion);
  ~PgConnection() override;

  // Throws StorageOpenError with a message for the user when the server
  // cannot be reached or refuses the connection.
  void connect();

  TableStore& store(const TableDef& def) override;
  std::unique_ptr<BulkInsert> bulkInsert(const TableDef& def) override;
  std::unique_ptr<BatchUpdate> batchUpdate(const TableDef& def, std::vector<int> fields) override;
  TableError begin(std::chrono::milliseconds wait) override;
  TableError commit() override;
  TableError rollback() override;
  int transactionDepth() const override { return depth_; }
  // Cursors read afresh by themselves after writes (see PgCursor), so
  // tables need not start their readings again.
  std::uint64_t writeGeneration() const override { return 1; }
  std::string location() const override { return location_; }
  int schemaVersion() const override { return schemaVersion_; }
  void setStation(std::string name) override { station_ = std::move(name); }
  const std::string& station() const { return station_; }
  const std::string& schema() const { return schema_; }

  // A read; on failure `error` says why.
  Result read(const std::string& sql, const Params& params, TableError& error);
  // A write, guarded inside a transaction and in a short transaction of its
  // own outside one.
  Result write(const std::string& sql, const Params& params, TableError& error);
  // Statements without parameters (schema work).
  TableError execute(const std::string& sql);
  // A COPY ... FROM STDIN and its rows.
  TableError copyIn(const std::string& sql, std::string_view rows);

  // Live cursors hear of every write to their table.
  void enlist(PgCursor* cursor) { cursors_.insert(cursor); }
  void delist(PgCursor* cursor) { cursors_.erase(cursor); }
  void wrote(const TableDef& def, RowId row);
  // The same for many rows at once, `rows` in ascending order.
  void wrote(const TableDef& def, const std::vector<RowId>& rows);

 private:
  bool usable(TableError& error);
  TableError failure(const Result& result);
  std::string lockStatement(std::chrono::milliseconds wait) const;

  Session session_;
  std::string schema_;
  std::string location_;
  int schemaVersion_;
  std::string station_;
  int depth_ = 0;
  bool lost_ = false;  // the connection broke inside a transaction
  std::map<std::string, std::unique_ptr<PgTableStore>> stores_;
  std::set<PgCursor*> cursors_;
};

}  // namespace crv::postgresql
