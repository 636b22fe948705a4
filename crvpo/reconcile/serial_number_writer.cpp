// Writing a line's serial numbers and their serial records.
#include "crvpo/reconcile/serial_number_writer.h"

#include "crvpo/reconcile/receipt_postings.h"
#include "host/framework/values/date.h"

namespace crvpo {

SerialNumberWriter::SerialNumberWriter(crv::Connection& connection, crv::TableSteps& steps,
                                       const crv::PODetailRecord& line, std::string& lead)
    : steps_(&steps), line_(&line), lead_(&lead), rows_(connection), serials_(connection) {}

void SerialNumberWriter::readStored() {
  stored_.clear();
  rows_.rec.clear();
  rows_.rec.DetailID = line_->DetailID;
  rows_.table.setRange(crv::PODetSerRecord::KeyDetailID, 1);
  while (steps_->next(rows_.table))
    stored_[rows_.rec.RecordID] = {rows_.rec.RecordID, rows_.rec.SerialID, rows_.rec.SerialNo.str()};
}

crv::Id SerialNumberWriter::findNumber(std::string_view number) {
  serials_.rec.clear();
  serials_.rec.ItemID = line_->ItemID;
  serials_.rec.SerialNo = number;
  return steps_->fetch(serials_.table, crv::INSerialRecord::KeyItemSerial) ? serials_.rec.SerialID : 0;
}

crv::Id SerialNumberWriter::addNumber(std::string_view number, Texts texts) {
  crv::INSerialRecord& serial = serials_.rec;
  serial.clear();
  serial.ItemID = line_->ItemID;
  serial.SerialNo = number;
  serial.LocationID = line_->LocationID;
  serial.BinID = line_->BinID;
  serial.ReceivedDate = crv::Date::today();
  serial.PODetailID = line_->DetailID;
  if (texts == Texts::List) *lead_ = "Error Incrementing INSerial";
  if (!steps_->primeAutoInc(serials_.table)) return 0;
  if (texts == Texts::List) *lead_ = "Error Adding INSerial";
  if (!steps_->insert(serials_.table)) return 0;
  lead_->clear();
  return serial.SerialID;
}

bool SerialNumberWriter::fetchSerial(crv::Id serialId) {
  serials_.rec.clear();
  serials_.rec.SerialID = serialId;
  return serialId != 0 && steps_->fetch(serials_.table, crv::INSerialRecord::KeySerialID);
}

void SerialNumberWriter::resolve(ReceivedSerial& row) {
  if (fetchSerial(row.serialId)) {
    if (serials_.rec.SerialNo == row.number) return;
    if (const crv::Id other = findNumber(row.number)) {
      row.serialId = other;
      return;
    }
    // The number was changed: its record is renamed.
    if (!fetchSerial(row.serialId)) return;
    serials_.rec.SerialNo = row.number;
    steps_->update(serials_.table);
    return;
  }
  row.serialId = findNumber(row.number);
  if (row.serialId == 0) row.serialId = addNumber(row.number, Texts::List);
}

void SerialNumberWriter::writeRow(ReceivedSerial& row) {
  const auto stored = stored_.find(row.recordId);
  if (row.recordId != 0 && stored != stored_.end()) {
    const bool same = stored->second == row;
    stored_.erase(stored);
    if (same) return;
    rows_.rec.clear();
    rows_.rec.RecordID = row.recordId;
    if (!steps_->fetch(rows_.table, crv::PODetSerRecord::KeyRecordID)) return;
    rows_.rec.SerialNo = row.number;
    rows_.rec.SerialID = row.serialId;
    steps_->update(rows_.table);
    return;
  }
  rows_.rec.clear();
  rows_.rec.DetailID = line_->DetailID;
  rows_.rec.SerialNo = row.number;
  rows_.rec.SerialID = row.serialId;
  if (steps_->insert(rows_.table)) row.recordId = rows_.rec.RecordID;
}

void SerialNumberWriter::removeStored() {
  for (const auto& entry : stored_) {
    rows_.rec.clear();
    rows_.rec.RecordID = entry.first;
    if (steps_->fetch(rows_.table, crv::PODetSerRecord::KeyRecordID)) steps_->remove(rows_.table);
  }
  stored_.clear();
}

void SerialNumberWriter::writeList(std::vector<ReceivedSerial>& rows) {
  readStored();
  for (ReceivedSerial& row : rows) {
    resolve(row);
    writeRow(row);
  }
  removeStored();
}

void SerialNumberWriter::writeSingle(std::string_view number, crv::Id& serialId) {
  removeAll();
  serialId = findNumber(number);
  if (serialId == 0) serialId = addNumber(number, Texts::Single);
}

void SerialNumberWriter::removeAll() {
  readStored();
  removeStored();
}

}  // namespace crvpo
