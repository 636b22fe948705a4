// Table access: one table seen through one record buffer.
//
// A Table reads rows into its buffer and writes the buffer back, the way the
// procedures of the module work: fill key fields in the buffer, fetch or set
// a position and read next or previous, change fields, update. Writes go to
// the row last read or added. The same table may be reached through several
// Table objects with buffers of their own (an alias), each with its own
// position.
//
// Reads in key order hold a live cursor of the backend; when anything is
// written through the same connection, the next read starts again right
// after the last row read, so loops that update the rows they read see every
// row once.
//
// Every row read carries its version, and update() writes only over the
// version it read: when another station (or another buffer of this one)
// wrote the row in between, the update fails with RecordChanged and nothing
// is overwritten. reread() takes the row as it is now.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "host/framework/storage/storage_backend.h"

namespace crv {

class ErrorClass;

enum class TableStatus { Ok, NotFound, EndOfFile, DuplicateKey, Locked, Failed };

std::string_view tableStatusName(TableStatus status);

class Table {
 public:
  Table(const TableDef& def, Record& buffer);
  ~Table();
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  const TableDef& def() const { return *def_; }
  const std::string& name() const { return def_->name(); }
  Record& buffer() { return *buffer_; }

  // The company database the table reads and writes; nullptr detaches.
  void attach(Connection* connection);
  Connection* connection() const { return connection_; }

  void setErrorReporter(ErrorClass* errors) { errors_ = errors; }
  ErrorClass* errorReporter() const { return errors_; }

  // Use counts: the table is usable while at least one open is outstanding.
  TableStatus open();
  void close();
  int useCount() const { return useCount_; }
  bool isOpen() const { return useCount_ > 0; }

  // Reads the first row whose key fields equal the buffer's.
  TableStatus fetch(const KeyDef& key);
  // Re-reads the current row.
  TableStatus reread();

  // Positions before the first row of the key (or after the last one when
  // reading backwards).
  TableStatus set(const KeyDef& key);
  // Positions at the buffer's values of the key's leading `parts` fields
  // (all fields when 0): next() reads rows at or after them, previous()
  // rows at or before them.
  TableStatus setFrom(const KeyDef& key, std::size_t parts = 0);
  // Limits reading to the rows whose leading `parts` key fields equal the
  // buffer's, positioned at the first of them.
  TableStatus setRange(const KeyDef& key, std::size_t parts);
  // Positions just past one row: the buffer's values of the key together
  // with the row's identity. next() reads the rows after it and previous()
  // the rows before it, so rows with equal keys are neither skipped nor
  // read twice.
  TableStatus setAfter(const KeyDef& key, RowId row);
  TableStatus next();
  TableStatus previous();
  // Reads in key order fill only the named fields of the buffer (and the
  // key's own), the others keeping what the buffer holds, so that a pass
  // over wide rows that needs a few fields reads only those. A row read so
  // cannot be written back whole: update() refuses it (a BatchUpdate writes
  // such rows' fields). No names reads whole rows again.
  void readOnly(std::initializer_list<std::string_view> fields);

  // Writes that report failures through the error reporter...
  TableStatus insert();
  TableStatus update();
  TableStatus remove();
  // ...and the same without reporting, for callers that report themselves.
  TableStatus tryInsert();
  TableStatus tryUpdate();
  TableStatus tryRemove();

  // Reserves the next auto-number by adding the buffer as a row at once, so
  // that other stations cannot take the number; a later insert() writes the
  // completed buffer over that row, cancelAutoInc() removes it.
  TableStatus primeAutoInc();
  TableStatus cancelAutoInc();
  bool isPrimed() const { return primedRow_ != 0; }
  // The primed row and its number. An insert of the primed row that a
  // rolled-back transaction undid leaves the placeholder row in place: the
  // caller puts the priming back, so that the next insert writes over that
  // row again and cancelAutoInc() removes it.
  struct Priming {
    RowId row = 0;
    RowVersion version = 0;
    std::int64_t number = 0;
  };
  Priming priming() const { return {primedRow_, primedVersion_, primedNumber_}; }
  void restorePriming(const Priming& priming);

  std::int64_t records();
  const TableError& lastError() const { return lastError_; }
  RowId currentRow() const { return current_.id; }
  // The version of the current row as it was read or last written here.
  RowVersion currentVersion() const { return current_.version; }

 private:
  struct Position;

  TableStatus finish(const TableError& error);
  TableStatus reportIfFailed(TableStatus status, TableOp op);
  TableStatus read(bool reverse);
  TableStatus begin(const KeyDef& key, ScanRequest::Start start, std::size_t parts, std::size_t rangeParts);
  bool ready();
  TableStore& store();
  void rememberPosition(RowId row);
  void forgetCurrent() {
    current_ = {};
    ownVersions_.clear();
  }
  void holdRow(const RowRef& row) {
    current_ = row;
    ownVersions_.assign(1, row.version);
    partialRow_ = false;
  }
  bool standsAtOwnVersion(RowRef& row);

  const TableDef* def_;
  Record* buffer_;
  Connection* connection_ = nullptr;
  TableStore* store_ = nullptr;
  ErrorClass* errors_ = nullptr;
  int useCount_ = 0;
  RowRef current_;
  // The versions of the current row this buffer read or wrote since it read
  // the row, oldest first.
  std::vector<RowVersion> ownVersions_;
  // The fields reads in key order fill (none: all), and whether the current
  // row was read so.
  std::vector<int> readFields_;
  bool partialRow_ = false;
  RowId primedRow_ = 0;
  RowVersion primedVersion_ = 0;
  std::int64_t primedNumber_ = 0;
  TableError lastError_;
  std::unique_ptr<Position> position_;
};

// Runs a table operation's status to a yes/no where only success matters.
inline bool ok(TableStatus status) { return status == TableStatus::Ok; }

// Reads a row by one key field: clears the table's buffer, sets `field` (a
// member of that buffer) to `value` and fetches by `key`.
template <class Field, class Value>
TableStatus fetchBy(Table& table, const KeyDef& key, Field& field, const Value& value) {
  table.buffer().clear();
  field = value;
  return table.fetch(key);
}

// The same for keys of several fields: `setKey` fills them in the cleared
// buffer.
template <class SetKey>
TableStatus fetchBy(Table& table, const KeyDef& key, SetKey setKey) {
  table.buffer().clear();
  setKey();
  return table.fetch(key);
}

// Reads the first row in `key` order into the buffer; the buffer is left
// cleared when there is none or the read failed.
bool readFirst(Table& table, const KeyDef& key);

}  // namespace crv
