// Writing a line's serial numbers and their serial records.
#include "crvpo/reconcile/serial_number_writer.h"

#include "crvpo/entry/commitment_poster.h"
#include "crvpo/reconcile/receipt_postings.h"
#include "host/framework/values/date.h"

namespace crvpo {
namespace {

StepFailure listFailure(const crv::Table& table, crv::TableOp op, const char* lead) {
  StepFailure failure = StepFailure::of(table, op);
  failure.lead = lead;
  return failure;
}

}  // namespace

SerialNumberWriter::SerialNumberWriter(crv::Connection& connection, const crv::PODetailRecord& line)
    : line_(&line), rows_(connection), serials_(connection) {}

StepResult SerialNumberWriter::readStored() {
  stored_.clear();
  rows_.rec.clear();
  rows_.rec.DetailID = line_->DetailID;
  return eachInRange(rows_, crv::PODetSerRecord::KeyDetailID, 1, [&](const crv::PODetSerRecord& row) {
    stored_[row.RecordID] = {row.RecordID, row.SerialID, row.SerialNo.str()};
  });
}

StepResult SerialNumberWriter::findNumber(std::string_view number, crv::Id& serialId) {
  serials_.rec.clear();
  serials_.rec.ItemID = line_->ItemID;
  serials_.rec.SerialNo = number;
  bool found = false;
  if (auto failure = fetchRow(serials_.table, crv::INSerialRecord::KeyItemSerial, found)) return failure;
  serialId = found ? serials_.rec.SerialID : 0;
  return std::nullopt;
}

StepResult SerialNumberWriter::addNumber(std::string_view number, crv::Id& serialId, Texts texts) {
  crv::INSerialRecord& serial = serials_.rec;
  serial.clear();
  serial.ItemID = line_->ItemID;
  serial.SerialNo = number;
  serial.LocationID = line_->LocationID;
  serial.BinID = line_->BinID;
  serial.ReceivedDate = crv::Date::today();
  serial.PODetailID = line_->DetailID;
  if (texts == Texts::Single) {
    if (auto failure = insertNumbered(serials_.table)) return failure;
  } else {
    if (serials_.table.primeAutoInc() != crv::TableStatus::Ok)
      return listFailure(serials_.table, crv::TableOp::Autoincrementing, "Error Incrementing INSerial");
    if (serials_.table.tryInsert() != crv::TableStatus::Ok)
      return listFailure(serials_.table, crv::TableOp::Inserting, "Error Adding INSerial");
  }
  serialId = serial.SerialID;
  return std::nullopt;
}

StepResult SerialNumberWriter::resolve(ReceivedSerial& row) {
  if (row.serialId != 0) {
    serials_.rec.clear();
    serials_.rec.SerialID = row.serialId;
    bool found = false;
    if (auto failure = fetchRow(serials_.table, crv::INSerialRecord::KeySerialID, found)) return failure;
    if (found && serials_.rec.SerialNo == row.number) return std::nullopt;
    if (found) {
      crv::Id other = 0;
      if (auto failure = findNumber(row.number, other)) return failure;
      if (other != 0) {
        row.serialId = other;
        return std::nullopt;
      }
      serials_.rec.clear();
      serials_.rec.SerialID = row.serialId;
      if (auto failure = fetchRow(serials_.table, crv::INSerialRecord::KeySerialID, found)) return failure;
      serials_.rec.SerialNo = row.number;
      return updateRow(serials_.table);
    }
  }
  if (auto failure = findNumber(row.number, row.serialId); failure || row.serialId != 0) return failure;
  return addNumber(row.number, row.serialId, Texts::List);
}

StepResult SerialNumberWriter::writeRow(ReceivedSerial& row) {
  const auto stored = stored_.find(row.recordId);
  if (row.recordId != 0 && stored != stored_.end()) {
    const bool same = stored->second == row;
    stored_.erase(stored);
    if (same) return std::nullopt;
    rows_.rec.clear();
    rows_.rec.RecordID = row.recordId;
    bool found = false;
    if (auto failure = fetchRow(rows_.table, crv::PODetSerRecord::KeyRecordID, found)) return failure;
    rows_.rec.SerialNo = row.number;
    rows_.rec.SerialID = row.serialId;
    return updateRow(rows_.table);
  }
  rows_.rec.clear();
  rows_.rec.DetailID = line_->DetailID;
  rows_.rec.SerialNo = row.number;
  rows_.rec.SerialID = row.serialId;
  if (rows_.table.tryInsert() != crv::TableStatus::Ok)
    return StepFailure::of(rows_.table, crv::TableOp::Inserting);
  row.recordId = rows_.rec.RecordID;
  return std::nullopt;
}

StepResult SerialNumberWriter::removeRows(const std::map<crv::Id, ReceivedSerial>& rows) {
  for (const auto& [record, row] : rows) {
    rows_.rec.clear();
    rows_.rec.RecordID = record;
    bool found = false;
    if (auto failure = fetchRow(rows_.table, crv::PODetSerRecord::KeyRecordID, found); failure || !found)
      return failure;
    if (auto failure = removeRow(rows_.table)) return failure;
  }
  return std::nullopt;
}

StepResult SerialNumberWriter::writeList(std::vector<ReceivedSerial>& rows) {
  if (auto failure = readStored()) return failure;
  for (ReceivedSerial& row : rows) {
    if (auto failure = resolve(row)) return failure;
    if (auto failure = writeRow(row)) return failure;
  }
  return removeRows(stored_);
}

StepResult SerialNumberWriter::writeSingle(std::string_view number, crv::Id& serialId) {
  if (auto failure = removeAll()) return failure;
  if (auto failure = findNumber(number, serialId); failure || serialId != 0) return failure;
  return addNumber(number, serialId, Texts::Single);
}

StepResult SerialNumberWriter::removeAll() {
  if (auto failure = readStored()) return failure;
  return removeRows(stored_);
}

}  // namespace crvpo
