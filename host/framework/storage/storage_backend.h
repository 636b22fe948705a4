// The storage backend interface.
//
// Tables reach their rows only through these classes; nothing above a
// backend sees its engine's types or query language. A backend stores each
// table with one column per field, one index per key, and a row identity of
// its own that breaks ties between rows with equal keys and lets a row be
// written back after it was read.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/framework/table/table_def.h"
#include "host/framework/table/table_error.h"

namespace crv {

class BatchUpdate;
class BulkInsert;

using RowId = std::int64_t;
// Moves on with every write of a row; 0 stands for "not known".
using RowVersion = std::int64_t;

// A stored row as its reader saw it.
struct RowRef {
  RowId id = 0;
  RowVersion version = 0;
};

// What a scan reads: the rows of a key, in key order or reversed, from a
// starting point, optionally within a range of the key's leading fields.
struct ScanRequest {
  enum class Start {
    First,     // the first row in the reading direction
    AtValues,  // the first row whose leading `startParts` key fields are at
               // or beyond `startValues` in the reading direction
    AfterRow,  // the row after (`startValues`, `startRow`) in the reading direction
  };

  const KeyDef* key = nullptr;
  bool reverse = false;
  Start start = Start::First;
  const Record* startValues = nullptr;
  std::size_t startParts = 0;
  RowId startRow = 0;
  // Rows whose leading `rangeParts` key fields lie between the values in
  // rangeLow and rangeHigh, both included.
  std::size_t rangeParts = 0;
  const Record* rangeLow = nullptr;
  const Record* rangeHigh = nullptr;
  // The fields to read, as layout positions, when not every field is
  // needed (the others keep what the record holds); nullptr reads them all.
  // Holds the key's fields.
  const std::vector<int>* fields = nullptr;
};

class Cursor {
 public:
  virtual ~Cursor() = default;
  // Reads the next row into `out`. Code 33 when there are no more rows.
  virtual TableError next(Record& out, RowRef& row) = 0;
};

class TableStore {
 public:
  virtual ~TableStore() = default;

  // Adds a row. A zero auto-numbered field gets the next number, written
  // back into the record.
  virtual TableError insert(Record& record, RowRef& row) = 0;
  // Writes the row `row.id` when its version is still `row.version` (any
  // version when that is 0), and gives `row` the new version. Code 43
  // (RecordChanged, naming the station in `changedBy` when known) when the
  // row was written since, 33 when it is gone.
  virtual TableError update(RowRef& row, const Record& record) = 0;
  virtual TableError remove(RowId row) = 0;
  // The first row in key order whose key fields equal those of `values`.
  // `values` and `out` may be the same record; on failure `out` is untouched.
  virtual TableError fetch(const KeyDef& key, const Record& values, Record& out, RowRef& row) = 0;
  // Reads the row `row.id` and its version.
  virtual TableError fetchRow(RowRef& row, Record& out) = 0;
  virtual std::unique_ptr<Cursor> scan(const ScanRequest& request) = 0;
  virtual TableError count(const ScanRequest& request, std::int64_t& rows) = 0;
};

// A change of schema version, run inside a transaction on open.
struct Migration {
  int toVersion;
  std::string description;
  std::function<TableError(class Connection&)> apply;
};

struct SchemaInfo {
  std::string application;  // identifies a database as ours
  int version = 1;
  std::vector<const TableDef*> tables;
  std::vector<Migration> migrations;
};

class Connection {
 public:
  virtual ~Connection() = default;

  virtual TableStore& store(const TableDef& def) = 0;
  // Adds many rows to `def`'s table (host/framework/storage/bulk_insert.h).
  // Unless an engine has a faster way, one insert() per row.
  virtual std::unique_ptr<BulkInsert> bulkInsert(const TableDef& def);
  // Writes the fields at the layout positions `fields` of many rows of
  // `def`'s table (host/framework/storage/batch_update.h). Unless an engine
  // has a faster way, one read and one update() per row.
  virtual std::unique_ptr<BatchUpdate> batchUpdate(const TableDef& def, std::vector<int> fields);

  // Starts a transaction, waiting up to `wait` for other stations to finish
  // theirs. Code 32 when it could not be started in time. Nested calls are
  // savepoints within the outer transaction.
  virtual TableError begin(std::chrono::milliseconds wait) = 0;
  virtual TableError commit() = 0;
  virtual TableError rollback() = 0;
  virtual int transactionDepth() const = 0;

  // Bumped by every write through this connection; readers that hold a
  // position re-read from it when the number has moved.
  virtual std::uint64_t writeGeneration() const = 0;

  virtual std::string location() const = 0;
  virtual int schemaVersion() const = 0;

  // Who writes through this connection ("JMS on desk-3"): kept with every
  // row written, so that a station whose edit went stale can be told who
  // changed the row.
  virtual void setStation(std::string name) = 0;
};

// Opening failures: the message names the file and the problem.
class StorageOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class StorageBackend {
 public:
  virtual ~StorageBackend() = default;
  virtual std::string name() const = 0;
  // Opens (creating when `create` is set) the database at `location`, lays
  // out or upgrades its tables and indexes. Throws StorageOpenError.
  virtual std::unique_ptr<Connection> open(const std::string& location, const SchemaInfo& schema,
                                           bool create) = 0;
};

}  // namespace crv
