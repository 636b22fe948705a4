// An open SQLite company database and the access to each of its tables.
#pragma once

#include <sqlite3.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/framework/storage/storage_backend.h"
#include "host/storage/sqlite/sqlite_statement.h"

namespace crv::sqlite {

class SqliteConnection;
class SqliteCursor;

// Every table carries the row's version and the station that wrote it last.
inline constexpr const char* versionColumn = "_version";
inline constexpr const char* writerColumn = "_writer";
inline constexpr const char* versionColumns =
    "\"_version\" INTEGER NOT NULL DEFAULT 1, \"_writer\" TEXT NOT NULL DEFAULT ''";

class SqliteTableStore final : public TableStore {
 public:
  SqliteTableStore(SqliteConnection& connection, const TableDef& def);

  TableError insert(Record& record, RowRef& row) override;
  TableError update(RowRef& row, const Record& record) override;
  TableError remove(RowId row) override;
  TableError fetch(const KeyDef& key, const Record& values, Record& out, RowRef& row) override;
  TableError fetchRow(RowRef& row, Record& out) override;
  std::unique_ptr<Cursor> scan(const ScanRequest& request) override;
  TableError count(const ScanRequest& request, std::int64_t& rows) override;

  // Statements for scans are lent to one cursor at a time.
  std::unique_ptr<Statement> borrow(const std::string& sql);
  void giveBack(std::unique_ptr<Statement> statement);

  const TableDef& def() const { return *def_; }
  const std::string& rowColumn() const { return rowColumn_; }
  // After an update that matched nothing: the row is gone, or another write
  // came first.
  TableError whyUnchanged(RowId row);
  // A written row's new version (never 0).
  static RowVersion freshVersion();
  // Reads the current row of `statement`: every field, or `fields` only.
  void readRow(const Statement& statement, Record& out, RowRef& row,
               const std::vector<int>* fields = nullptr) const;
  // The select list of every field, or of `fields` only.
  std::string selectFor(const std::vector<int>* fields) const;

 private:
  Statement& cached(const std::string& name, const std::string& sql);
  std::string whereFor(const ScanRequest& request) const;
  std::string orderFor(const ScanRequest& request) const;
  int bindScan(Statement& statement, const ScanRequest& request) const;
  TableError step(Statement& statement);
  Statement& updateStatement();

  SqliteConnection* connection_;
  const TableDef* def_;
  std::string rowColumn_;
  std::string selectList_;
  std::vector<int> writableFields_;  // every field but the auto-number one
  std::map<std::string, std::unique_ptr<Statement>> statements_;
  std::multimap<std::string, std::unique_ptr<Statement>> idle_;
};

class SqliteConnection final : public Connection {
 public:
  SqliteConnection(sqlite3* db, std::string location, int schemaVersion);
  ~SqliteConnection() override;

  TableStore& store(const TableDef& def) override;
  std::unique_ptr<BatchUpdate> batchUpdate(const TableDef& def, std::vector<int> fields) override;
  TableError begin(std::chrono::milliseconds wait) override;
  TableError commit() override;
  TableError rollback() override;
  int transactionDepth() const override { return depth_; }
  std::uint64_t writeGeneration() const override { return generation_; }
  std::string location() const override { return location_; }
  int schemaVersion() const override { return schemaVersion_; }
  void setStation(std::string name) override { station_ = std::move(name); }
  const std::string& station() const { return station_; }

  sqlite3* handle() const { return db_; }
  // Called before every write: live cursors would otherwise hold an old
  // snapshot that keeps the write from taking the lock. Answers an error
  // when the write must not run (see lostTransaction()).
  TableError startWrite();
  // Live cursors are reset when a transaction begins or ends.
  void enlist(SqliteCursor* cursor) { cursors_.insert(cursor); }
  void delist(SqliteCursor* cursor) { cursors_.erase(cursor); }

  static constexpr int defaultBusyMilliseconds = 5000;

 private:
  TableError exec(const std::string& sql);
  void resetCursors();
  TableError lostTransaction() const;

  sqlite3* db_;
  std::string location_;
  int schemaVersion_;
  std::string station_;
  int depth_ = 0;
  std::uint64_t generation_ = 1;
  std::map<std::string, std::unique_ptr<SqliteTableStore>> stores_;
  std::set<SqliteCursor*> cursors_;
};

}  // namespace crv::sqlite
