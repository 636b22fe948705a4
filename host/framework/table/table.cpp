// Table access over a storage backend.
#include "host/framework/table/table.h"

#include <algorithm>

#include "host/framework/services/error_class.h"

namespace crv {

// Where reading in key order stands: the key, the range, the starting point
// and the last row read, so that reading can resume after a write.
struct Table::Position {
  const KeyDef* key = nullptr;
  std::vector<std::size_t> keyFields;  // the key's fields by position in the layout
  ScanRequest::Start start = ScanRequest::Start::First;
  std::size_t startParts = 0;
  std::unique_ptr<Record> startValues;
  std::size_t rangeParts = 0;
  std::unique_ptr<Record> rangeValues;
  bool hasLast = false;
  std::unique_ptr<Record> lastValues;
  RowId lastRow = 0;
  std::vector<int> fields;  // what the cursor reads, when not every field
  std::unique_ptr<Cursor> cursor;
  bool cursorReverse = false;
  std::uint64_t generation = 0;
};

std::string_view tableStatusName(TableStatus status) {
  switch (status) {
    case TableStatus::Ok:
      return "ok";
    case TableStatus::NotFound:
      return "not found";
    case TableStatus::EndOfFile:
      return "end of file";
    case TableStatus::DuplicateKey:
      return "duplicate key";
    case TableStatus::Locked:
      return "locked";
    case TableStatus::Failed:
      return "failed";
  }
  return "failed";
}

Table::Table(const TableDef& def, Record& buffer) : def_(&def), buffer_(&buffer) {}

Table::~Table() = default;

void Table::attach(Connection* connection) {
  connection_ = connection;
  store_ = nullptr;
  position_.reset();
  forgetCurrent();
  primedRow_ = 0;
}

TableStore& Table::store() {
  if (!store_) store_ = &connection_->store(*def_);
  return *store_;
}

TableStatus Table::finish(const TableError& error) {
  lastError_ = error;
  if (!error.failed()) {
    RuntimeErrors::clear();
    return TableStatus::Ok;
  }
  lastError_.table = def_->name();
  RuntimeErrors::set(lastError_);
  switch (error.code) {
    case ErrorCode::RecordNotFound:
      return TableStatus::NotFound;
    case ErrorCode::RecordNotAvailable:
      return TableStatus::EndOfFile;
    case ErrorCode::DuplicateKey:
      return TableStatus::DuplicateKey;
    case ErrorCode::FileLocked:
      return TableStatus::Locked;
    default:
      return TableStatus::Failed;
  }
}

TableStatus Table::reportIfFailed(TableStatus status, TableOp op) {
  if (status != TableStatus::Ok && errors_) errors_->reportTableError(lastError_, op);
  return status;
}

bool Table::ready() {
  if (connection_ && useCount_ > 0) return true;
  finish(makeError(ErrorCode::FileNotOpen));
  return false;
}

TableStatus Table::open() {
  if (!connection_) return finish(makeError(ErrorCode::FileNotOpen));
  ++useCount_;
  return finish({});
}

void Table::close() {
  if (useCount_ == 0) return;
  if (--useCount_ == 0) {
    position_.reset();
    forgetCurrent();
  }
}

TableStatus Table::fetch(const KeyDef& key) {
  if (!ready()) return TableStatus::Failed;
  RowRef row;
  const TableStatus status = finish(store().fetch(def_->resolve(key), *buffer_, *buffer_, row));
  if (status == TableStatus::Ok) holdRow(row);
  return status;
}

TableStatus Table::reread() {
  if (!ready()) return TableStatus::Failed;
  if (current_.id == 0) return finish(makeError(ErrorCode::RecordNotAvailable));
  RowRef row{current_.id, 0};
  const TableStatus status = finish(store().fetchRow(row, *buffer_));
  if (status == TableStatus::Ok) holdRow(row);
  return status;
}

TableStatus Table::begin(const KeyDef& key, ScanRequest::Start start, std::size_t parts,
                         std::size_t rangeParts) {
  if (!ready()) return TableStatus::Failed;
  const KeyDef& own = def_->resolve(key);
  auto position = std::make_unique<Position>();
  position->key = &own;
  for (std::size_t i = 0; i < own.size(); ++i)
    position->keyFields.push_back(static_cast<std::size_t>(def_->layout().indexOf(own.fields[i])));
  position->start = start;
  position->startParts = parts == 0 ? own.size() : std::min(parts, own.size());
  if (start != ScanRequest::Start::First) {
    position->startValues = def_->newRecord();
    position->startValues->copyFrom(*buffer_);
  }
  position->rangeParts = std::min(rangeParts, own.size());
  if (rangeParts > 0) {
    position->rangeValues = def_->newRecord();
    position->rangeValues->copyFrom(*buffer_);
  }
  position->lastValues = def_->newRecord();
  position_ = std::move(position);
  return finish({});
}

TableStatus Table::set(const KeyDef& key) { return begin(key, ScanRequest::Start::First, 0, 0); }

TableStatus Table::setFrom(const KeyDef& key, std::size_t parts) {
  return begin(key, ScanRequest::Start::AtValues, parts, 0);
}

TableStatus Table::setRange(const KeyDef& key, std::size_t parts) {
  return begin(key, ScanRequest::Start::First, 0, parts == 0 ? key.size() : parts);
}

TableStatus Table::setAfter(const KeyDef& key, RowId row) {
  const TableStatus status = begin(key, ScanRequest::Start::First, 0, 0);
  if (status == TableStatus::Ok) rememberPosition(row);
  return status;
}

TableStatus Table::next() { return read(false); }
TableStatus Table::previous() { return read(true); }

TableStatus Table::read(bool reverse) {
  if (!ready()) return TableStatus::Failed;
  if (!position_) return finish(makeError(ErrorCode::RecordNotAvailable));
  Position& p = *position_;
  const bool stale =
      !p.cursor || p.cursorReverse != reverse || p.generation != connection_->writeGeneration();
  if (stale) {
    ScanRequest request;
    request.key = p.key;
    request.reverse = reverse;
    request.rangeParts = p.rangeParts;
    request.rangeLow = p.rangeValues.get();
    request.rangeHigh = p.rangeValues.get();
    if (p.hasLast) {
      request.start = ScanRequest::Start::AfterRow;
      request.startValues = p.lastValues.get();
      request.startParts = p.key->size();
      request.startRow = p.lastRow;
    } else {
      request.start = p.start;
      request.startValues = p.startValues.get();
      request.startParts = p.startParts;
    }
    if (!readFields_.empty()) {
      p.fields = readFields_;
      for (std::size_t i = 0; i < p.key->size(); ++i)
        p.fields.push_back(def_->layout().indexOf(p.key->fields[i]));
      request.fields = &p.fields;
    }
    p.cursor.reset();
    p.cursor = store().scan(request);
    p.cursorReverse = reverse;
    p.generation = connection_->writeGeneration();
  }
  RowRef row;
  const TableStatus status = finish(p.cursor->next(*buffer_, row));
  if (status == TableStatus::Ok) {
    holdRow(row);
    partialRow_ = !readFields_.empty();
    rememberPosition(row.id);
  } else {
    p.cursor.reset();
  }
  return status;
}

void Table::readOnly(std::initializer_list<std::string_view> fields) {
  readFields_ = def_->layout().indexesOf(fields);
  if (position_) position_->cursor.reset();
}

void Table::rememberPosition(RowId row) {
  Position& p = *position_;
  for (std::size_t field : p.keyFields) {
    FieldRef from = buffer_->field(field);
    FieldRef to = p.lastValues->field(field);
    switch (from.kind()) {
      case FieldKind::Text:
        to.setText(from.text());
        break;
      case FieldKind::Real:
        to.setReal(from.real());
        break;
      default:
        to.setInteger(from.integer());
        break;
    }
  }
  p.lastRow = row;
  p.hasLast = true;
}

TableStatus Table::tryInsert() {
  if (!ready()) return TableStatus::Failed;
  const int autoField = def_->autoNumberField();
  if (primedRow_ != 0 && autoField >= 0 &&
      buffer_->field(static_cast<std::size_t>(autoField)).integer() == primedNumber_) {
    RowRef primed{primedRow_, primedVersion_};
    const TableStatus status = finish(store().update(primed, *buffer_));
    if (status == TableStatus::Ok) {
      holdRow(primed);
      primedRow_ = 0;
    }
    return status;
  }
  RowRef row;
  const TableStatus status = finish(store().insert(*buffer_, row));
  if (status == TableStatus::Ok) holdRow(row);
  return status;
}

TableStatus Table::tryUpdate() {
  if (!ready()) return TableStatus::Failed;
  if (current_.id == 0) return finish(makeError(ErrorCode::RecordNotAvailable));
  if (partialRow_) {
    TableError error = makeError(ErrorCode::FileSystem);
    error.fileMessage = "only some fields of the row were read; it cannot be written back whole";
    return finish(error);
  }
  RowRef row = current_;
  TableError error = store().update(row, *buffer_);
  if (error.code == ErrorCode::RecordChanged && standsAtOwnVersion(row))
    error = store().update(row, *buffer_);
  const TableStatus status = finish(error);
  if (status == TableStatus::Ok) {
    current_ = row;
    if (ownVersions_.size() >= 32) ownVersions_.erase(ownVersions_.begin() + 1);
    ownVersions_.push_back(row.version);
  }
  return status;
}

// Versions are random, so a row standing at a version this buffer read or
// wrote itself has not been written by anyone else since: the buffer's own
// later writes were rolled back with their transaction. The update may then
// go over that version instead of being refused.
bool Table::standsAtOwnVersion(RowRef& row) {
  RowRef now{row.id, 0};
  auto scratch = def_->newRecord();
  if (store().fetchRow(now, *scratch).failed()) return false;
  if (std::find(ownVersions_.begin(), ownVersions_.end(), now.version) == ownVersions_.end()) return false;
  row.version = now.version;
  return true;
}

TableStatus Table::tryRemove() {
  if (!ready()) return TableStatus::Failed;
  if (current_.id == 0) return finish(makeError(ErrorCode::RecordNotAvailable));
  const TableStatus status = finish(store().remove(current_.id));
  if (status == TableStatus::Ok) {
    if (current_.id == primedRow_) primedRow_ = 0;
    forgetCurrent();
  }
  return status;
}

TableStatus Table::insert() { return reportIfFailed(tryInsert(), TableOp::Inserting); }
TableStatus Table::update() { return reportIfFailed(tryUpdate(), TableOp::Saving); }
TableStatus Table::remove() { return reportIfFailed(tryRemove(), TableOp::Deleting); }

TableStatus Table::primeAutoInc() {
  if (!ready()) return TableStatus::Failed;
  const int autoField = def_->autoNumberField();
  if (autoField < 0) return finish({});
  FieldRef number = buffer_->field(static_cast<std::size_t>(autoField));
  number.setInteger(0);
  RowRef row;
  const TableStatus status = finish(store().insert(*buffer_, row));
  if (status != TableStatus::Ok) {
    number.setInteger(0);
    return reportIfFailed(status, TableOp::Autoincrementing);
  }
  primedRow_ = row.id;
  primedVersion_ = row.version;
  primedNumber_ = number.integer();
  holdRow(row);
  return status;
}

void Table::restorePriming(const Priming& priming) {
  primedRow_ = priming.row;
  primedVersion_ = priming.version;
  primedNumber_ = priming.number;
  if (priming.row != 0) holdRow({priming.row, priming.version});
}

TableStatus Table::cancelAutoInc() {
  if (!ready()) return TableStatus::Failed;
  if (primedRow_ == 0) return finish({});
  const RowId row = primedRow_;
  primedRow_ = 0;
  if (current_.id == row) forgetCurrent();
  return reportIfFailed(finish(store().remove(row)), TableOp::Deleting);
}

std::int64_t Table::records() {
  if (!ready()) return 0;
  std::int64_t rows = 0;
  ScanRequest request;
  if (finish(store().count(request, rows)) != TableStatus::Ok) return 0;
  return rows;
}

bool readFirst(Table& table, const KeyDef& key) {
  if (table.set(key) == TableStatus::Ok && table.next() == TableStatus::Ok) return true;
  table.buffer().clear();
  return false;
}

}  // namespace crv
